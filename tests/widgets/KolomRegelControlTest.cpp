#include "widgets/KolomRegelControl.h"

#include "common/Text.h"
#include "model/Kolomregels.h"
#include "widgets/NumeriekVeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace vkt;
using namespace vkt::widgets;

Q_DECLARE_METATYPE(TKolomRegelControlType)

namespace {

// A window with one row and a field outside it to leave the row for.
class Venster : public QWidget {
public:
    Venster()
    {
        resize(500, 60);
        rij.move(0, 0);
        buiten.setGeometry(0, 30, 100, 21);
    }

    void Open()
    {
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }

    // Shows the line in a row of that kind, attached to it, and opens the window.
    void Koppel(TBaseKolomRegel& regel, TKolomRegelControlType type)
    {
        rij.SetTypeLoonComponent(type);
        rij.SetValues(regel.Values());
        rij.SetKolomRegel(&regel);
        Open();
    }

    template <typename T = QWidget>
    T* Kind(const char* naam)
    {
        return rij.findChild<T*>(naam, Qt::FindDirectChildrenOnly);
    }

    // The inputs of the row that it shows, in their order among its children.
    QString Zichtbaar()
    {
        QStringList namen;
        for (auto* kind : rij.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (kind->isVisibleTo(&rij) && kind->objectName() != "CaptionLabel")
                namen << kind->objectName();
        return namen.join(' ');
    }

    TKolomRegelControl rij{this};
    QLineEdit buiten{this};
};

} // namespace

class KolomRegelControlTest : public QObject {
    Q_OBJECT

private slots:
    void ChildrenInTheirOrderAndPlaces()
    {
        Venster v;
        QStringList namen;
        QList<int> xs;
        for (auto* kind : v.rij.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            namen << kind->objectName();
            xs << kind->x();
        }
        QCOMPARE(namen, QStringList({"CaptionLabel", "CaptionCombo", "cmbBPD", "cmbVI", "edGrondslag", "lblGrondslag",
                                     "edPercentage", "edFranchise", "edBedrag", "cbVakantiegeld", "cbSociaalFonds"}));
        QCOMPARE(xs, QList<int>({1, 1, 193, 223, 253, 259, 272, 312, 368, 433, 453}));
        QCOMPARE(v.rij.size(), QSize(466, 23));
        QCOMPARE(v.rij.CaptionText(), "CaptionText");
        QCOMPARE(v.Kind("cmbBPD")->accessibleName(), "(B)edrag, (P)ercentage");
        QCOMPARE(v.Kind("cbSociaalFonds")->accessibleName(), "t.b.v. sociale fondsen");
        QCOMPARE(v.Kind("cbVakantiegeld")->focusPolicy(), Qt::ClickFocus);
        auto* percentage = v.Kind<TZNONumericEdit>("edPercentage");
        QCOMPARE(percentage->Digits(), 7);
        QCOMPARE(percentage->Decimals(), 3);
        QCOMPARE(v.Kind<TZNONumericEdit>("edGrondslag")->Decimals(), 0);

        v.rij.SetCaptionType(ctDynamic);
        QVERIFY(!v.Kind("CaptionLabel")->isVisibleTo(&v.rij));
        QCOMPARE(v.Kind("CaptionCombo")->width(), 198);
        v.rij.SetCaptionText("Pensioen");
        QCOMPARE(v.Kind<QComboBox>("CaptionCombo")->currentText(), "Pensioen");
        QCOMPARE(v.Kind("CaptionLabel")->toolTip(), "Pensioen");
    }

