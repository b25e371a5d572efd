#include "Afdrukcontrole.h"
#include "ModaalAntwoord.h"

#include "common/Meldingen.h"
#include "support/TempFolder.h"
#include "ui/Afdrukken.h"
#include "output/Rapportuitvoer.h"
#include "widgets/NumeriekVeld.h"

#include <QFontInfo>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace vkt;
using namespace vkt::ui;
using namespace vkt::test;

namespace {

// A statement long enough for two pages.
QStringList LangRapport()
{
    QStringList regels{"                         Zyrdo Vektaris-programma 2020", ""};
    for (int i = 1; i <= 100; ++i)
        regels << QString("   Regel %1").arg(i, 3, 10, QChar('0'));
    return regels;
}

} // namespace

class RapportuitvoerTest : public QObject {
    Q_OBJECT

private slots:
    void PrintingPutsTheTopMarginOnTheFirstPageAndTheLeftMarginOnEveryLine()
    {
        test::TempFolder map;
        const QString zonder = QString::fromStdString(map.File("zonder.pdf"));
        const QString met = QString::fromStdString(map.File("met.pdf"));
        SchrijfRapportPdf(LangRapport(), RapportLettertype(), {}, zonder);
        SchrijfRapportPdf(LangRapport(), RapportLettertype(), {3, 5}, met);
        const auto z = PdfWoorden(zonder);
        const auto m = PdfWoorden(met);
        QCOMPARE(z.size(), 2u);
        QCOMPARE(m.size(), 2u);
        // A character's width and a line's height, as printed without margins.
        const double teken = (Plaats(z[0], "Vektaris-programma").x() - Plaats(z[0], "Zyrdo").x()) / 6;
        const double regel = Plaats(z[0], "002").y() - Plaats(z[0], "001").y();
        QVERIFY(teken > 5 && regel > 10);
        // Without margins the first line starts at the top left of the
        // printable area (the heading after its 25 blanks).
        QVERIFY(Gelijk(Plaats(z[0], "Zyrdo"), Plaats(z[0], "Regel") + QPointF(22 * teken, -2 * regel)));
        // With them: three lines lower on the first page and five characters
        // to the right on every page; the second page starts at its top.
        const QPointF verschuiving(5 * teken, 3 * regel);
        QVERIFY(Gelijk(Plaats(m[0], "Zyrdo"), Plaats(z[0], "Zyrdo") + verschuiving));
        QVERIFY(Gelijk(Plaats(m[0], "Regel"), Plaats(z[0], "Regel") + verschuiving));
        QVERIFY(Gelijk(m[1].front().Plaats, Plaats(z[0], "Zyrdo") + QPointF(5 * teken - 22 * teken, 0)));
        QCOMPARE(m[1].front().Tekst, QString("Regel"));
        QCOMPARE(m[1].back().Tekst, QString("100"));
        // The layout keeps every line whole and in its order.
        const QString opmaak = Uitvoer("pdftotext", {"-layout", met, "-"});
        QVERIFY2(opmaak.contains("Zyrdo Vektaris-programma 2020\n\nRegel 001\nRegel 002\n"), qPrintable(opmaak.left(200)));
    }

    void AnExportedLineLosesItsLeadingBlanks_data()
    {
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("heading") << "                         Zyrdo Vektaris-programma 2020"
                                 << "Zyrdo Vektaris-programma 2020";
        QTest::newRow("amount line") << "   Brutoloon          3000,00" << "Brutoloon          3000,00";
        QTest::newRow("right-aligned amount") << "        1234,50" << "1234,50";
        QTest::newRow("tab and blanks") << "\t  x y" << "x y";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks only") << "    " << "";
    }

    void AnExportedLineLosesItsLeadingBlanks()
    {
        QFETCH(QString, regel);
        QFETCH(QString, verwacht);
        QCOMPARE(ExportRegel(regel), verwacht);
    }

    void TheExportHasOneParagraphPerLineInTheReportFont()
    {
        test::TempFolder map;
        const QString bestand = QString::fromStdString(map.File("rapport.odt"));
        QFont lettertype = RapportLettertype();
        lettertype.setPointSize(12);
        SchrijfRapportOdt({"                         Zyrdo Vektaris-programma 2020", "",
                           "   Brutoloon                                               3000,00       3000,00"},
                          lettertype, bestand);
        const QString inhoud = Uitvoer("unzip", {"-p", bestand, "content.xml"});
        QCOMPARE(OdtAlineas(bestand), QStringList({"Zyrdo Vektaris-programma 2020", "",
                                       "Brutoloon                                               3000,00       3000,00"}));
        QVERIFY2(inhoud.contains("fo:font-family=\"'Courier New'\"") || inhoud.contains("fo:font-family=\"Courier New\""),
                 qPrintable(inhoud));
        QVERIFY(inhoud.contains("fo:font-size=\"12pt\""));
        QVERIFY(!inhoud.contains("fo:font-weight=\"bold\""));
    }

