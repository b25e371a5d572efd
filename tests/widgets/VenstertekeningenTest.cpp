#include "widgets/Afbeeldingen.h"
#include "widgets/FrmAbout.h"
#include "widgets/FrmSplash.h"
#include "widgets/FrmStatus.h"
#include "widgets/Paneel.h"
#include "widgets/Skin.h"
#include "widgets/ZNOMessageForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace vkt::widgets;

namespace {

std::unique_ptr<QWidget> Melding(const QString& tekst, const QString& titel, int soort)
{
    auto venster = std::make_unique<TZNOMessageForm>();
    venster->ZetMelding(tekst, titel, soort);
    return venster;
}

// The tool bar of the main window with its five large buttons and the logo,
// to see the pictures where they will stand.
std::unique_ptr<QWidget> Werkbalk()
{
    auto venster = std::make_unique<QWidget>();
    venster->setFixedSize(753, 86);
    auto* balk = new TPaneel(venster.get());
    balk->setObjectName("pnlControlBar");
    balk->setGeometry(0, 0, 753, 86);
    const std::pair<const char*, QString> knoppen[] = {
        {"Nieuw", Afbeeldingen::Nieuw},         {"Verwijderen", Afbeeldingen::Verwijderen},
        {"Opslaan", Afbeeldingen::Opslaan},     {"Afdrukken", Afbeeldingen::Afdrukken},
        {"Afsluiten", Afbeeldingen::Afsluiten},
    };
    int links = 4;
    for (const auto& [bijschrift, afbeelding] : knoppen) {
        auto* knop = new QToolButton(balk);
        knop->setText(bijschrift);
        knop->setIcon(Pictogram(afbeelding));
        knop->setIconSize(QSize(48, 48));
        knop->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        knop->setGeometry(links, 4, 114, 78);
        links += 114;
    }
    auto* logo = new QLabel(balk);
    logo->setGeometry(753 - 143 - 6, 8, 143, 70);
    logo->setPixmap(Afbeelding(Afbeeldingen::Logo, logo->size(), qApp->devicePixelRatio()));
    return venster;
}

QString Naam(const QWidget& widget)
{
    return widget.objectName() + " (" + widget.metaObject()->className() + ")";
}

// Every visible part lies within its parent, and every text fits its part.
void ControleerDatNietsWegvalt(QWidget& venster)
{
    for (QWidget* deel : venster.findChildren<QWidget*>()) {
        if (!deel->isVisibleTo(&venster) || deel->isWindow())
            continue;
        QVERIFY2(deel->parentWidget()->rect().contains(deel->geometry()), qPrintable(Naam(*deel) + " sticks out"));
        if (auto* label = qobject_cast<QLabel*>(deel); label && !label->text().isEmpty()) {
            const int nodig = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            QVERIFY2(nodig <= label->height(), qPrintable(Naam(*label) + " is too low for its text"));
            if (!label->wordWrap())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(Naam(*label) + " is too narrow"));
        }
        if (auto* knop = qobject_cast<QAbstractButton*>(deel)) {
            const int nodig = knop->fontMetrics().horizontalAdvance(QString(knop->text()).remove(u'&')) + 8;
            QVERIFY2(nodig <= knop->width(), qPrintable(Naam(*knop) + " is too narrow for its caption"));
        }
    }
}

} // namespace

class VenstertekeningenTest : public QObject {
    Q_OBJECT

private slots:
    void EachWindowShowsAllItsTextAndParts_data()
    {
        QTest::addColumn<std::shared_ptr<QWidget>>("venster");
        auto rij = [](const char* naam, std::unique_ptr<QWidget> venster) {
            QTest::newRow(naam) << std::shared_ptr<QWidget>(std::move(venster));
        };
        rij("melding", Melding("De berekening is opgeslagen.", "Vkt2020", msOk));
        rij("vraag-ja-nee", Melding("Geselecteerde berekening wordt uit bestand verwijderd. \r\nDoorgaan?",
                                    "Vkt2020", msJaNee));
        rij("vraag-ja-nee-annuleren",
            Melding("Vkt2020 wordt afgesloten.\r\nWilt u de huidige berekening opslaan?", "Vkt2020",
                    msJaNeeAnnuleren));
        rij("vraag-ja-op-alles", Melding("Bestaande regels vervangen?", "Vkt2020", msJaJaOpAllesNee));
        rij("foutmelding-lang",
            Melding("Er is een fout opgetreden bij  starten van Vkt2020.\r\nDe fout betrof: ConnectDatabase: "
                    "het bestand VktC2020.db kon niet worden geopend, omdat een ander programma het in gebruik "
                    "heeft of de map niet leesbaar is.\r\n\r\nDe applicatie zal worden beëindigd.",
                    "Bericht", msOk));
        rij("memo", Melding("Formule niet geldig:\r\nregel 1: onbekende naam 'Brutoloon2'\r\nregel 3: ')' "
                            "verwacht\r\n",
                            "Vkt2020", msMemo));
        rij("splash", std::make_unique<TfrmSplash>());
        auto status = std::make_unique<TfrmStatus>();
        status->VerhoogVoortgang(50);
        rij("status", std::move(status));
        rij("info", std::make_unique<TfrmAbout>());
        rij("werkbalk", Werkbalk());
    }

    void EachWindowShowsAllItsTextAndParts()
    {
        QFETCH(std::shared_ptr<QWidget>, venster);
        Skin(*venster);
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        ControleerDatNietsWegvalt(*venster);

        const QString map = qEnvironmentVariable("VKT_VENSTERAFBEELDINGEN");
        if (!map.isEmpty()) {
            QDir().mkpath(map);
            QVERIFY(venster->grab().save(map + "/" + QTest::currentDataTag() + ".png"));
        }
    }
};

QTEST_MAIN(VenstertekeningenTest)
#include "VenstertekeningenTest.moc"
