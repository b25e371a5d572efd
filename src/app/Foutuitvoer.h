#pragma once

#include "common/Meldingen.h"

namespace vkt::app {

// The messages of a run without a user (--meet-opstart, --schermafdrukken):
// written on standard error, never in a window that would wait for a click.
// An error message marks the run as failed; a question gets "Nee", or
// "Annuleren" where that is offered, so that nothing is done on its account.
class TFoutuitvoerMeldingen : public TMeldingen {
public:
    void ToonMelding(const std::string& tekst) override;
    void ToonFoutmelding(const std::string& tekst) override;
    int StelVraag(const std::string& tekst, bool metAnnuleren) override;

    bool Mislukt() const { return mislukt_; }

private:
    bool mislukt_ = false;
};

} // namespace vkt::app
