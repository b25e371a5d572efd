#include "ModaalAntwoord.h"
#include "Rekenomgeving.h"

#include "calc/Rapport.h"
#include "common/Meldingen.h"
#include "db/Query.h"
#include "store/SocialeFondsen.h"
#include "support/Werknemersmodule.h"
#include "ui/FondsRegelsScherm.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/ZNOEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QTest>

#include <algorithm>

using namespace vkt;
using namespace vkt::ui;
using widgets::TVKTSocialeFondsKolomRegelControl;

namespace {

constexpr int kWerknemer = 5;

// The social-funds tab of a calculation that is open: its scroll area with
// the fund rows, and a field outside them to leave a row for.
class Tabblad : public QWidget {
public:
    Tabblad() : scherm(module.Dm(), fondsen, scrollbox, meldingen, this)
    {
        module.Dm().SetWerkgeversnummer(1);
        module.Dm().SetWerknemersnummer(kWerknemer);
        scrollbox.setGeometry(0, 0, 740, 300);
        buiten.setGeometry(0, 310, 100, 21);
        resize(740, 340);
        scherm.LaadSocialeFondsen(kWerknemer);
        show();
    }

    // The stored funds, "key:number:active:description:WN premium:WG booking", in key order.
    QString Tabel()
    {
        db::Query q(module.Dm().adbQuelvar,
                    "SELECT group_concat(r, ' ') AS t FROM (SELECT Werkgeversnummer || ':' || Fondsnummer || ':' || "
                    "FondsActief || ':' || Omschrijving || ':' || PremieWN || ':' || WGBoekenInKolom AS r FROM "
                    "SociaalFondsWG ORDER BY Werkgeversnummer, Fondsnummer)");
        q.Open();
        return q.IsNull("t") ? "" : QString::fromStdString(q.AsText("t"));
    }

    void Bewaar()
    {
        scherm.NeemWaardenOver();
        fondsen.BewaarSocialeFondsen(kWerknemer);
    }

    test::OpenWerknemersmodule module;
    TBewaardeMeldingen meldingen;
    TSocialeFondsen fondsen{module.Dm()};
    QScrollArea scrollbox{this};
    QLineEdit buiten{this};
    TFondsRegelsScherm scherm;
};

// Answers "Nieuw sociaal fonds": the description, the employee's percentage
// and "&Opslaan".
void DefinieerFonds(const QString& omschrijving, const QString& premie)
{
    BeantwoordModaal([=](QWidget& venster) {
        QVERIFY(QTest::qWaitForWindowActive(&venster));
        auto* veld = venster.findChild<widgets::TZNOEdit*>("edOmschrijving");
        veld->setFocus();
        QTest::keyClicks(veld, omschrijving);
        auto* percentage = venster.findChild<widgets::TZNONumericEdit*>("edPercentageWerknemer");
        percentage->setFocus();
        QTest::keyClicks(percentage, premie);
        veld->setFocus(); // leaves the row, which takes its values
        QTest::mouseClick(venster.findChild<QWidget*>("btnOpslaan"), Qt::LeftButton);
        if (venster.isVisible())
            QTest::mouseClick(venster.findChild<QWidget*>("btnAnnuleren"), Qt::LeftButton);
    });
}

// Saves a picture of the window into the folder VKT_VENSTERAFBEELDINGEN
// names, to look at.
void Teken(QWidget& venster, const QString& naam)
{
    const QString map = qEnvironmentVariable("VKT_VENSTERAFBEELDINGEN");
    if (!map.isEmpty())
        venster.grab().save(map + "/" + naam);
}

// Answers "Sociale fondsen": sets the check of the fund at that place, then "&OK".
void VinkAan(int plaats, bool aan)
{
    BeantwoordModaal([=](QWidget& venster) {
        auto* lijst = venster.findChild<QListWidget*>("lbSociaalFonds");
        lijst->item(plaats)->setCheckState(aan ? Qt::Checked : Qt::Unchecked);
        QTest::mouseClick(venster.findChild<QWidget*>("btnOk"), Qt::LeftButton);
    });
}

} // namespace

