#pragma once

#include "common/DateTime.h"
#include "output/Rapportuitvoer.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QImage;
class QPainter;
class QPrintDialog;
class QPrinter;
class QRectF;
class QSizeF;
class QWidget;

namespace vkt {
class TMeldingen;
}

namespace vkt::ui {

// The name under which a calculation leaves the program, as a file or a
// print job: the employee's name and the calculation date ("Piet Jansen
// 15-07-2020"), fit for a file name: a slash and the other characters that
// some systems refuse in a name become a "-", control characters a blank,
// and a leading dot goes. Without a name "Berekening"; without a date the
// name alone.
QString Documentnaam(const std::string& naam, std::optional<TDateTime> datum);

// The statement's printer, font and margins, which last as long as the
// program and are never stored, with the commands that use and change them.
// The main window holds one and hands it the lines of its report view and
// the name of the document (Documentnaam).
class TAfdrukken {
public:
    // Opens a document with the user's default program; false when none could.
    using TOpener = std::function<bool(const QUrl&)>;

    TAfdrukken();
    ~TAfdrukken();
    TAfdrukken(const TAfdrukken&) = delete;
    TAfdrukken& operator=(const TAfdrukken&) = delete;

    // Shows the print dialog and prints the lines on the printer chosen
    // there (also to a PDF file, whose name it suggests: documentnaam.pdf in
    // the folder used last); false when the user cancelled. A printing error
    // passes on.
    bool Afdrukken(const QStringList& regels, const QString& documentnaam, QWidget* ouder);
    // Shows the print dialog as Afdrukken does and draws one page on the
    // printer chosen there: teken draws into the rectangle it is given: at
    // the top left of the printable area, as large as it allows in the
    // proportions of maat. False when the user cancelled.
    using TTekening = std::function<void(QPainter&, const QRectF&)>;
    bool AfdrukkenTekening(const TTekening& teken, const QSizeF& maat, const QString& documentnaam, QWidget* ouder);
    // The page set-up of the printer that later prints use.
    void PrinterInstellingen(QWidget* ouder);
    // Lets the user choose among the fixed-pitch fonts; false on cancel. The
    // dialog opens with the font last chosen in it.
    bool KiesLettertype(QWidget* ouder);
    // "Marges instellen"; false on cancel.
    bool KiesMarges(QWidget* ouder);
    // Asks where to save the lines as an OpenDocument text (a file dialog,
    // "dlgExporteren", suggesting documentnaam.odt in the folder used last),
    // writes it there and opens it with the user's word processor. False when
    // the user cancelled (nothing is written or said) or the file could not
    // be written (said through meldingen, naming the file). When no program
    // opens it, meldingen says where it was saved.
    bool Exporteren(const QStringList& regels, const QString& documentnaam, QWidget* ouder, TMeldingen& meldingen);
    // The same for a picture, saved as a PNG file and opened with the user's
    // picture viewer.
    bool ExporterenAfbeelding(const QImage& afbeelding, const QString& documentnaam, QWidget* ouder,
                              TMeldingen& meldingen);

    QFont Lettertype() const { return lettertype_; }
    void SetLettertype(const QFont& lettertype) { lettertype_ = lettertype; }
    TMarges Marges() const { return marges_; }
    void SetMarges(const TMarges& marges) { marges_ = marges; }
    QPrinter& Printer() { return *printer_; }

    // The folder the file dialogs start in: the one a file was last saved
    // in, kept for the user in the program's settings; else his documents
    // folder (or his home folder when he has none).
    static QString Uitvoermap();

    // How a saved file is opened: with the desktop's program for its type.
    TOpener Opener;

private:
    // The print dialog for documentnaam; true when the user chose to print.
    bool ToonAfdrukdialoog(const QString& documentnaam, QWidget* ouder);
    // Suggests documentnaam.pdf in the print dialog's field of the PDF file.
    void StelPdfbestandVoor(QPrintDialog& dialoog, const QString& documentnaam);
    // The file the user chose in the export's file dialog; empty on cancel.
    static QString KiesBestand(const QString& titel, const QString& filter, const QString& bestandsnaam,
                               QWidget* ouder);
    // Writes the file with schrijf and opens it, telling through meldingen
    // what failed: wat is what was saved ("De berekening"), soort the kind
    // of file that no program opened ("OpenDocument-teksten").
    bool SchrijfEnOpen(const QString& bestand, const std::function<void()>& schrijf, const std::string& wat,
                       const std::string& soort, TMeldingen& meldingen);
    static void OnthoudMap(const QString& bestand);

    std::unique_ptr<QPrinter> printer_;
    QFont lettertype_;
    QFont laatsteKeuze_; // of the font dialog
    TMarges marges_;
    QString pdfNaDialoog_; // the PDF file the print dialog chose last
};

} // namespace vkt::ui
