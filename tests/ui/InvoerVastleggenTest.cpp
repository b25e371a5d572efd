#include "Programma.h"
#include "Testvenster.h"

#include "common/Meldingen.h"
#include "ui/Schermregels.h"
#include "ui/Tabwachter.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/ZNODBNumericEdit.h"
#include "widgets/ZNOEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vkt;
using namespace vkt::test;

namespace {

// The ways to act on the window after typing.
enum class TOpdracht { Sneltoets, Gereedschapsknop, Sluiten };

// The ways to ask for another tab.
enum class TTabkeuze { Klik, AltLetter, CtrlTab };

const QRegularExpression kNatura("Waarde loon anders dan in geld +\\+ +150,00");

// Chooses the entry of a "Boeken als" list that books in that column, with the keyboard.
void KiesBoeking(QComboBox* lijst, int kolom)
{
    lijst->setFocus();
    QTest::keyClick(lijst, Qt::Key_Home);
    for (int i = 0; i < lijst->count() && lijst->currentData().toInt() != kolom; ++i)
        QTest::keyClick(lijst, Qt::Key_Down);
    QCOMPARE(lijst->currentData().toInt(), kolom);
}

} // namespace

Q_DECLARE_METATYPE(TOpdracht)
Q_DECLARE_METATYPE(TTabkeuze)