    void TheExportOpensTheDocumentOrSaysWhyNot()
    {
        test::TempFolder map;
        TAfdrukken afdrukken;
        afdrukken.Exportmap = QString::fromStdString(map.Path().string());
        QUrl geopend;
        afdrukken.Opener = [&](const QUrl& url) {
            geopend = url;
            return true;
        };
        TBewaardeMeldingen meldingen;
        QVERIFY(afdrukken.Exporteren({"   Brutoloon"}, meldingen));
        QVERIFY(geopend.isLocalFile());
        QVERIFY(geopend.toLocalFile().endsWith(".odt"));
        QVERIFY(QFile::exists(geopend.toLocalFile()));

        afdrukken.Opener = [](const QUrl&) { return false; };
        QVERIFY(!afdrukken.Exporteren({"   Brutoloon"}, meldingen));
        QCOMPARE(meldingen.Foutmeldingen.size(), 1u);
        QVERIFY(QString::fromStdString(meldingen.Foutmeldingen[0]).startsWith("frmMain.DoExport: Er is geen tekstverwerker"));

        afdrukken.Exportmap = QString::fromStdString(map.File("bestaat-niet"));
        QVERIFY(!afdrukken.Exporteren({"   Brutoloon"}, meldingen));
        QCOMPARE(meldingen.Meldingen.size(), 1u);
        QVERIFY(QString::fromStdString(meldingen.Meldingen[0])
                    .startsWith("Fout bij exporteren naar tekstverwerker: Kon geen tekstbestand aanmaken"));
    }

    void PrintingGoesThroughThePrintDialog()
    {
        test::TempFolder map;
        const QString bestand = QString::fromStdString(map.File("afdruk.pdf"));
        TAfdrukken afdrukken;
        afdrukken.Printer().setOutputFormat(QPrinter::PdfFormat);
        afdrukken.Printer().setOutputFileName(bestand);
        afdrukken.SetMarges({1, 2});
        BeantwoordMetToets(Qt::Key_Escape);
        QVERIFY(!afdrukken.Afdrukken({"   Brutoloon"}, nullptr));
        QVERIFY(!QFile::exists(bestand));
        BeantwoordModaal([](QWidget& venster) { QMetaObject::invokeMethod(&venster, "accept"); });
        QVERIFY(afdrukken.Afdrukken({"   Brutoloon"}, nullptr));
        const auto woorden = PdfWoorden(bestand);
        QCOMPARE(woorden.size(), 1u);
        QCOMPARE(woorden[0].front().Tekst, QString("Brutoloon"));
    }

    void TheFontDialogOffersFixedPitchFontsOnly()
    {
        TAfdrukken afdrukken;
        const QFont voor = afdrukken.Lettertype();
        BeantwoordMetToets(Qt::Key_Escape);
        QVERIFY(!afdrukken.KiesLettertype(nullptr));
        QCOMPARE(afdrukken.Lettertype(), voor);
        BeantwoordModaal([](QWidget& venster) {
            // The first of its lists holds the families.
            const auto lijsten = venster.findChildren<QListView*>();
            QVERIFY(!lijsten.isEmpty());
            QAbstractItemView* families = lijsten.first();
            QVERIFY(families->model()->rowCount() > 0);
            for (int i = 0; i < families->model()->rowCount(); ++i) {
                const QString familie = families->model()->index(i, 0).data().toString();
                QVERIFY2(QFontInfo(QFont(familie)).fixedPitch(), qPrintable(familie));
            }
            QMetaObject::invokeMethod(&venster, "accept");
        });
        QVERIFY(afdrukken.KiesLettertype(nullptr));
        QVERIFY(QFontInfo(afdrukken.Lettertype()).fixedPitch());
    }

    void TheMarginsDialogReadsWholeNumbers_data()
    {
        QTest::addColumn<QString>("boven");
        QTest::addColumn<QString>("links");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("verwachtBoven");
        QTest::addColumn<int>("verwachtLinks");
        QTest::newRow("both") << "3" << "5" << true << 3 << 5;
        QTest::newRow("empty reads 0") << "" << "12" << true << 0 << 12;
        QTest::newRow("three digits at most") << "1234" << "999" << true << 123 << 999;
        QTest::newRow("cancel keeps the margins") << "3" << "5" << false << 7 << 8;
    }

    void TheMarginsDialogReadsWholeNumbers()
    {
        QFETCH(QString, boven);
        QFETCH(QString, links);
        QFETCH(bool, ok);
        QFETCH(int, verwachtBoven);
        QFETCH(int, verwachtLinks);
        TAfdrukken afdrukken;
        afdrukken.SetMarges({7, 8});
        BeantwoordModaal([&](QWidget& venster) {
            QCOMPARE(venster.windowTitle(), QString("Marges instellen"));
            QVERIFY(QTest::qWaitForWindowActive(&venster));
            // The first field has the focus, its value selected; Tab goes on.
            for (const QString& tekst : {boven, links}) {
                QWidget* veld = QApplication::focusWidget();
                QTest::keyClick(veld, Qt::Key_X, Qt::ControlModifier);
                QTest::keyClicks(veld, tekst);
                QTest::keyClick(veld, Qt::Key_Tab);
            }
            QTest::mouseClick(venster.findChild<QWidget*>(ok ? "btnOpslaan" : "btnAnnuleren"), Qt::LeftButton);
        });
        QCOMPARE(afdrukken.KiesMarges(nullptr), ok);
        QCOMPARE(afdrukken.Marges().Boven, verwachtBoven);
        QCOMPARE(afdrukken.Marges().Links, verwachtLinks);
    }
};

QTEST_MAIN(RapportuitvoerTest)
#include "RapportuitvoerTest.moc"
