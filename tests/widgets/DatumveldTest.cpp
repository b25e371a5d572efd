#include "widgets/Datumveld.h"

#include "Testvenster.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace vkt;
using namespace vkt::widgets;

namespace {

using Venster = test::Testvenster<TZNODateEdit>;

} // namespace

class DatumveldTest : public QObject {
    Q_OBJECT

private slots:
    void TypedDatesAreCompletedOnLeaving_data()
    {
        QTest::addColumn<int>("vastJaar");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("datum");
        QTest::addColumn<int>("fout");
        QTest::newRow("two-digit year below the epoch") << 0 << "1-2-20" << "01-02-2020" << EncodeDate(2020, 2, 1)
                                                        << int(deGeen);
        QTest::newRow("the epoch itself is in the 1900s") << 0 << "1-2-50" << "01-02-1950" << EncodeDate(1950, 2, 1)
                                                          << int(deGeen);
        QTest::newRow("just below the epoch") << 0 << "1-2-49" << "01-02-2049" << EncodeDate(2049, 2, 1)
                                              << int(deGeen);
        QTest::newRow("points move on") << 0 << "1.2.20" << "01-02-2020" << EncodeDate(2020, 2, 1) << int(deGeen);
        QTest::newRow("blanks move on") << 0 << "1 2 20" << "01-02-2020" << EncodeDate(2020, 2, 1) << int(deGeen);
        QTest::newRow("slashes move on") << 0 << "1/2/20" << "01-02-2020" << EncodeDate(2020, 2, 1) << int(deGeen);
        QTest::newRow("a full date") << 0 << "29022020" << "29-02-2020" << EncodeDate(2020, 2, 29) << int(deGeen);
        QTest::newRow("no such day") << 0 << "31022020" << "31-02-2020" << 0.0 << int(deOngeldigBijVerlaten);
        QTest::newRow("month missing") << 0 << "12" << "12-  -    " << 0.0 << int(deOngeldigBijVerlaten);
        QTest::newRow("one year digit") << 0 << "1-2-2" << "1 -2 -2   " << 0.0 << int(deOngeldigBijVerlaten);
        QTest::newRow("three year digits") << 0 << "1-2-202" << "1 -2 -202 " << 0.0 << int(deOngeldigBijVerlaten);
        QTest::newRow("nothing typed is no error") << 0 << "" << "  -  -    " << 0.0 << int(deGeen);
        QTest::newRow("fixed year: day and month") << 2020 << "1-2" << "01-02-2020" << EncodeDate(2020, 2, 1)
                                                   << int(deGeen);
        QTest::newRow("fixed year: the year cannot be typed") << 2020 << "1-2-19" << "01-02-2020"
                                                              << EncodeDate(2020, 2, 1) << int(deGeen);
        QTest::newRow("fixed year: only the day") << 2020 << "15" << "15-  -2020" << 0.0
                                                  << int(deOngeldigBijVerlaten);
    }

    void TypedDatesAreCompletedOnLeaving()
    {
        QFETCH(int, vastJaar);
        QFETCH(QString, getypt);
        QFETCH(QString, tekst);
        QFETCH(double, datum);
        QFETCH(int, fout);
        Venster v;
        v.veld.SetDisplayErrors(false);
        v.veld.SetFixedYear(vastJaar);
        v.Open();
        QTest::keyClicks(&v.veld, getypt);
        QTest::keyClick(&v.veld, Qt::Key_Tab);
        QVERIFY(v.ander.hasFocus());
        QCOMPARE(v.veld.displayText(), tekst);
        QCOMPARE(int(v.veld.LastError()), fout);
        QCOMPARE(v.veld.Date(), datum);
        QCOMPARE(v.veld.QuietDate().value_or(-1), getypt.isEmpty() ? -1 : datum);
        if (fout != deGeen)
            QCOMPARE(v.veld.LastError(), deConversie);
    }