class SocialeFondsenSchermTest : public QObject {
    Q_OBJECT

private slots:
    void AFundIsDefinedDetachedAndAttachedAgainAcrossSaves()
    {
        Tabblad tab;
        DefinieerFonds("Pensioenfonds Bouw", "2");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        TVKTSocialeFondsKolomRegelControl* rij = tab.scherm.Rij(1);
        QVERIFY(rij != nullptr);
        QCOMPARE(rij->objectName(), QString("SFControl1"));
        QCOMPARE(rij->Caption(), QString("Pensioenfonds Bouw"));
        QVERIFY(rij->isVisible());
        QCOMPARE(tab.Tabel(), QString("0:1:0:Pensioenfonds Bouw:2.0:0 5:1:1:Pensioenfonds Bouw:2.0:0"));

        // The same description in other letters and with blanks is refused.
        DefinieerFonds(" pensioenFONDS bouw ", "1");
        QVERIFY(!tab.scherm.NieuwSociaalFonds());
        QCOMPARE(tab.meldingen.Meldingen, std::vector<std::string>{"Omschrijving bestaat reeds of is niet ingevuld."});

        VinkAan(0, false);
        QVERIFY(tab.scherm.KiesSocialeFondsen());
        QVERIFY(!rij->isVisible());
        tab.Bewaar();
        QCOMPARE(tab.Tabel(), QString("0:1:0:Pensioenfonds Bouw:2.0:0 5:1:0:Pensioenfonds Bouw:2.0:0"));

        VinkAan(0, true);
        QVERIFY(tab.scherm.KiesSocialeFondsen());
        QCOMPARE(tab.scherm.Rij(1), rij);
        QVERIFY(rij->isVisible());
        rij->SetPremieWN(3);
        tab.Bewaar();
        QCOMPARE(tab.Tabel(), QString("0:1:0:Pensioenfonds Bouw:2.0:0 5:1:1:Pensioenfonds Bouw:3.0:0"));
    }

    // An empty catalogue tells how to make a fund; once there is one, the
    // list shows it instead.
    void AnEmptyCatalogueTellsHowToMakeAFund()
    {
        Tabblad tab;
        QString tekst;
        bool lijstZichtbaar = true;
        auto bekijk = [&](QWidget& venster) {
            const auto* label = venster.findChild<QLabel*>("lblGeenFondsen");
            tekst = label && label->isVisible() ? label->text() : QString();
            lijstZichtbaar = venster.findChild<QListWidget*>("lbSociaalFonds")->isVisible();
            Teken(venster, tekst.isEmpty() ? "sociale-fondsen.png" : "sociale-fondsen-leeg.png");
        };
        BeantwoordMetToets(Qt::Key_Escape, bekijk);
        QVERIFY(!tab.scherm.KiesSocialeFondsen());
        QCOMPARE(tekst, QString("Er zijn nog geen sociale fondsen om uit te kiezen.\n\nMaak een fonds met de knop "
                                "\"Nieuw sociaal fonds\" op het tabblad Sociale Fondsen; daarna staat het hier."));
        QVERIFY(!lijstZichtbaar);

        DefinieerFonds("Pensioenfonds Bouw", "2");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        BeantwoordMetToets(Qt::Key_Escape, bekijk);
        QVERIFY(!tab.scherm.KiesSocialeFondsen());
        QVERIFY(tekst.isEmpty() && lijstZichtbaar);
    }

