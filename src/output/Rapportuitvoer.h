#pragma once

#include "common/Exception.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>

class QFileDevice;
class QPagedPaintDevice;
class QSaveFile;

namespace vkt::ui {

// The statement leaves the program as plain fixed-pitch text: on paper (or a
// PDF file) and as a word-processor document. These functions work on the
// statement's lines alone, so the desktop program and the command line
// write the same thing.

// Blank lines above the first line of a print job, and blanks in front of
// every printed line. A value of 0 or below means none.
struct TMarges {
    int Boven = 0;
    int Links = 0;
};

// The export could not write its document; the text says why.
class EExportException : public Exception {
public:
    using Exception::Exception;
};

// Opens a file to write, or raises EExportException saying plainly that
// it cannot ("Kon geen <soort> aanmaken: <file>"); Qt's writers would fail
// with a warning only.
void OpenOmTeSchrijven(QFileDevice& bestand, const std::string& soort);
// Opens a file to write as above: a regular file, or a new one, through
// QSaveFile, so that it takes the place of the name only when all of it was
// written; a name that is no regular file (a device such as /dev/stdout, a
// pipe) directly, since a device cannot be replaced by a file.
std::unique_ptr<QFileDevice> OpenUitvoerbestand(const QString& bestand, const std::string& soort);
// Finishes a file opened so, or raises EExportException ("Kon het <soort>
// niet schrijven: <file>") when any write, the flush or the close failed. A
// file written through QSaveFile is put in its place only then: until then
// a file of that name keeps what it held, so a failed write loses nothing.
void SluitAf(QFileDevice& bestand, const std::string& soort);
// Writes a document made in memory into a file opened so, or raises
// EExportException ("Kon het <soort> niet schrijven: <file>"). Qt's writers
// do not notice a write that the system cut short (a full disk), so each
// document is made in memory first and written here, its length checked.
void SchrijfInhoud(QFileDevice& bestand, const QByteArray& inhoud, const std::string& soort);

// The statement's font: Courier New 10 points bold, or on a machine without
// it the program's own Liberation Mono, which has its metrics. Needs the
// application object.
QFont RapportLettertype();

// Prints the lines as a plain-text job: one below the other in the font's
// line height from the top left corner of the printable area, the top margin
// on the first page only, a new page when one is full and a line too wide
// for the page continued on the next printed line. The device must not be
// painting yet. Raises vkt::Exception when it cannot be painted on.
void DrukRapportAf(const QStringList& regels, const QFont& lettertype, const TMarges& marges,
                   QPagedPaintDevice& apparaat);

// Prints the lines into a PDF file of A4 pages, as DrukRapportAf does.
// Raises EExportException when the file cannot be written. The second form
// writes into a file opened by OpenUitvoerbestand and leaves SluitAf to the
// caller, who may write more files first and then finish them together.
void SchrijfRapportPdf(const QStringList& regels, const QFont& lettertype, const TMarges& marges,
                       const QString& bestand);
void SchrijfRapportPdf(const QStringList& regels, const QFont& lettertype, const TMarges& marges,
                       QFileDevice& bestand);

// A line as the exported document holds it: without its leading blanks and
// control characters, so the indentation of the fixed-pitch text is lost.
QString ExportRegel(const QString& regel);

// Writes the lines as an OpenDocument text file: one paragraph per line as
// ExportRegel gives it, in the font's face and size (its style is left out).
// Raises EExportException when the file cannot be written; the second form
// as that of SchrijfRapportPdf.
void SchrijfRapportOdt(const QStringList& regels, const QFont& lettertype, const QString& bestand);
void SchrijfRapportOdt(const QStringList& regels, const QFont& lettertype, QFileDevice& bestand);

} // namespace vkt::ui
