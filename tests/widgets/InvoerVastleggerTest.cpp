#include "widgets/InvoerVastlegger.h"

#include "widgets/Datumveld.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "Testvenster.h"

using namespace vkt;
using namespace vkt::widgets;

namespace {

// The commands of a window, each the way a user gives it.
enum class TOpdracht { Sneltoets, AltLetter, Gereedschapsknop, Knop, Menubalk, Sluiten };

// A window with a fund row, whose values count once the row is left, and a
// data-aware amount that its check refuses below zero, as the program's
// checks do: a message, then the focus back in the field. Each command
// notes what the row and the amount hold when it acts.
class Venster : public QWidget {
public:
    Venster()
    {
        resize(720, 200);
        fonds.move(0, 25);
        bedrag.move(0, 100);
        knop.setGeometry(300, 130, 80, 25);
        gereedschap.setGeometry(400, 130, 80, 25);
        gereedschap.setText("Opslaan");
        menubalk.resize(720, 22);
        QMenu* menu = menubalk.addMenu("&Bestand");
        menu->addAction(&actie);
        addAction(&actie);
        actie.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        QObject::connect(&actie, &QAction::triggered, [this] { Noteer(); });
        QObject::connect(&knop, &QPushButton::clicked, [this] { Noteer(); });
        QObject::connect(&gereedschap, &QToolButton::clicked, [this] { Noteer(); });
        QObject::connect(menu, &QMenu::aboutToShow, [this] { Noteer(); });
        bedragVeld_.OnValidate = [this](db::TZNODBComponent&, bool& geldig) {
            geldig = bedragVeld_.Number().value_or(0) >= 0;
            if (geldig)
                return;
            QMessageBox::warning(this, "Vkt2020", "Het bedrag mag niet negatief zijn.");
            bedrag.InvoerWidget()->setFocus();
        };
    }

    void Open()
    {
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }

    TZNONumericEdit& Percentage() { return *fonds.findChild<TZNONumericEdit*>("edPercentageWerknemer"); }

    // Gives the command; true when it acted.
    bool Geef(TOpdracht opdracht)
    {
        const int eerder = opdrachten;
        QWidget* focus = QApplication::focusWidget();
        switch (opdracht) {
        case TOpdracht::Sneltoets:
            QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
            break;
        case TOpdracht::AltLetter:
            QTest::keyClick(focus, Qt::Key_O, Qt::AltModifier);
            QTest::qWait(300); // the button shows that it is pressed before it clicks
            break;
        case TOpdracht::Gereedschapsknop:
            QTest::mouseClick(&gereedschap, Qt::LeftButton);
            break;
        case TOpdracht::Knop:
            QTest::mouseClick(&knop, Qt::LeftButton);
            break;
        case TOpdracht::Menubalk:
            QTest::mouseClick(&menubalk, Qt::LeftButton, {}, menubalk.actionGeometry(menubalk.actions()[0]).center());
            if (QWidget* open = QApplication::activePopupWidget())
                open->close();
            break;
        case TOpdracht::Sluiten:
            close();
            break;
        }
        return opdrachten > eerder;
    }

    void closeEvent(QCloseEvent* event) override
    {
        Noteer();
        event->accept();
    }

    long double gezienPremie = -1;
    std::optional<double> gezienBedrag;
    int opdrachten = 0;

private:
    void Noteer()
    {
        ++opdrachten;
        gezienPremie = fonds.PremieWN();
        gezienBedrag = bedragVeld_.Number();
    }

    db::TZNODBNumericEdit bedragVeld_{nullptr, "edBedrag"};

public:
    TVKTSocialeFondsKolomRegelControl fonds{this};
    TZNODBNumericEdit bedrag{bedragVeld_, this};
    QPushButton knop{"&Opslaan", this};
    QToolButton gereedschap{this};
    QMenuBar menubalk{this};
    QAction actie{"Op&slaan"};
};

void Opdrachten()
{
    QTest::addColumn<TOpdracht>("opdracht");
    QTest::newRow("shortcut") << TOpdracht::Sneltoets;
    QTest::newRow("Alt+letter") << TOpdracht::AltLetter;
    QTest::newRow("tool button") << TOpdracht::Gereedschapsknop;
    QTest::newRow("button") << TOpdracht::Knop;
    QTest::newRow("menu bar") << TOpdracht::Menubalk;
    QTest::newRow("closing") << TOpdracht::Sluiten;
}

} // namespace

