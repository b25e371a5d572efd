#include "Programma.h"

#include "common/DataFolder.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "model/DmConstanten.h"
#include "store/DmVektaris.h"
#include "ui/Selectieband.h"
#include "widgets/ZNODBComponent.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace vkt::test {

void TProgrammatest::initTestCase()
{
    QVERIFY(instellingen_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, instellingen_.path());
}

void TProgrammatest::init() { QSettings("Zyrdo Software", "Quelvar2001").clear(); }

int TMeldingenlog::StelVraag(const std::string& tekst, bool)
{
    Vragen << QString::fromStdString(tekst);
    if (Antwoorden.empty())
        return mrNee;
    const int antwoord = Antwoorden.front();
    Antwoorden.pop_front();
    return antwoord;
}

TDatamap::TDatamap()
{
    for (const char* bestand : {TdmConstanten::Bestandsnaam, TdmVektaris::Bestandsnaam})
        std::filesystem::copy_file(DataFolder() / bestand, Pad() / bestand);
}

QString TDatamap::Cli(const QStringList& argumenten) const
{
    QProcess cli;
    QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
    omgeving.insert("VKT2020_DATA", QString::fromStdString(Pad().string()));
    cli.setProcessEnvironment(omgeving);
    cli.start(QString::fromStdString((DataFolder() / "vkt2020-cli").string()), argumenten);
    if (!cli.waitForFinished(20000) || cli.exitCode() != 0)
        qWarning() << "vkt2020-cli" << argumenten << "faalde:" << cli.readAllStandardError();
    return QString::fromUtf8(cli.readAllStandardOutput());
}

namespace {

void Open(db::Connection& verbinding, const std::filesystem::path& map)
{
    verbinding.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                                   (map / TdmVektaris::Bestandsnaam).string() + ";Mode=Share Exclusive");
    verbinding.Open();
}

} // namespace

void TDatamap::Voer(const std::string& sql) const
{
    db::Connection verbinding;
    Open(verbinding, Pad());
    db::Query(verbinding, sql).ExecSQL();
}

QString TDatamap::Waarde(const std::string& sql) const
{
    db::Connection verbinding;
    Open(verbinding, Pad());
    db::Query query(verbinding, sql);
    query.Open();
    return query.Eof() ? QString() : QString::fromStdString(query.AsText(query.FieldNames().front()));
}

TProgramma::TProgramma(const TDatamap& map, app::TStartopties opties)
    : app_(std::make_unique<app::TApplicatie>(TDatabasemappen{map.Pad(), map.Pad(), {}}, instellingen_, Meldingen,
                                              opties))
{
}

TProgramma::~TProgramma() = default;

bool TProgramma::Open()
{
    if (!app_->Start())
        return false;
    QSignalSpy klaar(&Venster(), &ui::TfrmMain::EersteActiveringKlaar);
    Venster().show();
    Venster().activateWindow();
    if (!QTest::qWaitForWindowActive(&Venster()) || !(klaar.count() > 0 || klaar.wait(10000)))
        return false;
    // The platform without a window manager gives the activation back to
    // no window once the windows of the loading have gone.
    Venster().activateWindow();
    return QTest::qWaitForWindowActive(&Venster());
}

void TProgramma::KlikTab(int tab)
{
    QTabBar* balk = Venster().pgMain->tabBar();
    QTest::mouseClick(balk, Qt::LeftButton, {}, balk->tabRect(tab).center());
}

void TProgramma::KiesWerknemer(int n)
{
    QComboBox* lijst = Venster().Selectie->cmbWerknemer;
    lijst->setFocus();
    QTest::keyClick(lijst, Qt::Key_Home);
    for (int i = 0; i < n; ++i)
        QTest::keyClick(lijst, Qt::Key_Down);
}

bool TProgramma::Sluit()
{
    const bool gesloten = Venster().close();
    QApplication::processEvents();
    return gesloten;
}

void TDatamap::SlaOp(const QStringList& opties) const { Cli(QStringList{"opslaan", "--naam", "Jansen"} + opties); }

TOpgeslagen::TOpgeslagen(const QStringList& opties) { Map.SlaOp(opties); }

bool TOpgeslagen::Open()
{
    if (!Programma.Open())
        return false;
    Programma.KiesWerknemer(0);
    return true;
}

QWidget* TProgramma::InvoerVan(QWidget* widget)
{
    if (auto* paneel = qobject_cast<widgets::TZNODBComponent*>(widget))
        return paneel->InvoerWidget();
    return widget;
}

void BeantwoordZodra(const QString& naam, std::function<void(QWidget&)> antwoord)
{
    auto* wacht = new QTimer;
    auto pogingen = std::make_shared<int>(0);
    wacht->setInterval(10);
    QObject::connect(wacht, &QTimer::timeout, [wacht, naam, antwoord, pogingen] {
        QPointer<QWidget> venster = QApplication::activeModalWidget();
        if (venster && (naam.isEmpty() || venster->objectName() == naam)) {
            wacht->stop();
            wacht->deleteLater();
            antwoord(*venster);
        } else if (++*pogingen > 500) {
            wacht->stop();
            wacht->deleteLater();
        }
    });
    wacht->start();
}

void GeefNaam(const QString& naam)
{
    BeantwoordZodra("frmOpslaanAls", [naam](QWidget& venster) {
        auto* veld = venster.findChild<QLineEdit*>("edWNNaam");
        QTest::keyClicks(veld, naam);
        QTest::keyClick(veld, Qt::Key_Return);
    });
}

void TypOver(QWidget* invoer, const QString& tekst)
{
    invoer->setFocus();
    QTest::keyClick(invoer, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(invoer, Qt::Key_Delete);
    QTest::keyClicks(invoer, tekst);
    QTest::keyClick(invoer, Qt::Key_Tab);
}

QString Exporteer(ui::TfrmMain& venster, const QString& map)
{
    QUrl geopend;
    venster.Uitvoer().Opener = [&geopend](const QUrl& url) {
        geopend = url;
        return true;
    };
    // Keeps the name the dialog suggests and puts the folder in front, typed
    // into the active dialog as a user does.
    BeantwoordZodra("dlgExporteren", [map](QWidget& dialoog) {
        auto* naam = dialoog.findChild<QLineEdit*>("fileNameEdit");
        const QString voorstel = naam->text();
        if (!QTest::qWaitForWindowActive(&dialoog)) {
            dialoog.close(); // nothing opened: the test fails
            return;
        }
        naam->setFocus();
        QTest::keyClick(naam, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(naam, map + "/" + voorstel);
        QTest::keyClick(naam, Qt::Key_Return);
    });
    venster.findChild<QAction*>("ExporterenNaarWord1")->trigger();
    return geopend.toLocalFile();
}

} // namespace vkt::test
