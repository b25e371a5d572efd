#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace vkt::cli {

// The help of the program and of each command, in Dutch: the usage line, the
// description, the commands, the arguments and the options, each option on
// its own line with its explanation below it, and the closing text.
class THulpopmaak : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string naam, CLI::AppFormatMode modus) const override;
};

// The text in lines of at most 96 characters, each indented by inspringing
// spaces; a line break in the text starts a new line, an empty line stays.
std::string Ingesprongen(const std::string& tekst, std::size_t inspringing);

} // namespace vkt::cli
