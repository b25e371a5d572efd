#include "widgets/ZNODBCheckbox.h"
#include "widgets/ZNODBComboboxEx.h"
#include "widgets/ZNODBDateEdit.h"
#include "widgets/ZNODBEdit.h"
#include "widgets/ZNODBNumericEdit.h"

#include "common/DateTime.h"
#include "db/DataGroup.h"
#include "db/Query.h"
#include "db/SQLOutputSet.h"
#include "db/WerknemersVerbinding.h"

#include "Testvenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace vkt;
using namespace vkt::widgets;

namespace {

// A window with the employee's data fields of one data group over a copy of
// the employee database, and a field outside the group to tab to.
class Scherm : public QWidget {
public:
    Scherm()
    {
        verbinding_.Verbinding().Execute(
            "INSERT INTO Werknemersgegevens (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, Naam, "
            "Geboortedatum, Loontijdvak, Vastloon, VerzekerdWW) VALUES (1, 7, '2020-01-01 00:00:00', "
            "'9999-12-31 00:00:00', 'Jansen', '1990-05-17 00:00:00', 2, 2500.5, NULL)");
        osGegevensWN.SetConnection(&verbinding_.Verbinding());
        osGegevensWN.SetTableName("Werknemersgegevens");
        dgGegevensWN.SetInputSet(&invoer_);
        dgGegevensWN.SetOutputSets({"osGegevensWN"});
        cmbLoontijdvak.SetKeyList(db::TKeyList({"5=Dag", "4=Week", "3=4 Weken", "2=Maand", "1=Kwartaal"}));
        const std::pair<TZNODBComponent*, const char*> kVelden[] = {{&edNaam, "Naam"},
                                                                    {&deGeboortedatum, "Geboortedatum"},
                                                                    {&edVastloon, "Vastloon"},
                                                                    {&cmbLoontijdvak, "Loontijdvak"},
                                                                    {&cbVerzekerdWW, "VerzekerdWW"}};
        int y = 0;
        for (const auto& [veld, kolom] : kVelden) {
            veld->Veld().SetDataGroup(&dgGegevensWN);
            veld->Veld().SetSQLInputField(kolom);
            veld->Veld().SetSQLOutputField(kolom);
            veld->Veld().SetSQLOutputSet("osGegevensWN");
            veld->SetLabelCaption(QString("&") + kolom + ":");
            veld->move(0, y);
            y += 25;
        }
        buiten.setGeometry(0, y, 100, 21);
        resize(300, y + 30);
    }

    void Laad()
    {
        invoer_.Open();
        dgGegevensWN.Load();
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }

    void Opslaan()
    {
        osGegevensWN.Open();
        dgGegevensWN.Edit();
        dgGegevensWN.WriteValues();
        dgGegevensWN.Post();
    }

    // The text SQLite holds in a column of the employee's row.
    QString Kolom(const std::string& kolom)
    {
        db::Query query(verbinding_.Verbinding(), "SELECT " + kolom + " || '' AS " + kolom + " FROM Werknemersgegevens WHERE Werknemersnummer = 7");
        query.Open();
        return QString::fromStdString(query.IsNull(kolom) ? "NULL" : query.AsText(kolom));
    }

private:
    vkt::test::WerknemersVerbinding verbinding_;
    db::Query invoer_{verbinding_.Verbinding(), "SELECT * FROM Werknemersgegevens WHERE Werknemersnummer = 7"};
    db::TComponentLijst componenten_;

public:
    db::TZNOADOSQLOutputSet osGegevensWN{&componenten_, "osGegevensWN"};
    db::TZNODataGroup dgGegevensWN{&componenten_, "dgGegevensWN"};

private:
    // The storage-layer fields the panels show; they outlive the panels.
    db::TZNODBEdit naam_{&componenten_, "edNaam"};
    db::TZNODBDateEdit geboortedatum_{&componenten_, "deGeboortedatum"};
    db::TZNODBNumericEdit vastloon_{&componenten_, "edVastloon"};
    db::TZNODBComboboxEx loontijdvak_{&componenten_, "cmbLoontijdvak"};
    db::TZNODBCheckbox verzekerdWW_{&componenten_, "cbVerzekerdWW"};

public:
    TZNODBEdit edNaam{naam_, this};
    TZNODBDateEdit deGeboortedatum{geboortedatum_, this};
    TZNODBNumericEdit edVastloon{vastloon_, this};
    TZNODBComboboxEx cmbLoontijdvak{loontijdvak_, this};
    TZNODBCheckbox cbVerzekerdWW{verzekerdWW_, this};
    QLineEdit buiten{this};
};

} // namespace

