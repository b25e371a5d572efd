#include "ModaalAntwoord.h"

#include "common/Meldingen.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/ZNOMessageForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace vkt;
using namespace vkt::widgets;

namespace {

// The buttons a message window shows, left to right.
std::vector<QPushButton*> ZichtbareKnoppen(QWidget& venster)
{
    std::vector<QPushButton*> knoppen;
    for (QPushButton* knop : venster.findChildren<QPushButton*>())
        if (!knop->isHidden())
            knoppen.push_back(knop);
    std::sort(knoppen.begin(), knoppen.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return knoppen;
}

std::vector<int> LinkerkantenVan(const std::vector<QPushButton*>& knoppen)
{
    std::vector<int> links;
    for (QPushButton* knop : knoppen)
        links.push_back(knop->x());
    return links;
}

int ToonMetAntwoord(int soort, Qt::Key toets, bool focusEerst = false)
{
    BeantwoordMetToets(toets);
    return ZNOMessageBox("Doorgaan?", "Vkt2020", soort, 0, focusEerst);
}

} // namespace

class MeldingvensterTest : public QObject {
    Q_OBJECT

private slots:
    void EachKindShowsItsButtonsAndAnswers_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<QStringList>("bijschriften");
        QTest::addColumn<QList<int>>("antwoorden");
        QTest::addColumn<int>("enter");
        QTest::addColumn<int>("escape");

        QTest::newRow("0 OK") << 0 << QStringList{"OK"} << QList<int>{mrOk} << int(mrOk) << int(mrAnnuleren);
        QTest::newRow("1 OK, Annuleren") << 1 << QStringList{"&OK", "&Annuleren"} << QList<int>{mrOk, mrAnnuleren}
                                         << int(mrAnnuleren) << int(mrAnnuleren);
        QTest::newRow("3 Ja, Nee, Annuleren")
            << 3 << QStringList{"&Ja", "&Nee", "&Annuleren"} << QList<int>{mrJa, mrNee, mrAnnuleren}
            << int(mrAnnuleren) << int(mrAnnuleren);
        QTest::newRow("4 Ja, Nee") << 4 << QStringList{"&Ja", "&Nee"} << QList<int>{mrJa, mrNee} << int(mrNee)
                                   << int(mrNee);
        // The focus starts on the second button and that one is the cancel
        // button, so here both keys answer "&Ja".
        QTest::newRow("124 Nee, Ja") << 124 << QStringList{"&Nee", "&Ja"} << QList<int>{mrNee, mrJa} << int(mrJa)
                                     << int(mrJa);
        QTest::newRow("125 Ja, Ja op Alles, Nee")
            << 125 << QStringList{"&Ja", "Ja op A&lles", "&Nee"} << QList<int>{mrJa, mrJaOpAlles, mrNee}
            << int(mrJaOpAlles) << int(mrNee);
        QTest::newRow("126 memo") << 126 << QStringList{"OK"} << QList<int>{mrOk} << int(mrOk) << int(mrAnnuleren);
        QTest::newRow("2 behaves as 0") << 2 << QStringList{"OK"} << QList<int>{mrOk} << int(mrOk)
                                        << int(mrAnnuleren);
        QTest::newRow("-7 behaves as 0") << -7 << QStringList{"OK"} << QList<int>{mrOk} << int(mrOk)
                                         << int(mrAnnuleren);
    }

    void EachKindShowsItsButtonsAndAnswers()
    {
        QFETCH(int, soort);
        QFETCH(QStringList, bijschriften);
        QFETCH(QList<int>, antwoorden);
        QFETCH(int, enter);
        QFETCH(int, escape);

        TZNOMessageForm venster;
        venster.ZetMelding("Doorgaan?", "Vkt2020", soort);
        const auto knoppen = ZichtbareKnoppen(venster);
        QStringList getoond;
        for (QPushButton* knop : knoppen) {
            getoond << knop->text();
            QCOMPARE(knop->accessibleName(), ZonderSneltoets(knop->text()));
        }
        QCOMPARE(getoond, bijschriften);
        QCOMPARE(knoppen.front()->objectName(), QString("BitBtn1"));
        QVERIFY(knoppen.front()->isDefault());

        for (qsizetype i = 0; i < antwoorden.size(); ++i) {
            TZNOMessageForm vraag;
            vraag.ZetMelding("Doorgaan?", "Vkt2020", soort);
            BeantwoordMetKnop(ZichtbareKnoppen(vraag)[std::size_t(i)]->objectName());
            QCOMPARE(vraag.exec(), antwoorden[i]);
        }
        QCOMPARE(ToonMetAntwoord(soort, Qt::Key_Return), enter);
        QCOMPARE(ToonMetAntwoord(soort, Qt::Key_Escape), escape);
        BeantwoordModaal([](QWidget& vraag) { vraag.close(); });
        QCOMPARE(ZNOMessageBox("Doorgaan?", "Vkt2020", soort), int(mrAnnuleren));
    }

