#include "widgets/NumeriekVeld.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "Testvenster.h"

using namespace vkt::widgets;

namespace {

using Venster = test::Testvenster<TZNONumericEdit>;

QString Getoond(const Venster& v) { return v.veld.text().trimmed(); }

QString Fout(const std::function<void()>& actie)
{
    try {
        actie();
    } catch (const ENumericError& fout) {
        return fout.what();
    }
    return "no error";
}

// Characters typed, then keys pressed, then characters typed.
QTestEventList Toetsen(const QString& tekens, QList<Qt::Key> toetsen = {}, const QString& daarna = {})
{
    QTestEventList lijst;
    lijst.addKeyClicks(tekens);
    for (Qt::Key toets : toetsen)
        lijst.addKeyClick(toets);
    lijst.addKeyClicks(daarna);
    return lijst;
}

} // namespace

class NumeriekVeldTest : public QObject {
    Q_OBJECT

private slots:
    void TypingFillsTheTemplateAndLeavingNormalises_data()
    {
        QTest::addColumn<double>("begin");
        QTest::addColumn<QTestEventList>("toetsen");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("verlaten");
        const double leeg = std::nan("");
        QTest::newRow("leading zeros") << leeg << Toetsen("0070,") << "0.070," << "70,00";
        QTest::newRow("lone minus") << leeg << Toetsen("-") << "-," << "-0,00";
        QTest::newRow("decimals filled on leaving") << leeg << Toetsen("5,2") << "5,2" << "5,20";
        QTest::newRow("regrouped while typing") << leeg << Toetsen("1234,5") << "1.234,5" << "1.234,50";
        QTest::newRow("minus toggles wherever typed") << leeg << Toetsen("12-") << "-12," << "-12,00";
        QTest::newRow("minus twice") << leeg << Toetsen("12--") << "12," << "12,00";
        QTest::newRow("plus on a negative number") << leeg << Toetsen("-7+") << "7," << "7,00";
        QTest::newRow("no more digits than fit") << leeg << Toetsen("1234567890123") << "123.456.789," << "123.456.789,00";
        QTest::newRow("decimals overwrite and stop at the end") << leeg << Toetsen("5,1234") << "5,12" << "5,12";
        QTest::newRow("a thousands point is skipped") << leeg << Toetsen("3.250,00") << "3.250,00" << "3.250,00";
        QTest::newRow("a point in the whole part stays there") << leeg << Toetsen("3.5") << "35," << "35,00";
        QTest::newRow("letters are swallowed") << leeg << Toetsen("4a2") << "42," << "42,00";
        QTest::newRow("backspace in the integer part") << leeg << Toetsen("1234", {Qt::Key_Backspace}) << "123,"
                                                       << "123,00";
        QTest::newRow("backspace in the decimals")
            << leeg << Toetsen("8,75", {Qt::Key_Backspace}) << "8,7" << "8,70";
        QTest::newRow("backspace at the first decimal goes back")
            << leeg << Toetsen("8,", {Qt::Key_Backspace}, "9") << "89," << "89,00";
        QTest::newRow("backspace over the minus sign") << leeg << Toetsen("-3", {Qt::Key_Left, Qt::Key_Backspace})
                                                        << "3," << "3,00";
        QTest::newRow("typing replaces a selected value") << 1234.5 << Toetsen("9") << "9," << "9,00";
        QTest::newRow("minus replaces a selected value") << 1234.5 << Toetsen("-") << "-," << "-0,00";
        QTest::newRow("delete empties a selected value")
            << 1234.5 << Toetsen("", {Qt::Key_Delete}) << "," << ",";
        QTest::newRow("home then delete") << 1234.56 << Toetsen("", {Qt::Key_Home, Qt::Key_Delete}) << "234,56"
                                          << "234,56";
        QTest::newRow("end twice then backspace")
            << 1234.56 << Toetsen("", {Qt::Key_End, Qt::Key_End, Qt::Key_End, Qt::Key_Backspace}) << "1.234,5"
            << "1.234,50";
        QTest::newRow("delete before the separator moves into the decimals")
            << 12.34 << Toetsen("", {Qt::Key_End, Qt::Key_End, Qt::Key_Delete, Qt::Key_Delete}) << "12,4"
            << "12,40";
        QTest::newRow("insert in the middle keeps the caret")
            << 1234.0 << Toetsen("", {Qt::Key_Home, Qt::Key_Right}, "56") << "156.234,00"
            << "156.234,00";
    }

