#pragma once

#include "output/Rapportuitvoer.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QImage;
class QPainter;
class QPrinter;
class QRectF;
class QSizeF;
class QWidget;

namespace vkt {
class TMeldingen;
}

namespace vkt::ui {

// The statement's printer, font and margins, which last as long as the
// program and are never stored, with the commands that use and change them.
// The main window holds one and hands it the lines of its report view.
class TAfdrukken {
public:
    // Opens a document with the user's default program; false when none could.
    using TOpener = std::function<bool(const QUrl&)>;

    TAfdrukken();
    ~TAfdrukken();
    TAfdrukken(const TAfdrukken&) = delete;
    TAfdrukken& operator=(const TAfdrukken&) = delete;

    // Shows the print dialog and prints the lines on the printer chosen
    // there (also to a PDF file); false when the user cancelled. A printing
    // error passes on.
    bool Afdrukken(const QStringList& regels, QWidget* ouder);
    // Shows the print dialog and draws one page on the printer chosen there:
    // teken draws into the rectangle it is given: at the top left of the
    // printable area, as large as it allows in the proportions of maat.
    // False when the user cancelled.
    using TTekening = std::function<void(QPainter&, const QRectF&)>;
    bool AfdrukkenTekening(const TTekening& teken, const QSizeF& maat, QWidget* ouder);
    // The page set-up of the printer that later prints use.
    void PrinterInstellingen(QWidget* ouder);
    // Lets the user choose among the fixed-pitch fonts; false on cancel. The
    // dialog opens with the font last chosen in it.
    bool KiesLettertype(QWidget* ouder);
    // "Marges instellen"; false on cancel.
    bool KiesMarges(QWidget* ouder);
    // Writes the lines as an OpenDocument text into the export folder and
    // opens it with the user's word processor. A failure is shown through
    // meldingen; false then.
    bool Exporteren(const QStringList& regels, TMeldingen& meldingen);

    // Saves the picture as a PNG file into the export folder and opens it
    // with the user's picture viewer. A failure is shown through meldingen;
    // false then.
    bool ExporterenAfbeelding(const QImage& afbeelding, TMeldingen& meldingen);

    QFont Lettertype() const { return lettertype_; }
    void SetLettertype(const QFont& lettertype) { lettertype_ = lettertype; }
    TMarges Marges() const { return marges_; }
    void SetMarges(const TMarges& marges) { marges_ = marges; }
    QPrinter& Printer() { return *printer_; }

    // Where exported documents go: the system's folder for temporary files
    // unless set otherwise; and how they are opened.
    QString Exportmap;
    TOpener Opener;

private:
    // A new file in the export folder: naam, a time stamp and extensie.
    QString Exportbestand(const QString& naam, const QString& extensie) const;
    // Writes the file with schrijf and opens it, telling what failed through
    // meldingen: fout heads an error of the writer, wat is what failed to
    // open it.
    bool SchrijfEnOpen(const QString& bestand, const std::function<void()>& schrijf, const std::string& fout,
                       const std::string& opener, TMeldingen& meldingen);

    std::unique_ptr<QPrinter> printer_;
    QFont lettertype_;
    QFont laatsteKeuze_; // of the font dialog
    TMarges marges_;
};

} // namespace vkt::ui
