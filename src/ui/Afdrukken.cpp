#include "ui/Afdrukken.h"

#include "common/Meldingen.h"
#include "ui/FrmMarges.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QPainter>
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

QString TAfdrukken::Exportbestand(const QString& naam, const QString& extensie) const
{
    // A new document each time, as a word processor starts a new one; the
    // user saves it elsewhere if it is to be kept.
    return QDir(Exportmap).filePath(naam + "-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss-zzz") + "." +
                                    extensie);
}

bool TAfdrukken::SchrijfEnOpen(const QString& bestand, const std::function<void()>& schrijf, const std::string& fout,
                               const std::string& opener, TMeldingen& meldingen)
{
    try {
        schrijf();
        if (!Opener(QUrl::fromLocalFile(bestand)))
            throw Exception("Er is geen " + opener + " gevonden om " + bestand.toStdString() + " te openen.");
        return true;
    } catch (const EExportException& e) {
        meldingen.ToonMelding(fout + e.what());
    } catch (const std::exception& e) {
        meldingen.ToonFoutmelding(std::string("frmMain.DoExport: ") + e.what());
    }
    return false;
}

bool TAfdrukken::Exporteren(const QStringList& regels, TMeldingen& meldingen)
{
    const QString bestand = Exportbestand("Vkt2020-berekening", "odt");
    return SchrijfEnOpen(
        bestand, [&] { SchrijfRapportOdt(regels, lettertype_, bestand); }, "Fout bij exporteren naar tekstverwerker: ",
        "tekstverwerker", meldingen);
}

bool TAfdrukken::ExporterenAfbeelding(const QImage& afbeelding, TMeldingen& meldingen)
{
    const QString bestand = Exportbestand("Vkt2020-verloop", "png");
    return SchrijfEnOpen(
        bestand,
        [&] {
            QFile uitvoer(bestand);
            OpenOmTeSchrijven(uitvoer, "PNG-bestand");
            if (!afbeelding.save(&uitvoer, "PNG"))
                throw EExportException("Kon het PNG-bestand niet schrijven: " + bestand.toStdString());
        },
        "Fout bij exporteren van de grafiek: ", "programma", meldingen);
}

bool TAfdrukken::AfdrukkenTekening(const TTekening& teken, const QSizeF& maat, QWidget* ouder)
{
    QPrintDialog dialoog(printer_.get(), ouder);
    dialoog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    QPainter schilder;
    if (!schilder.begin(printer_.get()))
        throw Exception("Het afdrukken kon niet worden gestart.");
    const QSizeF pagina = printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
    teken(schilder, QRectF(QPointF(0, 0), maat.scaled(pagina, Qt::KeepAspectRatio)));
    schilder.end();
    return true;
}

} // namespace vkt::ui
