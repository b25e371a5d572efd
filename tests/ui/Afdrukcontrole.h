#pragma once

// Reading back what the statement's printing and export wrote: the words of
// a PDF file with their places, and the paragraphs of an OpenDocument text.

#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>
#include <vector>

namespace vkt::test {

// What a program wrote on its standard output.
inline QString Uitvoer(const QString& programma, const QStringList& argumenten)
{
    QProcess proces;
    proces.start(programma, argumenten);
    if (!proces.waitForFinished(30000) || proces.exitCode() != 0)
        return "(" + programma + " mislukte: " + proces.readAllStandardError() + ")";
    return QString::fromUtf8(proces.readAllStandardOutput());
}

// Where pdftotext finds each word of a PDF file: per page, the word's text
// and the top left corner of its box, in points. (Its -layout output
// shifts every page to its leftmost text, which would hide a left margin.)
struct TWoord {
    QString Tekst;
    QPointF Plaats;
};
inline std::vector<std::vector<TWoord>> PdfWoorden(const QString& bestand)
{
    std::vector<std::vector<TWoord>> paginas;
    const QString xml = Uitvoer("pdftotext", {"-bbox", bestand, "-"});
    const QRegularExpression woord("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    for (auto treffer = woord.globalMatch(xml); treffer.hasNext();) {
        const auto t = treffer.next();
        if (t.captured(0).startsWith("<page"))
            paginas.emplace_back();
        else
            paginas.back().push_back({t.captured(3), {t.captured(1).toDouble(), t.captured(2).toDouble()}});
    }
    return paginas;
}

inline QPointF Plaats(const std::vector<TWoord>& pagina, const QString& tekst)
{
    for (const TWoord& woord : pagina)
        if (woord.Tekst == tekst)
            return woord.Plaats;
    return {-1000, -1000};
}

inline bool Gelijk(const QPointF& a, const QPointF& b) { return std::abs(a.x() - b.x()) < 0.01 && std::abs(a.y() - b.y()) < 0.01; }

// The text of a paragraph of content.xml: runs of blanks are written as
// <text:s text:c="n"/>, a single one among them as <text:s/>.
inline QString Platte(QString xml)
{
    const QRegularExpression blanks("<text:s(?: text:c=\"(\\d+)\")?/>");
    for (auto treffer = blanks.match(xml); treffer.hasMatch(); treffer = blanks.match(xml)) {
        const int aantal = treffer.captured(1).isEmpty() ? 1 : treffer.captured(1).toInt();
        xml.replace(treffer.capturedStart(), treffer.capturedLength(), QString(aantal, u' '));
    }
    return xml.remove(QRegularExpression("<[^>]*>"));
}

// The paragraphs of an OpenDocument text file, as plain text.
inline QStringList OdtAlineas(const QString& bestand)
{
    const QString inhoud = Uitvoer("unzip", {"-p", bestand, "content.xml"});
    QStringList alineas;
    const QRegularExpression alinea("<text:p[^>]*?(?:/>|>(.*?)</text:p>)");
    for (auto treffer = alinea.globalMatch(inhoud); treffer.hasNext();)
        alineas << Platte(treffer.next().captured(1));
    return alineas;
}

} // namespace vkt::test
