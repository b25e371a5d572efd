#include "ModaalAntwoord.h"

#include "common/Meldingen.h"
#include "db/Query.h"
#include "model/Heffingsgegevens.h"
#include "support/Werknemersmodule.h"
#include "ui/Formuleveld.h"
#include "ui/FrmAfwijkendeGrondslagSF.h"
#include "ui/FrmAfwijkendeGrondslagWN.h"
#include "widgets/SocialeFondsKolomRegelControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace vkt;
using namespace vkt::ui;

namespace {

constexpr int kWerkgever = 1;
constexpr int kWerknemer = 5;

// Types into a field: a character as it is, "<BS>", "<DEL>", "<L>", "<R>",
// "<HOME>", "<UP>" and "<DOWN>" as those keys.
void Typ(QWidget* veld, const QString& invoer)
{
    static const std::map<QString, Qt::Key> toetsen{{"BS", Qt::Key_Backspace}, {"DEL", Qt::Key_Delete},
                                                    {"L", Qt::Key_Left},       {"R", Qt::Key_Right},
                                                    {"HOME", Qt::Key_Home},    {"UP", Qt::Key_Up},
                                                    {"DOWN", Qt::Key_Down}};
    for (qsizetype i = 0; i < invoer.size(); ++i) {
        if (invoer[i] == u'<') {
            const qsizetype einde = invoer.indexOf(u'>', i);
            QTest::keyClick(veld, toetsen.at(invoer.mid(i + 1, einde - i - 1)));
            i = einde;
        } else {
            QTest::keyClick(veld, invoer[i].toLatin1());
        }
    }
}

// Empties a field as a user does, then types into it.
void Vervang(QWidget& venster, const char* naam, const QString& invoer)
{
    QVERIFY(QTest::qWaitForWindowActive(&venster));
    auto* veld = venster.findChild<TFormuleVeld*>(naam);
    veld->setFocus();
    QTest::keyClick(veld, Qt::Key_End);
    while (!veld->text().isEmpty())
        QTest::keyClick(veld, Qt::Key_Backspace);
    Typ(veld, invoer);
}

void Klik(QWidget& venster, const char* naam) { QTest::mouseClick(venster.findChild<QWidget*>(naam), Qt::LeftButton); }

// A text of the employee database as SQLite holds it.
QString Waarde(TdmVektaris& dm, const std::string& sql)
{
    db::Query q(dm.adbQuelvar, "SELECT (" + sql + ") || '' AS w");
    q.Open();
    return q.IsNull("w") ? "NULL" : QString::fromStdString(q.AsText("w"));
}

} // namespace

class GrondslagDialogenTest : public QObject {
    Q_OBJECT

private slots:
    void AFormulaFieldTypesVariablesWithOneLetter_data()
    {
        QTest::addColumn<bool>("fonds");
        QTest::addColumn<QString>("invoer");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("caret");
        QTest::newRow("letter") << false << "B" << "[Brutoloon]" << 11;
        QTest::newRow("backspace removes the name") << false << "B<BS>" << "" << 0;
        QTest::newRow("backspace after a name with an operator in it") << false << "2*V<BS>" << "2*" << 2;
        QTest::newRow("comma typed as point") << false << "1,5*S" << "1.5*[Soc.Loon]" << 14;
        QTest::newRow("third bar refused") << false << "B|1|2|3" << "[Brutoloon]|1|23" << 16;
        QTest::newRow("other keys refused") << false << "Bx?a q" << "[Brutoloon]" << 11;
        QTest::newRow("letter case matters") << false << "wW" << "[WW.premie][WAO.premie]" << 23;
        QTest::newRow("left over a name") << false << "B+N<L>" << "[Brutoloon]+[Nettoloon]" << 12;
        QTest::newRow("right over a name") << false << "B+N<HOME><R>" << "[Brutoloon]+[Nettoloon]" << 11;
        QTest::newRow("delete removes the name") << false << "B+N<HOME><DEL>" << "+[Nettoloon]" << 0;
        QTest::newRow("delete a name with an operator in it") << true << "Z-1<HOME><DEL>" << "-1" << 0;
        QTest::newRow("up and down do nothing") << false << "(B-P)<UP><L><DOWN>" << "([Brutoloon]-[Pensioenpremie])" << 29;
        QTest::newRow("Z refused for the employee") << false << "Z" << "" << 0;
        QTest::newRow("Z for a fund") << true << "Z" << "[Zvw-loon]" << 10;
    }

