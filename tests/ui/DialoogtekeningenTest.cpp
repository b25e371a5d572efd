#include "Venstercontrole.h"

#include "common/Meldingen.h"
#include "store/SocialeFondsen.h"
#include "support/Werknemersmodule.h"
#include "ui/FrmAfwijkendeGrondslagSF.h"
#include "ui/FrmAfwijkendeGrondslagWN.h"
#include "ui/FrmMarges.h"
#include "ui/FrmNieuwSociaalFonds.h"
#include "ui/FrmSocialeFondsen.h"
#include "widgets/ProgrammaStijl.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/Skin.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace vkt;
using namespace vkt::ui;
using namespace vkt::widgets::test;

// The dialogs drawn as the program draws them: every part and every text
// whole, every input named; with VKT_VENSTERAFBEELDINGEN a picture of each.
class DialoogtekeningenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { widgets::ZetProgrammaStijl(); }

    void EachDialogShowsAllItsTextAndParts_data()
    {
        QTest::addColumn<QString>("naam");
        for (const char* naam : {"marges", "afwijkende-grondslag-wn", "afwijkende-grondslag-sf", "sociale-fondsen",
                                 "nieuw-sociaal-fonds"})
            QTest::newRow(naam) << QString(naam);
    }

    void EachDialogShowsAllItsTextAndParts()
    {
        QFETCH(QString, naam);
        test::OpenWerknemersmodule module;
        TBewaardeMeldingen meldingen;
        widgets::TVKTSocialeFondsKolomRegelControl fonds;
        fonds.SetCaption("Pensioenfonds Bouw");
        fonds.SetAfwijkendeGrondslagWN("[Brutoloon]*0.8");
        fonds.SetAfwijkendeGrondslagWerknemer(true);
        const std::map<QString, std::function<std::unique_ptr<QWidget>()>> dialogen{
            {"marges", [] { return std::make_unique<TfrmMarges>(); }},
            {"afwijkende-grondslag-wn",
             [&] { return std::make_unique<TfrmAfwijkendeGrondslagWN>(module.Dm(), nullptr, meldingen); }},
            {"afwijkende-grondslag-sf", [&] { return std::make_unique<TfrmAfwijkendeGrondslagSF>(fonds); }},
            {"sociale-fondsen",
             [] {
                 auto venster = std::make_unique<TfrmSocialeFondsen>();
                 venster->Load({{"Pensioenfonds Bouw", 1, true}, {"Opleidingsfonds Metaal", 2, false}});
                 return venster;
             }},
            {"nieuw-sociaal-fonds",
             [&] { return std::make_unique<TfrmNieuwSociaalFondsVKT>(module.Dm(), meldingen); }},
        };
        const std::unique_ptr<QWidget> venster = dialogen.at(naam)();
        widgets::Skin(*venster);
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        ControleerDatNietsWegvalt(*venster);
        ControleerToegankelijkeNamen(*venster);
        BewaarAfbeelding(*venster, naam);
    }
};

QTEST_MAIN(DialoogtekeningenTest)
#include "DialoogtekeningenTest.moc"