    void LayoutFollowsTheKindOfLine_data()
    {
        QTest::addColumn<TKolomRegelControlType>("type");
        QTest::addColumn<int>("bpd");
        QTest::addColumn<QString>("uit");
        QTest::addColumn<QString>("zichtbaar");
        QTest::addColumn<bool>("bedragAan");
        QTest::addColumn<QString>("marker");
        QTest::newRow("standard") << ltStandaard << 1 << "" << "edBedrag" << true << "S";
        QTest::newRow("amount") << ltBedrag << 1 << "" << "edBedrag cbVakantiegeld cbSociaalFonds" << true << "S";
        QTest::newRow("amount without boxes") << ltBedrag << 1 << "InclusiefVakantiegeld InclusiefSociaalFonds"
                                              << "edBedrag" << true << "S";
        QTest::newRow("premium without franchise") << ltPremieSVW << 0 << "" << "edPercentage edFranchise edBedrag"
                                                   << false << "S";
        QTest::newRow("premium, percentage") << ltPremie << 1 << ""
                                             << "cmbBPD edGrondslag edPercentage edFranchise edBedrag" << false << "S";
        QTest::newRow("premium, amount") << ltPremie << 0 << "" << "cmbBPD edBedrag" << true << "S";
        QTest::newRow("premium, deviating basis") << ltPremie << 1 << "AfwijkendeGrondslag+"
                                                  << "cmbBPD lblGrondslag edPercentage edFranchise edBedrag" << false
                                                  << "A";
        QTest::newRow("premium, no amount in percentage mode")
            << ltPremie << 1 << "InclusiefBedrag" << "cmbBPD edGrondslag edPercentage edFranchise" << false << "S";
        QTest::newRow("premium, no basis, no franchise")
            << ltPremie << 1 << "InclusiefGrondslag InclusiefFranchise" << "cmbBPD edPercentage edBedrag" << false
            << "S";
        QTest::newRow("premium, no B/P list") << ltPremie << 1 << "InclusiefBPD" << "edBedrag" << false << "S";
        QTest::newRow("premium with holiday mark") << ltPremieEx << 1 << ""
                                                   << "cmbBPD edGrondslag edPercentage edFranchise edBedrag cbVakantiegeld"
                                                   << false << "S";
        QTest::newRow("allowance, percentage") << ltVergoeding << 1 << ""
                                               << "cmbBPD cmbVI edGrondslag edPercentage edFranchise edBedrag" << false
                                               << "S";
        QTest::newRow("allowance, amount") << ltVergoeding << 0 << "" << "cmbBPD cmbVI edBedrag" << true << "S";
        QTest::newRow("allowance without V/I") << ltVergoeding << 0 << "InclusiefVI" << "cmbBPD edBedrag" << true
                                               << "S";
        QTest::newRow("employer premium") << ltPremieWG << 1 << ""
                                          << "cmbBPD edGrondslag edPercentage edFranchise edBedrag" << false << "S";
        QTest::newRow("for the calculator: marker always") << ltStandaard << 1 << "VoorVKT+" << "lblGrondslag edBedrag"
                                                           << true << "S";
        QTest::newRow("without franchise, everything off, marker on")
            << ltPremieSVW << 0
            << "InclusiefSociaalFonds InclusiefVakantiegeld InclusiefGrondslag InclusiefFranchise InclusiefBPD "
               "InclusiefVI InclusiefBedrag VoorVKT+"
            << "lblGrondslag edPercentage" << false << "S";
        QTest::newRow("without franchise, deviating basis") << ltPremieSVW << 0 << "AfwijkendeGrondslag+"
                                                            << "lblGrondslag edPercentage edFranchise edBedrag"
                                                            << false << "A";
    }

    // Every switch in "uit" is set false, every one ending in "+" true.
    void LayoutFollowsTheKindOfLine()
    {
        QFETCH(TKolomRegelControlType, type);
        QFETCH(int, bpd);
        QFETCH(QString, uit);
        QFETCH(QString, zichtbaar);
        QFETCH(bool, bedragAan);
        QFETCH(QString, marker);
        Venster v;
        TKolomRegelControl& rij = v.rij;
        for (QString schakelaar : uit.split(' ', Qt::SkipEmptyParts)) {
            const bool aan = schakelaar.endsWith('+');
            schakelaar.remove('+');
            const std::map<QString, void (TKolomRegelControl::*)(bool)> kSetters{
                {"VoorVKT", &TKolomRegelControl::SetVoorVKT},
                {"AfwijkendeGrondslag", &TKolomRegelControl::SetAfwijkendeGrondslag},
                {"InclusiefSociaalFonds", &TKolomRegelControl::SetInclusiefSociaalFonds},
                {"InclusiefVakantiegeld", &TKolomRegelControl::SetInclusiefVakantiegeld},
                {"InclusiefGrondslag", &TKolomRegelControl::SetInclusiefGrondslag},
                {"InclusiefFranchise", &TKolomRegelControl::SetInclusiefFranchise},
                {"InclusiefBPD", &TKolomRegelControl::SetInclusiefBPD},
                {"InclusiefVI", &TKolomRegelControl::SetInclusiefVI},
                {"InclusiefBedrag", &TKolomRegelControl::SetInclusiefBedrag}};
            (rij.*kSetters.at(schakelaar))(aan);
        }
        rij.SetBPDType(bpd);
        rij.SetTypeLoonComponent(type);
        v.Open();
        QCOMPARE(v.Zichtbaar(), zichtbaar);
        QCOMPARE(v.Kind("edBedrag")->isEnabled(), bedragAan);
        QCOMPARE(v.Kind<QLabel>("lblGrondslag")->text(), marker);
        QCOMPARE(v.Kind("lblGrondslag")->x(), rij.InclusiefGrondslag() ? 259 : 250);
        if (type == ltPremieSVW) {
            QCOMPARE(rij.BPDType(), 1);
            TKolomRegelValues waarden;
            rij.GetValues(waarden);
            QCOMPARE(int(waarden.BPD), 1);
        }
    }

