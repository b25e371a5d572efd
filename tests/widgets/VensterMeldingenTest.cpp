#include "ModaalAntwoord.h"

#include "common/Exception.h"
#include "widgets/VensterMeldingen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vkt;
using namespace vkt::widgets;

namespace {

// What the message window showed: its caption, its text and its buttons.
struct Getoond {
    QString titel;
    QString tekst;
    QStringList knoppen;
};

std::function<void(QWidget&)> Bewaar(Getoond& getoond)
{
    return [&getoond](QWidget& venster) {
        getoond.titel = venster.windowTitle();
        getoond.tekst = venster.findChild<QLabel*>("lblMessage")->text();
        for (auto* knop : venster.findChildren<QPushButton*>())
            if (!knop->isHidden())
                getoond.knoppen << knop->text();
    };
}

} // namespace

class VensterMeldingenTest : public QObject {
    Q_OBJECT

private slots:
    void MessagesAndQuestionsHaveTheirCaptionsAndButtons_data()
    {
        QTest::addColumn<int>("soort"); // 0 message, 1 error, 2 question, 3 question with cancel
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("knoppen");
        QTest::addColumn<int>("antwoord");
        QTest::newRow("message") << 0 << "Vkt2020" << QStringList{"OK"} << 0;
        QTest::newRow("error") << 1 << "Vkt2020 foutmelding" << QStringList{"OK"} << 0;
        QTest::newRow("question") << 2 << "Vkt2020" << QStringList{"&Ja", "&Nee"} << int(mrNee);
        QTest::newRow("question with cancel")
            << 3 << "Vkt2020" << QStringList{"&Ja", "&Nee", "&Annuleren"} << int(mrAnnuleren);
    }

    void MessagesAndQuestionsHaveTheirCaptionsAndButtons()
    {
        QFETCH(int, soort);
        QFETCH(QString, titel);
        QFETCH(QStringList, knoppen);
        QFETCH(int, antwoord);

        TVensterMeldingen meldingen;
        TMeldingen& venster = meldingen;
        Getoond getoond;
        BeantwoordMetToets(Qt::Key_Return, Bewaar(getoond));
        const std::string tekst = "Vkt2020 wordt afgesloten.\r\nWilt u de huidige berekening opslaan?";
        int gekregen = 0;
        if (soort == 0)
            venster.ToonMelding(tekst);
        else if (soort == 1)
            venster.ToonFoutmelding(tekst);
        else
            gekregen = venster.StelVraag(tekst, soort == 3);

        QCOMPARE(getoond.titel, titel);
        QCOMPARE(getoond.tekst, QString("Vkt2020 wordt afgesloten.\nWilt u de huidige berekening opslaan?"));
        QCOMPARE(getoond.knoppen.size(), knoppen.size());
        for (const QString& knop : knoppen)
            QVERIFY(getoond.knoppen.contains(knop));
        QCOMPARE(gekregen, antwoord);
    }

    void AQuestionAnswersTheButtonClicked()
    {
        TVensterMeldingen meldingen;
        BeantwoordMetKnop("BitBtn1");
        QCOMPARE(meldingen.StelVraag("Doorgaan?", false), int(mrJa));
        BeantwoordMetKnop("BitBtn2");
        QCOMPARE(meldingen.StelVraag("Doorgaan?", true), int(mrNee));
    }

    void AnActionsExceptionBecomesAnErrorMessage_data()
    {
        QTest::addColumn<int>("fout"); // 0 none, 1 the program's own, 2 a library's, 3 anything else
        QTest::addColumn<bool>("klaar");
        QTest::addColumn<QStringList>("foutmeldingen");
        QTest::newRow("no error") << 0 << true << QStringList{};
        QTest::newRow("program's own") << 1 << false << QStringList{"frmMain.Opslaan: de schijf is vol"};
        QTest::newRow("library's") << 2 << false << QStringList{"vector"};
        QTest::newRow("anything else") << 3 << false << QStringList{"Er is een onbekende fout opgetreden."};
    }

    void AnActionsExceptionBecomesAnErrorMessage()
    {
        QFETCH(int, fout);
        QFETCH(bool, klaar);
        QFETCH(QStringList, foutmeldingen);

        TBewaardeMeldingen meldingen;
        bool gedaan = false;
        const bool gelukt = VoerUitMetFoutmelding(meldingen, [&] {
            if (fout == 1)
                throw Exception("frmMain.Opslaan: de schijf is vol");
            if (fout == 2)
                throw std::out_of_range("vector");
            if (fout == 3)
                throw 42;
            gedaan = true;
        });
        QCOMPARE(gelukt, klaar);
        QCOMPARE(gedaan, klaar);
        QStringList getoond;
        for (const auto& tekst : meldingen.Foutmeldingen)
            getoond << QString::fromStdString(tekst);
        QCOMPARE(getoond, foutmeldingen);
        QVERIFY(meldingen.Meldingen.empty());
    }

    void ASlotThatFailsShowsItsErrorInTheMessageWindow()
    {
        TVensterMeldingen meldingen;
        QPushButton knop("&Opslaan");
        QObject::connect(&knop, &QPushButton::clicked, &knop, [&meldingen] {
            VoerUitMetFoutmelding(meldingen, [] { throw Exception("Naam werknemer is niet ingevuld."); });
        });
        knop.show();
        Getoond getoond;
        BeantwoordMetToets(Qt::Key_Return, Bewaar(getoond));
        QTest::mouseClick(&knop, Qt::LeftButton);
        QCOMPARE(getoond.titel, QString("Vkt2020 foutmelding"));
        QCOMPARE(getoond.tekst, QString("Naam werknemer is niet ingevuld."));
    }
};

QTEST_MAIN(VensterMeldingenTest)
#include "VensterMeldingenTest.moc"
