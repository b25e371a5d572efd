#include "ui/Afdrukken.h"

#include "common/Meldingen.h"
#include "ui/FrmMarges.h"
#include "ui/Standaardprogramma.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

namespace vkt::ui {
namespace {

// The folder used last, among the program's per-user settings (those of
// the calculation open at the last exit).
const char* const kUitvoermap = "User/Uitvoermap";

QSettings Instellingen() { return QSettings("Zyrdo Software", "Quelvar2001"); }

// Control and format characters (such as a right-to-left mark) could make a
// name that the file dialog shows otherwise than it is.
bool IsStuurteken(QChar teken)
{
    return teken.category() == QChar::Other_Control || teken.category() == QChar::Other_Format;
}

} // namespace

QString Documentnaam(const std::string& naam, std::optional<TDateTime> datum)
{
    QString tekst = QString::fromStdString(naam);
    for (QChar& teken : tekst) {
        if (IsStuurteken(teken))
            teken = u' ';
        else if (QStringLiteral("/\\:*?\"<>|").contains(teken))
            teken = u'-';
    }
    tekst = tekst.simplified();
    // A leading dot would hide the file.
    while (tekst.startsWith(u'.'))
        tekst.remove(0, 1);
    tekst = tekst.trimmed();
    if (tekst.isEmpty())
        tekst = "Berekening";
    if (datum && *datum > 0)
        tekst += " " + QString::fromStdString(FormatDutchDate(*datum));
    return tekst;
}

TAfdrukken::TAfdrukken()
    : Opener(OpenMetStandaardprogramma), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      lettertype_(RapportLettertype()), laatsteKeuze_(lettertype_)
{
    printer_->setDocName("Zyrdo Vektaris-programma 2020");
}

TAfdrukken::~TAfdrukken() = default;

QString TAfdrukken::Uitvoermap()
{
    const QString map = Instellingen().value(kUitvoermap).toString();
    if (!map.isEmpty() && QFileInfo(map).isDir())
        return map;
    const QString documenten = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documenten).isDir() ? documenten : QDir::homePath();
}

void TAfdrukken::OnthoudMap(const QString& bestand)
{
    Instellingen().setValue(kUitvoermap, QFileInfo(bestand).absolutePath());
}

void TAfdrukken::StelPdfbestandVoor(QPrintDialog& dialoog, const QString& documentnaam)
{
    // Qt's dialog suggests a name only on X11, and in the working folder.
    // Here it is documentnaam.pdf in the folder used last. A file that the
    // program itself set on the printer stays; after a print through this
    // dialog into a PDF file the next document is suggested beside it.
    auto* veld = dialoog.findChild<QLineEdit*>("filename");
    const QString gekozen = printer_->outputFileName();
    if (!veld || (!gekozen.isEmpty() && gekozen != pdfNaDialoog_))
        return;
    const QString map = gekozen.isEmpty() ? Uitvoermap() : QFileInfo(gekozen).absolutePath();
    veld->setText(QDir(map).filePath(documentnaam + ".pdf"));
}

bool TAfdrukken::ToonAfdrukdialoog(const QString& documentnaam, QWidget* ouder)
{
    // The name of the print job, and of the PDF file's title.
    printer_->setDocName(documentnaam);
    QPrintDialog dialoog(printer_.get(), ouder);
    dialoog.setOption(QAbstractPrintDialog::PrintSelection, false);
    StelPdfbestandVoor(dialoog, documentnaam);
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
        pdfNaDialoog_ = printer_->outputFileName();
        OnthoudMap(pdfNaDialoog_);
    }
    return true;
}

bool TAfdrukken::Afdrukken(const QStringList& regels, const QString& documentnaam, QWidget* ouder)
{
    if (!ToonAfdrukdialoog(documentnaam, ouder))
        return false;
    DrukRapportAf(regels, lettertype_, marges_, *printer_);
    return true;
}