class DataveldenTest : public QObject {
    Q_OBJECT

private slots:
    void CaptionedPanels()
    {
        Scherm s;
        QCOMPARE(s.edNaam.size(), QSize(225, 21));
        QCOMPARE(s.edNaam.findChild<QLabel*>("ComponentLabel")->pos(), QPoint(4, 4));
        QCOMPARE(s.edNaam.InvoerWidget()->geometry(), QRect(120, 0, 105, 21));
        QCOMPARE(s.edNaam.InvoerWidget()->objectName(), "ComponentEdit");
        QCOMPARE(s.edNaam.InvoerWidget()->accessibleName(), "Naam:");
        QCOMPARE(s.deGeboortedatum.width(), 185);
        QCOMPARE(s.cmbLoontijdvak.InvoerWidget()->objectName(), "ComponentCombobox");
        QCOMPARE(s.cbVerzekerdWW.size(), QSize(137, 17));
        QCOMPARE(s.cbVerzekerdWW.findChild<QLabel*>("ComponentLabel")->pos(), QPoint(4, 1));
        QCOMPARE(s.cbVerzekerdWW.InvoerWidget()->objectName(), "ComponentCheckbox");
        s.show();
        s.edVastloon.SetWinControlLeft(100);
        s.edVastloon.resize(300, 21);
        QCOMPARE(s.edVastloon.InvoerWidget()->geometry(), QRect(100, 0, 200, 21));

        auto* label = s.edNaam.findChild<QLabel*>("ComponentLabel");
        QVERIFY(!label->font().bold());
        s.edNaam.SetRequiredColor(Qt::red);
        s.edNaam.SetRequired(true);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
        s.edNaam.SetRequired(false);
        QVERIFY(!label->font().bold());
    }

    void LoadShowsEveryColumnAndANullBoxCountsAsChanged()
    {
        Scherm s;
        s.Laad();
        QCOMPARE(s.edNaam.Invoerveld().text(), "Jansen");
        QCOMPARE(s.deGeboortedatum.Invoerveld().displayText(), "17-05-1990");
        QCOMPARE(s.edVastloon.Invoerveld().text().trimmed(), "2.500,50");
        QStringList items;
        for (int i = 0; i < s.cmbLoontijdvak.Invoerveld().count(); ++i)
            items << s.cmbLoontijdvak.Invoerveld().itemText(i);
        QCOMPARE(items, QStringList({"Dag", "Week", "4 Weken", "Maand", "Kwartaal"}));
        QCOMPARE(s.cmbLoontijdvak.Invoerveld().currentText(), "Maand");
        QVERIFY(!s.cbVerzekerdWW.Invoerveld().isChecked());
        for (TZNODBComponent* veld : std::initializer_list<TZNODBComponent*>{&s.edNaam, &s.deGeboortedatum, &s.edVastloon, &s.cmbLoontijdvak})
            QVERIFY2(!veld->Veld().IsModified(), qPrintable(veld->objectName()));
        QVERIFY(s.cbVerzekerdWW.Veld().IsModified());

        // Saving without an edit writes the box alone: it is still null.
        s.Opslaan();
        QCOMPARE(s.Kolom("VerzekerdWW"), "0");
        QCOMPARE(s.Kolom("Naam"), "Jansen");
    }

