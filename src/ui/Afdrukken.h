#pragma once

#include "ui/Rapportuitvoer.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QPrinter;
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
    std::unique_ptr<QPrinter> printer_;
    QFont lettertype_;
    QFont laatsteKeuze_; // of the font dialog
    TMarges marges_;
};

} // namespace vkt::ui