bool TAfdrukken::AfdrukkenTekening(const TTekening& teken, const QSizeF& maat, const QString& documentnaam,
                                   QWidget* ouder)
{
    if (!ToonAfdrukdialoog(documentnaam, ouder))
        return false;
    QPainter schilder;
    if (!schilder.begin(printer_.get()))
        throw Exception("Het afdrukken kon niet worden gestart.");
    const QSizeF pagina = printer_->pageLayout().paintRectPixels(printer_->resolution()).size();
    teken(schilder, QRectF(QPointF(0, 0), maat.scaled(pagina, Qt::KeepAspectRatio)));
    schilder.end();
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

QString TAfdrukken::KiesBestand(const QString& titel, const QString& filter, const QString& bestandsnaam,
                                QWidget* ouder)
{
    // Qt's own dialog, the same on every desktop, which asks before it
    // replaces a file.
    QFileDialog dialoog(ouder, titel);
    dialoog.setObjectName("dlgExporteren");
    dialoog.setOption(QFileDialog::DontUseNativeDialog);
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setFileMode(QFileDialog::AnyFile);
    dialoog.setNameFilter(filter);
    dialoog.setDefaultSuffix(QFileInfo(bestandsnaam).suffix());
    dialoog.setDirectory(Uitvoermap());
    dialoog.selectFile(bestandsnaam);
    if (dialoog.exec() != QDialog::Accepted || dialoog.selectedFiles().isEmpty())
        return {};
    return dialoog.selectedFiles().front();
}

bool TAfdrukken::SchrijfEnOpen(const QString& bestand, const std::function<void()>& schrijf, const std::string& wat,
                               const std::string& soort, TMeldingen& meldingen)
{
    const std::string naam = QDir::toNativeSeparators(bestand).toStdString();
    try {
        schrijf();
    } catch (const EExportException&) {
        meldingen.ToonMelding("Het bestand " + naam +
                              " kon niet worden geschreven.\r\n\r\nKies een map waarin u mag schrijven, of een "
                              "andere naam.");
        return false;
    }
    OnthoudMap(bestand);
    if (!Opener(QUrl::fromLocalFile(bestand)))
        meldingen.ToonMelding(wat + " is opgeslagen als " + naam + ".\r\n\r\nEr is geen programma gevonden dat " +
                              soort + " opent; open het bestand met een programma dat dat kan.");
    return true;
}

bool TAfdrukken::Exporteren(const QStringList& regels, const QString& documentnaam, QWidget* ouder,
                            TMeldingen& meldingen)
{
    const QString bestand = KiesBestand("Exporteren als OpenDocument-tekst", "OpenDocument-tekst (*.odt)",
                                        documentnaam + ".odt", ouder);
    if (bestand.isEmpty())
        return false;
    return SchrijfEnOpen(
        bestand, [&] { SchrijfRapportOdt(regels, lettertype_, bestand); }, "De berekening", "OpenDocument-teksten",
        meldingen);
}

bool TAfdrukken::ExporterenAfbeelding(const QImage& afbeelding, const QString& documentnaam, QWidget* ouder,
                                      TMeldingen& meldingen)
{
    const QString bestand =
        KiesBestand("Exporteren als PNG-afbeelding", "PNG-afbeelding (*.png)", documentnaam + ".png", ouder);
    if (bestand.isEmpty())
        return false;
    return SchrijfEnOpen(
        bestand,
        [&] {
            // Made in memory first: the picture's writer does not notice a write the system cut short.
            QByteArray inhoud;
            QBuffer buffer(&inhoud);
            buffer.open(QIODevice::WriteOnly);
            if (!afbeelding.save(&buffer, "PNG"))
                throw EExportException("Kon het PNG-bestand niet schrijven: " + bestand.toStdString());
            const std::unique_ptr<QFileDevice> uitvoer = OpenUitvoerbestand(bestand, "PNG-bestand");
            SchrijfInhoud(*uitvoer, inhoud, "PNG-bestand");
            SluitAf(*uitvoer, "PNG-bestand");
        },
        "De grafiek", "PNG-afbeeldingen", meldingen);
}

} // namespace vkt::ui