    void EditedWithKeysAndSaved()
    {
        Scherm s;
        s.Laad();
        QSignalSpy naamGewijzigd(&s.edNaam, &TZNODBComponent::DataChange);
        QSignalSpy loonGewijzigd(&s.edVastloon, &TZNODBComponent::DataChange);
        QSignalSpy loonVerlaten(&s.edVastloon, &TZNODBComponent::Exit);

        s.edNaam.InvoerWidget()->setFocus();
        QTest::keyClick(s.edNaam.InvoerWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(s.edNaam.InvoerWidget(), "Pietersen");
        QTest::keyClick(s.edNaam.InvoerWidget(), Qt::Key_Return); // on to the date
        QCOMPARE(naamGewijzigd.count(), 1);
        QVERIFY(s.deGeboortedatum.InvoerWidget()->hasFocus());
        QTest::keyClick(s.deGeboortedatum.InvoerWidget(), Qt::Key_X, Qt::ControlModifier);
        QTest::keyClicks(s.deGeboortedatum.InvoerWidget(), "1-2-85");
        QTest::keyClick(s.deGeboortedatum.InvoerWidget(), Qt::Key_Tab);
        QCOMPARE(s.deGeboortedatum.Invoerveld().displayText(), "01-02-1985");

        // Leaving an unchanged field is no change; leaving it changed is.
        QTest::keyClick(s.edVastloon.InvoerWidget(), Qt::Key_Tab);
        QCOMPARE(loonVerlaten.count(), 1);
        QCOMPARE(loonGewijzigd.count(), 0);
        s.edVastloon.InvoerWidget()->setFocus();
        QTest::keyClicks(s.edVastloon.InvoerWidget(), "3100,25");
        QTest::keyClick(s.edVastloon.InvoerWidget(), Qt::Key_Tab);
        QCOMPARE(loonGewijzigd.count(), 1);

        QVERIFY(s.cmbLoontijdvak.InvoerWidget()->hasFocus());
        QTest::keyClick(s.cmbLoontijdvak.InvoerWidget(), Qt::Key_W);
        QCOMPARE(s.cmbLoontijdvak.Veld().Key(), "4");
        s.cbVerzekerdWW.InvoerWidget()->setFocus();
        QTest::keyClick(s.cbVerzekerdWW.InvoerWidget(), Qt::Key_Space);
        s.buiten.setFocus();

        s.Opslaan();
        QCOMPARE(s.Kolom("Naam"), "Pietersen");
        QCOMPARE(s.Kolom("Geboortedatum"), "1985-02-01 00:00:00");
        QCOMPARE(s.Kolom("Vastloon").toDouble(), 3100.25);
        QCOMPARE(s.Kolom("Loontijdvak"), "4");
        QCOMPARE(s.Kolom("VerzekerdWW"), "1");
        QCOMPARE(s.Kolom("Werkgeversnummer"), "1");
    }

    void EmptiedFieldsAreWrittenAsNull()
    {
        Scherm s;
        s.Laad();
        s.edVastloon.InvoerWidget()->setFocus();
        QTest::keyClick(s.edVastloon.InvoerWidget(), Qt::Key_Delete);
        s.deGeboortedatum.InvoerWidget()->setFocus();
        QTest::keyClick(s.deGeboortedatum.InvoerWidget(), Qt::Key_X, Qt::ControlModifier);
        s.buiten.setFocus();
        QVERIFY(s.edVastloon.Veld().IsEmpty());
        QVERIFY(s.deGeboortedatum.Veld().IsEmpty());
        s.Opslaan();
        QCOMPARE(s.Kolom("Vastloon"), "NULL");
        QCOMPARE(s.Kolom("Geboortedatum"), "NULL");
    }

    void LeavingValidatesAndAReadOnlyFieldIsNotWritten()
    {
        Scherm s;
        int gevalideerd = 0;
        s.edNaam.Veld().OnValidate = [&](db::TZNODBComponent&, bool& geldig) {
            ++gevalideerd;
            geldig = s.edNaam.Invoerveld().text() != "fout";
        };
        s.Laad();
        s.edNaam.InvoerWidget()->setFocus();
        QTest::keyClick(s.edNaam.InvoerWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(s.edNaam.InvoerWidget(), "fout");
        s.buiten.setFocus();
        QCOMPARE(gevalideerd, 1);
        QVERIFY(!s.edNaam.Veld().DataValid());
        QVERIFY(!s.dgGegevensWN.ValidateAll());

        s.edNaam.SetReadOnly(true);
        QVERIFY(s.edNaam.Invoerveld().isReadOnly());
        s.cbVerzekerdWW.SetReadOnly(true);
        QVERIFY(!s.cbVerzekerdWW.ReadOnly());
        s.Opslaan();
        QCOMPARE(s.Kolom("Naam"), "Jansen");
    }

    // A date that does not exist is told once, in Dutch: by the program's
    // check of the field when it has one, otherwise by the field itself.
    void ANonexistentDateIsToldOnce_data()
    {
        QTest::addColumn<bool>("gecontroleerd");
        QTest::newRow("checked by the program") << true;
        QTest::newRow("not checked") << false;
    }

    void ANonexistentDateIsToldOnce()
    {
        QFETCH(bool, gecontroleerd);
        Scherm s;
        int controles = 0;
        if (gecontroleerd)
            s.deGeboortedatum.Veld().OnValidate = [&](db::TZNODBComponent&, bool& geldig) {
                ++controles;
                geldig = s.deGeboortedatum.Invoerveld().IsValid();
            };
        s.Laad();
        widgets::test::Meldingvanger vanger;
        TZNODateEdit& invoer = s.deGeboortedatum.Invoerveld();
        invoer.setFocus();
        QTest::keyClick(&invoer, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClicks(&invoer, "31022020");
        s.buiten.setFocus();
        QTest::qWait(50);
        QCOMPARE(invoer.LastError(), deOngeldigBijVerlaten);
        QCOMPARE(controles, gecontroleerd ? 1 : 0);
        QCOMPARE(vanger.Titel, gecontroleerd ? "" : "Datumfout");
        QCOMPARE(vanger.Tekst, gecontroleerd ? "" : "31-02-2020 is geen geldige datum.");
    }

    void AValueSetInTheFieldFromCodeShowsInItsPanel()
    {
        Scherm s;
        s.Laad();
        s.edVastloon.Veld().SetNumber(1234.5);
        QCOMPARE(s.edVastloon.Invoerveld().text().trimmed(), "1.234,50");
        s.cmbLoontijdvak.Veld().SetKey("5");
        QCOMPARE(s.cmbLoontijdvak.Invoerveld().currentText(), "Dag");
        s.cbVerzekerdWW.Veld().SetChecked(true);
        QVERIFY(s.cbVerzekerdWW.Invoerveld().isChecked());
        s.dgGegevensWN.ClearAll();
        QVERIFY(s.edNaam.Invoerveld().text().isEmpty());
    }

    void AFieldOutlivesItsPanel()
    {
        db::TZNODBNumericEdit veld(nullptr, "edBedrag");
        {
            TZNODBNumericEdit paneel(veld);
            veld.SetNumber(5);
            QCOMPARE(paneel.Invoerveld().Value(), 5.0);
            QTest::keyClicks(paneel.InvoerWidget(), "7");
            QCOMPARE(veld.Number(), std::optional<double>(paneel.Invoerveld().Value()));
        }
        veld.SetNumber(6); // nothing left to show it
        QCOMPARE(veld.Number(), std::optional<double>(6));
    }

    void UnknownKeySelectsNothing()
    {
        Scherm s;
        s.Laad();
        db::TDBValue onbekend;
        onbekend.SetAsString("9");
        s.cmbLoontijdvak.Veld().SetDBValue(onbekend);
        QCOMPARE(s.cmbLoontijdvak.Invoerveld().currentIndex(), -1);
        QVERIFY(s.cmbLoontijdvak.Veld().IsEmpty());
        s.cmbLoontijdvak.Veld().SetDBValue(db::TDBValue());
        QCOMPARE(s.cmbLoontijdvak.Invoerveld().currentIndex(), -1);
    }
};

QTEST_MAIN(DataveldenTest)
#include "DataveldenTest.moc"
