#include "Afdrukcontrole.h"
#include "ModaalAntwoord.h"

#include "common/DateTime.h"
#include "common/Meldingen.h"
#include "support/TempFolder.h"
#include "ui/Afdrukken.h"
#include "output/Rapportuitvoer.h"
#include "widgets/NumeriekVeld.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QListView>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <filesystem>

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

// The program's settings, where the folder used last is kept.
void ZetUitvoermap(const QString& map) { QSettings("Zyrdo Software", "Quelvar2001").setValue("User/Uitvoermap", map); }

// Answers the export's file dialog as a user does: types the file's path
// (volledig, or else the suggested name after the folder map, or else
// nothing) into its name and presses Enter. Returns the folder and the name
// the dialog started with, "folder|name".
QString BeantwoordBestand(QWidget& dialoog, const QString& map, const QString& volledig)
{
    auto* bestanden = qobject_cast<QFileDialog*>(&dialoog);
    auto* naam = dialoog.findChild<QLineEdit*>("fileNameEdit");
    if (!bestanden || dialoog.objectName() != "dlgExporteren" || !naam)
        return "(not the export's file dialog)";
    const QString begin = bestanden->directory().absolutePath() + "|" + naam->text();
    // Typed into the active dialog, as a user does: the dialog then follows
    // the path as it is typed.
    if (!QTest::qWaitForWindowActive(&dialoog))
        return "(the dialog did not become active)";
    naam->setFocus();
    if (!volledig.isEmpty() || !map.isEmpty()) {
        QTest::keyClick(naam, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(naam, volledig.isEmpty() ? map + "/" + naam->text() : volledig);
    }
    QTest::keyClick(naam, Qt::Key_Return);
    return begin;
}

} // namespace

