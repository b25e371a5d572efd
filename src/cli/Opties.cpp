#include "cli/Opties.h"

#include "cli/Hulpopmaak.h"
#include "common/Text.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

namespace vkt::cli {
namespace {

// The first word CLI11 left over: an unknown option (named without a value
// after "="), an unknown command, or an argument too many.
[[noreturn]] void Onbekend(const std::string& woord, bool metOpdrachten)
{
    if (woord.starts_with("-"))
        throw OptieFout("onbekende optie " + Citaat(woord.substr(0, woord.find('='))) + ".");
    if (metOpdrachten)
        throw OptieFout("onbekende opdracht " + Citaat(woord) + ".");
    throw OptieFout("onverwacht argument " + Citaat(woord) + ".");
}

// The name of an option word without its dashes and value, in lower case.
std::string Optienaam(const std::string& woord) { return ToLowerAscii(woord.substr(2, woord.find('=') - 2)); }

} // namespace

TOpdrachtregel::TOpdrachtregel(const std::string& naam, const std::string& omschrijving, const std::string& voettekst)
    : app_(std::make_unique<CLI::App>(omschrijving, naam))
{
    app_->formatter(std::make_shared<THulpopmaak>());
    app_->option_defaults()->ignore_case();
    app_->ignore_case();
    // Every unknown word is left over and reported in Dutch by Lees.
    app_->allow_extras();
    app_->set_help_flag("-h,--help", "toont deze hulp");
    app_->footer(voettekst);
}

TOpdrachtregel::~TOpdrachtregel() = default;

void TOpdrachtregel::Optie(const std::string& naam, const std::string& waarden, const std::string& uitleg,
                           bool herhaalbaar)
{
    // A missing value is taken as an empty one, so that Lees can name the
    // option; a repeat is counted by Lees, not refused in English by CLI11.
    CLI::Option* optie = app_->add_option("--" + naam, uitleg)
                             ->option_text(waarden)
                             ->expected(0, 1)
                             ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    opties_[naam] = optie;
    waardeOpties_.insert(naam);
    if (herhaalbaar)
        herhaalbaar_.insert(optie);
}

void TOpdrachtregel::Argument(const std::string& naam, const std::string& uitleg)
{
    opties_[naam] = app_->add_option(naam, uitleg);
}

void TOpdrachtregel::Vlag(const std::string& naam, const std::string& uitleg)
{
    opties_[naam] = app_->add_flag("--" + naam, uitleg);
}

void TOpdrachtregel::Opdracht(const std::string& naam, const std::string& omschrijving)
{
    CLI::App* opdracht = app_->add_subcommand(naam, omschrijving);
    opdracht->prefix_command()->allow_extras();
    // The command reads its own arguments, its help option too.
    opdracht->set_help_flag();
}

bool TOpdrachtregel::IsOptie(const std::string& woord) const
{
    if (woord == "--" || woord == "-h")
        return true;
    if (!woord.starts_with("--"))
        return false;
    const std::string naam = Optienaam(woord);
    const auto optie = opties_.find(naam);
    return naam == "help" || (optie != opties_.end() && !optie->second->get_positional());
}

const CLI::Option* TOpdrachtregel::WaardeOptie(const std::string& woord) const
{
    if (!woord.starts_with("--") || woord.find('=') != std::string::npos)
        return nullptr;
    const std::string naam = Optienaam(woord);
    return waardeOpties_.contains(naam) ? opties_.at(naam) : nullptr;
}

std::vector<std::string> TOpdrachtregel::MetWaarden(const std::vector<std::string>& argumenten) const
{
    std::vector<std::string> gelezen;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        const std::string& woord = argumenten[i];
        if (woord == "--") {
            gelezen.insert(gelezen.end(), argumenten.begin() + static_cast<std::ptrdiff_t>(i), argumenten.end());
            break;
        }
        if (const CLI::Option* optie = WaardeOptie(woord)) {
            if (i + 1 == argumenten.size() || IsOptie(argumenten[i + 1]))
                throw OptieFout("de optie '" + optie->get_name() + "' verwacht een waarde.");
            gelezen.push_back(woord + "=" + argumenten[++i]);
        } else {
            gelezen.push_back(woord);
        }
    }
    return gelezen;
}

