#include "widgets/SocialeFondsKolomRegelControl.h"

#include "widgets/NumeriekVeld.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace vkt::widgets;

namespace {

// A window with one fund and a field outside it to leave the fund for.
class Venster : public QWidget {
public:
    Venster()
    {
        resize(720, 110);
        buiten.setGeometry(0, 80, 100, 21);
    }

    void Open()
    {
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }

    template <typename T = QWidget>
    T* Kind(const QString& naam)
    {
        return fonds.findChild<T*>(naam, Qt::FindDirectChildrenOnly);
    }

    TVKTSocialeFondsKolomRegelControl fonds{this};
    QLineEdit buiten{this};
};

} // namespace

class SocialeFondsKolomRegelControlTest : public QObject {
    Q_OBJECT

private slots:
    void TwoRowsUnderABoldCaption()
    {
        Venster v;
        QCOMPARE(v.fonds.size(), QSize(713, 73));
        QCOMPARE(v.fonds.Caption(), "Caption");
        QVERIFY(v.fonds.font().bold());
        QCOMPARE(v.Kind<QLabel>("lblCaptionWerknemer")->text(), "Werknemer");
        QVERIFY(!v.Kind("lblCaptionWerkgever")->font().bold());
        QCOMPARE(v.Kind("edBedragWerkgever")->geometry(), QRect(638, 40, 65, 21));
        QCOMPARE(v.Kind("cmbBoekenAlsWerknemer")->geometry(), QRect(126, 17, 201, 21));
        QCOMPARE(v.Kind("btnAfwijkendeGrondslag")->geometry(), QRect(333, 28, 80, 21));
        QCOMPARE(v.Kind("cmbBP")->accessibleName(), "(B)edrag, (P)ercentage");
        QCOMPARE(v.Kind("edJaarFranchiseWerknemer")->accessibleName(), "Jaarfranchise");
        QCOMPARE(v.Kind<TZNONumericEdit>("edPercentageWerkgever")->Digits(), 6);
        QCOMPARE(v.Kind<TZNONumericEdit>("edGrondslagWerknemer")->Digits(), 2);

        QStringList werkgever;
        auto* lijst = v.Kind<QComboBox>("cmbBoekenAlsWerkgever");
        for (int i = 0; i < lijst->count(); ++i)
            werkgever << lijst->itemText(i) + "=" + lijst->itemData(i).toString();
        QCOMPARE(werkgever, QStringList({"Loon in natura=4", "Pensioen of FPU=7", "Werknemersbijdrage Zvw=16",
                                         "Werkgeverslasten=0", "Aftrekpost loon SV/Zvw/LBPH=-7",
                                         "Aftrekpost uit te betalen loon=-17", "Bijtelpost loon SV/Zvw/LBPH=3",
                                         "Bijtelpost uit te betalen loon=18"}));
        QCOMPARE(v.Kind<QComboBox>("cmbBoekenAlsWerknemer")->count(), 7);
        QCOMPARE(v.Kind<QComboBox>("cmbBoekenAlsWerknemer")->currentText(), "Pensioen of FPU");
        QCOMPARE(v.Kind<QComboBox>("cmbBoekenAlsWerkgever")->currentText(), "Werkgeverslasten");
    }

    void BookingColumnSelectsItsEntry_data()
    {
        QTest::addColumn<double>("kolom");
        QTest::addColumn<QString>("werknemer");
        QTest::addColumn<QString>("werkgever");
        QTest::newRow("employer's charges") << 0.0 << "" << "Werkgeverslasten";
        QTest::newRow("wage in kind") << 4.0 << "Loon in natura" << "Loon in natura";
        QTest::newRow("deduction, cut to a whole column") << -7.9 << "Aftrekpost loon SV/Zvw/LBPH"
                                                          << "Aftrekpost loon SV/Zvw/LBPH";
        QTest::newRow("addition to the net wage") << 18.0 << "Bijtelpost uit te betalen loon"
                                                  << "Bijtelpost uit te betalen loon";
        QTest::newRow("no entry for that column") << 5.0 << "" << "";
    }

    void BookingColumnSelectsItsEntry()
    {
        QFETCH(double, kolom);
        QFETCH(QString, werknemer);
        QFETCH(QString, werkgever);
        Venster v;
        v.fonds.SetWNBoekenInKolom(kolom);
        v.fonds.SetWGBoekenInKolom(kolom);
        v.Open();
        QCOMPARE(v.Kind<QComboBox>("cmbBoekenAlsWerknemer")->currentText(), werknemer);
        QCOMPARE(v.Kind<QComboBox>("cmbBoekenAlsWerkgever")->currentText(), werkgever);
        // Leaving stores the column of the entry, or the mark of no choice.
        v.Kind("cmbBP")->setFocus();
        v.buiten.setFocus();
        QCOMPARE(double(v.fonds.WNBoekenInKolom()),
                 werknemer.isEmpty() ? double(TVKTSocialeFondsKolomRegelControl::GeenKeuze) : std::trunc(kolom));
        QCOMPARE(double(v.fonds.WGBoekenInKolom()),
                 werkgever.isEmpty() ? double(TVKTSocialeFondsKolomRegelControl::GeenKeuze) : std::trunc(kolom));
        QCOMPARE(double(TVKTSocialeFondsKolomRegelControl::GeenKeuze), -1.1111111);
    }

