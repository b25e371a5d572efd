#include "cli/Csv.h"

#include "model/Getallen.h"

#include <limits>
#include <string_view>

namespace vkt::cli {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

} // namespace

char BepaalScheidingsteken(const std::string& tekst)
{
    const std::string kop = tekst.substr(0, tekst.find('\n'));
    return kop.find(';') != std::string::npos ? ';' : ',';
}

std::vector<TCsvRij> LeesCsv(const std::string& tekst, char scheidingsteken)
{
    std::vector<TCsvRij> rijen;
    std::size_t i = tekst.starts_with(kBom) ? kBom.size() : 0;
    int regel = 1;
    while (i < tekst.size()) {
        TCsvRij rij;
        rij.Regelnummer = regel;
        std::string veld;
        bool gequoteerd = false; // a line holding only "" is a row with one empty field
        bool rijKlaar = false;
        while (!rijKlaar) {
            // Where the quoted part of the field ends: only a CR after it can
            // belong to a CRLF line end.
            std::size_t eindeQuote = 0;
            if (i < tekst.size() && tekst[i] == '"') {
                gequoteerd = true;
                // A quoted field runs to the quote that is not doubled.
                const int begin = regel;
                for (++i;; ++i) {
                    if (i >= tekst.size())
                        throw CsvFout("het aanhalingsteken op regel " + std::to_string(begin) +
                                      " wordt niet gesloten.");
                    if (tekst[i] == '"' && (i + 1 >= tekst.size() || tekst[i + 1] != '"'))
                        break;
                    if (tekst[i] == '"')
                        ++i;
                    else if (tekst[i] == '\n')
                        ++regel;
                    veld += tekst[i];
                }
                ++i;
                eindeQuote = veld.size();
            }
            // The unquoted part, up to the delimiter or the end of the line.
            while (i < tekst.size() && tekst[i] != scheidingsteken && tekst[i] != '\n')
                veld += tekst[i++];
            if (veld.size() > eindeQuote && veld.back() == '\r' && (i >= tekst.size() || tekst[i] == '\n'))
                veld.pop_back();
            rij.Velden.push_back(std::move(veld));
            veld.clear();
            if (i < tekst.size() && tekst[i] == scheidingsteken) {
                ++i;
            } else {
                rijKlaar = true;
                ++i;
                ++regel;
            }
        }
        if (rij.Velden.size() > 1 || !rij.Velden.front().empty() || gequoteerd)
            rijen.push_back(std::move(rij));
    }
    return rijen;
}

std::string CsvRegel(const std::vector<std::string>& velden, char scheidingsteken)
{
    std::string regel;
    for (std::size_t i = 0; i < velden.size(); ++i) {
        const std::string& veld = velden[i];
        if (i > 0)
            regel += scheidingsteken;
        const bool leegRij = velden.size() == 1 && veld.empty();
        if (!leegRij && veld.find_first_of(std::string{scheidingsteken, '"', '\n', '\r'}) == std::string::npos) {
            regel += veld;
            continue;
        }
        regel += '"';
        for (const char c : veld) {
            if (c == '"')
                regel += '"';
            regel += c;
        }
        regel += '"';
    }
    return regel + "\n";
}

std::string ZonderFormule(const std::string& cel)
{
    if (cel.empty() || std::string_view("=+-@").find(cel.front()) == std::string_view::npos)
        return cel;
    if (LeesGetal(cel, std::numeric_limits<int>::max()))
        return cel;
    return "'" + cel;
}

} // namespace vkt::cli
