#include "ui/Afdrukken.h"

#include "common/Meldingen.h"
#include "ui/FrmMarges.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace vkt::ui {

TAfdrukken::TAfdrukken()
    : Exportmap(QStandardPaths::writableLocation(QStandardPaths::TempLocation)),
      Opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), lettertype_(RapportLettertype()),
      laatsteKeuze_(lettertype_)
{
    printer_->setDocName("Zyrdo Vektaris-programma 2020");
}

TAfdrukken::~TAfdrukken() = default;

bool TAfdrukken::Afdrukken(const QStringList& regels, QWidget* ouder)
{
    QPrintDialog dialoog(printer_.get(), ouder);
    dialoog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    DrukRapportAf(regels, lettertype_, marges_, *printer_);
    return true;
}

void TAfdrukken::PrinterInstellingen(QWidget* ouder)
{
    QPageSetupDialog dialoog(printer_.get(), ouder);
    dialoog.exec();
}

bool TAfdrukken::KiesLettertype(QWidget* ouder)
{
    bool gekozen = false;
    const QFont lettertype =
        QFontDialog::getFont(&gekozen, laatsteKeuze_, ouder, "Lettertype", QFontDialog::MonospacedFonts);
    if (!gekozen)
        return false;
    laatsteKeuze_ = lettertype;
    lettertype_ = lettertype;
    return true;
}

bool TAfdrukken::KiesMarges(QWidget* ouder)
{
    TfrmMarges dialoog(ouder);
    dialoog.SetMarges(marges_);
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    marges_ = dialoog.Marges();
    return true;
}

bool TAfdrukken::Exporteren(const QStringList& regels, TMeldingen& meldingen)
{
    // A new document each time, as a word processor starts a new one; the
    // user saves it elsewhere if it is to be kept.
    const QString bestand =
        QDir(Exportmap).filePath("Vkt2020-berekening-" +
                                 QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss-zzz") + ".odt");
    try {
        SchrijfRapportOdt(regels, lettertype_, bestand);
        if (!Opener(QUrl::fromLocalFile(bestand)))
            throw Exception("Er is geen tekstverwerker gevonden om " + bestand.toStdString() + " te openen.");
        return true;
    } catch (const EExportException& fout) {
        meldingen.ToonMelding(std::string("Fout bij exporteren naar tekstverwerker: ") + fout.what());
    } catch (const std::exception& fout) {
        meldingen.ToonFoutmelding(std::string("frmMain.DoExport: ") + fout.what());
    }
    return false;
}

} // namespace vkt::ui