    void ACatalogueFundIsAttachedAfterLoadingAndRowsStackWithoutGaps()
    {
        Tabblad tab;
        DefinieerFonds("Fonds A", "1");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        DefinieerFonds("Fonds B", "1");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        DefinieerFonds("Fonds C", "1");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        tab.Bewaar();
        tab.scherm.VerwijderFondsRegels();
        QVERIFY(tab.scherm.Rijen().empty());
        QVERIFY(!tab.fondsen.FondsRegels);
        // Loading the calculation loads its three attached funds; their rows follow.
        tab.fondsen.LaadSocialeFondsen(kWerknemer);
        tab.scherm.ToonGeladenFondsen();
        QCOMPARE(tab.scherm.Rijen().size(), 3u);
        VinkAan(1, false);
        QVERIFY(tab.scherm.KiesSocialeFondsen());
        const int hoogte = tab.scherm.Rij(1)->height();
        QCOMPARE(tab.scherm.Rij(1)->pos(), QPoint(0, 0));
        QCOMPARE(tab.scherm.Rij(3)->pos(), QPoint(0, hoogte + 5));
        QVERIFY(!tab.scherm.Rij(2)->isVisible());
    }

    void AFundOfTheEmployerBookedInColumnMinus17IsTheEmployersPart()
    {
        Tabblad tab;
        DefinieerFonds("Pensioenfonds Bouw", "2");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        TVKTSocialeFondsKolomRegelControl* rij = tab.scherm.Rij(1);
        tab.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tab));
        auto* boekenAls = rij->findChild<QComboBox*>("cmbBoekenAlsWerkgever");
        boekenAls->setFocus();
        while (boekenAls->currentData().toInt() != -17)
            QTest::keyClick(boekenAls, Qt::Key_Down);
        auto* premie = rij->findChild<widgets::TZNONumericEdit*>("edPercentageWerkgever");
        premie->setFocus();
        QTest::keyClicks(premie, "1");
        tab.buiten.setFocus();
        tab.scherm.NeemWaardenOver();

        test::Rekenomgeving r;
        TBerekeningInvoer invoer = test::Rekenomgeving::StandaardInvoer();
        invoer.Loonbedrag = 3000;
        invoer.SocialeFondsen = tab.fondsen.GetoondeFondsen();
        const std::vector<std::string> regels = SchrijfRapport(r.Reken(invoer));
        const auto regel = [&](const std::string& begin) {
            return std::any_of(regels.begin(), regels.end(), [&](const std::string& r) { return r.starts_with(begin); });
        };
        QString alles;
        for (const std::string& r : regels)
            alles += QString::fromStdString(r) + "\n";
        QVERIFY2(regel("   Werkn.deel Pensioenfonds Bouw                     -       60,00"), qPrintable(alles));
        QVERIFY(regel("   Werkg.deel Pensioenfonds Bouw                                   -       30,00"));
    }

    void AColumnTheRowRefusesIsTold_data()
    {
        QTest::addColumn<bool>("boeking");
        QTest::addColumn<QString>("melding");
        QTest::newRow("booking column") << true << "U mag in dit veld alleen kolomnummer 0, 3, 4, 5, 7 of 18 invullen";
        QTest::newRow("basis column")
            << false << "U mag in dit veld alleen kolomnummer 0, 3, 4, 5, 7, 8, 14, 15, 16, 17 of 18 invullen";
    }

    void AColumnTheRowRefusesIsTold()
    {
        QFETCH(bool, boeking);
        QFETCH(QString, melding);
        Tabblad tab;
        DefinieerFonds("Fonds A", "1");
        QVERIFY(tab.scherm.NieuwSociaalFonds());
        TVKTSocialeFondsKolomRegelControl* rij = tab.scherm.Rij(1);
        auto* veld = rij->findChild<widgets::TZNONumericEdit*>(boeking ? "edBoekenWerknemer" : "edGrondslagWerknemer");
        tab.buiten.setFocus();
        if (boeking)
            emit rij->InvalidKolomNr(veld);
        else
            emit rij->InvalidGrondslagnr(veld);
        QCOMPARE(tab.meldingen.Meldingen, std::vector<std::string>{melding.toStdString()});
    }
};

QTEST_MAIN(SocialeFondsenSchermTest)
#include "SocialeFondsenSchermTest.moc"
