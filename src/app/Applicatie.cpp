#include "app/Applicatie.h"

#include "common/Meldingen.h"
#include "output/Lettertypen.h"
#include "ui/FrmMain.h"
#include "widgets/FrmSplash.h"
#include "widgets/Skin.h"
#include "widgets/Vertalingen.h"
#include "widgets/ZNOMessageForm.h"

#include <QCoreApplication>
#include <QMessageBox>

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
    ui::RegistreerLettertypen();
    try {
        if (!databases_.OpenWerknemers(meldingen_) || !databases_.Constanten.Openen()) {
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
    widgets::ZNOMessageBox(QString::fromStdString("Er is een fout opgetreden bij  starten van Vkt2020.\r\nDe fout betrof: " +
                                                  oorzaak + "\r\n\r\nDe applicatie zal worden beëindigd."),
                           "Bericht", widgets::msOk);
}

bool TApplicatie::KiesLaatsteBerekening()
{
    TdmVektaris& dm = databases_.Werknemers;
    db::Query nummers(dm.adbQuelvar, "SELECT Werknemersnummer FROM Werknemersgegevens ORDER BY Werknemersnummer");
    nummers.Open();
    std::string laatste;
    for (; !nummers.Eof(); nummers.Next()) {
        laatste = std::to_string(nummers.AsInteger("Werknemersnummer"));
        if (laatste == dm.SysteemGeg->LaatsteWN)
            return true;
    }
    dm.SysteemGeg->LaatsteWN = laatste;
    return !laatste.empty();
}

} // namespace vkt::app
