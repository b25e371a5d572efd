#include "Afdrukcontrole.h"
#include "Programma.h"

#include "app/Opties.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/TabToonBerekening.h"
#include "ui/TabVerloop.h"
#include "widgets/Datumveld.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/SocialeFondsKolomRegelControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineSeries>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <optional>

using namespace vkt;
using namespace vkt::test;

namespace {

// A catalogue fund: 2 % of the gross wage for the employee, taken from the
// wage paid out (column -17), 1,5 % for the employer (column 0).
const std::string kBouwfonds =
    "INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, BPDType, "
    "PremieWG, PremieWN, WGBoekenInKolom, WNBoekenInKolom, GrondslagnummerWG, GrondslagnummerWN) "
    "VALUES (0, '9999-12-31 00:00:00', 4, 'Bouwfonds', 0, 1, 1.5, 2, 0, -17, 3, 3)";

const QString kAfsluitvraag = "Vkt2020 wordt afgesloten.\r\nWilt u de huidige berekening opslaan?";

// Empties a date or numeric field as a user does.
void Wis(QWidget* invoer)
{
    invoer->setFocus();
    if (qobject_cast<widgets::TZNODateEdit*>(invoer))
        QTest::keyClick(invoer, Qt::Key_X, Qt::ControlModifier);
    else
        QTest::keyClick(invoer, Qt::Key_Delete);
    QTest::keyClick(invoer, Qt::Key_Tab);
}

// Chooses entry n of a drop-down list with the keyboard.
void Kies(QWidget* lijst, int n)
{
    lijst->setFocus();
    QTest::keyClick(lijst, Qt::Key_Home);
    for (int i = 0; i < n; ++i)
        QTest::keyClick(lijst, Qt::Key_Down);
}

} // namespace

class VensterTest : public TProgrammatest {
    Q_OBJECT

private slots:
    void AnEmptyDatabaseAsksTheNameOfANewCalculationAndARestartOpensTheLastOne()
    {
        TDatamap map;
        {
            TProgramma programma(map);
            GeefNaam("Jansen");
            QVERIFY(programma.Open());
            QVERIFY2(programma.Meldingen.Foutmeldingen.isEmpty(), qPrintable(programma.Meldingen.Foutmeldingen.join("|")));
            QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Jansen");
            QCOMPARE(programma.Venster().Selectie->GekozenNummer(), 1);
            QCOMPARE(programma.Veld<QAbstractButton>("sbLegeKaart")->text(), "Nieuw");
            programma.Meldingen.Antwoorden = {mrNee};
            QVERIFY(programma.Sluit());
            QCOMPARE(programma.Meldingen.Vragen, QStringList{kAfsluitvraag});
        }
        QCOMPARE(map.Cli({"lijst"}), "1\tJansen\n");
        map.Cli({"opslaan", "--naam", "Pietersen", "--loonbedrag", "2750"});

        TProgramma opnieuw(map);
        QVERIFY(opnieuw.Open());
        QCOMPARE(opnieuw.Venster().Selectie->cmbWerknemer->count(), 2);
        QCOMPARE(opnieuw.Venster().Selectie->cmbWerknemer->currentText(), "Jansen");
        QCOMPARE(opnieuw.Veld<widgets::TZNONumericEdit>("edLoonbedrag")->Value(), 1000.0);
        QCOMPARE(opnieuw.Veld<widgets::TZNODateEdit>("edGebDatum")->displayText(), "01-01-1995");
    }

    void TheReportEqualsTheCommandLinesStatement_data()
    {
        QTest::addColumn<QString>("catalogus");
        QTest::addColumn<QStringList>("opties");
        QTest::newRow("werknemer") << "" << QStringList{"--loonbedrag", "3000", "--werkgeverslasten-tonen", "ja"};
        QTest::newRow("nettoloon met fonds")
            << QString::fromStdString(kBouwfonds)
            << QStringList{"--soort-loonbedrag", "nettoloon", "--loonbedrag", "2500", "--fonds", "4", "--awf-premie",
                           "hoog", "--werkgeverslasten-tonen", "ja"};
        QTest::newRow("bijzonder loon") << "" << QStringList{"--soort", "bijzonder-loon", "--loonbedrag", "1500",
                                                              "--jaarloon-vorig-jaar", "40000"};
        QTest::newRow("artiest") << "" << QStringList{"--soort", "artiest-binnenland", "--loonbedrag", "3000",
                                                       "--artiest-kostenvergoeding", "500"};
        QTest::newRow("week met natura") << "" << QStringList{"--loontijdvak", "week", "--loonbedrag", "800",
                                                               "--regel", "9=150"};
        QTest::newRow("vrije berekening") << "" << QStringList{"--soort", "vrij-werknemers", "--percentage-loonheffing",
                                                                "30", "--loonbedrag", "2000"};
    }

    void TheReportEqualsTheCommandLinesStatement()
    {
        QFETCH(QString, catalogus);
        QFETCH(QStringList, opties);
        TDatamap map;
        if (!catalogus.isEmpty())
            map.Voer(catalogus.toStdString());
        map.SlaOp(opties);
        const QString verwacht = map.Cli({"toon", "1"});
        QVERIFY(verwacht.contains("Zyrdo Vektaris-programma 2020"));

        TProgramma programma(map);
        QVERIFY(programma.Open());
        programma.KiesWerknemer(0);
        programma.KlikTab(ui::tabToonBerekening);
        QCOMPARE(programma.Venster().pgMain->currentIndex(), int(ui::tabToonBerekening));
        QCOMPARE(programma.Venster().tsToonBerekening->Rapport(), verwacht);
        QVERIFY2(programma.Meldingen.Foutmeldingen.isEmpty(), qPrintable(programma.Meldingen.Foutmeldingen.join("|")));
    }