Q_DECLARE_METATYPE(TOpdracht)

class InvoerVastleggerTest : public QObject {
    Q_OBJECT

private slots:
    // What is typed and not yet left counts before the command; the user
    // keeps his place in the field (a clicked button takes the focus, as
    // it always does).
    void ACommandSeesWhatWasTyped_data() { Opdrachten(); }

    void ACommandSeesWhatWasTyped()
    {
        QFETCH(TOpdracht, opdracht);
        Venster v;
        v.Open();
        v.Percentage().setFocus();
        QTest::keyClicks(&v.Percentage(), "0,5");
        QVERIFY(v.Geef(opdracht));
        QCOMPARE(double(v.gezienPremie), 0.5);
        if (opdracht == TOpdracht::Sluiten)
            QVERIFY(!v.isVisible());
        else if (opdracht != TOpdracht::Knop)
            QCOMPARE(QApplication::focusWidget(), &v.Percentage());
    }

    // A check that keeps the focus in its field stops the command; the
    // window stays open and its message is shown once.
    void AFailingCheckStopsTheCommand_data() { Opdrachten(); }

    void AFailingCheckStopsTheCommand()
    {
        QFETCH(TOpdracht, opdracht);
        Venster v;
        v.Open();
        test::Meldingvanger vanger;
        QWidget* invoer = v.bedrag.InvoerWidget();
        invoer->setFocus();
        QTest::keyClicks(invoer, "-12");
        QVERIFY(!v.Geef(opdracht));
        QCOMPARE(vanger.Tekst, "Het bedrag mag niet negatief zijn.");
        QVERIFY(v.isVisible());
        QCOMPARE(v.focusWidget(), invoer);

        // Put right, the same command acts and sees the amount.
        vanger.Tekst.clear();
        v.activateWindow(); // the message box had the window's activation
        QTRY_VERIFY(invoer->hasFocus());
        QTest::keyClick(invoer, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(invoer, "12");
        QVERIFY(v.Geef(opdracht));
        QCOMPARE(v.gezienBedrag, std::optional<double>(12));
        QVERIFY(vanger.Tekst.isEmpty());
    }

    // A date field tells of a date that does not exist once the focus has
    // settled; a command waits for that, and does not act.
    void ANonexistentDateStopsTheCommand()
    {
        test::Testvenster<TZNODateEdit> v;
        QAction actie;
        actie.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        v.addAction(&actie);
        int opdrachten = 0;
        QObject::connect(&actie, &QAction::triggered, [&] { ++opdrachten; });
        v.Open();
        test::Meldingvanger vanger;
        QTest::keyClicks(&v.veld, "31022020");
        QTest::keyClick(&v.veld, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(opdrachten, 0);
        QCOMPARE(vanger.Tekst, "31-02-2020 is geen geldige datum.");
        QCOMPARE(v.focusWidget(), &v.veld);
    }

    // A dialog that closes is cancelled: its fields are not checked then.
    void ADialogClosesWithoutChecking()
    {
        QDialog venster;
        db::TZNODBNumericEdit veld{nullptr, "edBedrag"};
        int controles = 0;
        veld.OnValidate = [&](db::TZNODBComponent&, bool& geldig) {
            ++controles;
            geldig = false;
        };
        TZNODBNumericEdit bedrag{veld, &venster};
        venster.show();
        QVERIFY(QTest::qWaitForWindowActive(&venster));
        bedrag.InvoerWidget()->setFocus();
        QTest::keyClicks(bedrag.InvoerWidget(), "5");
        venster.close();
        QVERIFY(!venster.isVisible());
        QCOMPARE(controles, 0);
    }
};

QTEST_MAIN(InvoerVastleggerTest)
#include "InvoerVastleggerTest.moc"
