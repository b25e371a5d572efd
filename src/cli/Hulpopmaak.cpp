#include "cli/Hulpopmaak.h"

#include <sstream>

namespace vkt::cli {
namespace {

constexpr std::size_t kBreedte = 96;
constexpr std::size_t kUitlegInspringing = 6;

// One line of the text, broken between words.
std::string Alinea(const std::string& regel, const std::string& inspringing)
{
    std::istringstream woorden(regel);
    std::string uit;
    std::string huidige;
    for (std::string woord; woorden >> woord;) {
        if (!huidige.empty() && inspringing.size() + huidige.size() + 1 + woord.size() > kBreedte) {
            uit += inspringing + huidige + "\n";
            huidige.clear();
        }
        huidige += (huidige.empty() ? "" : " ") + woord;
    }
    return huidige.empty() ? uit + "\n" : uit + inspringing + huidige + "\n";
}

std::string OptieNamen(const CLI::Option& optie)
{
    std::string namen;
    for (const std::string& kort : optie.get_snames())
        namen += "-" + kort + ", ";
    for (const std::string& lang : optie.get_lnames())
        namen += "--" + lang + ", ";
    namen.resize(namen.size() - 2);
    if (!optie.get_option_text().empty())
        namen += " " + optie.get_option_text();
    return namen;
}

std::string Item(const std::string& kop, const std::string& uitleg)
{
    return "  " + kop + "\n" + Ingesprongen(uitleg, kUitlegInspringing);
}

} // namespace

std::string Ingesprongen(const std::string& tekst, std::size_t inspringing)
{
    std::istringstream regels(tekst);
    std::string uit;
    for (std::string regel; std::getline(regels, regel);)
        uit += Alinea(regel, std::string(inspringing, ' '));
    return uit;
}

std::string THulpopmaak::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const
{
    const auto opdrachten = app->get_subcommands([](const CLI::App* sub) { return !sub->get_name().empty(); });
    const auto argumenten = app->get_options([](const CLI::Option* optie) { return optie->get_positional(); });
    const auto opties = app->get_options([](const CLI::Option* optie) { return optie->nonpositional(); });

    std::string gebruik = "Gebruik: " + app->get_name();
    if (!opdrachten.empty())
        gebruik += " <opdracht>";
    for (const CLI::Option* argument : argumenten)
        gebruik += " " + argument->get_name();
    std::string hulp = gebruik + (opties.empty() ? "" : " [opties]") + "\n";
    if (!app->get_description().empty())
        hulp += "\n" + Ingesprongen(app->get_description(), 0);
    if (!opdrachten.empty()) {
        hulp += "\nOpdrachten:\n";
        for (const CLI::App* opdracht : opdrachten)
            hulp += Item(opdracht->get_name(), opdracht->get_description());
    }
    if (!argumenten.empty()) {
        hulp += "\nArgumenten:\n";
        for (const CLI::Option* argument : argumenten)
            hulp += Item(argument->get_name(), argument->get_description());
    }
    if (!opties.empty()) {
        hulp += "\nOpties:\n";
        for (const CLI::Option* optie : opties)
            hulp += Item(OptieNamen(*optie), optie->get_description());
    }
    if (!app->get_footer().empty())
        hulp += "\n" + Ingesprongen(app->get_footer(), 0);
    return hulp;
}

} // namespace vkt::cli