    void BookingTypeShowsAmountsOrPercentages()
    {
        Venster v;
        v.Open();
        const auto zichtbaar = [&](const QString& naam) { return v.Kind(naam)->isVisibleTo(&v.fonds); };
        QVERIFY(zichtbaar("edPercentageWerknemer") && zichtbaar("edJaarGrensWerkgever") &&
                zichtbaar("edJaarFranchiseWerknemer"));
        QVERIFY(!zichtbaar("edBedragWerknemer") && !zichtbaar("edBedragWerkgever"));
        v.fonds.SetBPDType(0);
        QVERIFY(zichtbaar("edBedragWerknemer") && zichtbaar("edBedragWerkgever"));
        QVERIFY(!zichtbaar("edPercentageWerkgever") && !zichtbaar("edJaarGrensWerknemer"));
        v.fonds.SetBPDType(2);
        QCOMPARE(v.fonds.BPDType(), 0);
        QCOMPARE(v.Kind<QComboBox>("cmbBP")->currentText(), "B");
        for (const char* verborgen : {"edGrondslagWerknemer", "edGrondslagWerkgever", "edBoekenWerknemer", "edBoekenWerkgever"})
            QVERIFY(!zichtbaar(verborgen));

        QCOMPARE(v.Kind<QLabel>("lblAfwijkendeGrondslagWerkgever")->text(), "S");
        v.fonds.SetAfwijkendeGrondslagWerkgever(true);
        QCOMPARE(v.Kind<QLabel>("lblAfwijkendeGrondslagWerkgever")->text(), "A");
        QCOMPARE(v.Kind<QLabel>("lblAfwijkendeGrondslagWerknemer")->text(), "S");
    }

    void LeavingTakesTheScreen()
    {
        Venster v;
        v.fonds.SetBedragWG(99);
        v.Open();
        QSignalSpy bp(&v.fonds, &TVKTSocialeFondsKolomRegelControl::BPChange);
        QSignalSpy boekenAls(&v.fonds, &TVKTSocialeFondsKolomRegelControl::BoekenAlsChange);
        QSignalSpy verlaten(&v.fonds, &TVKTSocialeFondsKolomRegelControl::Exit);
        auto* premie = v.Kind("edPercentageWerknemer");
        premie->setFocus();
        QTest::keyClicks(premie, "1,5");
        auto* grens = v.Kind("edJaarGrensWerkgever");
        grens->setFocus();
        QTest::keyClicks(grens, "52000");
        auto* lijst = v.Kind("cmbBoekenAlsWerknemer");
        lijst->setFocus();
        QTest::keyClick(lijst, Qt::Key_Down); // Werknemersbijdrage Zvw
        QCOMPARE(boekenAls.count(), 1);
        QCOMPARE(boekenAls.at(0).at(0).value<QWidget*>(), &v.fonds);
        QCOMPARE(verlaten.count(), 0);
        v.buiten.setFocus();
        QCOMPARE(verlaten.count(), 1);
        QCOMPARE(double(v.fonds.PremieWN()), 1.5);
        QCOMPARE(double(v.fonds.JaargrensWG()), 52000.0);
        QCOMPARE(double(v.fonds.WNBoekenInKolom()), 16.0);
        QCOMPARE(double(v.fonds.WGBoekenInKolom()), 0.0);
        QCOMPARE(double(v.fonds.BedragWG()), 99.0);
        QCOMPARE(v.fonds.BPDType(), 1);

        auto* keuze = v.Kind("cmbBP");
        keuze->setFocus();
        QTest::keyClick(keuze, Qt::Key_B);
        QCOMPARE(bp.count(), 1);
        QVERIFY(v.Kind("edBedragWerkgever")->isVisibleTo(&v.fonds));
        v.buiten.setFocus();
        QCOMPARE(v.fonds.BPDType(), 0);
    }

    void ButtonAsksForTheDeviatingBasis()
    {
        Venster v;
        v.Open();
        QSignalSpy klik(&v.fonds, &TVKTSocialeFondsKolomRegelControl::AfwijkendeGrondslagClick);
        QTest::mouseClick(v.Kind("btnAfwijkendeGrondslag"), Qt::LeftButton);
        QCOMPARE(klik.count(), 1);
        QCOMPARE(klik.at(0).at(0).value<QWidget*>(), &v.fonds);
    }
};

QTEST_MAIN(SocialeFondsKolomRegelControlTest)
#include "SocialeFondsKolomRegelControlTest.moc"