    void EachKindShowsItsRowsOneBelowTheOther_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QStringList>("rijen");
        const QStringList alle = {"krcWNNatura",       "krcWNLBPH",        "krcWNVUTFPU",       "krcWNPensioen",
                                  "krcWNIPPremie",     "krcWNLevensloop",  "krcOpnameLevensloop", "krcBijtellingAuto",
                                  "krcBijdrageAuto",   "krcBijtellingFiets", "krcBijdrageFiets", "krcWNVergoeding",
                                  "krcWNInhouding",    "krcWNWhkVerhalen"};
        const QStringList artiest = {"krcWNNatura",     "krcWNLBPH",         "krcWNLevensloop", "krcOpnameLevensloop",
                                     "krcBijtellingAuto", "krcBijdrageAuto", "krcBijtellingFiets", "krcBijdrageFiets"};
        QStringList bijzonder = alle;
        for (const char* weg : {"krcWNNatura", "krcWNVergoeding", "krcWNInhouding"})
            bijzonder.removeAll(weg);
        QTest::newRow("Werknemer") << 0 << alle;
        QTest::newRow("Bijzonder loon") << 1 << bijzonder;
        QTest::newRow("Binn. Artiest") << 2 << artiest;
        QTest::newRow("Buit. Artiest") << 3 << artiest;
        QTest::newRow("Vrije berekening werknemers") << 4 << alle;
        QTest::newRow("Vrije berekening artiest") << 5 << artiest;
    }

    void EachKindShowsItsRowsOneBelowTheOther()
    {
        QFETCH(int, soort);
        QFETCH(QStringList, rijen);
        TOpgeslagen opgeslagen({"--loontijdvak", "week"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        programma.KlikTab(ui::tabWerknemersgegevens);
        Kies(programma.Veld("cmbSoortWerknemer"), soort);
        programma.KlikTab(ui::tabBerekeningsgegevens);

        for (auto* rij : programma.Venster().findChildren<widgets::TKolomRegelControl*>()) {
            const qsizetype plek = rijen.indexOf(rij->objectName());
            if (!rij->objectName().startsWith("krcWN") && !rij->objectName().startsWith("krcBij") &&
                !rij->objectName().startsWith("krcOpname"))
                continue;
            if (rij->objectName() == "krcWNZvw")
                continue;
            QCOMPARE(rij->isVisibleTo(rij->parentWidget()), plek >= 0);
            if (plek >= 0)
                QCOMPARE(rij->y(), 25 * int(plek));
        }
        const bool artiest = soort == 2 || soort == 3 || soort == 5;
        QCOMPARE(programma.Veld<widgets::TKolomRegelControl>("krcWNLBPH")->CaptionText(),
                 artiest ? "Onkostenvergoeding" : "LB/PH/Zvw-loon");
        QCOMPARE(programma.Veld<QComboBox>("cmbLoontijdvak")->currentText(), soort == 0 ? "Week" : "Maand");
        QCOMPARE(programma.Veld("cmbLoontijdvak")->isEnabled(), soort == 0);
        QCOMPARE(programma.Veld("edJaarloonLBPH")->isEnabled(), soort == 1);
        QCOMPARE(programma.Veld("edLoonheffingVrij")->isEnabled(), soort == 4 || soort == 5);
        QCOMPARE(programma.Veld("cbZfw")->isEnabled(), !artiest);
        QCOMPARE(programma.Veld("pnlAfwLoonheffing")->isVisibleTo(programma.Veld("tsBerekeningsGegevens")),
                 soort == 2 || soort == 3);
        // The month the kind sets brings the month's wage days; a week stays a week. (The list is stepped
        // through, so each kind after "Werknemer" comes from "Bijzonder loon", already a month.)
        QCOMPARE(programma.Veld<widgets::TZNONumericEdit>("edLoondagenVoorDagtabel")->Value(), soort == 0 ? 5.0 : 21.67);
    }

    void EachFieldCheckShowsItsMessageOnItsTab_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("invoer"); // empty: the field is emptied
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("focus");
        QTest::newRow("loonbedrag") << "" << "edLoonbedrag" << "5-" << "Loonbedrag is ongeldig of niet ingevuld."
                                    << "edLoonbedrag";
        QTest::newRow("geboortedatum") << "" << "edGebDatum" << "" << "Geboortedatum is ongeldig of niet ingevuld."
                                       << "edGebDatum";
        QTest::newRow("leeftijd") << "" << "edGebDatum" << "01-06-2020" << "Leeftijd is ongeldig of niet ingevuld."
                                  << "edGebDatum";
        QTest::newRow("berekeningsdatum") << "" << "deBerekeningDatum" << "" << "Datum is ongeldig."
                                          << "deBerekeningDatum";
        QTest::newRow("berekening voor") << "UPDATE Werknemersgegevens SET WerknemerSoort = 9" << "" << ""
                                         << "Berekening voor is niet geselecteerd." << "cmbSoortWerknemer";
        QTest::newRow("soort loonbedrag") << "UPDATE BerekeningsgegevensVKT SET SoortLoonbedrag = 9" << "" << ""
                                          << "Soort loonbedrag is niet geselecteerd." << "cmbLoonbedrag";
    }

    void EachFieldCheckShowsItsMessageOnItsTab()
    {
        QFETCH(QString, sql);
        QFETCH(QString, veld);
        QFETCH(QString, invoer);
        QFETCH(QString, melding);
        QFETCH(QString, focus);
        TOpgeslagen opgeslagen({"--datum", "15-07-2020"});
        if (!sql.isEmpty())
            opgeslagen.Map.Voer(sql.toStdString());
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        // From the first tab: the check brings its own tab to the front.
        if (veld.isEmpty()) {
            QTest::keyClick(&programma.Venster(), Qt::Key_S, Qt::ControlModifier);
        } else {
            programma.KlikTab(ui::tabWerknemersgegevens);
            if (invoer.isEmpty())
                Wis(programma.Veld(qPrintable(veld)));
            else
                TypOver(programma.Veld(qPrintable(veld)), invoer);
        }
        QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{melding});
        QCOMPARE(programma.Venster().pgMain->currentIndex(), int(ui::tabWerknemersgegevens));
        QCOMPARE(QApplication::focusWidget(), programma.Veld(qPrintable(focus)));
    }

    void TheMinimumWageOfTheAgeAndPayPeriod_data()
    {
        QTest::addColumn<QString>("geboortedatum");
        QTest::addColumn<int>("tijdvak");
        QTest::addColumn<QString>("bedrag");
        // On 15 July 2020: 21 years and older 387,70 a week, 1680,00 a month.
        QTest::newRow("23 jaar, week") << "01-03-1997" << 1 << "387,70";
        QTest::newRow("23 jaar, maand") << "01-03-1997" << 3 << "1.680,00";
        QTest::newRow("14 jaar") << "01-03-2006" << 1 << "0,00";
    }

    void TheMinimumWageOfTheAgeAndPayPeriod()
    {
        QFETCH(QString, geboortedatum);
        QFETCH(int, tijdvak);
        QFETCH(QString, bedrag);
        TOpgeslagen opgeslagen({"--datum", "15-07-2020"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        programma.KlikTab(ui::tabWerknemersgegevens);
        TypOver(programma.Veld("edGebDatum"), geboortedatum);
        Kies(programma.Veld("cmbLoontijdvak"), tijdvak);
        QTest::mouseClick(programma.Veld("btnMinimumloon"), Qt::LeftButton);
        QCOMPARE(programma.Veld<QLineEdit>("edLoonbedrag")->text().trimmed(), bedrag);
        QVERIFY(programma.Meldingen.Foutmeldingen.isEmpty());
    }

    void EditingARowEditsItsLine()
    {
        TDatamap map;
        map.SlaOp({"--loonbedrag", "3000"});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabBerekeningsgegevens);
            auto* natura = programma.Veld<widgets::TKolomRegelControl>("krcWNNatura")->findChild<QLineEdit*>("edBedrag");
            natura->setFocus();
            QTest::keyClicks(natura, "150");
            // The tab changes only once the row has been left and has handed its amount to its line.
            programma.KlikTab(ui::tabToonBerekening);
            const QString rapport = programma.Venster().tsToonBerekening->Rapport();
            QVERIFY2(rapport.contains(QRegularExpression("Waarde loon anders dan in geld +\\+ +150,00")),
                     qPrintable(rapport));
            programma.Meldingen.Antwoorden = {mrJa};
            QVERIFY(programma.Sluit());
        }
        const QString opgeslagen = map.Cli({"toon", "1"});
        TProgramma opnieuw(map);
        QVERIFY(opnieuw.Open());
        opnieuw.KiesWerknemer(0);
        opnieuw.KlikTab(ui::tabToonBerekening);
        QCOMPARE(opnieuw.Venster().tsToonBerekening->Rapport(), opgeslagen);
    }

    void TheTwoZvwBoxesExcludeEachOther()
    {
        TOpgeslagen opgeslagen;
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        auto* werkgever = programma.Veld<QCheckBox>("cbActiefZvw");
        auto* werknemer = programma.Veld<QCheckBox>("cbZfw");
        QVERIFY(werkgever->isChecked());
        programma.KlikTab(ui::tabWerknemersgegevens);
        QTest::mouseClick(werknemer, Qt::LeftButton);
        QVERIFY(werknemer->isChecked());
        QVERIFY(!werkgever->isChecked());
        QVERIFY(programma.Veld("pnlZvwPremie")->isVisible());
        programma.KlikTab(ui::tabWerkgeverslasten);
        QTest::mouseClick(werkgever, Qt::LeftButton);
        QVERIFY(werkgever->isChecked());
        QVERIFY(!werknemer->isChecked());
        programma.KlikTab(ui::tabWerknemersgegevens);
        QVERIFY(!programma.Veld("pnlZvwPremie")->isVisible());
    }

    void APayPeriodSetsItsWageDays_data()
    {
        QTest::addColumn<int>("tijdvak");
        QTest::addColumn<double>("dagen");
        QTest::newRow("Dag") << 0 << 1.0;
        QTest::newRow("Week") << 1 << 5.0;
        QTest::newRow("4 Weken") << 2 << 20.0;
        QTest::newRow("Kwartaal") << 4 << 65.0;
    }

    void APayPeriodSetsItsWageDays()
    {
        QFETCH(int, tijdvak);
        QFETCH(double, dagen);
        TOpgeslagen opgeslagen;
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        programma.KlikTab(ui::tabWerknemersgegevens);
        Kies(programma.Veld("cmbLoontijdvak"), tijdvak);
        QCOMPARE(programma.Veld<widgets::TZNONumericEdit>("edLoondagenVoorDagtabel")->Value(), dagen);
    }

    void SaveAsStoresACopyUnderANewName()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        // The old name, whatever its case and blanks, is refused; the window stays for another.
        BeantwoordZodra("frmOpslaanAls", [](QWidget& venster) {
            auto* naam = venster.findChild<QLineEdit*>("edWNNaam");
            QTest::keyClicks(naam, " jansen ");
            QTest::keyClick(naam, Qt::Key_Return);
            QTest::keyClick(naam, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(naam, "Kopie");
            QTest::keyClick(naam, Qt::Key_Return);
        });
        QTest::keyClick(&programma.Venster(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
        QCOMPARE(programma.Meldingen.Meldingen, QStringList{"Ingevoerde naam bestaat reeds of is niet ingevuld."});
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->count(), 2);
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Kopie");
        QCOMPARE(programma.Venster().Selectie->GekozenNummer(), 2);
    }

    void DeletingTheOnlyCalculationStartsANewOne()
    {
        TDatamap map;
        map.SlaOp({});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.Meldingen.Antwoorden = {mrJa};
            GeefNaam("De Vries");
            QTest::keyClick(programma.Venster().Selectie->cmbWerknemer, Qt::Key_Delete, Qt::ControlModifier);
            QCOMPARE(programma.Meldingen.Vragen,
                     QStringList{"Geselecteerde berekening wordt uit bestand verwijderd. \r\nDoorgaan?"});
            QCOMPARE(programma.Meldingen.Meldingen, QStringList{"De gegevens zijn verwijderd."});
            QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "De Vries");
            QCOMPARE(programma.Veld<QAbstractButton>("sbLegeKaart")->text(), "Nieuw");
        }
        QCOMPARE(map.Cli({"lijst"}), "1\tDe Vries\n");
    }

    void NewThenCancelKeepsTheOpenCalculation()
    {
        TOpgeslagen opgeslagen;
        opgeslagen.Map.Cli({"opslaan", "--naam", "Pietersen"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Jansen");
        BeantwoordZodra("frmOpslaanAls", [](QWidget& venster) { QTest::keyClick(&venster, Qt::Key_Escape); });
        QTest::keyClick(programma.Venster().Selectie->cmbWerknemer, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Jansen");
        QCOMPARE(programma.Venster().Selectie->GekozenNummer(), 1);
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->count(), 2);
        QVERIFY(!programma.Venster().Selectie->cmbWerknemer->isEditable());
        QCOMPARE(programma.Veld<QAbstractButton>("sbLegeKaart")->text(), "Nieuw");
    }

    void TheProgramsHighlightColourIsSetAndPutBack()
    {
        const QPalette oud = QApplication::palette();
        auto zetMarkeerkleur = [](const QColor& kleur) {
            QPalette palet = QApplication::palette();
            palet.setColor(QPalette::Highlight, kleur);
            QApplication::setPalette(palet);
        };
        auto markeerkleur = [] { return QApplication::palette().color(QPalette::Highlight); };
        TDatamap map;
        map.SlaOp({});
        // A run of the program: its own colour while it runs.
        auto draai = [&] {
            TProgramma programma(map, {.SsoStart = false, .Startvenster = false});
            programma.Meldingen.Antwoorden = {mrJa}; // "Wilt u Vkt2020 afsluiten?"
            return programma.Open() && markeerkleur() == QColor(6, 162, 203) && programma.Sluit();
        };
        const char* const kOpgeslagen = "SELECT param_value FROM dbparams WHERE param_cd = 'selsyscolor'";

        zetMarkeerkleur(QColor(10, 20, 30)); // 10 + 20 x 256 + 30 x 65536
        QVERIFY(draai());
        QCOMPARE(markeerkleur(), QColor(10, 20, 30));
        QCOMPARE(map.Waarde(kOpgeslagen), "1971210");
        // After a run that did not put it back, the colour stored then stays and comes back.
        zetMarkeerkleur(QColor(6, 162, 203));
        QVERIFY(draai());
        QCOMPARE(markeerkleur(), QColor(10, 20, 30));
        QCOMPARE(map.Waarde(kOpgeslagen), "1971210");
        QApplication::setPalette(oud);
    }

    // A database the program cannot read at its start is left as it was:
    // the user's colour is not written into it.
    void ADatabaseThatFailsAtTheStartKeepsNoColour()
    {
        TDatamap map;
        map.SlaOp({});
        map.Voer("DROP TABLE BerekeningsgegevensVKT");
        const char* const kOpgeslagen = "SELECT COUNT(*) FROM dbparams WHERE param_cd = 'selsyscolor'";
        const QString voor = map.Waarde(kOpgeslagen);
        {
            // Its messages logged, not shown in windows that would wait.
            TProgramma programma(map, {.SsoStart = false, .Startvenster = false, .ZonderGebruiker = true});
            QVERIFY(!programma.Open());
            QVERIFY(!programma.Meldingen.Foutmeldingen.isEmpty());
            QVERIFY2(programma.Meldingen.Foutmeldingen[0].contains("BerekeningsgegevensVKT"),
                     qPrintable(programma.Meldingen.Foutmeldingen[0]));
        }
        QCOMPARE(map.Waarde(kOpgeslagen), voor);
    }

    void TheProgramAndTheCommandLineKeepTheUsersDatabaseInOneFolder()
    {
        app::ZetProgrammanamen();
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
                 GebruikersDataMap().string());
    }

    void TheStartSwitchIsADashOrSlashAndTheNameInAnyCase_data()
    {
        QTest::addColumn<QStringList>("argumenten");
        QTest::addColumn<bool>("ssoStart");
        QTest::addColumn<QString>("map");
        QTest::addColumn<bool>("fout");
        QTest::newRow("-SSO_START") << QStringList{"-SSO_START"} << true << "" << false;
        QTest::newRow("/sso_start") << QStringList{"/sso_start"} << true << "" << false;
        QTest::newRow("sso_start") << QStringList{"sso_start"} << false << "" << false;
        QTest::newRow("schermafdrukken") << QStringList{"--schermafdrukken", "/tmp/x"} << false << "/tmp/x" << false;
        QTest::newRow("zonder map") << QStringList{"--schermafdrukken"} << false << "" << true;
        QTest::newRow("onbekend") << QStringList{"--iets"} << false << "" << true;
    }

    void TheStartSwitchIsADashOrSlashAndTheNameInAnyCase()
    {
        QFETCH(QStringList, argumenten);
        QFETCH(bool, ssoStart);
        QFETCH(QString, map);
        QFETCH(bool, fout);
        const app::TOpties opties = app::LeesOpties(QStringList{"vkt2020"} + argumenten);
        QCOMPARE(opties.SsoStart, ssoStart);
        QCOMPARE(opties.Schermafdrukken, map);
        QCOMPARE(!opties.Fout.isEmpty(), fout);
    }

    void ClosingWithACalculationAsksToSaveIt_data()
    {
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("gesloten");
        QTest::addColumn<QString>("loonbedrag");
        QTest::newRow("Ja") << int(mrJa) << true << "4321";
        QTest::newRow("Nee") << int(mrNee) << true << "3000";
        QTest::newRow("Annuleren") << int(mrAnnuleren) << false << "3000";
    }

    void ClosingWithACalculationAsksToSaveIt()
    {
        QFETCH(int, antwoord);
        QFETCH(bool, gesloten);
        QFETCH(QString, loonbedrag);
        TDatamap map;
        map.SlaOp({"--loonbedrag", "3000"});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabWerknemersgegevens);
            TypOver(programma.Veld("edLoonbedrag"), "4321");
            programma.Meldingen.Antwoorden = {antwoord};
            QCOMPARE(programma.Sluit(), gesloten);
            QCOMPARE(programma.Meldingen.Vragen, QStringList{kAfsluitvraag});
            QCOMPARE(programma.Venster().isVisible(), !gesloten);
        }
        QVERIFY(map.Cli({"toon", "1", "--formaat", "json"}).contains("\"loonbedrag\": " + loonbedrag));
    }

    void ASecondCopyIsRefusedAtOnce()
    {
        TOpgeslagen eerste;
        QVERIFY(eerste.Open());
        TProgramma tweede(eerste.Map);
        BeantwoordZodra({}, [](QWidget& venster) { QTest::keyClick(&venster, Qt::Key_Return); });
        QElapsedTimer klok;
        klok.start();
        QVERIFY(!tweede.App().Start());
        qInfo("Een tweede exemplaar geweigerd na %lld ms.", klok.elapsed());
        QCOMPARE(tweede.Meldingen.Foutmeldingen.size(), 1);
        QVERIFY2(tweede.Meldingen.Foutmeldingen[0].contains("Vektaris is al in gebruik."),
                 qPrintable(tweede.Meldingen.Foutmeldingen[0]));
    }

    void AFundAttachedInTheWindowIsComputedAndSaved()
    {
        TDatamap map;
        map.Voer(kBouwfonds);
        map.SlaOp({"--loonbedrag", "3000"});
        QString rapport;
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabSocialeFondsen);
            BeantwoordZodra("frmSocialeFondsen", [](QWidget& venster) {
                venster.findChild<QListWidget*>("lbSociaalFonds")->item(0)->setCheckState(Qt::Checked);
                QTest::mouseClick(venster.findChild<QWidget*>("btnOk"), Qt::LeftButton);
            });
            QTest::mouseClick(programma.Veld("btnSocialeFondsen"), Qt::LeftButton);
            auto* rij = programma.Venster().findChild<widgets::TVKTSocialeFondsKolomRegelControl*>("SFControl4");
            QVERIFY(rij != nullptr && rij->isVisible());
            // The platform gives the focus back to the window once the dialog has gone.
            programma.Venster().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&programma.Venster()));
            TypOver(rij->findChild<QWidget*>("edPercentageWerknemer"), "3");

            // 3 % of the gross wage of 3000, taken from the wage paid out.
            programma.KlikTab(ui::tabToonBerekening);
            rapport = programma.Venster().tsToonBerekening->Rapport();
            QVERIFY2(rapport.contains(QRegularExpression("Werkn.deel Bouwfonds +- +90,00")), qPrintable(rapport));
            QTest::keyClick(&programma.Venster(), Qt::Key_S, Qt::ControlModifier);
            QVERIFY(programma.Sluit());
        }
        QCOMPARE(map.Waarde("SELECT PremieWN || ':' || FondsActief FROM SociaalFondsWG "
                            "WHERE Werkgeversnummer = 1 AND Fondsnummer = 4"),
                 QString("3.0:1"));
        QCOMPARE(map.Cli({"toon", "1"}), rapport);
    }

    void TheEmployeesDeviatingBasisIsSavedAndMarksItsRow()
    {
        TDatamap map;
        map.SlaOp({"--loonbedrag", "3000", "--regel", "128=4%"});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabWerknemersgegevens);
            BeantwoordZodra("frmAfwijkendeGrondslagWN", [](QWidget& venster) {
                auto* veld = venster.findChild<QLineEdit*>("edPensioen");
                veld->setFocus();
                QTest::keyClicks(veld, "B*0,5");
                auto* box = venster.findChild<QCheckBox*>("cbPensioen");
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Space);
                QTest::mouseClick(venster.findChild<QWidget*>("btnOpslaan"), Qt::LeftButton);
            });
            QTest::mouseClick(programma.Veld("btnWNGrondslag"), Qt::LeftButton);
            QVERIFY(programma.Veld<widgets::TKolomRegelControl>("krcWNPensioen")->AfwijkendeGrondslag());
            // 4 % of half the gross wage.
            programma.KlikTab(ui::tabToonBerekening);
            const QString rapport = programma.Venster().tsToonBerekening->Rapport();
            QVERIFY2(rapport.contains(QRegularExpression("Pensioenpremie +- +60,00")), qPrintable(rapport));
            QVERIFY(programma.Sluit());
        }
        QCOMPARE(map.Waarde("SELECT FormulePensioen || ' ' || IngeschakeldPensioen FROM GrondslagWN"),
                 QString("[Brutoloon]*0.5 1"));
    }

    void PrintAndExportTakeTheStatementAsTheViewShowsIt()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000", "--datum", "15-07-2020"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        ui::TfrmMain& venster = programma.Venster();
        programma.KlikTab(ui::tabToonBerekening);
        QPlainTextEdit* memo = venster.tsToonBerekening->memoToonBerekening;
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(memo, "Notitie");
        QTest::keyClick(memo, Qt::Key_Return);

        QTemporaryDir map;
        venster.Uitvoer().Printer().setOutputFormat(QPrinter::PdfFormat);
        // The edited first line where it is printed, with the margins at first and as set.
        auto drukAf = [&](const QString& naam) {
            const QString pdf = map.filePath(naam);
            venster.Uitvoer().Printer().setOutputFileName(pdf);
            BeantwoordZodra("", [](QWidget& dialoog) { QMetaObject::invokeMethod(&dialoog, "accept"); });
            venster.findChild<QAction*>("Afdrukken1")->trigger();
            const auto paginas = PdfWoorden(pdf);
            return paginas.empty() || paginas[0].empty() || paginas[0][0].Tekst != "Notitie" ? QPointF(-1, -1)
                                                                                           : paginas[0][0].Plaats;
        };
        const QPointF zonder = drukAf("zonder.pdf");
        BeantwoordZodra("frmMarges", [](QWidget& dialoog) {
            TypOver(dialoog.findChild<QWidget*>("edMargesY"), "2");
            TypOver(dialoog.findChild<QWidget*>("edMargesX"), "3");
            QTest::mouseClick(dialoog.findChild<QWidget*>("btnOpslaan"), Qt::LeftButton);
        });
        venster.findChild<QAction*>("Marges1")->trigger();
        const QPointF met = drukAf("met.pdf");
        QVERIFY(zonder.x() >= 0 && met.x() > zonder.x() && met.y() > zonder.y());
        // The print job, and a PDF file it suggests, are named after the calculation.
        QCOMPARE(venster.Uitvoer().Printer().docName(), QString("Jansen 15-07-2020"));

        QCOMPARE(venster.findChild<QAction*>("ExporterenNaarWord1")->text(),
                 QString("E&xporteren als OpenDocument-tekst..."));
        const QString document = Exporteer(venster, map.path());
        QCOMPARE(document, map.filePath("Jansen 15-07-2020.odt"));
        const QStringList alineas = OdtAlineas(document);
        QVERIFY(alineas.size() > 3);
        QCOMPARE(alineas[0], QString("Notitie"));
        QCOMPARE(alineas[2], QString("Zyrdo Vektaris-programma 2020"));
        QVERIFY(programma.Meldingen.Meldingen.isEmpty() && programma.Meldingen.Foutmeldingen.isEmpty());
    }

    // The chart tab computes the curve of the open calculation as the command
    // line does, follows the range typed in its fields, tells a range without
    // a curve, and starts again around a new gross wage when it is shown.
    void TheChartTabShowsTheCurveAndFollowsItsRange()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        // The command line first: the program holds the database while it runs.
        const QJsonArray cli =
            QJsonDocument::fromJson(opgeslagen.Map.Cli({"verloop", "--loonbedrag", "3000", "--formaat", "json"}).toUtf8())
                .array();
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        ui::TtsVerloop& tab = *programma.Venster().tsVerloop;
        programma.KlikTab(ui::tabVerloop);
        QCOMPARE(programma.Venster().pgMain->currentIndex(), int(ui::tabVerloop));
        QCOMPARE(tab.Verloop().Brutoloon, 3000.0);
        QCOMPARE(tab.Verloop().Regels.size(), std::size_t{192});
        QCOMPARE(tab.edTot->Value(), 6000.0);
        QCOMPARE(tab.edStap->Value(), 31.5); // 7 steps of the monthly table's 4,50
        QCOMPARE(cli.size(), 192);
        for (const int i : {1, 99, 150, 191}) {
            QCOMPARE(tab.Verloop().Regels[i].Punt.Brutoloon, cli[i].toObject()["brutoloon"].toDouble());
            QCOMPARE(tab.Verloop().Regels[i].Punt.Nettoloon, cli[i].toObject()["nettoloon"].toDouble());
        }
        QStringList namen;
        for (const QAbstractSeries* reeks : tab.grVerloop->chart()->series())
            namen << reeks->name();
        QCOMPARE(namen, (QStringList{"Berekening € 3.000,00", "Nettoloon", "Loonheffing", "Werkgeverslasten",
                                     "Marginale druk (rechts)"}));

        TypOver(tab.edVan, "2000");
        TypOver(tab.edTot, "4000");
        TypOver(tab.edStap, "100");
        QCOMPARE(tab.Verloop().Regels.size(), std::size_t{21});
        QCOMPARE(tab.Verloop().Regels.back().Punt.Brutoloon, 4000.0);
        QVERIFY(!tab.lblMelding->isVisible());
        TypOver(tab.edVan, "5000");
        QVERIFY(tab.lblMelding->isVisible());
        QCOMPARE(tab.lblMelding->text(),
                 QString("Van (5000,00) is groter dan tot (4000,00); kies van kleiner dan of gelijk aan tot."));
        QCOMPARE(tab.Verloop().Regels.size(), std::size_t{21});

        // Hovering over the net wage line at 3.000 shows that point.
        auto* netto = qobject_cast<QLineSeries*>(tab.grVerloop->chart()->series()[1]);
        const QPointF plek = tab.grVerloop->chart()->mapToPosition(netto->at(10), netto);
        QTest::mouseMove(tab.grVerloop->viewport(), tab.grVerloop->mapFromScene(tab.grVerloop->chart()->mapToScene(plek)));
        QTRY_VERIFY(tab.lblPunt->text().startsWith("Brutoloon: € 3.000,00   Nettoloon: € "));

        programma.KlikTab(ui::tabBerekeningsgegevens);
        TypOver(programma.Veld("edLoonbedrag"), "4000");
        programma.KlikTab(ui::tabVerloop);
        QCOMPARE(tab.Verloop().Brutoloon, 4000.0);
        QCOMPARE(tab.Verloop().Regels.back().Punt.Brutoloon, 8000.0);
        QCOMPARE(tab.edVan->Value(), 0.0);
        QVERIFY(!tab.lblMelding->isVisible());
        QVERIFY2(programma.Meldingen.Foutmeldingen.isEmpty(), qPrintable(programma.Meldingen.Foutmeldingen.join("|")));
    }

    // On the chart tab printing draws the chart on a page and the export
    // saves it as a picture; the text commands stay with the statement.
    void PrintAndExportTakeTheChartOnItsTab()
    {
        TOpgeslagen opgeslagen({"--soort-loonbedrag", "nettoloon", "--loonbedrag", "2000", "--datum", "15-07-2020"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        ui::TfrmMain& venster = programma.Venster();
        programma.KlikTab(ui::tabVerloop);
        QVERIFY(venster.tsVerloop->Verloop().Bereik.has_value()); // the band of the search
        QVERIFY(venster.findChild<QAction*>("Afdrukken1")->isEnabled());
        QVERIFY(!venster.findChild<QAction*>("Kopieren1")->isEnabled());
        QCOMPARE(venster.findChild<QAction*>("ExporterenNaarWord1")->text(),
                 QString("E&xporteren als PNG-afbeelding..."));

        QTemporaryDir map;
        const QString pdf = map.filePath("verloop.pdf");
        venster.Uitvoer().Printer().setOutputFormat(QPrinter::PdfFormat);
        venster.Uitvoer().Printer().setOutputFileName(pdf);
        BeantwoordZodra("", [](QWidget& dialoog) { QMetaObject::invokeMethod(&dialoog, "accept"); });
        venster.findChild<QAction*>("Afdrukken1")->trigger();
        const auto paginas = PdfWoorden(pdf);
        QCOMPARE(paginas.size(), std::size_t{1});
        QVERIFY(Plaats(paginas[0], "Loonverloop").x() >= 0);
        QVERIFY(Plaats(paginas[0], "Nettoloon").x() >= 0);

        const QString afbeelding = Exporteer(venster, map.path());
        QCOMPARE(afbeelding, map.filePath("Jansen 15-07-2020.png"));
        QCOMPARE(QImage(afbeelding).size(), QSize(1000, 620));

        programma.KlikTab(ui::tabToonBerekening);
        QCOMPARE(venster.findChild<QAction*>("ExporterenNaarWord1")->text(),
                 QString("E&xporteren als OpenDocument-tekst..."));
        QVERIFY(venster.findChild<QAction*>("Kopieren1")->isEnabled());
        QVERIFY(programma.Meldingen.Meldingen.isEmpty() && programma.Meldingen.Foutmeldingen.isEmpty());
    }

    void TheScreenshotsHoldEveryTab()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        QTemporaryDir map;
        QProcess programma;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("VKT2020_DATA", QString::fromStdString(opgeslagen.Map.Pad().string()));
        omgeving.insert("XDG_CONFIG_HOME", map.filePath("instellingen"));
        programma.setProcessEnvironment(omgeving);
        programma.start(QString::fromStdString((DataFolder() / "vkt2020").string()),
                        {"--schermafdrukken", map.filePath("tabs"), "-sso_start"});
        QVERIFY(programma.waitForFinished(60000));
        QCOMPARE(programma.exitCode(), 0);
        QCOMPARE(QDir(map.filePath("tabs")).entryList(QDir::Files).size(), 6);
        QCOMPARE(QImage(map.filePath("tabs/6-verloop.png")).isNull(), false);
    }

    // A run without a user (--schermafdrukken, --meet-opstart) whose start
    // fails writes the message on standard error and ends with 1, instead of
    // waiting for a click on a message window.
    void ARunWithoutAUserNeverWaitsForAClick_data()
    {
        QTest::addColumn<QString>("geval");
        QTest::addColumn<QString>("optie");
        QTest::addColumn<QString>("melding");
        for (const char* optie : {"--schermafdrukken", "--meet-opstart"}) {
            QTest::addRow("leeg bestand, %s", optie) << "leeg" << optie << "De database kon niet worden geopend.";
            QTest::addRow("tweede exemplaar, %s", optie) << "in gebruik" << optie << "Vektaris is al in gebruik.";
            QTest::addRow("lange formule, %s", optie) << "formule" << optie << "De formule is langer dan 255 tekens.";
        }
    }

    void ARunWithoutAUserNeverWaitsForAClick()
    {
        QFETCH(QString, geval);
        QFETCH(QString, optie);
        QFETCH(QString, melding);
        TOpgeslagen opgeslagen;
        const std::filesystem::path database = opgeslagen.Map.Pad() / "Vkt2020.db";
        if (geval == "leeg")
            std::filesystem::resize_file(database, 0);
        if (geval == "formule")
            opgeslagen.Map.Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, "
                                "Hersteldatum, FormulePensioen, IngeschakeldPensioen) VALUES (1, 1, "
                                "'9999-12-31 00:00:00', '9999-12-31 00:00:00', '" +
                                std::string(300, '1') + "', 1)");
        // The program itself holds the database for the second copy.
        std::optional<TProgramma> eerste;
        if (geval == "in gebruik") {
            eerste.emplace(opgeslagen.Map);
            QVERIFY(eerste->Open());
        }
        QTemporaryDir map;
        QProcess programma;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("VKT2020_DATA", QString::fromStdString(opgeslagen.Map.Pad().string()));
        omgeving.insert("XDG_CONFIG_HOME", map.filePath("instellingen"));
        programma.setProcessEnvironment(omgeving);
        QStringList argumenten{optie};
        if (optie == "--schermafdrukken")
            argumenten << map.filePath("tabs");
        programma.start(QString::fromStdString((DataFolder() / "vkt2020").string()), argumenten << "-sso_start");
        const bool klaar = programma.waitForFinished(30000);
        if (!klaar)
            programma.kill();
        QVERIFY2(klaar, "het programma wachtte");
        QCOMPARE(programma.exitCode(), 1);
        const QString fout = QString::fromUtf8(programma.readAllStandardError());
        QVERIFY2(fout.contains(melding), qPrintable(fout));
        QVERIFY(!QDir(map.filePath("tabs")).exists() || QDir(map.filePath("tabs")).isEmpty());
    }

    // Installed, without HOME and XDG_DATA_HOME, the program makes no
    // database where it happens to be started: it says why it cannot start.
    void WithoutADataFolderTheInstalledProgramSaysSo()
    {
        QTemporaryDir map;
        QDir(map.path()).mkpath("bin");
        QDir(map.path()).mkpath("share/vkt2020");
        QDir(map.path()).mkpath("werkmap");
        QVERIFY(QFile::copy(QString::fromStdString((DataFolder() / "vkt2020").string()), map.filePath("bin/vkt2020")));
        for (const char* bestand : {"Vkt2020.db", "VktC2020.db"})
            QVERIFY(QFile::copy(QString::fromStdString((DataFolder() / bestand).string()),
                                map.filePath(QString("share/vkt2020/") + bestand)));
        QProcess programma;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        for (const char* naam : {"HOME", "XDG_DATA_HOME", "VKT2020_DATA"})
            omgeving.remove(naam);
        omgeving.insert("XDG_CONFIG_HOME", map.filePath("instellingen"));
        programma.setProcessEnvironment(omgeving);
        programma.setWorkingDirectory(map.filePath("werkmap"));
        programma.start(map.filePath("bin/vkt2020"), {"--meet-opstart", "-sso_start"});
        QVERIFY(programma.waitForFinished(30000));
        QCOMPARE(programma.exitCode(), 1);
        const QString fout = QString::fromUtf8(programma.readAllStandardError());
        QVERIFY2(fout.contains("Er is geen map voor de gegevens van de gebruiker gevonden"), qPrintable(fout));
        QVERIFY(QDir(map.filePath("werkmap")).isEmpty());
    }

    void EveryInputHasItsCaptionAsAccessibleName()
    {
        TOpgeslagen opgeslagen;
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        for (QWidget* invoer : programma.Venster().findChildren<QWidget*>()) {
            const bool isInvoer = qobject_cast<QLineEdit*>(invoer) || qobject_cast<QComboBox*>(invoer) ||
                                  qobject_cast<QAbstractButton*>(invoer) || qobject_cast<QPlainTextEdit*>(invoer);
            if (!isInvoer || invoer->objectName().startsWith("qt_") || qobject_cast<QLineEdit*>(invoer->parentWidget()) ||
                qobject_cast<QComboBox*>(invoer->parentWidget()) || invoer->inherits("QScrollBar"))
                continue;
            const QString naam = invoer->accessibleName();
            QVERIFY2(!naam.isEmpty(), qPrintable(invoer->objectName() + " in " + invoer->parentWidget()->objectName()));
            QVERIFY2(!naam.contains('&'), qPrintable(naam));
        }
    }
};

QTEST_MAIN(VensterTest)
#include "VensterTest.moc"
