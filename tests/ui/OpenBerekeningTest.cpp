#include "Afdrukcontrole.h"
#include "Programma.h"

#include "common/Meldingen.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/TabToonBerekening.h"
#include "ui/TabVerloop.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vkt;
using namespace vkt::test;

// The window shows, computes, prints and saves the calculation that is
// chosen now, whatever was open before, and drops nothing the user changed
// without asking.
namespace {

const QString kWisselvraag = "Wilt u de huidige berekening opslaan?";
const char* const kPensioenHelft =
    "INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormulePensioen, "
    "IngeschakeldPensioen) VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00', '[Brutoloon]*0.5', 1)";

// Two saved calculations: Jansen (1) with 3.000 and Pietersen (2) with 2.000.
struct TTwee {
    TTwee()
    {
        Map.SlaOp({"--loonbedrag", "3000", "--regel", "128=4%"});
        Map.Cli({"opslaan", "--naam", "Pietersen", "--loonbedrag", "2000"});
    }
    TDatamap Map;
};

QString Loonbedrag(TProgramma& programma)
{
    return programma.Veld<QLineEdit>("edLoonbedrag")->text().trimmed();
}

QAction* Actie(TProgramma& programma, const char* naam)
{
    return programma.Venster().findChild<QAction*>(naam);
}

QString Rapport(TProgramma& programma) { return programma.Venster().tsToonBerekening->Rapport(); }

} // namespace

class OpenBerekeningTest : public TProgrammatest {
    Q_OBJECT

private slots:
    // With the statement open, choosing another calculation shows, prints and
    // draws that one.
    void TheStatementTabFollowsTheChosenCalculation()
    {
        TTwee twee;
        const QString jansen = twee.Map.Cli({"toon", "1"});
        const QString pietersen = twee.Map.Cli({"toon", "2"});
        TProgramma programma(twee.Map);
        QVERIFY(programma.Open());
        programma.KiesWerknemer(0);
        programma.KlikTab(ui::tabToonBerekening);
        QCOMPARE(Rapport(programma), jansen);

        programma.KiesWerknemer(1);
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Pietersen");
        QCOMPARE(Rapport(programma), pietersen);
        QTemporaryDir map;
        const QString pdf = map.filePath("afdruk.pdf");
        programma.Venster().Uitvoer().Printer().setOutputFormat(QPrinter::PdfFormat);
        programma.Venster().Uitvoer().Printer().setOutputFileName(pdf);
        BeantwoordZodra("", [](QWidget& dialoog) { QMetaObject::invokeMethod(&dialoog, "accept"); });
        Actie(programma, "Afdrukken1")->trigger();
        const auto paginas = PdfWoorden(pdf);
        QVERIFY(!paginas.empty());
        QVERIFY(Plaats(paginas[0], "Pietersen").x() >= 0);
        QVERIFY(Plaats(paginas[0], "Jansen").x() < 0);

        programma.KlikTab(ui::tabVerloop);
        QCOMPARE(programma.Venster().tsVerloop->Verloop().Brutoloon, 2000.0);
        programma.KiesWerknemer(0);
        QCOMPARE(programma.Venster().tsVerloop->Verloop().Brutoloon, 3000.0);
        QVERIFY(programma.Meldingen.Vragen.isEmpty()); // nothing was changed

        // A new date in the selection band computes the statement again.
        programma.KlikTab(ui::tabToonBerekening);
        programma.Venster().activateWindow(); // the platform does not after the print dialog
        QVERIFY(QTest::qWaitForWindowActive(&programma.Venster()));
        TypOver(programma.Veld("deBerekeningDatum"), "15-07-2020");
        QVERIFY2(Rapport(programma).contains("15 juli 2020"), qPrintable(Rapport(programma)));
    }