bool TOpdrachtregel::Lees(const std::vector<std::string>& argumenten)
{
    const std::vector<std::string> gelezen = MetWaarden(argumenten);
    std::vector<std::string> omgekeerd(gelezen.rbegin(), gelezen.rend()); // as CLI11 takes them
    try {
        app_->parse(omgekeerd);
    } catch (const CLI::CallForHelp&) {
        return false;
    } catch (const CLI::ParseError&) {
        throw OptieFout("de opdrachtregel kan niet worden gelezen.");
    }
    ControleerWaarden();
    return true;
}

void TOpdrachtregel::ControleerWaarden() const
{
    for (const CLI::Option* optie : app_->parse_order()) {
        if (optie->get_positional() || optie->get_type_size() == 0)
            continue;
        const std::vector<std::string>& waarden = optie->results();
        if (waarden.size() > 1 && !herhaalbaar_.contains(optie))
            throw OptieFout("de optie '" + optie->get_name() + "' staat er twee keer.");
    }
    const std::vector<std::string> rest = app_->remaining();
    if (!rest.empty())
        Onbekend(rest.front(), !app_->get_subcommands({}).empty());
}

std::optional<std::string> TOpdrachtregel::Waarde(const std::string& naam) const
{
    const CLI::Option* optie = opties_.at(naam);
    if (optie->count() == 0 || optie->results().empty())
        return std::nullopt;
    return optie->results().front();
}

bool TOpdrachtregel::Gegeven(const std::string& naam) const { return opties_.at(naam)->count() > 0; }

TOptieWaarden TOpdrachtregel::Alle() const
{
    TOptieWaarden alle;
    std::map<const CLI::Option*, std::size_t> gelezen;
    for (const CLI::Option* optie : app_->parse_order()) {
        if (optie->get_type_size() == 0)
            continue;
        const std::size_t i = gelezen[optie]++;
        if (i < optie->results().size())
            alle.emplace_back(optie->get_name(false, false).substr(optie->get_positional() ? 0 : 2),
                              optie->results()[i]);
    }
    return alle;
}

std::optional<std::pair<std::string, std::vector<std::string>>> TOpdrachtregel::GekozenOpdracht() const
{
    const std::vector<CLI::App*> gekozen = app_->get_subcommands();
    if (gekozen.empty())
        return std::nullopt;
    return std::make_pair(gekozen.front()->get_name(), gekozen.front()->remaining());
}

std::string TOpdrachtregel::Hulp() const { return app_->help(); }

std::optional<std::string> LeesBestandsnaam(const TOpdrachtregel& regel, const std::string& optie)
{
    const auto bestand = regel.Waarde(optie);
    if (bestand && bestand->empty())
        throw OptieFout("lege bestandsnaam bij --" + optie + ": geef de naam van het bestand.");
    return bestand;
}

void VoegFormaatToe(TOpdrachtregel& regel, const std::string& wat, const std::vector<std::string>& formaten)
{
    std::string waarden;
    for (const std::string& formaat : formaten)
        waarden += (waarden.empty() ? "" : "|") + formaat;
    regel.Optie("formaat", waarden, wat + " (standaard: " + formaten.front() + ")");
}

std::string LeesFormaat(const TOpdrachtregel& regel, const std::vector<std::string>& formaten)
{
    const std::string formaat = ToLowerAscii(regel.Waarde("formaat").value_or(formaten.front()));
    if (std::find(formaten.begin(), formaten.end(), formaat) != formaten.end())
        return formaat;
    std::string keuzes;
    for (std::size_t i = 0; i < formaten.size(); ++i)
        keuzes += (i == 0 ? "" : i + 1 == formaten.size() ? " of " : ", ") + formaten[i];
    throw OptieFout("ongeldig formaat " + Citaat(*regel.Waarde("formaat")) + " bij --formaat: kies " + keuzes + ".");
}

std::optional<int> TOpdrachtregel::Verwerk(const std::vector<std::string>& argumenten,
                                           const std::function<void()>& lees, std::ostream& uit, std::ostream& fout)
{
    try {
        if (!Lees(argumenten)) {
            uit << Hulp();
            return 0;
        }
        lees();
    } catch (const OptieFout& error) {
        return Gebruiksfout(error, fout);
    }
    return std::nullopt;
}

int TOpdrachtregel::Gebruiksfout(const OptieFout& fout, std::ostream& uit) const
{
    uit << app_->get_name() << ": " << fout.what() << "\n";
    return 2;
}

} // namespace vkt::cli