class InvoerVastleggenTest : public TProgrammatest {
    Q_OBJECT

private slots:
    // "Nieuw sociaal fonds" saved with Alt+O while the focus is still in
    // the employer's percentage: the fund is stored as typed and chosen,
    // in the catalogue and for the employee, and shown so on the tab.
    void AFundSavedWithAltOIsStoredAsTyped()
    {
        TDatamap map;
        map.SlaOp({"--loonbedrag", "3000"});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabSocialeFondsen);
            bool opgeslagen = false;
            BeantwoordZodra("frmNieuwSociaalFondsVKT", [&](QWidget& venster) {
                // The platform without a window manager may hand the activation
                // back to the main window once more while the dialog comes up.
                QTest::qWait(50);
                venster.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&venster));
                QTimer::singleShot(3000, &venster, [&venster] { venster.close(); }); // should Alt+O fail
                auto* omschrijving = venster.findChild<widgets::TZNOEdit*>("edOmschrijving");
                omschrijving->setFocus();
                QTest::keyClicks(omschrijving, "Pensioenfonds Bouw");
                KiesBoeking(venster.findChild<QComboBox*>("cmbBoekenAlsWerknemer"), -17);
                KiesBoeking(venster.findChild<QComboBox*>("cmbBoekenAlsWerkgever"), 7);
                auto* werknemer = venster.findChild<widgets::TZNONumericEdit*>("edPercentageWerknemer");
                werknemer->setFocus();
                QTest::keyClicks(werknemer, "0,5");
                auto* werkgever = venster.findChild<widgets::TZNONumericEdit*>("edPercentageWerkgever");
                werkgever->setFocus();
                QTest::keyClicks(werkgever, "1");
                QTest::keyClick(werkgever, Qt::Key_O, Qt::AltModifier);
                opgeslagen = true;
            });
            QTest::mouseClick(programma.Veld("btnNieuwSF"), Qt::LeftButton);
            QVERIFY(opgeslagen);
            QVERIFY2(programma.Meldingen.Meldingen.isEmpty(), qPrintable(programma.Meldingen.Meldingen.join("|")));
            widgets::TVKTSocialeFondsKolomRegelControl* rij = nullptr;
            for (auto* fonds : programma.Venster().findChildren<widgets::TVKTSocialeFondsKolomRegelControl*>())
                if (fonds->Caption() == "Pensioenfonds Bouw")
                    rij = fonds;
            QVERIFY(rij != nullptr);
            QCOMPARE(double(rij->PremieWN()), 0.5);
            QCOMPARE(double(rij->PremieWG()), 1.0);
            QCOMPARE(double(rij->WNBoekenInKolom()), -17.0);
            QCOMPARE(double(rij->WGBoekenInKolom()), 7.0);
            programma.Meldingen.Antwoorden = {mrNee};
            QVERIFY(programma.Sluit());
        }
        QCOMPARE(map.Waarde("SELECT group_concat(r, ' ') FROM (SELECT Werkgeversnummer || ':' || PremieWN || ':' || "
                            "PremieWG || ':' || WNBoekenInKolom || ':' || WGBoekenInKolom AS r FROM SociaalFondsWG "
                            "WHERE Omschrijving = 'Pensioenfonds Bouw' ORDER BY Werkgeversnummer)"),
                 QString("0:0.5:1.0:-17:7 1:0.5:1.0:-17:7"));
    }

    // An amount typed into a row and not yet left counts when the window
    // saves or closes: the row hands it to its line first.
    void ACommandSeesTheAmountTypedInARow_data()
    {
        QTest::addColumn<TOpdracht>("opdracht");
        QTest::newRow("Ctrl+S") << TOpdracht::Sneltoets;
        QTest::newRow("tool button Opslaan") << TOpdracht::Gereedschapsknop;
        QTest::newRow("closing, Ja") << TOpdracht::Sluiten;
    }

    void ACommandSeesTheAmountTypedInARow()
    {
        QFETCH(TOpdracht, opdracht);
        TDatamap map;
        map.SlaOp({"--loonbedrag", "3000"});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabBerekeningsgegevens);
            auto* natura = programma.Veld<widgets::TKolomRegelControl>("krcWNNatura")->findChild<QLineEdit*>("edBedrag");
            QTest::mouseClick(natura, Qt::LeftButton);
            QTest::keyClicks(natura, "150");
            switch (opdracht) {
            case TOpdracht::Sneltoets:
                QTest::keyClick(natura, Qt::Key_S, Qt::ControlModifier);
                break;
            case TOpdracht::Gereedschapsknop:
                QTest::mouseClick(programma.Veld("sbOpslaan"), Qt::LeftButton);
                break;
            case TOpdracht::Sluiten:
                programma.Meldingen.Antwoorden = {mrJa};
                QVERIFY(programma.Sluit());
                break;
            }
            if (opdracht != TOpdracht::Sluiten) {
                programma.Meldingen.Antwoorden = {mrNee};
                QVERIFY(programma.Sluit());
            }
            QVERIFY2(programma.Meldingen.Foutmeldingen.isEmpty(),
                     qPrintable(programma.Meldingen.Foutmeldingen.join("|")));
        }
        const QString opgeslagen = map.Cli({"toon", "1"});
        QVERIFY2(opgeslagen.contains(kNatura), qPrintable(opgeslagen));
    }

    // A wage of -123 typed and not left: its check speaks once, and neither
    // the save nor the closing happens; the focus stays in the wage.
    void AFailingCheckStopsTheCommandAndKeepsTheFocus()
    {
        TDatamap map;
        map.SlaOp({"--loonbedrag", "3000"});
        {
            TProgramma programma(map);
            QVERIFY(programma.Open());
            programma.KiesWerknemer(0);
            programma.KlikTab(ui::tabWerknemersgegevens);
            QWidget* loon = programma.Veld("edLoonbedrag");
            QTest::mouseClick(loon, Qt::LeftButton);
            QTest::keyClicks(loon, "123-");
            QTest::keyClick(loon, Qt::Key_S, Qt::ControlModifier);
            const QStringList melding{"Loonbedrag is ongeldig of niet ingevuld."};
            QCOMPARE(programma.Meldingen.Foutmeldingen, melding);
            QCOMPARE(programma.Venster().focusWidget(), loon);

            QVERIFY(!programma.Sluit());
            QVERIFY(programma.Venster().isVisible());
            QVERIFY(programma.Meldingen.Vragen.isEmpty());
            QCOMPARE(programma.Meldingen.Foutmeldingen, melding + melding);
            QCOMPARE(programma.Venster().focusWidget(), loon);
            QCOMPARE(programma.Venster().pgMain->currentIndex(), int(ui::tabWerknemersgegevens));

            TypOver(loon, "2000");
            programma.Meldingen.Antwoorden = {mrNee};
            QVERIFY(programma.Sluit());
        }
        QVERIFY(map.Cli({"toon", "1", "--formaat", "json"}).contains("\"loonbedrag\": 3000"));
    }

    // The tab stays while the check of the field on it fails, however the
    // change was asked; the check's message box has the window's activation
    // for a while, and the field still has the window's focus afterwards.
    void ATabStaysWhileTheFieldsCheckFails_data()
    {
        QTest::addColumn<TTabkeuze>("keuze");
        QTest::newRow("click") << TTabkeuze::Klik;
        QTest::newRow("Alt+letter") << TTabkeuze::AltLetter;
        QTest::newRow("Ctrl+Tab") << TTabkeuze::CtrlTab;
    }

    void ATabStaysWhileTheFieldsCheckFails()
    {
        QFETCH(TTabkeuze, keuze);
        QWidget venster;
        venster.resize(400, 200);
        QTabWidget tabs(&venster);
        tabs.resize(400, 200);
        db::TZNODBNumericEdit loonVeld(nullptr, "edLoonbedrag");
        auto* pagina = new QWidget;
        widgets::TZNODBNumericEdit loon(loonVeld, pagina);
        tabs.addTab(pagina, "&Werknemersgegevens");
        tabs.addTab(new QWidget, "&Toon Berekening");
        new ui::TTabwachter(tabs);
        int meldingen = 0;
        loonVeld.OnValidate = [&](db::TZNODBComponent&, bool& geldig) {
            geldig = loonVeld.Number().value_or(0) >= 0;
            if (geldig)
                return;
            ++meldingen;
            QMessageBox::warning(&venster, "Vkt2020 foutmelding", "Loonbedrag is ongeldig of niet ingevuld.");
            loon.InvoerWidget()->setFocus();
        };
        venster.show();
        QVERIFY(QTest::qWaitForWindowActive(&venster));
        widgets::test::Meldingvanger vanger;
        QWidget* invoer = loon.InvoerWidget();
        QTest::mouseClick(invoer, Qt::LeftButton);
        QTest::keyClicks(invoer, "123-");
        switch (keuze) {
        case TTabkeuze::Klik:
            QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(1).center());
            break;
        case TTabkeuze::AltLetter:
            QTest::keyClick(invoer, Qt::Key_T, Qt::AltModifier);
            break;
        case TTabkeuze::CtrlTab:
            QTest::keyClick(invoer, Qt::Key_Tab, Qt::ControlModifier);
            break;
        }
        QCOMPARE(meldingen, 1);
        QCOMPARE(vanger.Tekst, "Loonbedrag is ongeldig of niet ingevuld.");
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(venster.focusWidget(), invoer);
    }

    // A birth date that does not exist is told once, in Dutch, by the
    // program's own check.
    void ANonexistentDateIsToldOnceInDutch()
    {
        TOpgeslagen opgeslagen;
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        programma.KlikTab(ui::tabWerknemersgegevens);
        widgets::test::Meldingvanger vanger;
        QWidget* datum = programma.Veld("edGebDatum");
        datum->setFocus();
        QTest::keyClick(datum, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClicks(datum, "31022020");
        QTest::keyClick(datum, Qt::Key_Tab);
        QTest::qWait(50);
        QCOMPARE(programma.Meldingen.Foutmeldingen, QStringList{"Geboortedatum is ongeldig of niet ingevuld."});
        QCOMPARE(vanger.Tekst, QString());
        QCOMPARE(programma.Venster().focusWidget(), datum);
    }
};

QTEST_MAIN(InvoerVastleggenTest)
#include "InvoerVastleggenTest.moc"
