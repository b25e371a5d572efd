#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
class Option;
} // namespace CLI

namespace vkt::cli {

// A usage error; its text names the option or value at fault.
class OptieFout : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Option names without "--" with their values, in the order given.
using TOptieWaarden = std::vector<std::pair<std::string, std::string>>;

// The options and arguments of one command, read with CLI11. Option names
// are matched without regard to letter case; "--naam waarde" and
// "--naam=waarde" both work. Every message, also the help, is Dutch.
class TOpdrachtregel {
public:
    // naam as the help shows it ("vkt2020-cli bereken").
    TOpdrachtregel(const std::string& naam, const std::string& omschrijving, const std::string& voettekst = {});
    ~TOpdrachtregel();
    TOpdrachtregel(const TOpdrachtregel&) = delete;
    TOpdrachtregel& operator=(const TOpdrachtregel&) = delete;

    // "--naam WAARDEN" with its explanation; herhaalbaar: may be given more
    // than once.
    void Optie(const std::string& naam, const std::string& waarden, const std::string& uitleg, bool herhaalbaar = false);
    // An argument without option name, such as the number of a calculation.
    void Argument(const std::string& naam, const std::string& uitleg);
    // A command that takes every later argument for itself.
    void Opdracht(const std::string& naam, const std::string& omschrijving);
    // A flag without a value, such as "--version".
    void Vlag(const std::string& naam, const std::string& uitleg);

    // Reads the arguments; false when the help was asked for. Throws
    // OptieFout for an unknown option or argument, an option without a value
    // (the last word, or the next word is an option of the command) and an
    // option given twice that may be given only once. Any other next word is
    // the value, also one that begins with "-" ("--loonbedrag -5") or is
    // empty, so that the option's own check names what is wrong with it.
    bool Lees(const std::vector<std::string>& argumenten);

    std::optional<std::string> Waarde(const std::string& naam) const;
    bool Gegeven(const std::string& naam) const;
    // Every option given, in the order of the command line.
    TOptieWaarden Alle() const;
    // The command given with the arguments after it.
    std::optional<std::pair<std::string, std::vector<std::string>>> GekozenOpdracht() const;

    std::string Hulp() const;

    // Reads the arguments, then lees reads the values the command needs.
    // Returns the exit code when the command ends here: 0 after writing the
    // help to uit, 2 after writing a usage error to fout; nothing when the
    // command goes on.
    std::optional<int> Verwerk(const std::vector<std::string>& argumenten, const std::function<void()>& lees,
                               std::ostream& uit, std::ostream& fout);
    // Writes the usage error, after the command's name; returns exit code 2.
    int Gebruiksfout(const OptieFout& fout, std::ostream& uit) const;

private:
    void ControleerWaarden() const;
    // Whether the word is one of the command's options (or its help), and
    // whether it is one that takes a value.
    bool IsOptie(const std::string& woord) const;
    const CLI::Option* WaardeOptie(const std::string& woord) const;
    // The arguments with each value joined to its option ("--naam=waarde"),
    // as CLI11 then takes any value.
    std::vector<std::string> MetWaarden(const std::vector<std::string>& argumenten) const;

    std::unique_ptr<CLI::App> app_;
    std::map<std::string, CLI::Option*> opties_; // by name without "--"
    std::set<const CLI::Option*> herhaalbaar_;
    std::set<std::string> waardeOpties_; // the options that take a value, by name
};

// The option "--formaat tekst|json"; wat says what the text and the JSON are.
// A command with other formats names them, the standard first.
void VoegFormaatToe(TOpdrachtregel& regel, const std::string& wat = "als tekst of als JSON",
                    const std::vector<std::string>& formaten = {"tekst", "json"});
// The file named by an option such as "--pdf"; nothing when it is not given.
// An empty name is an OptieFout, not the option left out.
std::optional<std::string> LeesBestandsnaam(const TOpdrachtregel& regel, const std::string& optie);

// The value of "--formaat", in lower case: one of the formats, the first
// when the option is not given; any other value is an OptieFout.
std::string LeesFormaat(const TOpdrachtregel& regel, const std::vector<std::string>& formaten = {"tekst", "json"});

} // namespace vkt::cli