    void FocusFirstLetsEnterAnswerWithTheFirstButton()
    {
        QCOMPARE(ToonMetAntwoord(msJaNee, Qt::Key_Return, true), int(mrJa));
        QCOMPARE(ToonMetAntwoord(msJaNeeAnnuleren, Qt::Key_Enter, true), int(mrJa));
        QCOMPARE(ToonMetAntwoord(msJaNee, Qt::Key_Space), int(mrNee));
    }

    void ButtonsAreSpreadEvenlyOverTheWindow_data()
    {
        QTest::addColumn<int>("aantal");
        QTest::addColumn<int>("breedte");
        QTest::addColumn<std::vector<int>>("links");
        QTest::newRow("one, centred") << 1 << 432 << std::vector<int>{173};
        QTest::newRow("two") << 2 << 432 << std::vector<int>{87, 259};
        QTest::newRow("three in 438") << 3 << 438 << std::vector<int>{45, 176, 307};
        QTest::newRow("four") << 4 << 432 << std::vector<int>{18, 121, 225, 328};
        QTest::newRow("too narrow rounds toward zero") << 2 << 160 << std::vector<int>{-3, 79};
    }

    void ButtonsAreSpreadEvenlyOverTheWindow()
    {
        QFETCH(int, aantal);
        QFETCH(int, breedte);
        QFETCH(std::vector<int>, links);
        QCOMPARE(KnopPosities(aantal, breedte, 85), links);
    }

    void WindowPlacesItsButtonsByItsWidthWithHelpLast()
    {
        TZNOMessageForm venster;
        venster.ZetMelding("Doorgaan?", "Vkt2020", msJaNee, 0, false, false, 250, -1);
        QCOMPARE(venster.width(), 438);
        QCOMPARE(LinkerkantenVan(ZichtbareKnoppen(venster)), (std::vector<int>{89, 263}));

        venster.ZetMelding("Doorgaan?", "Vkt2020", msJaNeeAnnuleren, 12);
        const auto knoppen = ZichtbareKnoppen(venster);
        QCOMPARE(LinkerkantenVan(knoppen), KnopPosities(4, 432, 85));
        QCOMPARE(knoppen.back()->text(), QString("&Help"));
        QCOMPARE(knoppen.back()->accessibleName(), QString("Help"));
        for (QPushButton* knop : knoppen)
            QCOMPARE(knop->y(), 8);
    }

    void SizesFollowEnlargeWidthAndHeight_data()
    {
        QTest::addColumn<int>("soort");
        QTest::addColumn<bool>("vergroten");
        QTest::addColumn<int>("breedte");
        QTest::addColumn<int>("hoogte");
        QTest::addColumn<QSize>("venster");
        QTest::addColumn<QString>("tekstvak");
        QTest::addColumn<QRect>("tekstvakPlaats");
        QTest::addColumn<int>("lijnhoogte");
        QTest::addColumn<int>("logoBoven");

        QTest::newRow("as it starts") << 0 << false << -1 << -1 << QSize(432, 176) << "lblMessage"
                                      << QRect(173, 11, 244, 92) << 118 << 34;
        QTest::newRow("kind 0 ignores a size") << 0 << false << 300 << 150 << QSize(432, 176) << "lblMessage"
                                               << QRect(173, 11, 244, 92) << 118 << 34;
        QTest::newRow("enlarged") << 0 << true << -1 << -1 << QSize(432, 245) << "lblMessage"
                                  << QRect(173, 11, 244, 161) << 187 << 68;
        QTest::newRow("kind 4 wider and higher") << 4 << false << 300 << 150 << QSize(488, 234) << "lblMessage"
                                                 << QRect(173, 11, 300, 150) << 176 << 34;
        QTest::newRow("kind 4 smaller: the label shrinks, the window not")
            << 4 << false << 200 << 50 << QSize(432, 176) << "lblMessage" << QRect(173, 11, 200, 50) << 118 << 34;
        QTest::newRow("kind 126 sizes the memo") << 126 << false << 300 << 200 << QSize(486, 271) << "memMessage"
                                                 << QRect(171, 24, 300, 200) << 213 << 34;
        QTest::newRow("a mad width stays within bounds")
            << 4 << false << 1000000 << -1 << QSize(2188, 176) << "lblMessage" << QRect(173, 11, 2000, 92) << 118
            << 34;
    }