    void TypingFillsTheTemplateAndLeavingNormalises()
    {
        QFETCH(double, begin);
        QFETCH(QTestEventList, toetsen);
        QFETCH(QString, getypt);
        QFETCH(QString, verlaten);
        Venster v;
        if (!std::isnan(begin))
            v.veld.SetValue(begin);
        v.Open();
        toetsen.simulate(&v.veld);
        QCOMPARE(Getoond(v), getypt);
        QCOMPARE(v.veld.text().size(), 14);
        QTest::keyClick(&v.veld, Qt::Key_Tab);
        QVERIFY(v.ander.hasFocus());
        QCOMPARE(Getoond(v), verlaten);
    }

    void WritingAValueFormatsItOrRefusesIt_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("waarde");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("fout");
        QTest::newRow("grouped, right-aligned in 14") << "1.000,00" << 12 << 2 << 1234567.5 << "  1.234.567,50"
                                                      << "no error";
        QTest::newRow("13 characters do not fit")
            << "1.000,00" << 12 << 2 << 1234567890.0 << "           ,  " << "Value is too large to be displayed";
        QTest::newRow("whole numbers, three digits") << "1000,00" << 3 << 0 << 123.0 << "123" << "no error";
        QTest::newRow("four digits do not fit") << "1000,00" << 3 << 0 << 1234.0 << "   "
                                                << "Value is too large to be displayed";
        QTest::newRow("rounded half away from zero") << "1000,00" << 7 << 3 << -12.3456 << "-12,346" << "no error";
        QTest::newRow("the sign counts") << "1000,00" << 7 << 3 << -123.0 << "   ,   "
                                         << "Value is too large to be displayed";
        QTest::newRow("English grouping") << "1,000.00" << 12 << 2 << 1234567.5 << "  1,234,567.50" << "no error";
        QTest::newRow("English without grouping") << "1000.00" << 12 << 2 << -1234.5 << "    -1234.50" << "no error";
    }

    void WritingAValueFormatsItOrRefusesIt()
    {
        QFETCH(QString, format);
        QFETCH(int, digits);
        QFETCH(int, decimals);
        QFETCH(double, waarde);
        QFETCH(QString, tekst);
        QFETCH(QString, fout);
        TZNONumericEdit veld;
        veld.SetNumericFormat(format);
        veld.SetDecimals(decimals);
        veld.SetDigits(digits);
        if (decimals == 0)
            QCOMPARE(veld.text(), QString(digits, u' '));
        QCOMPARE(Fout([&] { veld.SetValue(waarde); }), fout);
        QCOMPARE(veld.text(), tekst);
        if (fout == "no error")
            QCOMPARE(veld.Value(), std::round(waarde * std::pow(10, decimals)) / std::pow(10, decimals));
    }

    void SettingsThatDoNotFitAreRefusedAndKeepThePrevious()
    {
        TZNONumericEdit veld;
        veld.SetValue(1234.5);
        QCOMPARE(Fout([&] { veld.SetDecimals(11); }), "too many decimals for the specified number of digits");
        QCOMPARE(veld.Decimals(), 2);
        QCOMPARE(Fout([&] { veld.SetDecimals(-1); }), "value must be greather than or equal to 0");
        QCOMPARE(Fout([&] { veld.SetDigits(3); }), "too many decimals for the specified number of digits");
        QCOMPARE(Fout([&] { veld.SetNumericFormat("1 000,00"); }), "Invalid numeric format");
        QCOMPARE(veld.NumericFormat(), "1.000,00");
        // The value no longer fits: the old setting and text come back.
        QCOMPARE(Fout([&] { veld.SetDigits(6); }), "Value is too large to be displayed");
        QCOMPARE(veld.Digits(), 12);
        QCOMPARE(veld.text(), "      1.234,50");
        // A setting that fits shows the value in the new form.
        veld.SetDecimals(3);
        QCOMPARE(veld.text(), "     1.234,500");
        veld.SetNumericFormat("1,000.00");
        QCOMPARE(veld.text(), "     1,234.500");
        veld.SetDecimals(0);
        QCOMPARE(veld.text(), QString(10, u' ') + "1,234");
        QCOMPARE(veld.Value(), 1234.0);
    }

    void WholeNumbersAndEmptiness()
    {
        TZNONumericEdit veld;
        QVERIFY(veld.IsEmpty());
        QCOMPARE(veld.Value(), 0.0);
        QCOMPARE(veld.AsInteger(), 0);
        veld.SetValue(-1234.56);
        QCOMPARE(veld.AsInteger(), -1234);
        veld.SetAsInteger(123456789);
        QCOMPARE(veld.text(), "123.456.789,00");
        QCOMPARE(Fout([&] { veld.SetAsInteger(1234567890); }), "AsInteger: value is too large to be displayed");
        QCOMPARE(veld.AsInteger(), 123456789);
        veld.Clear();
        QVERIFY(veld.IsEmpty());
        QCOMPARE(veld.text(), "           ,  ");
        QCOMPARE(veld.cursorPosition(), 11);
    }

    void LabelShowsTheValueWhileTheFieldHasNoFocus()
    {
        Venster v;
        auto* label = v.veld.findChild<QLabel*>();
        QVERIFY(label != nullptr);
        v.veld.SetValue(70);
        v.Open();
        QVERIFY(!label->isVisible());
        v.ander.setFocus();
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), "70,00");
        QCOMPARE(label->geometry(), QRect(1, 1, 120 - 8, 21 - 6));
        QVERIFY(label->alignment() & Qt::AlignRight);
        v.veld.SetAlignment(Qt::AlignLeft);
        QVERIFY(label->alignment() & Qt::AlignLeft);
        // A click on the label goes into the field.
        QTest::mouseClick(&v.veld, Qt::LeftButton, {}, QPoint(3, 10));
        QVERIFY(v.veld.hasFocus());
        QVERIFY(!label->isVisible());
        QCOMPARE(v.veld.palette().color(QPalette::Base), QColor(255, 255, 223));
        QTest::keyClick(&v.veld, Qt::Key_Tab);
        QVERIFY(label->isVisible());
        QVERIFY(v.veld.palette().color(QPalette::Base) != QColor(255, 255, 223));
    }

    // What the user sees, not only what the label holds: the unfocused field
    // draws its value in dark pixels, and only its decimal comma once cleared.
    void AnUnfocusedFieldDrawsItsValue()
    {
        Venster v;
        v.veld.SetValue(8888.88);
        v.Open();
        v.ander.setFocus();
        auto donkerePunten = [&] {
            const QImage beeld = v.veld.grab().toImage();
            int aantal = 0;
            for (int y = 0; y < beeld.height(); ++y)
                for (int x = 4; x < beeld.width() - 4; ++x)
                    aantal += qGray(beeld.pixel(x, y)) < 100 ? 1 : 0;
            return aantal;
        };
        QVERIFY2(donkerePunten() > 20, "the value is not drawn");
        v.veld.Clear();
        QVERIFY(donkerePunten() < 10);
    }

    void EnteringSelectsOrPlacesTheCaret()
    {
        Venster v;
        v.Open();
        QCOMPARE(v.veld.cursorPosition(), 11); // empty: before the separator
        QVERIFY(!v.veld.hasSelectedText());
        v.ander.setFocus();
        v.veld.SetValue(1234.5);
        v.veld.setFocus();
        QCOMPARE(v.veld.selectedText(), v.veld.text());
        v.ander.setFocus();
        v.veld.SetAutoSelect(false);
        v.veld.setFocus();
        QVERIFY(!v.veld.hasSelectedText());
        QCOMPARE(v.veld.cursorPosition(), v.veld.text().indexOf(u'1'));
        // With text selected, a navigation key only removes the selection.
        v.veld.selectAll();
        QTest::keyClick(&v.veld, Qt::Key_End);
        QVERIFY(!v.veld.hasSelectedText());
        QCOMPARE(v.veld.cursorPosition(), v.veld.text().indexOf(u'1'));
    }

    // Entering with the mouse is entering as with Tab: the value is selected,
    // so what is typed replaces it. Ctrl+A selects it again after a click
    // that put the caret.
    void AClickThatEntersSelectsTheValue_data()
    {
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<double>("begin");
        QTest::addColumn<bool>("klikEnCtrlA");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("verlaten");
        QTest::newRow("percentage 0,000") << 3 << 0.0 << false << "5" << "5,000";
        QTest::newRow("amount 0,00") << 2 << 0.0 << false << "550" << "550,00";
        QTest::newRow("amount 1.000,00, a second click and Ctrl+A") << 2 << 1000.0 << true << "3.250,00"
                                                                    << "3.250,00";
    }

    void AClickThatEntersSelectsTheValue()
    {
        QFETCH(int, decimalen);
        QFETCH(double, begin);
        QFETCH(bool, klikEnCtrlA);
        QFETCH(QString, getypt);
        QFETCH(QString, verlaten);
        Venster v;
        v.veld.SetDigits(decimalen == 3 ? 7 : 9);
        v.veld.SetDecimals(decimalen);
        v.veld.SetValue(begin);
        v.Open();
        v.ander.setFocus();
        QTest::mouseClick(&v.veld, Qt::LeftButton, {}, QPoint(60, 10));
        QVERIFY(v.veld.hasFocus());
        QCOMPARE(v.veld.selectedText(), v.veld.text());
        if (klikEnCtrlA) {
            QTest::mouseClick(&v.veld, Qt::LeftButton, {}, QPoint(60, 10));
            QVERIFY(!v.veld.hasSelectedText());
            QTest::keyClick(&v.veld, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(v.veld.selectedText(), v.veld.text());
        }
        QTest::keyClicks(&v.veld, getypt);
        QTest::keyClick(&v.veld, Qt::Key_Tab);
        QCOMPARE(Getoond(v), verlaten);
    }

    // Dragging with the button that entered keeps the selection; a click in
    // the focused field puts the caret on the nearest digit, to edit in place.
    void ASecondClickPlacesTheCaret()
    {
        Venster v;
        v.veld.SetValue(1000);
        v.Open();
        v.ander.setFocus();
        QTest::mousePress(&v.veld, Qt::LeftButton, {}, QPoint(100, 10));
        QTest::mouseMove(&v.veld, QPoint(40, 10));
        QTest::mouseRelease(&v.veld, Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(v.veld.selectedText(), v.veld.text());
        QTest::mouseClick(&v.veld, Qt::LeftButton, {}, QPoint(118, 10));
        QVERIFY(!v.veld.hasSelectedText());
        QCOMPARE(v.veld.cursorPosition(), 13); // on the last decimal
        QTest::keyClicks(&v.veld, "5");
        QCOMPARE(Getoond(v), "1.000,05");
    }

    // The group character of the format is skipped; its decimal separator
    // and the keypad's decimal key, whatever it types, go to the decimals.
    void SeparatorsTakeTheirRoleFromTheFormat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QTestEventList>("toetsen");
        QTest::addColumn<QString>("getypt");
        QTestEventList toetsenbordPunt;
        toetsenbordPunt.addKeyClicks("3");
        toetsenbordPunt.addKeyClick(Qt::Key_Period, Qt::KeypadModifier);
        toetsenbordPunt.addKeyClicks("5");
        QTestEventList toetsenbordKomma;
        toetsenbordKomma.addKeyClicks("3");
        toetsenbordKomma.addKeyClick(Qt::Key_Comma, Qt::KeypadModifier);
        toetsenbordKomma.addKeyClicks("5");
        QTest::newRow("1.000,00 keypad point") << "1.000,00" << toetsenbordPunt << "3,5";
        QTest::newRow("1.000,00 keypad comma") << "1.000,00" << toetsenbordKomma << "3,5";
        QTest::newRow("1000,00 typed 3.250,00") << "1000,00" << Toetsen("3.250,00") << "3250,00";
        QTest::newRow("1,000.00 typed 3,250.00") << "1,000.00" << Toetsen("3,250.00") << "3,250.00";
        QTest::newRow("1,000.00 a comma is skipped") << "1,000.00" << Toetsen("3,5") << "35.";
        QTest::newRow("1,000.00 keypad comma") << "1,000.00" << toetsenbordKomma << "3.5";
    }

    void SeparatorsTakeTheirRoleFromTheFormat()
    {
        QFETCH(QString, format);
        QFETCH(QTestEventList, toetsen);
        QFETCH(QString, getypt);
        Venster v;
        v.veld.SetNumericFormat(format);
        v.Open();
        toetsen.simulate(&v.veld);
        QCOMPARE(Getoond(v), getypt);
    }

    void ReadOnlyFieldOnlyNavigates()
    {
        Venster v;
        v.veld.SetValue(12.5);
        v.veld.SetReadOnly(true);
        v.Open();
        QTest::keyClicks(&v.veld, "9-");
        QTest::keyClick(&v.veld, Qt::Key_Delete);
        QTest::keyClick(&v.veld, Qt::Key_Home);
        QTest::keyClick(&v.veld, Qt::Key_Backspace);
        QCOMPARE(Getoond(v), "12,50");
        QCOMPARE(v.veld.cursorPosition(), v.veld.text().indexOf(u'1'));
        QTest::keyClick(&v.veld, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(Getoond(v), "12,50");
    }

    void EnterMovesToTheNextField()
    {
        Venster v;
        v.Open();
        QTest::keyClicks(&v.veld, "3");
        QTest::keyClick(&v.veld, Qt::Key_Return);
        QVERIFY(v.ander.hasFocus());
        QCOMPARE(Getoond(v), "3,00");
        v.veld.setFocus();
        v.veld.SetTabOnEnter(false);
        QTest::keyClick(&v.veld, Qt::Key_Return);
        QVERIFY(v.veld.hasFocus());
    }

    void ClipboardCopiesCutsAndPastes()
    {
        Venster v;
        v.veld.SetValue(1234.5);
        v.Open();
        QClipboard* klembord = QApplication::clipboard();
        QTest::keyClick(&v.veld, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(klembord->text(), "1.234,50");
        QTest::keyClick(&v.veld, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(klembord->text(), "1.234,50");
        QVERIFY(v.veld.IsEmpty());

        klembord->setText("7.654,321");
        QTest::keyClick(&v.veld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Getoond(v), "7.654,32");
        QCOMPARE(v.veld.cursorPosition(), 11);
        klembord->setText("geen getal");
        v.veld.Paste();
        QCOMPARE(Getoond(v), "7.654,32");

        // A value that does not fit is refused with its message; the field keeps its value.
        test::Meldingvanger vanger;
        klembord->setText("1234567890");
        v.veld.Paste();
        QCOMPARE(vanger.Tekst, "Value is too large to be displayed");
        QCOMPARE(Getoond(v), "7.654,32");
    }

    void PastingReadsTheFieldsOwnSeparators()
    {
        TZNONumericEdit veld;
        veld.SetNumericFormat("1,000.00");
        QApplication::clipboard()->setText("1,234.5");
        veld.Paste();
        QCOMPARE(veld.text().trimmed(), "1,234.50");
        QCOMPARE(veld.Value(), 1234.5);
    }

    // Last: the class-wide colour stays for the rest of the process.
    void ClassFocusColourOverridesEveryLaterAssignment()
    {
        TZNONumericEdit eerder;
        QCOMPARE(eerder.FocusedColor(), QColor(255, 255, 223));
        TZNONumericEdit::SetClassFocusedColor(Qt::white);
        TZNONumericEdit later;
        QCOMPARE(later.FocusedColor(), QColor(Qt::white));
        later.SetFocusedColor(Qt::red);
        QCOMPARE(later.FocusedColor(), QColor(Qt::white));
        QCOMPARE(eerder.FocusedColor(), QColor(255, 255, 223));
        QCOMPARE(TZNOEdit().FocusedColor(), QColor(255, 255, 223));
    }
};

QTEST_MAIN(NumeriekVeldTest)
#include "NumeriekVeldTest.moc"
