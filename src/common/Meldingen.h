#pragma once

#include <string>
#include <vector>

namespace vkt {

// The answers a question can get.
enum TMeldingResultaat : int { mrOk = 1, mrAnnuleren = 2, mrJa = 6, mrNee = 7, mrJaOpAlles = 10 };

// How the program shows its messages and asks its questions. The desktop
// window shows them in its message window; the command line prints them or
// hands them back to the caller.
class TMeldingen {
public:
    virtual ~TMeldingen() = default;
    // A message with the caption "Vkt2020" and an OK button.
    virtual void ToonMelding(const std::string& tekst) = 0;
    // An error message with the caption "Vkt2020 foutmelding" and an OK button.
    virtual void ToonFoutmelding(const std::string& tekst) = 0;
    // A question with "Ja" and "Nee" (and "Annuleren" when metAnnuleren);
    // returns mrJa, mrNee or mrAnnuleren.
    virtual int StelVraag(const std::string& tekst, bool metAnnuleren) = 0;
};

// Keeps every message in the order shown and answers every question with a
// fixed answer; for callers without a window.
class TBewaardeMeldingen : public TMeldingen {
public:
    explicit TBewaardeMeldingen(int antwoord = mrNee) : antwoord_(antwoord) {}

    void ToonMelding(const std::string& tekst) override { Meldingen.push_back(tekst); }
    void ToonFoutmelding(const std::string& tekst) override { Foutmeldingen.push_back(tekst); }
    int StelVraag(const std::string& tekst, bool) override
    {
        Vragen.push_back(tekst);
        return antwoord_;
    }

    std::vector<std::string> Meldingen;
    std::vector<std::string> Foutmeldingen;
    std::vector<std::string> Vragen;

private:
    int antwoord_;
};

} // namespace vkt