    void SwitchingToPercentageKeepsTheAmountButReadOnly()
    {
        Venster v;
        v.rij.SetTypeLoonComponent(ltPremie);
        v.rij.SetBPDType(0);
        v.Open();
        QSignalSpy bpd(&v.rij, &TKolomRegelControl::BPDChange);
        v.Kind("cmbBPD")->setFocus();
        QTest::keyClick(v.Kind("cmbBPD"), Qt::Key_P);
        QCOMPARE(bpd.count(), 1);
        QCOMPARE(bpd.at(0).at(0).value<QWidget*>(), v.Kind("cmbBPD"));
        QCOMPARE(v.rij.BPDType(), 1);
        QCOMPARE(v.Zichtbaar(), "cmbBPD edGrondslag edPercentage edFranchise edBedrag");
        QVERIFY(!v.Kind("edBedrag")->isEnabled());

        v.rij.setEnabled(false);
        v.rij.SetBPDType(0);
        QVERIFY(!v.Kind("edBedrag")->isEnabled());
        v.rij.setEnabled(true);
        QVERIFY(v.Kind("edBedrag")->isEnabled());
    }

    void InitialisedOnFirstShowKeepingItsValues()
    {
        Venster v;
        QSignalSpy na(&v.rij, &TKolomRegelControl::AfterInitialize);
        v.rij.SetBedrag(1500);
        v.rij.SetPercentage(7.25);
        v.rij.SetGrondslagKolom(8);
        v.rij.SetVI(1);
        v.rij.SetBPDType(0);
        QCOMPARE(na.count(), 0);
        v.Open();
        QCOMPARE(na.count(), 1);
        v.hide();
        v.Open();
        QCOMPARE(na.count(), 1);
        auto* bp = v.Kind<QComboBox>("cmbBPD");
        QCOMPARE(bp->count(), 2);
        QCOMPARE(bp->currentText(), "B");
        QCOMPARE(v.Kind<QComboBox>("cmbVI")->currentText(), "I");
        QCOMPARE(v.Kind<TZNONumericEdit>("edBedrag")->Value(), 1500.0);
        QCOMPARE(v.Kind<TZNONumericEdit>("edPercentage")->text().trimmed(), "7,250");
        QCOMPARE(v.Kind<TZNONumericEdit>("edGrondslag")->AsInteger(), 8);
    }

    void ValuesGoOutAsARecordWithTheDescriptionCut()
    {
        TKolomRegelControl rij;
        const QString lang = QString("Pensioenpremie é").repeated(5);
        rij.SetCaptionText(lang);
        rij.SetTypeLoonComponent(ltVergoeding);
        rij.SetBedrag(12.5);
        rij.SetPercentage(3.5);
        rij.SetFranchise(100);
        rij.SetGrondslagKolom(14);
        rij.SetVI(1);
        rij.SetTbvVakantiegeld(true);
        rij.SetInclusiefSociaalFonds(false);
        TKolomRegelValues waarden;
        waarden.Reserve = 9;
        waarden.Tekst = "x";
        rij.GetValues(waarden);
        QCOMPARE(Utf8Length(waarden.Omschrijving), std::size_t{64});
        QCOMPARE(QString::fromStdString(waarden.Omschrijving), lang.left(64));
        QCOMPARE(double(waarden.Bedrag), 12.5);
        QCOMPARE(int(waarden.BPD), 1);
        QCOMPARE(double(waarden.Percentage), 3.5);
        QCOMPARE(double(waarden.Franchise), 100.0);
        QCOMPARE(waarden.GrondslagKolom, 14);
        QVERIFY(waarden.Inhouding);
        QVERIFY(waarden.TbvVakantiegeld);
        QVERIFY(!waarden.TbvSocialeFondsen);
        QVERIFY(!waarden.InclusiefSociaalFonds);
        QVERIFY(waarden.InclusiefVakantiegeld);
        QCOMPARE(double(waarden.Reserve), 0.0);
        QVERIFY(waarden.Tekst.empty());
    }

