// vkt2020: the desktop program. Opens the employee database for itself and
// the constants database, shows the main window and reopens the calculation
// that was open at the last exit. See --help for its options.

#include "app/Applicatie.h"
#include "app/Foutuitvoer.h"
#include "app/Meting.h"
#include "app/Opties.h"
#include "app/QtInstellingen.h"
#include "common/DataFolder.h"
#include "ui/FrmMain.h"
#include "widgets/ProgrammaStijl.h"
#include "widgets/VensterMeldingen.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <iterator>

namespace {

using vkt::app::TOpties;

bool HeeftBeeldscherm()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Saves a picture of the window with each tab in front, the fields at rest.
bool SlaTabbladenOp(vkt::ui::TfrmMain& venster, const QString& map)
{
    static const char* const kNamen[] = {"1-werkgeverslasten",    "2-sociale-fondsen", "3-werknemersgegevens",
                                         "4-berekeningsgegevens", "5-toon-berekening", "6-verloop"};
    if (!QDir().mkpath(map)) {
        std::fprintf(stderr, "vkt2020: de map '%s' kan niet worden gemaakt.\n", qPrintable(map));
        return false;
    }
    for (int tab = 0; tab < venster.pgMain->count() && tab < static_cast<int>(std::size(kNamen)); ++tab) {
        venster.pgMain->setCurrentIndex(tab);
        QApplication::processEvents();
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        QApplication::processEvents();
        const QString bestand = QDir(map).filePath(QString(kNamen[tab]) + ".png");
        if (!venster.grab().save(bestand)) {
            std::fprintf(stderr, "vkt2020: '%s' kan niet worden geschreven.\n", qPrintable(bestand));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList argumenten;
    for (int i = 0; i < argc; ++i)
        argumenten << QString::fromLocal8Bit(argv[i]);
    const TOpties opties = vkt::app::LeesOpties(argumenten);
    if (opties.Hulp || !opties.Fout.isEmpty()) {
        if (!opties.Fout.isEmpty())
            std::fprintf(stderr, "vkt2020: %s\n\n", qPrintable(opties.Fout));
        std::fputs(qPrintable(vkt::app::Hulptekst()), opties.Hulp ? stdout : stderr);
        return opties.Hulp ? 0 : 2;
    }
    const bool automatisch = opties.MeetOpstart || !opties.Schermafdrukken.isEmpty();
    if (!HeeftBeeldscherm()) {
        if (opties.Schermafdrukken.isEmpty()) {
            std::fputs("vkt2020: er is geen beeldscherm (DISPLAY en WAYLAND_DISPLAY zijn leeg), dus het venster kan "
                       "niet worden getoond.\nGebruik vkt2020-cli voor berekeningen op de opdrachtregel, of "
                       "vkt2020 --schermafdrukken MAP voor afbeeldingen van de tabbladen.\n",
                       stderr);
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen"); // pictures need no display
    }

    QApplication toepassing(argc, argv);
    vkt::app::ZetProgrammanamen();
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    vkt::widgets::ZetProgrammaStijl();

    vkt::app::TQtInstellingen instellingen;
    // A run without a user tells on standard error what a window would show.
    vkt::widgets::TVensterMeldingen venstermeldingen;
    vkt::app::TFoutuitvoerMeldingen foutuitvoer;
    vkt::TMeldingen& meldingen = automatisch ? static_cast<vkt::TMeldingen&>(foutuitvoer) : venstermeldingen;
    // The user's data folder as the command line finds it (the desktop's own
    // standard paths would fall back to the root folder without HOME).
    vkt::app::TApplicatie applicatie(vkt::Databasemappen(vkt::GebruikersDataMap()), instellingen, meldingen,
                                     {.SsoStart = opties.SsoStart, .Startvenster = !automatisch,
                                      .ZonderGebruiker = automatisch});
    if (!applicatie.Start())
        return 1;
    if (automatisch && !applicatie.KiesLaatsteBerekening()) {
        std::fputs("vkt2020: er is nog geen opgeslagen berekening om te openen.\n", stderr);
        return 1;
    }

    vkt::ui::TfrmMain& venster = applicatie.Venster();
    int uitkomst = 0;
    QObject::connect(&venster, &vkt::ui::TfrmMain::EersteActiveringKlaar, &venster, [&] {
        if (foutuitvoer.Mislukt()) { // the message is on standard error
            uitkomst = 1;
            QTimer::singleShot(0, &venster, &vkt::ui::TfrmMain::SluitZonderVragen);
            return;
        }
        if (opties.MeetOpstart)
            std::printf("Opstarten tot en met de eerste activering: %.3f s; geheugen in gebruik: %.1f MB\n",
                        vkt::app::SecondenSindsProcesstart(), vkt::app::GeheugenInGebruikMB());
        if (!opties.Schermafdrukken.isEmpty() && !SlaTabbladenOp(venster, opties.Schermafdrukken))
            uitkomst = 1;
        if (automatisch)
            QTimer::singleShot(0, &venster, &vkt::ui::TfrmMain::SluitZonderVragen);
    });
    venster.show();
    venster.activateWindow();
    const int einde = toepassing.exec();
    return uitkomst != 0 || foutuitvoer.Mislukt() ? 1 : einde;
}
