#include "app/Foutuitvoer.h"

#include <cstdio>
#include <string>

namespace vkt::app {
namespace {

// One line a message: the window's line breaks become blanks.
void Schrijf(const std::string& tekst)
{
    std::string regel;
    for (const char teken : tekst)
        if (teken == '\r' || teken == '\n') {
            if (!regel.empty() && regel.back() != ' ')
                regel += ' ';
        } else {
            regel += teken;
        }
    std::fprintf(stderr, "vkt2020: %s\n", regel.c_str());
}

} // namespace

void TFoutuitvoerMeldingen::ToonMelding(const std::string& tekst) { Schrijf(tekst); }

void TFoutuitvoerMeldingen::ToonFoutmelding(const std::string& tekst)
{
    mislukt_ = true;
    Schrijf(tekst);
}

int TFoutuitvoerMeldingen::StelVraag(const std::string& tekst, bool metAnnuleren)
{
    Schrijf(tekst + (metAnnuleren ? " (beantwoord met Annuleren)" : " (beantwoord met Nee)"));
    return metAnnuleren ? mrAnnuleren : mrNee;
}

} // namespace vkt::app
