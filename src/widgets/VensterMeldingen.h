#pragma once

#include "common/Meldingen.h"

#include <functional>

namespace vkt::widgets {

// The messages and questions of the desktop program, shown in its message
// window (ZNOMessageBox): messages under the caption "Vkt2020", error
// messages under "Vkt2020 foutmelding", both with an "OK" button; questions
// under "Vkt2020" with "&Ja", "&Nee" and, when asked, "&Annuleren".
//
// The application object owns the one TVensterMeldingen of the program and
// hands it, as a TMeldingen&, to each window and data module it creates; a
// window keeps that reference for its slots. Nothing reaches it through a
// global, so a test gives a window a TBewaardeMeldingen instead.
class TVensterMeldingen : public TMeldingen {
public:
    void ToonMelding(const std::string& tekst) override;
    void ToonFoutmelding(const std::string& tekst) override;
    // Answers mrJa or mrNee, mrAnnuleren when the window is closed or (with
    // metAnnuleren) "&Annuleren" is pressed.
    int StelVraag(const std::string& tekst, bool metAnnuleren) override;
};

// Runs the action of a slot and shows an exception it throws as an error
// message, so that no exception crosses Qt's event loop (which does not
// allow that). Every slot that can fail runs its work through this, with the
// TMeldingen its window was given. Returns whether the action finished.
bool VoerUitMetFoutmelding(TMeldingen& meldingen, const std::function<void()>& actie);

} // namespace vkt::widgets
