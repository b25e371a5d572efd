#include "output/Rapportuitvoer.h"

#include "common/Text.h"
#include "output/Lettertypen.h"

#include <QBuffer>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include <algorithm>

namespace vkt::ui {
namespace {

// Puts lines on pages one below the other, as a line printer would.
class TRegelprinter {
public:
    TRegelprinter(QPagedPaintDevice& apparaat, const QFont& lettertype) : apparaat_(apparaat)
    {
        if (!painter_.begin(&apparaat))
            throw Exception("Het afdrukken kon niet worden gestart.");
        painter_.setFont(lettertype);
        const QFontMetrics maten = painter_.fontMetrics();
        regelhoogte_ = std::max(1, maten.lineSpacing());
        ascent_ = maten.ascent();
        tekensPerRegel_ = std::max(1, painter_.viewport().width() / std::max(1, maten.horizontalAdvance(u'M')));
        regelsPerPagina_ = std::max(1, painter_.viewport().height() / regelhoogte_);
    }

    // Writes one line, continued on the next printed lines when it is wider
    // than the page.
    void Schrijf(const QString& regel)
    {
        qsizetype begin = 0;
        do {
            SchrijfPrintregel(regel.mid(begin, tekensPerRegel_));
            begin += tekensPerRegel_;
        } while (begin < regel.size());
    }

    void Sluit() { painter_.end(); }

private:
    void SchrijfPrintregel(const QString& tekst)
    {
        if (regel_ == regelsPerPagina_) {
            apparaat_.newPage();
            regel_ = 0;
        }
        painter_.drawText(0, regel_ * regelhoogte_ + ascent_, tekst);
        ++regel_;
    }

    QPagedPaintDevice& apparaat_;
    QPainter painter_;
    int regelhoogte_ = 1;
    int ascent_ = 0;
    int tekensPerRegel_ = 1;
    int regelsPerPagina_ = 1;
    int regel_ = 0;
};

// The file's name as a message shows it, control characters escaped.
std::string Bestandsnaam(const QFileDevice& bestand) { return ZichtbareTekst(bestand.fileName().toStdString()); }

} // namespace

void OpenOmTeSchrijven(QFileDevice& bestand, const std::string& soort)
{
    if (!bestand.open(QIODevice::WriteOnly))
        throw EExportException("Kon geen " + soort + " aanmaken: " + Bestandsnaam(bestand));
}

std::unique_ptr<QFileDevice> OpenUitvoerbestand(const QString& bestand, const std::string& soort)
{
    const QFileInfo info(bestand);
    std::unique_ptr<QFileDevice> uitvoer;
    if (info.exists() && !info.isFile() && !info.isDir())
        uitvoer = std::make_unique<QFile>(bestand);
    else
        uitvoer = std::make_unique<QSaveFile>(bestand);
    OpenOmTeSchrijven(*uitvoer, soort);
    return uitvoer;
}

void SchrijfInhoud(QFileDevice& bestand, const QByteArray& inhoud, const std::string& soort)
{
    if (bestand.write(inhoud) != inhoud.size())
        throw EExportException("Kon het " + soort + " niet schrijven: " + Bestandsnaam(bestand));
}

void SluitAf(QFileDevice& bestand, const std::string& soort)
{
    // QSaveFile checks the writes it was given, not the last flush of its
    // buffer, so a full disk could still give a file cut short: the flush is
    // checked here first, and a failed one cancels the file.
    const bool geschreven = bestand.flush() && bestand.error() == QFileDevice::NoError;
    bool gelukt = false;
    if (auto* opslag = qobject_cast<QSaveFile*>(&bestand)) {
        if (!geschreven)
            opslag->cancelWriting();
        gelukt = opslag->commit() && geschreven;
    } else {
        bestand.close();
        gelukt = geschreven && bestand.error() == QFileDevice::NoError;
    }
    if (!gelukt)
        throw EExportException("Kon het " + soort + " niet schrijven: " + Bestandsnaam(bestand));
}

QFont RapportLettertype()
{
    RegistreerLettertypen(); // Liberation Mono where Courier New is missing
    QFont lettertype("Courier New", 10);
    lettertype.setBold(true);
    lettertype.setStyleHint(QFont::TypeWriter);
    lettertype.setFixedPitch(true);
    return lettertype;
}

void DrukRapportAf(const QStringList& regels, const QFont& lettertype, const TMarges& marges,
                   QPagedPaintDevice& apparaat)
{
    TRegelprinter printer(apparaat, lettertype);
    for (int i = 0; i < marges.Boven; ++i)
        printer.Schrijf({});
    const QString inspringing(std::max(0, marges.Links), u' ');
    for (const QString& regel : regels)
        printer.Schrijf(inspringing + regel);
    printer.Sluit();
}

void SchrijfRapportPdf(const QStringList& regels, const QFont& lettertype, const TMarges& marges,
                       const QString& bestand)
{
    const auto uitvoer = OpenUitvoerbestand(bestand, "PDF-bestand");
    SchrijfRapportPdf(regels, lettertype, marges, *uitvoer);
    SluitAf(*uitvoer, "PDF-bestand");
}

void SchrijfRapportPdf(const QStringList& regels, const QFont& lettertype, const TMarges& marges,
                       QFileDevice& uitvoer)
{
    QBuffer inhoud;
    inhoud.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&inhoud);
        pdf.setTitle("Zyrdo Vektaris-programma 2020");
        pdf.setResolution(300);
        // A printer cannot print up to the edge of the paper; a PDF file keeps
        // the same border, so it looks like the printed page.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
        DrukRapportAf(regels, lettertype, marges, pdf);
    }
    SchrijfInhoud(uitvoer, inhoud.data(), "PDF-bestand");
}

QString ExportRegel(const QString& regel)
{
    qsizetype begin = 0;
    while (begin < regel.size() && regel[begin] <= u' ')
        ++begin;
    return regel.mid(begin);
}

void SchrijfRapportOdt(const QStringList& regels, const QFont& lettertype, const QString& bestand)
{
    const auto uitvoer = OpenUitvoerbestand(bestand, "tekstbestand");
    SchrijfRapportOdt(regels, lettertype, *uitvoer);
    SluitAf(*uitvoer, "tekstbestand");
}

void SchrijfRapportOdt(const QStringList& regels, const QFont& lettertype, QFileDevice& uitvoer)
{
    QTextDocument document;
    const qreal punten = lettertype.pointSizeF() > 0 ? lettertype.pointSizeF() : 10;
    document.setDefaultFont(QFont(lettertype.family(), qRound(punten)));
    QTextCharFormat opmaak;
    opmaak.setFontFamilies({lettertype.family()});
    // The ODF writer of Qt 6.4 reads the family from the older property only.
    opmaak.setProperty(QTextFormat::OldFontFamily, lettertype.family());
    opmaak.setFontPointSize(punten);
    opmaak.setFontWeight(QFont::Normal);
    // Each paragraph carries the font itself, also an empty one.
    QTextCursor cursor(&document);
    cursor.setBlockCharFormat(opmaak);
    for (qsizetype i = 0; i < regels.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), opmaak);
        cursor.insertText(ExportRegel(regels[i]), opmaak);
    }
    // The writer closes the device it zips into, which a QSaveFile may not
    // be: the document is made in memory first.
    QBuffer odf;
    QTextDocumentWriter schrijver(&odf, "odf");
    if (!schrijver.write(&document))
        throw EExportException("Kon het tekstbestand niet schrijven: " + Bestandsnaam(uitvoer));
    SchrijfInhoud(uitvoer, odf.data(), "tekstbestand");
}

} // namespace vkt::ui
