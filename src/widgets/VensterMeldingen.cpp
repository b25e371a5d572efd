#include "widgets/VensterMeldingen.h"

#include "widgets/ZNOMessageForm.h"

#include <exception>

namespace vkt::widgets {

void TVensterMeldingen::ToonMelding(const std::string& tekst)
{
    ZNOMessageBox(QString::fromStdString(tekst), "Vkt2020", msOk);
}

void TVensterMeldingen::ToonFoutmelding(const std::string& tekst)
{
    ZNOMessageBox(QString::fromStdString(tekst), "Vkt2020 foutmelding", msOk);
}

int TVensterMeldingen::StelVraag(const std::string& tekst, bool metAnnuleren)
{
    return ZNOMessageBox(QString::fromStdString(tekst), "Vkt2020", metAnnuleren ? msJaNeeAnnuleren : msJaNee);
}

bool VoerUitMetFoutmelding(TMeldingen& meldingen, const std::function<void()>& actie)
{
    try {
        actie();
        return true;
    } catch (const std::exception& fout) {
        meldingen.ToonFoutmelding(fout.what());
    } catch (...) {
        meldingen.ToonFoutmelding("Er is een onbekende fout opgetreden.");
    }
    return false;
}

} // namespace vkt::widgets