    void AltVAndAltSTickTheBoxesTheRowShows()
    {
        Venster v;
        v.rij.SetTypeLoonComponent(ltBedrag);
        v.Open();
        QSignalSpy vakantie(&v.rij, &TKolomRegelControl::VakantieGeldClick);
        auto* bedrag = v.Kind("edBedrag");
        bedrag->setFocus();
        QTest::keyClick(bedrag, Qt::Key_V, Qt::AltModifier);
        QVERIFY(v.rij.TbvVakantiegeld());
        QCOMPARE(vakantie.count(), 1);
        QCOMPARE(vakantie.at(0).at(0).value<QWidget*>(), v.Kind("cbVakantiegeld"));
        QTest::keyClick(bedrag, Qt::Key_S, Qt::AltModifier);
        QVERIFY(v.rij.TbvSocialeFondsen());
        QTest::keyClick(bedrag, Qt::Key_V, Qt::AltModifier);
        QVERIFY(!v.rij.TbvVakantiegeld());
        QCOMPARE(v.Kind<TZNONumericEdit>("edBedrag")->text().trimmed(), "0,00");

        // A premium row shows neither box; the keys leave them alone.
        v.rij.SetTypeLoonComponent(ltPremie);
        v.Kind("cmbBPD")->setFocus();
        QTest::keyClick(v.Kind("cmbBPD"), Qt::Key_S, Qt::AltModifier);
        QVERIFY(v.rij.TbvSocialeFondsen());
    }

    void LeavingTheRowUpdatesItsLine()
    {
        Venster v;
        TPremieKolomRegel regel(nullptr);
        regel.Omschrijving = "Pensioen";
        regel.Percentage = 10;
        regel.GrondslagKolom = 3;
        v.Koppel(regel, ltPremie);
        QSignalSpy verlaten(&v.rij, &TKolomRegelControl::Exit);
        auto* percentage = v.Kind("edPercentage");
        percentage->setFocus();
        QTest::keyClicks(percentage, "12,5");
        QTest::keyClick(percentage, Qt::Key_Tab); // to the franchise, still in the row
        QCOMPARE(verlaten.count(), 0);
        QCOMPARE(regel.Percentage, 10.0);
        QTest::keyClicks(v.Kind("edFranchise"), "250");
        v.buiten.setFocus();
        QCOMPARE(verlaten.count(), 1);
        QCOMPARE(regel.Percentage, 12.5);
        QCOMPARE(regel.Franchise, 250.0);
        QCOMPARE(regel.BPDType, 1);
        QCOMPARE(regel.GrondslagKolom, 3);
        QCOMPARE(QString::fromStdString(regel.Omschrijving), "Pensioen");
        QCOMPARE(double(v.rij.Percentage()), 12.5);
    }

    void LeavingAnAllowanceRowStoresTheDeduction()
    {
        Venster v;
        TVergoedingInhoudingKolomRegel regel(nullptr);
        regel.BPDType = 0;
        v.Koppel(regel, ltVergoeding);
        QSignalSpy vi(&v.rij, &TKolomRegelControl::VIChange);
        auto* lijst = v.Kind("cmbVI");
        lijst->setFocus();
        QTest::keyClick(lijst, Qt::Key_I);
        QCOMPARE(vi.count(), 1);
        auto* bedrag = v.Kind("edBedrag");
        bedrag->setFocus();
        QTest::keyClicks(bedrag, "50");
        v.buiten.setFocus();
        QVERIFY(!regel.Vergoeding);
        QCOMPARE(regel.Bedrag, 50.0);
        QCOMPARE(v.rij.VI(), 1);
    }

    void BasisColumnOutsideTheListIsReported_data()
    {
        QTest::addColumn<QString>("kolom");
        QTest::addColumn<bool>("geldig");
        for (const char* k : {"0", "3", "5", "7", "8", "14", "19"})
            QTest::newRow(k) << k << true;
        for (const char* k : {"1", "6", "9", "12", "13", "20"})
            QTest::newRow(k) << k << false;
    }

    void BasisColumnOutsideTheListIsReported()
    {
        QFETCH(QString, kolom);
        QFETCH(bool, geldig);
        Venster v;
        v.rij.SetTypeLoonComponent(ltPremie);
        v.rij.SetGrondslagKolom(4);
        v.Open();
        QSignalSpy ongeldig(&v.rij, &TKolomRegelControl::InvalidGrondslagnr);
        auto* grondslag = v.Kind("edGrondslag");
        grondslag->setFocus();
        QTest::keyClicks(grondslag, kolom);
        QTest::keyClick(grondslag, Qt::Key_Tab);
        QCOMPARE(ongeldig.count(), geldig ? 0 : 1);
        QCOMPARE(v.rij.GrondslagKolom(), geldig ? kolom.toInt() : 4);
        if (!geldig)
            QCOMPARE(ongeldig.at(0).at(0).value<QWidget*>(), grondslag);
    }
};

QTEST_MAIN(KolomRegelControlTest)
#include "KolomRegelControlTest.moc"