class RapportuitvoerTest : public QObject {
    Q_OBJECT

private slots:
    // The settings and the documents folder of the test's own home.
    void initTestCase()
    {
        QVERIFY(thuis_.isValid());
        qputenv("HOME", thuis_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", thuis_.filePath("instellingen").toUtf8());
        QVERIFY(QDir().mkpath(thuis_.filePath("Documents")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, thuis_.filePath("instellingen"));
    }

    void init() { QSettings("Zyrdo Software", "Quelvar2001").clear(); }

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

    void TheDocumentNameIsTheEmployeeAndTheDate_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("metDatum");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("name and date") << "Piet Jansen" << true << "Piet Jansen 15-07-2020";
        QTest::newRow("without a date") << "Piet Jansen" << false << "Piet Jansen";
        QTest::newRow("slashes") << "Jansen/De Vries\\B.V." << true << "Jansen-De Vries-B.V. 15-07-2020";
        QTest::newRow("other systems' characters") << "A:B*C?\"D\"<E>|F" << true << "A-B-C--D--E--F 15-07-2020";
        QTest::newRow("control characters") << "Piet\tJansen\n\x01" << true << "Piet Jansen 15-07-2020";
        QTest::newRow("right-to-left mark") << QString::fromUtf8("Piet\u202Etxt.exe") << true
                                            << "Piet txt.exe 15-07-2020";
        QTest::newRow("blanks") << "  Piet   Jansen  " << true << "Piet Jansen 15-07-2020";
        QTest::newRow("leading dots") << "..Piet" << true << "Piet 15-07-2020";
        QTest::newRow("no name") << "" << true << "Berekening 15-07-2020";
        QTest::newRow("only a dot") << " . " << false << "Berekening";
    }

    void TheDocumentNameIsTheEmployeeAndTheDate()
    {
        QFETCH(QString, naam);
        QFETCH(bool, metDatum);
        QFETCH(QString, verwacht);
        const std::optional<TDateTime> datum =
            metDatum ? std::optional<TDateTime>(EncodeDate(2020, 7, 15)) : std::nullopt;
        QCOMPARE(Documentnaam(naam.toStdString(), datum), verwacht);
    }

    // The file dialog suggests the document's name in the documents folder
    // at first, then in the folder saved in last; the file is opened.
    void TheExportAsksWhereAndOpensTheFile()
    {
        test::TempFolder map;
        const QString folder = QString::fromStdString(map.Path().string());
        TAfdrukken afdrukken;
        QStringList geopend;
        afdrukken.Opener = [&](const QUrl& url) {
            geopend << url.toLocalFile();
            return true;
        };
        TBewaardeMeldingen meldingen;
        QString begin;
        BeantwoordModaal([&](QWidget& dialoog) { begin = BeantwoordBestand(dialoog, folder, ""); });
        QVERIFY(afdrukken.Exporteren({"   Brutoloon"}, "Piet Jansen 15-07-2020", nullptr, meldingen));
        QCOMPARE(begin, thuis_.filePath("Documents") + "|Piet Jansen 15-07-2020.odt");
        const QString bestand = folder + "/Piet Jansen 15-07-2020.odt";
        QCOMPARE(geopend, QStringList{bestand});
        QCOMPARE(OdtAlineas(bestand), QStringList{"Brutoloon"});

        BeantwoordModaal([&](QWidget& dialoog) { begin = BeantwoordBestand(dialoog, "", ""); });
        QImage afbeelding(40, 30, QImage::Format_RGB32);
        afbeelding.fill(Qt::white);
        QVERIFY(afdrukken.ExporterenAfbeelding(afbeelding, "Piet Jansen 15-07-2020", nullptr, meldingen));
        QCOMPARE(begin, folder + "|Piet Jansen 15-07-2020.png");
        QCOMPARE(geopend.back(), folder + "/Piet Jansen 15-07-2020.png");
        QCOMPARE(QImage(geopend.back()).size(), QSize(40, 30));
        QVERIFY(meldingen.Meldingen.empty() && meldingen.Foutmeldingen.empty());
    }

    void CancellingTheExportWritesAndSaysNothing()
    {
        test::TempFolder map;
        ZetUitvoermap(QString::fromStdString(map.Path().string()));
        TAfdrukken afdrukken;
        bool geopend = false;
        afdrukken.Opener = [&](const QUrl&) { return geopend = true; };
        TBewaardeMeldingen meldingen;
        BeantwoordMetToets(Qt::Key_Escape);
        QVERIFY(!afdrukken.Exporteren({"   Brutoloon"}, "Piet Jansen", nullptr, meldingen));
        QVERIFY(std::filesystem::is_empty(map.Path()));
        QVERIFY(!geopend && meldingen.Meldingen.empty() && meldingen.Foutmeldingen.empty());
    }

    // The standard opener asks the desktop's register of programs first
    // (here one that knows none), and the message says where the file is.
    void WhenNoProgramOpensTheFileTheMessageSaysWhereItIs()
    {
        test::TempFolder map;
        const QString folder = QString::fromStdString(map.Path().string());
        const QString programmas = folder + "/bin";
        QDir().mkpath(programmas);
        QFile xdgMime(programmas + "/xdg-mime");
        QVERIFY(xdgMime.open(QIODevice::WriteOnly));
        xdgMime.write("#!/bin/sh\nexit 0\n");
        xdgMime.close();
        xdgMime.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray pad = qgetenv("PATH");
        qputenv("PATH", programmas.toUtf8() + ":" + pad);

        TAfdrukken afdrukken;
        TBewaardeMeldingen meldingen;
        BeantwoordModaal([&](QWidget& dialoog) { BeantwoordBestand(dialoog, folder, ""); });
        const bool gelukt = afdrukken.Exporteren({"   Brutoloon"}, "Piet Jansen 15-07-2020", nullptr, meldingen);
        qputenv("PATH", pad);
        QVERIFY(gelukt);
        const QString bestand = folder + "/Piet Jansen 15-07-2020.odt";
        QVERIFY(QFile::exists(bestand));
        QCOMPARE(meldingen.Meldingen.size(), 1u);
        QCOMPARE(QString::fromStdString(meldingen.Meldingen[0]),
                 "De berekening is opgeslagen als " + bestand +
                     ".\r\n\r\nEr is geen programma gevonden dat OpenDocument-teksten opent; open het bestand met een "
                     "programma dat dat kan.");
        QVERIFY(meldingen.Foutmeldingen.empty());
    }

    void AFileThatCannotBeWrittenIsNamed()
    {
        test::TempFolder map;
        const QString bestand = QString::fromStdString(map.File("bestaat-niet")) + "/Piet.odt";
        TAfdrukken afdrukken;
        bool geopend = false;
        afdrukken.Opener = [&](const QUrl&) { return geopend = true; };
        TBewaardeMeldingen meldingen;
        BeantwoordModaal([&](QWidget& dialoog) { BeantwoordBestand(dialoog, "", bestand); });
        QVERIFY(!afdrukken.Exporteren({"   Brutoloon"}, "Piet", nullptr, meldingen));
        QVERIFY(!geopend && !QFile::exists(bestand));
        QCOMPARE(meldingen.Meldingen.size(), 1u);
        QCOMPARE(QString::fromStdString(meldingen.Meldingen[0]),
                 "Het bestand " + bestand +
                     " kon niet worden geschreven.\r\n\r\nKies een map waarin u mag schrijven, of een andere naam.");
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
        QVERIFY(!afdrukken.Afdrukken({"   Brutoloon"}, "Piet", nullptr));
        QVERIFY(!QFile::exists(bestand));
        // A file the program chose for the printer stays.
        QString voorstel;
        BeantwoordModaal([&](QWidget& venster) {
            voorstel = venster.findChild<QLineEdit*>("filename")->text();
            QMetaObject::invokeMethod(&venster, "accept");
        });
        QVERIFY(afdrukken.Afdrukken({"   Brutoloon"}, "Piet", nullptr));
        QCOMPARE(voorstel, bestand);
        const auto woorden = PdfWoorden(bestand);
        QCOMPARE(woorden.size(), 1u);
        QCOMPARE(woorden[0].front().Tekst, QString("Brutoloon"));
    }

    // The PDF printer's file is named after the document, in the folder used
    // last; after printing there the next document is suggested beside it.
    void PrintingToAPdfFileSuggestsTheDocumentsName()
    {
        test::TempFolder map;
        const QString folder = QString::fromStdString(map.Path().string());
        ZetUitvoermap(folder);
        TAfdrukken afdrukken;
        QStringList voorstellen;
        auto kiesPdf = [&](QWidget& venster) {
            auto* printers = venster.findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->count() - 1); // the PDF file
            voorstellen << venster.findChild<QLineEdit*>("filename")->text();
            QMetaObject::invokeMethod(&venster, "accept");
        };
        BeantwoordModaal(kiesPdf);
        QVERIFY(afdrukken.Afdrukken({"   Brutoloon"}, "Piet Jansen 15-07-2020", nullptr));
        QCOMPARE(afdrukken.Printer().docName(), QString("Piet Jansen 15-07-2020"));
        BeantwoordModaal(kiesPdf);
        auto teken = [](QPainter& schilder, const QRectF& doel) { schilder.drawText(doel, "Tekening"); };
        QVERIFY(afdrukken.AfdrukkenTekening(teken, QSizeF(100, 50), "Jan de Vries 15-07-2020", nullptr));
        QCOMPARE(voorstellen,
                 QStringList({folder + "/Piet Jansen 15-07-2020.pdf", folder + "/Jan de Vries 15-07-2020.pdf"}));
        QCOMPARE(PdfWoorden(voorstellen[0])[0].front().Tekst, QString("Brutoloon"));
        QCOMPARE(PdfWoorden(voorstellen[1])[0].front().Tekst, QString("Tekening"));
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

private:
    QTemporaryDir thuis_;
};

QTEST_MAIN(RapportuitvoerTest)
#include "RapportuitvoerTest.moc"
