#include "app/Applicatie.h"

#include "common/Meldingen.h"
#include "output/Lettertypen.h"
#include "ui/FrmMain.h"
#include "widgets/ActiveringNaDialoog.h"
#include "widgets/FrmSplash.h"
#include "widgets/Skin.h"
#include "widgets/Vertalingen.h"
#include "widgets/ZNOMessageForm.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>

namespace vkt::app {

void ZetProgrammanamen()
{
    QCoreApplication::setOrganizationName("Zyrdo Software");
    QCoreApplication::setApplicationName("Vkt2020");
}

TApplicatie::TApplicatie(const TDatabasemappen& mappen, TInstellingen& instellingen, TMeldingen& meldingen,
                         TStartopties opties)
    : opties_(opties), meldingen_(meldingen), databases_(mappen, instellingen), fondsen_(databases_.Werknemers),
      records_(databases_.Werknemers, meldingen, &fondsen_), scherm_(databases_.Werknemers),
      opslag_(databases_.Werknemers, records_, scherm_, fondsen_, meldingen),
      kern_{databases_.Werknemers, databases_.Constanten, scherm_, fondsen_, records_, opslag_, meldingen, vast_,
            berekening_, opties.SsoStart}
{
}

TApplicatie::~TApplicatie() { venster_.reset(); }

bool TApplicatie::Start()
{
    // Qt's own dialogs in Dutch and the program's fonts, before any window.
    widgets::LaadQtVertalingen();
    widgets::TActiveringNaDialoog::Installeer();
    ui::RegistreerLettertypen();
    try {
        if (!databases_.OpenWerknemers(meldingen_) || !databases_.Constanten.Openen()) {
            if (opties_.ZonderGebruiker)
                meldingen_.ToonFoutmelding("De database kon niet worden geopend.");
            else
                QMessageBox::critical(nullptr, "fout", "De database kon niet worden geopend");
            return false;
        }
        if (opties_.Startvenster) {
            widgets::TfrmSplash startvenster;
            widgets::Skin(startvenster);
            startvenster.exec();
        }
        venster_ = std::make_unique<ui::TfrmMain>(kern_);
        return true;
    } catch (const std::exception& fout) {
        MeldStartfout(fout.what());
        return false;
    }
}

void TApplicatie::MeldStartfout(const std::string& oorzaak)
{
    const std::string tekst = "Er is een fout opgetreden bij  starten van Vkt2020.\r\nDe fout betrof: " + oorzaak +
                              "\r\n\r\nDe applicatie zal worden beëindigd.";
    if (opties_.ZonderGebruiker)
        meldingen_.ToonFoutmelding(tekst);
    else
        widgets::ZNOMessageBox(QString::fromStdString(tekst), "Bericht", widgets::msOk);
}

bool TApplicatie::KiesLaatsteBerekening()
{
    TdmVektaris& dm = databases_.Werknemers;
    const std::vector<int> nummers = records_.OpgeslagenNummers();
    if (nummers.empty())
        return false;
    if (std::none_of(nummers.begin(), nummers.end(),
                     [&](int nummer) { return std::to_string(nummer) == dm.SysteemGeg->LaatsteWN; }))
        dm.SysteemGeg->LaatsteWN = std::to_string(nummers.back());
    return true;
}

} // namespace vkt::app