    void InvalidDateOnLeavingIsShownAndTheFocusComesBack()
    {
        Venster v;
        v.Open();
        {
            QSignalSpy verlaten(&v.veld, &TZNODateEdit::Exit);
            test::Meldingvanger vanger;
            QTest::keyClicks(&v.veld, "31022020");
            QTest::keyClick(&v.veld, Qt::Key_Tab);
            QCOMPARE(verlaten.count(), 1);
            QTRY_COMPARE(vanger.Titel, "Datumfout");
            QCOMPARE(vanger.Tekst, "31-02-2020 is geen geldige datum.");
            QTRY_COMPARE(v.focusWidget(), &v.veld);
            QCOMPARE(v.veld.selectedText(), "31-02-2020");
            v.activateWindow();
            QTRY_VERIFY(v.veld.hasFocus());
            QCOMPARE(v.veld.selectedText(), "31-02-2020");
            QCOMPARE(v.veld.LastError(), deOngeldigBijVerlaten);
        }

        test::Meldingvanger conversie;
        QCOMPARE(v.veld.Date(), 0.0);
        QCOMPARE(conversie.Titel, "Datumfout");
        QCOMPARE(conversie.Tekst, "De tekst kan niet als datum worden gelezen.");
        QCOMPARE(v.veld.LastError(), deConversie);
    }

    void PastedTwoDigitYearsUpToTheEpochAreInThe2000s_data()
    {
        QTest::addColumn<QString>("geplakt");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("the epoch year") << "01-02-50" << "01-02-2050";
        QTest::newRow("above the epoch") << "01-02-51" << "01-02-1951";
        QTest::newRow("leading zeros added") << "1-2-50" << "01-02-2050";
        QTest::newRow("four-digit year") << "1-12-1999" << "01-12-1999";
        QTest::newRow("no date: ignored") << "31-02-2020" << "05-05-2005";
        QTest::newRow("no text of a date: ignored") << "morgen" << "05-05-2005";
        QTest::newRow("other separator: ignored") << "01/02/2020" << "05-05-2005";
    }

    void PastedTwoDigitYearsUpToTheEpochAreInThe2000s()
    {
        QFETCH(QString, geplakt);
        QFETCH(QString, tekst);
        Venster v;
        v.veld.SetDate(EncodeDate(2005, 5, 5));
        v.Open();
        QApplication::clipboard()->setText(geplakt);
        QTest::keyClick(&v.veld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(v.veld.displayText(), tekst);
    }

    void MonthFirstOrder()
    {
        Venster v;
        v.veld.SetDisplayErrors(false);
        v.veld.SetDateFormat(TDateFormat::MMDDYYYY);
        v.Open();
        QTest::keyClicks(&v.veld, "2-1-20");
        QTest::keyClick(&v.veld, Qt::Key_Tab);
        QCOMPARE(v.veld.displayText(), "02-01-2020");
        QCOMPARE(v.veld.Date(), EncodeDate(2020, 2, 1));
        v.veld.SetDate(EncodeDate(2020, 12, 31));
        QCOMPARE(v.veld.displayText(), "12-31-2020");
    }

    void ReadOnlyEnterCutAndClear()
    {
        Venster v;
        v.veld.SetDate(EncodeDate(2020, 7, 1));
        v.veld.SetReadOnly(true);
        v.Open();
        QTest::keyClick(&v.veld, Qt::Key_Home);
        QTest::keyClicks(&v.veld, "12");
        QTest::keyClick(&v.veld, Qt::Key_Delete);
        QTest::keyClick(&v.veld, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(v.veld.displayText(), "01-07-2020");
        QTest::keyClick(&v.veld, Qt::Key_Return);
        QVERIFY(v.ander.hasFocus());

        v.veld.SetReadOnly(false);
        v.veld.setFocus();
        QTest::keyClick(&v.veld, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), "01-07-2020");
        QVERIFY(v.veld.IsEmpty());
        QVERIFY(v.veld.IsValid());
        QCOMPARE(v.veld.Date(), 0.0);
    }

    void ClickInAnEmptyFieldStartsAtTheBeginning()
    {
        Venster v;
        v.show();
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QTest::mouseClick(&v.veld, Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(v.veld.hasFocus());
        QCOMPARE(v.veld.cursorPosition(), 0);
        QCOMPARE(v.veld.palette().color(QPalette::Base), QColor(255, 255, 223));
    }
};

QTEST_MAIN(DatumveldTest)
#include "DatumveldTest.moc"