    // The copy computes with the formulas it was given at once: a pension
    // of 4 % of half the gross wage of 3.000 is 60,00.
    void ACopyComputesWithItsCopiedFormulas()
    {
        TTwee twee;
        twee.Map.Voer(kPensioenHelft);
        QString rapport;
        {
            TProgramma programma(twee.Map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            GeefNaam("Kopie");
            Actie(programma, "Opslaanals")->trigger();
            QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Kopie");
            QCOMPARE(programma.Venster().Selectie->GekozenNummer(), 3);
            QVERIFY(programma.Veld<widgets::TKolomRegelControl>("krcWNPensioen")->AfwijkendeGrondslag());
            programma.KlikTab(ui::tabToonBerekening);
            rapport = Rapport(programma);
            QVERIFY2(rapport.contains(QRegularExpression("Pensioenpremie +- +60,00")), qPrintable(rapport));
            QVERIFY(programma.Venster().statusBar()->currentMessage().contains("Kopie"));
            QVERIFY(programma.Sluit());
        }
        QCOMPARE(twee.Map.Cli({"toon", "3"}), rapport);
    }

    // However the tab is asked for, a wage the check refuses keeps its tab
    // and nothing is computed or printed for it.
    void AFailedCheckKeepsTheTab_data()
    {
        QTest::addColumn<int>("manier");
        QTest::newRow("muis") << 0;
        QTest::newRow("Alt+T") << 1;
        QTest::newRow("Ctrl+Tab") << 2;
    }

    void AFailedCheckKeepsTheTab()
    {
        QFETCH(int, manier);
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        ui::TfrmMain& venster = programma.Venster();
        programma.KlikTab(ui::tabWerknemersgegevens);
        auto* loon = programma.Veld<QLineEdit>("edLoonbedrag");
        QTest::mouseClick(loon, Qt::LeftButton);
        QTest::keyClick(loon, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(loon, "-123");
        for (int poging = 0; poging < 2; ++poging) {
            if (manier == 0)
                programma.KlikTab(ui::tabToonBerekening);
            else if (manier == 1)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
            else
                for (int i = 0; i < 2; ++i)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(venster.pgMain->currentIndex(), int(ui::tabWerknemersgegevens));
            QCOMPARE(QApplication::focusWidget(), loon);
        }
        QVERIFY(!programma.Meldingen.Foutmeldingen.isEmpty());
        for (const QString& melding : programma.Meldingen.Foutmeldingen)
            QCOMPARE(melding, QString("Loonbedrag is ongeldig of niet ingevuld."));
        QVERIFY(!Rapport(programma).contains("Nettoloon"));
        QVERIFY(!Actie(programma, "Afdrukken1")->isEnabled());
    }

    // A check that refuses "Opslaan als" leaves the window with the
    // calculation it had: the drop-down, delete and save act on what is shown.
    void ARefusedSaveAsLeavesEverythingAsItWas()
    {
        TTwee twee;
        twee.Map.Voer("UPDATE BerekeningsgegevensVKT SET SoortLoonbedrag = 9 WHERE Werknemersnummer = 1");
        {
            TProgramma programma(twee.Map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            Actie(programma, "Opslaanals")->trigger();
            QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{"Soort loonbedrag is niet geselecteerd."});
            QVERIFY(!programma.Venster().Selectie->cmbWerknemer->isEditable());
            QCOMPARE(programma.Venster().Selectie->GekozenNummer(), 1);

            programma.KiesWerknemer(1);
            QCOMPARE(Loonbedrag(programma), QString("2.000,00"));
            programma.Meldingen.Antwoorden = {mrJa};
            Actie(programma, "Verwijderen1")->trigger();
            QCOMPARE(programma.Venster().Selectie->cmbWerknemer->count(), 1);
            QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Jansen");
            programma.Meldingen.Antwoorden = {mrNee};
            QVERIFY(programma.Sluit());
        }
        QCOMPARE(twee.Map.Cli({"lijst"}), "1\tJansen\n");
    }

    // The calculation open at the last exit is gone: the window says so,
    // computes and prints nothing and tells why it saves nothing.
    void WithoutAChosenCalculationNothingIsComputedOrSaved()
    {
        TTwee twee;
        QSettings("Zyrdo Software", "Quelvar2001").setValue("User/LaatsteWN", "99");
        TProgramma programma(twee.Map);
        QVERIFY(programma.Open());
        ui::TfrmMain& venster = programma.Venster();
        QVERIFY(!venster.Selectie->HeeftKeuze());
        auto* melding = venster.findChild<QLabel*>("lblGeenBerekening");
        QVERIFY(melding->isVisible());
        QVERIFY(melding->text().contains("Nieuw"));
        QVERIFY(!programma.Veld("edLoonbedrag")->isEnabled());
        programma.KlikTab(ui::tabToonBerekening);
        QVERIFY(Rapport(programma).contains("Er is geen berekening gekozen."));
        QVERIFY(!Actie(programma, "Afdrukken1")->isEnabled());
        QVERIFY(!Actie(programma, "ExporterenNaarWord1")->isEnabled());
        QTest::keyClick(&venster, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(programma.Meldingen.Foutmeldingen.size(), 1);
        QVERIFY(programma.Meldingen.Foutmeldingen[0].startsWith("Er is niets opgeslagen: er is geen berekening gekozen."));

        programma.KiesWerknemer(1);
        QVERIFY(!melding->isVisible());
        QVERIFY(Rapport(programma).contains("Pietersen"));
        QVERIFY(Actie(programma, "Afdrukken1")->isEnabled());
    }

    // Another calculation or a new one, with changes not saved: the answer
    // decides what is kept.
    void ChangesNotSavedAreAskedFor_data()
    {
        QTest::addColumn<bool>("nieuw");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QString>("getoond");  // the name in the drop-down afterwards
        QTest::addColumn<QString>("opgeslagen"); // Jansen's stored wage afterwards
        QTest::newRow("kiezen, Ja") << false << int(mrJa) << "Pietersen" << "4321";
        QTest::newRow("kiezen, Nee") << false << int(mrNee) << "Pietersen" << "3000";
        QTest::newRow("kiezen, Annuleren") << false << int(mrAnnuleren) << "Jansen" << "3000";
        QTest::newRow("Nieuw, Ja") << true << int(mrJa) << "De Vries" << "4321";
        QTest::newRow("Nieuw, Nee") << true << int(mrNee) << "De Vries" << "3000";
        QTest::newRow("Nieuw, Annuleren") << true << int(mrAnnuleren) << "Jansen" << "3000";
    }

    void ChangesNotSavedAreAskedFor()
    {
        QFETCH(bool, nieuw);
        QFETCH(int, antwoord);
        QFETCH(QString, getoond);
        QFETCH(QString, opgeslagen);
        TTwee twee;
        {
            TProgramma programma(twee.Map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabWerknemersgegevens);
            TypOver(programma.Veld("edLoonbedrag"), "4321");
            programma.Meldingen.Antwoorden = {antwoord};
            if (nieuw) {
                if (antwoord != mrAnnuleren) // else no name is asked
                    GeefNaam("De Vries");
                QTest::mouseClick(programma.Veld("sbLegeKaart"), Qt::LeftButton);
            } else {
                programma.KiesWerknemer(1);
            }
            QCOMPARE(programma.Meldingen.Vragen, QStringList{kWisselvraag});
            QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), getoond);
            if (antwoord == mrAnnuleren)
                QCOMPARE(Loonbedrag(programma), QString("4.321,00"));
            programma.Meldingen.Antwoorden = {mrNee};
            QVERIFY(programma.Sluit());
        }
        QVERIFY(twee.Map.Cli({"toon", "1", "--formaat", "json"}).contains("\"loonbedrag\": " + opgeslagen));
    }

    // Only a change is asked for; a save says so in the status bar.
    void WithoutChangesNothingIsAskedAndASaveSaysSo()
    {
        TTwee twee;
        TProgramma programma(twee.Map);
        QVERIFY(programma.Open());
        programma.KiesWerknemer(0);
        programma.KlikTab(ui::tabBerekeningsgegevens);
        programma.KlikTab(ui::tabWerknemersgegevens);
        QTest::mouseClick(programma.Veld("edLoonbedrag"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        programma.KiesWerknemer(1);
        QVERIFY(programma.Meldingen.Vragen.isEmpty());
        QCOMPARE(programma.Venster().Selectie->cmbWerknemer->currentText(), "Pietersen");

        TypOver(programma.Veld("edLoonbedrag"), "2500");
        QTest::keyClick(&programma.Venster(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(programma.Venster().statusBar()->currentMessage(), QString("De berekening \"Pietersen\" is opgeslagen."));
        programma.KiesWerknemer(0);
        QVERIFY(programma.Meldingen.Vragen.isEmpty());
    }

    // Stored values no user could have entered are told when the calculation
    // is opened; it is shown without them and computed only once it has been
    // saved as the window holds it. A missing date is an empty field.
    void StoredValuesTheWindowCannotHoldAreTold_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("veld");
        QTest::newRow("loonbedrag 1e15") << "UPDATE Werknemersgegevens SET Vastloon = 1e15"
                                         << "Loonbedrag is ongeldig: het grootste loonbedrag is 99.999.999,99."
                                         << "edLoonbedrag";
        QTest::newRow("deeltijd") << "UPDATE Werknemersgegevens SET Deeltijdpercentage = 12345"
                                  << "Het veld Deeltijdpercentage van de opgeslagen berekening bevat 12345, meer dan "
                                     "het veld Deeltijdfactor kan bevatten."
                                  << "edDeeltijdFactor";
        QTest::newRow("tabelkleur") << "UPDATE Werknemersgegevens SET Tabelkleur = 5"
                                    << "Het veld Tabelkleur van de opgeslagen berekening bevat een keuze die niet in "
                                       "de lijst staat (5)."
                                    << "cmbTabelkleur";
    }

    void StoredValuesTheWindowCannotHoldAreTold()
    {
        QFETCH(QString, sql);
        QFETCH(QString, melding);
        QFETCH(QString, veld);
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        opgeslagen.Map.Voer(sql.toStdString());
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{melding});
        programma.KlikTab(ui::tabToonBerekening);
        QVERIFY(Rapport(programma).contains(melding));
        QVERIFY(!Rapport(programma).contains("Nettoloon"));
        QVERIFY(!Actie(programma, "Afdrukken1")->isEnabled());

        // Mended and saved, it is computed.
        programma.KlikTab(ui::tabWerknemersgegevens);
        if (veld == "cmbTabelkleur")
            programma.Veld<QComboBox>(qPrintable(veld))->setCurrentIndex(0);
        else
            TypOver(programma.Veld(qPrintable(veld)), veld == "edLoonbedrag" ? "3000" : "100");
        QTest::keyClick(&programma.Venster(), Qt::Key_S, Qt::ControlModifier);
        programma.KlikTab(ui::tabToonBerekening);
        QVERIFY2(Rapport(programma).contains("Nettoloon"), qPrintable(Rapport(programma)));
        QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{melding});
    }

    void AStoredCalculationWithoutADateIsRefusedAsAnEmptyDate()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        opgeslagen.Map.Voer("UPDATE BerekeningsgegevensVKT SET BerekeningsDatum = NULL");
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        // No day and month (the year of this field is fixed).
        QVERIFY(!programma.Veld<QLineEdit>("deBerekeningDatum")->text().contains(QRegularExpression("[0-9]-[0-9]")));
        programma.KlikTab(ui::tabToonBerekening);
        QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{"Datum is ongeldig."});
        QVERIFY(!Rapport(programma).contains("Nettoloon"));
    }

    // A calculation stored without a birth date is not computed for some age
    // of its own: the statement tab gives the birth date's message.
    void AStoredCalculationWithoutABirthDateIsRefused()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        opgeslagen.Map.Voer("UPDATE Werknemersgegevens SET Geboortedatum = NULL");
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        programma.KlikTab(ui::tabToonBerekening);
        QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{"Geboortedatum is ongeldig of niet ingevuld."});
        QCOMPARE(programma.Venster().pgMain->currentIndex(), int(ui::tabWerknemersgegevens));
        QCOMPARE(QApplication::focusWidget(), programma.Veld("edGebDatum"));
        QVERIFY(!Rapport(programma).contains("Nettoloon"));
    }
};

QTEST_MAIN(OpenBerekeningTest)
#include "OpenBerekeningTest.moc"
