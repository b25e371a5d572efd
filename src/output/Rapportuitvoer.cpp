#include "output/Rapportuitvoer.h"

#include "output/Lettertypen.h"

#include <QBuffer>
#include <QFileDevice>
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

} // namespace

void OpenOmTeSchrijven(QFileDevice& bestand, const std::string& soort)
{
    if (!bestand.open(QIODevice::WriteOnly))
        throw EExportException("Kon geen " + soort + " aanmaken: " + bestand.fileName().toStdString());
}

void SluitAf(QSaveFile& bestand, const std::string& soort)
{
    if (!bestand.commit())
        throw EExportException("Kon het " + soort + " niet schrijven: " + bestand.fileName().toStdString());
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
    QSaveFile uitvoer(bestand);
    OpenOmTeSchrijven(uitvoer, "PDF-bestand");
    QPdfWriter pdf(&uitvoer);
    pdf.setTitle("Zyrdo Vektaris-programma 2020");
    pdf.setResolution(300);
    // A printer cannot print up to the edge of the paper; a PDF file keeps
    // the same border, so it looks like the printed page.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    DrukRapportAf(regels, lettertype, marges, pdf);
    SluitAf(uitvoer, "PDF-bestand");
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
        throw EExportException("Kon het tekstbestand niet schrijven: " + bestand.toStdString());
    QSaveFile uitvoer(bestand);
    OpenOmTeSchrijven(uitvoer, "tekstbestand");
    if (uitvoer.write(odf.data()) != odf.data().size())
        throw EExportException("Kon het tekstbestand niet schrijven: " + bestand.toStdString());
    SluitAf(uitvoer, "tekstbestand");
}

} // namespace vkt::ui