    void AFormulaFieldTypesVariablesWithOneLetter()
    {
        QFETCH(bool, fonds);
        QFETCH(QString, invoer);
        QFETCH(QString, tekst);
        QFETCH(int, caret);
        TFormuleVeld veld(fonds);
        veld.show();
        QVERIFY(QTest::qWaitForWindowActive(&veld));
        Typ(&veld, invoer);
        QCOMPARE(veld.text(), tekst);
        QCOMPARE(veld.cursorPosition(), caret);
    }

    void AnInvalidFormulaIsRed()
    {
        TFormuleVeld veld(false);
        veld.setText("[Brutoloon]*");
        QVERIFY(!veld.Controleer());
        QCOMPARE(veld.palette().color(QPalette::Text), QColor(Qt::red));
        veld.setText("[Brutoloon]*2");
        QVERIFY(veld.Controleer());
        QCOMPARE(veld.palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));
    }

    void SavingAllFormulasEmptyDeletesTheRecord()
    {
        test::OpenWerknemersmodule module;
        TdmVektaris& dm = Open(module);
        dm.adbQuelvar.Execute("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, "
                              "Hersteldatum, FormulePensioen, IngeschakeldPensioen) VALUES (1, 5, "
                              "'9999-12-31 00:00:00', '9999-12-31 00:00:00', '[Brutoloon]*0.1', 1)");
        THeffingsgegevens vast;
        vast.FormulePensioen = "[Brutoloon]*0.1";
        TBewaardeMeldingen meldingen;
        TfrmAfwijkendeGrondslagWN dialoog(dm, &vast, meldingen);
        QSignalSpy herladen(&dialoog, &TfrmAfwijkendeGrondslagWN::FormulesHerladen);
        QCOMPARE(dialoog.findChild<TFormuleVeld*>("edPensioen")->text(), QString("[Brutoloon]*0.1"));
        QVERIFY(dialoog.findChild<QCheckBox*>("cbPensioen")->isChecked());
        BeantwoordModaal([](QWidget& venster) {
            Vervang(venster, "edPensioen", "");
            venster.findChild<TFormuleVeld*>("edVUT")->setFocus(); // leaving the empty field
            QVERIFY(!venster.findChild<QCheckBox*>("cbPensioen")->isChecked());
            Klik(venster, "btnOpslaan");
        });
        QCOMPARE(dialoog.Uitvoeren(), int(QDialog::Accepted));
        QCOMPARE(meldingen.Meldingen, std::vector<std::string>{"De grondslaggegevens zijn verwijderd"});
        QCOMPARE(Waarde(dm, "SELECT Count(*) FROM GrondslagWN"), QString("0"));
        QCOMPARE(herladen.count(), 1);
        QVERIFY(vast.FormulePensioen.empty());
    }

    void CheckingTheWhkBoxGivesTheEmployeesWhkLinesTheFormula()
    {
        test::OpenWerknemersmodule module;
        TdmVektaris& dm = Open(module);
        for (int werknemer : {5, 6})
            for (const auto& [lc, type] : {std::pair{1, 524291}, {2, 10000001}, {3, 128}})
                dm.adbQuelvar.Execute(
                    "INSERT INTO Heffingsregels (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, "
                    "Hersteldatum, Kolomnummer, Looncomponentnummer, Regeltype, KolomType) VALUES (1, " +
                    std::to_string(werknemer) + ", 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 13, " +
                    std::to_string(lc) + ", " + std::to_string(type) + ", 1)");
        TBewaardeMeldingen meldingen;
        TfrmAfwijkendeGrondslagWN dialoog(dm, nullptr, meldingen);
        BeantwoordModaal([](QWidget& venster) {
            Vervang(venster, "edWhk", "B*0.5");
            auto* box = venster.findChild<QCheckBox*>("cbWhk");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            Klik(venster, "btnOpslaan");
        });
        QCOMPARE(dialoog.Uitvoeren(), int(QDialog::Accepted));
        QCOMPARE(meldingen.Meldingen, std::vector<std::string>{"De grondslaggegevens zijn opgeslagen"});
        QCOMPARE(Waarde(dm, "SELECT group_concat(Werknemersnummer || ':' || Regeltype || '=' || KolomType, ' ') FROM "
                            "(SELECT * FROM Heffingsregels ORDER BY Werknemersnummer, Looncomponentnummer)"),
                 QString("5:524291=0 5:10000001=0 5:128=1 6:524291=1 6:10000001=1 6:128=1"));
        QCOMPARE(Waarde(dm, "SELECT FormuleWhk || ' ' || IngeschakeldWhk || ' ' || IngeschakeldPensioen FROM "
                            "GrondslagWN WHERE Werknemersnummer = 5"),
                 QString("[Brutoloon]*0.5 1 0"));
    }

    void AnInvalidFormulaIsNotSaved()
    {
        test::OpenWerknemersmodule module;
        TdmVektaris& dm = Open(module);
        TBewaardeMeldingen meldingen;
        TfrmAfwijkendeGrondslagWN dialoog(dm, nullptr, meldingen);
        BeantwoordModaal([](QWidget& venster) {
            Vervang(venster, "edWW", "B*");
            Klik(venster, "btnOpslaan");
            QVERIFY(venster.isVisible());
            Klik(venster, "btnAnnuleren");
        });
        QCOMPARE(dialoog.Uitvoeren(), int(QDialog::Rejected));
        QCOMPARE(meldingen.Foutmeldingen,
                 std::vector<std::string>{"Eén of meerdere berekeningsgrondslagen zijn niet correct. De "
                                          "berekeningsgrondslagen kunnen niet worden opgeslagen."});
        QCOMPARE(Waarde(dm, "SELECT Count(*) FROM GrondslagWN"), QString("0"));
    }

    void TheLegendShowsTheVariablesOnceShown()
    {
        widgets::TVKTSocialeFondsKolomRegelControl rij;
        TfrmAfwijkendeGrondslagSF dialoog(rij);
        QCOMPARE(dialoog.findChild<QLabel*>("lblLegendaV")->text(), QString("- VUT/FPU-premie"));
        dialoog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialoog));
        QCOMPARE(dialoog.findChild<QLabel*>("lblLegendaV")->text(), QString("[FPU/Vroegpensioen]"));
        QCOMPARE(dialoog.findChild<QLabel*>("lblLegendaZ")->text(), QString("[Zvw-loon]"));
    }

    void TheFundDialogHandsTheFormulasBackToTheRow()
    {
        widgets::TVKTSocialeFondsKolomRegelControl rij;
        rij.SetCaption("Pensioenfonds Bouw");
        rij.SetAfwijkendeGrondslagWG("[Brutoloon]");
        rij.SetAfwijkendeGrondslagWerkgever(true);
        QString titel;
        BeantwoordModaal([&](QWidget& venster) {
            titel = venster.windowTitle();
            Vervang(venster, "edWNDeel", "Z*2");
            auto* box = venster.findChild<QCheckBox*>("cbWNDeel");
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            Vervang(venster, "edWGDeel", "");
            Klik(venster, "btnOpslaan");
        });
        QVERIFY(TfrmAfwijkendeGrondslagSF::Bewerk(rij));
        QCOMPARE(titel, QString("Afwijkende berekeningsgrondslag sociaal fonds - Pensioenfonds Bouw"));
        QCOMPARE(rij.AfwijkendeGrondslagWN(), QString("[Zvw-loon]*2"));
        QVERIFY(rij.AfwijkendeGrondslagWerknemer());
        QCOMPARE(rij.AfwijkendeGrondslagWG(), QString(""));
        QVERIFY(!rij.AfwijkendeGrondslagWerkgever());
    }

    void AnInvalidFundFormulaKeepsTheDialogOpen()
    {
        widgets::TVKTSocialeFondsKolomRegelControl rij;
        QString melding;
        BeantwoordModaal([&](QWidget& venster) {
            Vervang(venster, "edWGDeel", "(B");
            BeantwoordModaal([&](QWidget& box) {
                melding = box.windowTitle() + ": " + box.findChild<QLabel*>("lblMessage")->text();
                QTest::keyClick(&box, Qt::Key_Return);
            });
            Klik(venster, "btnOpslaan");
            QVERIFY(venster.isVisible());
            Klik(venster, "btnAnnuleren");
        });
        QVERIFY(!TfrmAfwijkendeGrondslagSF::Bewerk(rij));
        QCOMPARE(melding, QString("Fout!: Eén of meerdere berekeningsgrondslagen zijn niet correct. De "
                                  "berekeningsgrondslagen kunnen niet worden opgeslagen."));
        QCOMPARE(rij.AfwijkendeGrondslagWG(), QString(""));
    }

private:
    static TdmVektaris& Open(test::OpenWerknemersmodule& module)
    {
        module.Dm().SetWerkgeversnummer(kWerkgever);
        module.Dm().SetWerknemersnummer(kWerknemer);
        return module.Dm();
    }
};

QTEST_MAIN(GrondslagDialogenTest)
#include "GrondslagDialogenTest.moc"
