// What the program brings along so that it looks and speaks the same on any
// machine: its own fonts and Qt's Dutch. The test runs with fontconfig
// seeing only the DejaVu fonts (FONTCONFIG_FILE, see CMakeLists.txt), as on
// a machine without the Liberation fonts.
#include "Programma.h"

#include "output/Lettertypen.h"
#include "output/Rapportuitvoer.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/TabToonBerekening.h"
#include "widgets/ProgrammaStijl.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRawFont>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace vkt;
using namespace vkt::test;

namespace {

// The font file's header table (its version and checksum) names the file a
// font was drawn from.
QByteArray Kop(const QRawFont& lettertype) { return lettertype.fontTable("head"); }

QByteArray KopVanBestand(const QString& bestand)
{
    QFile ttf(bestand);
    if (!ttf.open(QIODevice::ReadOnly))
        return {};
    return Kop(QRawFont(ttf.readAll(), 10));
}

QStringList Teksten(const QMenu& menu)
{
    QStringList teksten;
    for (const QAction* actie : menu.actions())
        if (!actie->isSeparator())
            teksten << actie->text().section('\t', 0, 0);
    return teksten;
}

} // namespace

class ProgrammaomgevingTest : public QObject {
    Q_OBJECT

private slots:
    // The settings and the documents folder of the test's own home.
    void initTestCase()
    {
        QVERIFY(thuis_.isValid());
        qputenv("HOME", thuis_.path().toUtf8());
        QVERIFY(QDir().mkpath(thuis_.filePath("Documents")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, thuis_.filePath("instellingen"));
        QVERIFY2(!QFontDatabase::families().contains("Liberation Sans"),
                 "the test's font configuration must hide the system's Liberation fonts");
        widgets::ZetProgrammaStijl();
    }

    // The windows' font and the statement's are the program's own files.
    void TheWindowsAndTheStatementUseTheFontsBroughtAlong()
    {
        const QFont venster = QApplication::font();
        QCOMPARE(QFontInfo(venster).family(), QString("Liberation Sans"));
        QCOMPARE(Kop(QRawFont::fromFont(venster)), KopVanBestand(":/lettertypen/LiberationSans-Regular.ttf"));
        QFont vet = venster;
        vet.setBold(true);
        QCOMPARE(Kop(QRawFont::fromFont(vet)), KopVanBestand(":/lettertypen/LiberationSans-Bold.ttf"));

        const QFont rapport = ui::RapportLettertype();
        QCOMPARE(rapport.family(), QString("Courier New")); // as the exported document names it
        const QFontInfo info(rapport);
        QCOMPARE(info.family(), QString("Liberation Mono"));
        QVERIFY(info.bold() && info.fixedPitch());
        QCOMPARE(Kop(QRawFont::fromFont(rapport)), KopVanBestand(":/lettertypen/LiberationMono-Bold.ttf"));
    }

    // Every caption of the main window fits its place on every tab (without
    // the fonts "Selecteer werknemer" showed as "Selecteer werkneme").
    void NoCaptionOfTheWindowIsCut()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000"});
        QVERIFY(opgeslagen.Open());
        TProgramma& programma = opgeslagen.Programma;
        ui::TfrmMain& venster = programma.Venster();
        QCOMPARE(QFontInfo(venster.Selectie->font()).family(), QString("Liberation Sans"));
        const QString afbeeldingen = qEnvironmentVariable("VKT_VENSTERAFBEELDINGEN");
        for (int tab = 0; tab < venster.pgMain->count(); ++tab) {
            programma.KlikTab(tab);
            QApplication::processEvents();
            if (!afbeeldingen.isEmpty())
                venster.grab().save(QDir(afbeeldingen).filePath(QString("venster-tab-%1.png").arg(tab + 1)));
            int bekeken = 0;
            for (const QLabel* label : venster.findChildren<QLabel*>()) {
                if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull())
                    continue;
                ++bekeken;
                QVERIFY2(label->sizeHint().width() <= label->width(),
                         qPrintable(QString("%1 \"%2\": %3 wide, needs %4")
                                        .arg(label->objectName(), label->text())
                                        .arg(label->width())
                                        .arg(label->sizeHint().width())));
            }
            QVERIFY(bekeken > 0);
        }
    }

    // The program's start loads Qt's Dutch: the context menu of a text
    // field, the standard buttons and Qt's dialogs.
    void QtsOwnTextsAreDutch()
    {
        TOpgeslagen opgeslagen;
        QVERIFY(opgeslagen.Open());
        QPlainTextEdit* memo = opgeslagen.Programma.Venster().tsToonBerekening->memoToonBerekening;
        opgeslagen.Programma.KlikTab(ui::tabToonBerekening);
        // Through the window, as the platform delivers a click: the right
        // button opens the context menu there.
        QWindow* scherm = memo->window()->windowHandle();
        QTest::mouseClick(scherm, Qt::RightButton, {}, memo->viewport()->mapTo(memo->window(), QPoint(20, 20)));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QStringList teksten = Teksten(*menu);
        for (const char* tekst : {"Kni&ppen", "&Kopiëren", "P&lakken", "Alles selecteren"})
            QVERIFY2(teksten.contains(QString::fromUtf8(tekst)), qPrintable(teksten.join(" | ")));
        QTest::keyClick(menu, Qt::Key_Escape);

        QLineEdit veld;
        std::unique_ptr<QMenu> veldmenu(veld.createStandardContextMenu());
        QVERIFY(Teksten(*veldmenu).contains(QString::fromUtf8("&Kopiëren")));

        QDialogButtonBox knoppen(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                                 QDialogButtonBox::No);
        QCOMPARE(knoppen.button(QDialogButtonBox::Cancel)->text(), QString("Annuleren"));
        QCOMPARE(knoppen.button(QDialogButtonBox::Yes)->text(), QString("&Ja"));
        QCOMPARE(knoppen.button(QDialogButtonBox::No)->text(), QString("&Nee"));

        QPrinter printer;
        QPrintDialog afdrukken(&printer);
        QCOMPARE(afdrukken.windowTitle(), QString("Afdrukken"));
        QFileDialog bestand(nullptr, "x");
        bestand.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(bestand.findChild<QLabel*>("fileNameLabel")->text(), QString("Bestands&naam:"));
    }

    // The window's export and print dialogs: Dutch, with the calculation's
    // name suggested; cancelled with Escape.
    void TheWindowsFileDialogsSpeakDutchAndSuggestTheName()
    {
        TOpgeslagen opgeslagen({"--loonbedrag", "3000", "--datum", "15-07-2020"});
        QVERIFY(opgeslagen.Open());
        ui::TfrmMain& venster = opgeslagen.Programma.Venster();
        opgeslagen.Programma.KlikTab(ui::tabToonBerekening);
        const QString afbeeldingen = qEnvironmentVariable("VKT_VENSTERAFBEELDINGEN");
        QStringList gezien;
        auto bekijk = [&](const QString& afbeelding) {
            return [&, afbeelding](QWidget& dialoog) {
                QVERIFY(QTest::qWaitForWindowActive(&dialoog));
                if (!afbeeldingen.isEmpty())
                    dialoog.grab().save(QDir(afbeeldingen).filePath(afbeelding));
                QStringList teksten{dialoog.windowTitle()};
                for (const QLabel* label : dialoog.findChildren<QLabel*>())
                    teksten << label->text();
                for (const char* veld : {"fileNameEdit", "filename"})
                    if (const auto* invoer = dialoog.findChild<QLineEdit*>(veld))
                        teksten << invoer->text();
                if (const auto* bestanden = qobject_cast<QFileDialog*>(&dialoog))
                    teksten << bestanden->directory().absolutePath();
                gezien = teksten;
                QTest::keyClick(dialoog.focusWidget(), Qt::Key_Escape);
            };
        };
        BeantwoordZodra("dlgExporteren", bekijk("exporteren.png"));
        venster.findChild<QAction*>("ExporterenNaarWord1")->trigger();
        const QString documenten = thuis_.filePath("Documents");
        for (const QString& tekst : {QString("Exporteren als OpenDocument-tekst"), QString("Bestands&naam:"),
                                     QString("Zoeken in:"), QString("Jansen 15-07-2020.odt"), documenten})
            QVERIFY2(gezien.contains(tekst), qPrintable(gezien.join(" | ")));

        BeantwoordZodra("", bekijk("afdrukken.png"));
        venster.findChild<QAction*>("Afdrukken1")->trigger();
        for (const QString& tekst : {QString("Afdrukken"), QString("&Uitvoerbestand:"), QString::fromUtf8("Kopieën:"),
                                     documenten + "/Jansen 15-07-2020.pdf"})
            QVERIFY2(gezien.contains(tekst), qPrintable(gezien.join(" | ")));
        QVERIFY(opgeslagen.Programma.Meldingen.Meldingen.isEmpty());
    }

private:
    QTemporaryDir thuis_;
};

QTEST_MAIN(ProgrammaomgevingTest)
#include "ProgrammaomgevingTest.moc"
