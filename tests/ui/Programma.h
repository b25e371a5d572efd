#pragma once

#include "app/Applicatie.h"
#include "app/QtInstellingen.h"
#include "common/Meldingen.h"
#include "support/TempFolder.h"
#include "ui/FrmMain.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace vkt::test {

// The base of the window tests: the program's per-user settings live in a
// folder of the test's own, emptied before each test.
class TProgrammatest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

private:
    QTemporaryDir instellingen_;
};

// Keeps every message and question the program shows, and answers the
// questions from a list (then "Nee").
class TMeldingenlog : public TMeldingen {
public:
    void ToonMelding(const std::string& tekst) override { Meldingen << QString::fromStdString(tekst); }
    void ToonFoutmelding(const std::string& tekst) override { Foutmeldingen << QString::fromStdString(tekst); }
    int StelVraag(const std::string& tekst, bool metAnnuleren) override;

    QStringList Meldingen;
    QStringList Foutmeldingen;
    QStringList Vragen;
    std::deque<int> Antwoorden;
};

// Both databases of the program in a temporary folder: the built constants
// database and the built employee database, which holds no calculation.
class TDatamap {
public:
    TDatamap();
    const std::filesystem::path& Pad() const { return map_.Path(); }
    // Runs vkt2020-cli on this folder; its output, or a failure of the test.
    QString Cli(const QStringList& argumenten) const;
    // Saves a calculation "Jansen" with these options of vkt2020-cli opslaan.
    void SlaOp(const QStringList& opties) const;
    // Runs a statement on the employee database while no program holds it.
    void Voer(const std::string& sql) const;
    // The first column of the first row a query gives ("" for none).
    QString Waarde(const std::string& sql) const;

private:
    TempFolder map_;
};

// The desktop program on a data folder, without its start window, with its
// settings in the test's own settings folder and its messages logged.
class TProgramma {
public:
    // Without the start window and, unless asked, leaving the highlight colour alone.
    explicit TProgramma(const TDatamap& map, app::TStartopties opties = {.SsoStart = true, .Startvenster = false});
    ~TProgramma();

    // Starts it and shows the main window; true once the first activation
    // has finished.
    bool Open();
    ui::TfrmMain& Venster() { return app_->Venster(); }
    app::TApplicatie& App() { return *app_; }
    // The window's widget of that name (a data-aware panel: its input).
    template <typename T = QWidget>
    T* Veld(const char* naam)
    {
        return Invoer<T>(Venster().findChild<QWidget*>(naam));
    }
    // Brings a tab to the front by clicking it.
    void KlikTab(int tab);
    // Chooses the n-th saved calculation with the keyboard.
    void KiesWerknemer(int n);
    // Closes the window; true when it closed.
    bool Sluit();

    TMeldingenlog Meldingen;

private:
    template <typename T>
    static T* Invoer(QWidget* widget);
    static QWidget* InvoerVan(QWidget* widget);

    app::TQtInstellingen instellingen_;
    std::unique_ptr<app::TApplicatie> app_;
};

template <typename T>
T* TProgramma::Invoer(QWidget* widget)
{
    return qobject_cast<T*>(InvoerVan(widget));
}

// A calculation "Jansen" saved by vkt2020-cli opslaan with these options,
// and the program on it; the database may still be changed before Open.
class TOpgeslagen {
public:
    explicit TOpgeslagen(const QStringList& opties = {});
    // Opens the program and chooses the calculation.
    bool Open();

    TDatamap Map;
    TProgramma Programma{Map};
};

// Answers the modal window that the code under test opens, once it is there
// (within five seconds): a window named naam, or any when naam is empty.
void BeantwoordZodra(const QString& naam, std::function<void(QWidget&)> antwoord);
// Types a name in the name window and presses Enter.
void GeefNaam(const QString& naam);

// Types over the text of an input and leaves it with Tab.
void TypOver(QWidget* invoer, const QString& tekst);

// Exports what the window's current tab holds into the folder map, under
// the name that the export's file dialog suggests (typed there, with Enter);
// the file the export asked to open (empty when it opened none).
QString Exporteer(ui::TfrmMain& venster, const QString& map);

} // namespace vkt::test