    void SizesFollowEnlargeWidthAndHeight()
    {
        QFETCH(int, soort);
        QFETCH(bool, vergroten);
        QFETCH(int, breedte);
        QFETCH(int, hoogte);
        QFETCH(QSize, venster);
        QFETCH(QString, tekstvak);
        QFETCH(QRect, tekstvakPlaats);
        QFETCH(int, lijnhoogte);
        QFETCH(int, logoBoven);

        TZNOMessageForm form;
        form.ZetMelding("Kort.", "Vkt2020", soort, 0, false, vergroten, breedte, hoogte);
        QCOMPARE(form.size(), venster);
        QCOMPARE(form.findChild<QWidget*>(tekstvak)->geometry(), tekstvakPlaats);
        QCOMPARE(form.findChild<QWidget*>("Bevel1")->height(), lijnhoogte);
        QCOMPARE(form.findChild<QWidget*>("imgLogo")->y(), logoBoven);
        QCOMPARE(form.findChild<QWidget*>("pnlButtons")->geometry(), QRect(0, venster.height() - 38, venster.width(), 38));
    }

    void ALongMessageMakesTheWindowHigherInsteadOfBeingCutOff()
    {
        QStringList regels;
        for (int i = 1; i <= 20; ++i)
            regels << QString("Regel %1 van een lange foutmelding.").arg(i);
        TZNOMessageForm form;
        form.ZetMelding(regels.join("\r\n"), "Vkt2020 foutmelding", msOk);
        auto* label = form.findChild<QLabel*>("lblMessage");
        QCOMPARE(label->text(), regels.join("\n"));
        QVERIFY(form.height() > 176);
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QCOMPARE(label->geometry().bottom() + 1 + 35, form.height() - 38);
    }

    void TheMemoHoldsOneLinePerLineOfTheMessage_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("regels");
        QTest::newRow("one line") << "één regel" << QStringList{"één regel"};
        QTest::newRow("CR LF") << "eerste\r\ntweede" << QStringList{"eerste", "tweede"};
        QTest::newRow("LF and CR LF mixed") << "a\nb\r\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("empty line kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("line feed at the end") << "slot\r\n" << QStringList{"slot"};
        QTest::newRow("empty") << "" << QStringList{""};
    }

    void TheMemoHoldsOneLinePerLineOfTheMessage()
    {
        QFETCH(QString, tekst);
        QFETCH(QStringList, regels);
        QCOMPARE(MeldingRegels(tekst), regels);

        TZNOMessageForm form;
        form.ZetMelding(tekst, "Vkt2020", msMemo);
        auto* memo = form.findChild<QPlainTextEdit*>("memMessage");
        QVERIFY(!memo->isHidden());
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->toPlainText().split(u'\n'), regels);
        QCOMPARE(form.findChild<QLabel*>("lblMessage")->text(), QString("Melding: "));
        QCOMPARE(memo->accessibleName(), QString("Melding:"));
    }

    void OtherKindsHideTheMemoAndShowTheTextAndCaption()
    {
        TZNOMessageForm form;
        QCOMPARE(form.windowTitle(), QString("a header"));
        form.ZetMelding("Opgeslagen.", "Vkt2020", msOk);
        QVERIFY(form.findChild<QWidget*>("memMessage")->isHidden());
        QCOMPARE(form.findChild<QLabel*>("lblMessage")->text(), QString("Opgeslagen."));
        QCOMPARE(form.windowTitle(), QString("Vkt2020"));
    }
};

QTEST_MAIN(MeldingvensterTest)
#include "MeldingvensterTest.moc"
