#include "ui/FrmMain.h"

#include "calc/Berekening.h"
#include "calc/Rapport.h"
#include "common/Meldingen.h"
#include "model/DmConstanten.h"
#include "model/QuelvarException.h"
#include "store/BerekeningOpslag.h"
#include "store/DmVektaris.h"
#include "store/Gegevensscherm.h"
#include "ui/FondsRegelsScherm.h"
#include "ui/FrmAfwijkendeGrondslagWN.h"
#include "ui/Kaartcommandos.h"
#include "ui/Kern.h"
#include "ui/Markeerkleur.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/TabBerekeningsgegevens.h"
#include "ui/TabSocialeFondsen.h"
#include "ui/TabToonBerekening.h"
#include "ui/TabVerloop.h"
#include "ui/TabWerkgeverslasten.h"
#include "ui/TabWerknemersgegevens.h"
#include "ui/Tabwachter.h"
#include "output/Verloopgrafiek.h"
#include "ui/Wachtcursor.h"
#include "widgets/Afbeeldingen.h"
#include "widgets/FrmAbout.h"
#include "widgets/FrmStatus.h"
#include "widgets/Paneel.h"
#include "widgets/Skin.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/VensterMeldingen.h"
#include "widgets/Vensterdelen.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace vkt::ui {

using widgets::VoerUitMetFoutmelding;
namespace {

constexpr int kBreedte = 753;       // of the client area
constexpr int kHoogte = 635;
constexpr int kMinimumHoogte = 488; // of the client area, below the menu
constexpr int kWerkbalkHoogte = 86;
constexpr int kSelectieHoogte = 35;

} // namespace

TfrmMain::TfrmMain(TKern& kern, QWidget* ouder) : QMainWindow(ouder), kern_(kern)
{
    setObjectName("frmMain");
    setWindowTitle("Zyrdo Vektaris 2020");
    new widgets::TSkin(this, this);
    MaakActies();
    MaakMenu();
    auto* midden = new QWidget(this);
    midden->setObjectName("pnlMidden");
    auto* indeling = new QVBoxLayout(midden);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->setSpacing(0);
    indeling->addWidget(MaakWerkbalk());
    Selectie = new TSelectieband(kern_.Scherm, midden);
    Selectie->setFixedHeight(kSelectieHoogte);
    indeling->addWidget(Selectie);
    MaakTabs();
    indeling->addWidget(pgMain, 1);
    setCentralWidget(midden);

    regels_ = new TSchermregels(kern_,
                                {pgMain, Selectie, tsAlgemeen_, tsWerknemerGegevens_, tsBerekeningsGegevens_, &koppeling_},
                                initialised_, this);
    const TKaartknoppen knoppen{sbLegeKaart_,
                                Openenlegekaart1_,
                                sbVerwijderen_,
                                Verwijderen1_,
                                Opslaanals_,
                                {tsAlgemeen_->btnGrondslagWG, tsBerekeningsGegevens_->btnGrondslagWN,
                                 tsWerknemerGegevens_->btnWNGrondslag, tsSocialeFondsen_->btnNieuwSF,
                                 tsSocialeFondsen_->btnSocialeFondsen}};
    fondsRegels_ = new TFondsRegelsScherm(kern_.Werknemers, kern_.Fondsen, *tsSocialeFondsen_->sbSocialeFondsen,
                                          kern_.Meldingen, this);
    fondsRegels_->setParent(this);
    kaart_ = new TKaartcommandos(kern_, *Selectie, *regels_, koppeling_, *fondsRegels_, knoppen, this);
    Verbind();
    new TTabwachter(*pgMain);

    const int menu = menuBar()->sizeHint().height();
    resize(kBreedte, kHoogte + menu);
    setMinimumSize(kBreedte, kMinimumHoogte + menu);
    if (const QScreen* scherm = screen())
        move(scherm->availableGeometry().center() - rect().center());
}

TfrmMain::~TfrmMain() = default;

QAction* TfrmMain::Actie(const char* naam, const QString& tekst, const QKeySequence& toets)
{
    auto* actie = new QAction(tekst, this);
    actie->setObjectName(naam);
    actie->setShortcut(toets);
    return actie;
}

void TfrmMain::MaakActies()
{
    Openenlegekaart1_ = Actie("Openenlegekaart1", "&Nieuw", QKeySequence(Qt::CTRL | Qt::Key_N));
    Opslaangegevens1_ = Actie("Opslaangegevens1", "Op&slaan", QKeySequence(Qt::CTRL | Qt::Key_S));
    Opslaanals_ = Actie("Opslaanals", "Opslaan &als...");
    Verwijderen1_ = Actie("Verwijderen1", "&Verwijderen", QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Exporteren1_ = Actie("ExporterenNaarWord1", "E&xporteren als OpenDocument-tekst...");
    Afdrukken1_ = Actie("Afdrukken1", "A&fdrukken...", QKeySequence(Qt::CTRL | Qt::Key_P));
    Printerinstellingen1_ = Actie("Printerinstellingen1", "Printer &instellingen...", QKeySequence(Qt::CTRL | Qt::Key_I));
    Einde1_ = Actie("Einde1", "&Einde", QKeySequence(Qt::CTRL | Qt::Key_E));
    Knippen1_ = Actie("Knippen1", "K&nippen", QKeySequence(Qt::CTRL | Qt::Key_X));
    Kopieren1_ = Actie("Kopieren1", "&Kopieren", QKeySequence(Qt::CTRL | Qt::Key_C));
    Plakken1_ = Actie("Plakken1", "&Plakken", QKeySequence(Qt::CTRL | Qt::Key_V));
    Lettertype1_ = Actie("Lettertype1", "&Lettertype...");
    Marges1_ = Actie("Marges1", "&Marges...");
    Informatie1_ = Actie("Informatie1", "&Informatie...");
}

void TfrmMain::MaakMenu()
{
    QMenu* bestand = menuBar()->addMenu("Be&stand");
    bestand->addActions({Openenlegekaart1_, Opslaangegevens1_, Opslaanals_, Verwijderen1_});
    bestand->addSeparator();
    bestand->addActions({Exporteren1_, Afdrukken1_, Printerinstellingen1_});
    bestand->addSeparator();
    bestand->addAction(Einde1_);
    QMenu* bewerken = menuBar()->addMenu("B&ewerken");
    bewerken->addActions({Knippen1_, Kopieren1_, Plakken1_});
    bewerken->addSeparator();
    bewerken->addActions({Lettertype1_, Marges1_});
    menuBar()->addMenu("&Info")->addAction(Informatie1_);
}

QToolButton* TfrmMain::MaakKnop(QWidget* balk, const char* naam, const QString& bijschrift,
                                const QString& afbeelding, const QString& hint)
{
    auto* knop = new QToolButton(balk);
    knop->setObjectName(naam);
    knop->setText(bijschrift);
    widgets::ZetToegankelijkeNaam(*knop, bijschrift);
    knop->setToolTip(hint);
    knop->setIcon(widgets::Pictogram(afbeelding));
    knop->setIconSize(QSize(48, 48));
    knop->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    knop->setFixedSize(114, 78);
    balk->layout()->addWidget(knop);
    return knop;
}

QWidget* TfrmMain::MaakWerkbalk()
{
    auto* balk = new widgets::TPaneel(nullptr, widgets::TPaneel::Rand::Verhoogd);
    balk->setObjectName("pnlControlBar");
    balk->setFixedHeight(kWerkbalkHoogte);
    auto* indeling = new QHBoxLayout(balk);
    indeling->setContentsMargins(4, 4, 6, 4);
    indeling->setSpacing(0);
    sbLegeKaart_ = MaakKnop(balk, "sbLegeKaart", "Nieuw", widgets::Afbeeldingen::Nieuw,
                            "Maakt nieuwe werknemer (lege kaart) voor loonberekening");
    sbVerwijderen_ = MaakKnop(balk, "sbVerwijderen", "Verwijderen", widgets::Afbeeldingen::Verwijderen,
                              "Wist geselecteerde werknemer (kaart) met berekeningsgegevens");
    sbOpslaan_ = MaakKnop(balk, "sbOpslaan", "Opslaan", widgets::Afbeeldingen::Opslaan,
                          "Slaat werknemer (kaart) met huidige berekening op");
    sbAfdrukken_ = MaakKnop(balk, "sbAfdrukken", "Afdrukken", widgets::Afbeeldingen::Afdrukken,
                            "Maakt een afdruk van de berekeningsgegevens");
    sbAfsluiten_ = MaakKnop(balk, "sbAfsluiten", "Afsluiten", widgets::Afbeeldingen::Afsluiten, {});
    indeling->addStretch(1);
    QLabel* logo = widgets::MaakLogo(balk, {0, 0});
    logo->setFixedSize(143, 70);
    indeling->addWidget(logo, 0, Qt::AlignTop);
    return balk;
}

void TfrmMain::MaakTabs()
{
    pgMain = new QTabWidget;
    pgMain->setObjectName("pgMain");
    tsAlgemeen_ = new TtsWerkgeverslasten(kern_.Scherm, koppeling_);
    tsSocialeFondsen_ = new TtsSocialeFondsen(kern_.Scherm);
    tsWerknemerGegevens_ = new TtsWerknemersgegevens(kern_.Scherm, koppeling_);
    tsBerekeningsGegevens_ = new TtsBerekeningsgegevens(kern_.Scherm, koppeling_);
    tsToonBerekening = new TtsToonBerekening;
    tsVerloop = new TtsVerloop;
    pgMain->addTab(tsAlgemeen_, "Werkgeversl&asten");
    pgMain->addTab(tsSocialeFondsen_, "Sociale &Fondsen");
    pgMain->addTab(tsWerknemerGegevens_, "&Werknemersgegevens");
    pgMain->addTab(tsBerekeningsGegevens_, "&Berekeningsgegevens");
    pgMain->addTab(tsToonBerekening, "&Toon Berekening");
    pgMain->addTab(tsVerloop, "&Verloop");
}

void TfrmMain::Verbind()
{
    connect(pgMain, &QTabWidget::currentChanged, this, &TfrmMain::TabGewijzigd);
    auto beide = [this](QAction* actie, QToolButton* knop, auto* doel, auto slot) {
        connect(actie, &QAction::triggered, doel, slot);
        if (knop != nullptr)
            connect(knop, &QToolButton::clicked, doel, slot);
    };
    beide(Openenlegekaart1_, sbLegeKaart_, kaart_, &TKaartcommandos::Nieuw);
    beide(Opslaangegevens1_, sbOpslaan_, kaart_, &TKaartcommandos::Opslaan);
    beide(Opslaanals_, nullptr, kaart_, &TKaartcommandos::OpslaanAls);
    beide(Verwijderen1_, sbVerwijderen_, kaart_, &TKaartcommandos::Verwijderen);
    beide(Afdrukken1_, sbAfdrukken_, this, &TfrmMain::Afdrukken);
    beide(Einde1_, sbAfsluiten_, this, &QWidget::close);
    beide(Exporteren1_, nullptr, this, &TfrmMain::ExporterenNaarWord);
    beide(Printerinstellingen1_, nullptr, this, &TfrmMain::PrinterInstellingen);
    beide(Knippen1_, nullptr, this, &TfrmMain::Knippen);
    beide(Kopieren1_, nullptr, this, &TfrmMain::Kopieren);
    beide(Plakken1_, nullptr, this, &TfrmMain::Plakken);
    beide(Lettertype1_, nullptr, this, &TfrmMain::Lettertype);
    beide(Marges1_, nullptr, this, &TfrmMain::Marges);
    beide(Informatie1_, nullptr, this, &TfrmMain::Informatie);
    for (QPushButton* knop : {tsAlgemeen_->btnGrondslagWG, tsWerknemerGegevens_->btnWNGrondslag,
                              tsBerekeningsGegevens_->btnGrondslagWN})
        connect(knop, &QPushButton::clicked, this, &TfrmMain::AfwijkendeGrondslag);
    connect(tsSocialeFondsen_->btnNieuwSF, &QPushButton::clicked, this, &TfrmMain::NieuwSociaalFonds);
    connect(tsSocialeFondsen_->btnSocialeFondsen, &QPushButton::clicked, this, &TfrmMain::BeschikbareSocialeFondsen);
}

// The text commands belong to the statement; printing and export to the
// statement and the chart, whose export is a picture.
void TfrmMain::ZetRapportActies(int tab)
{
    const bool rapport = tab == tabToonBerekening;
    const bool uitvoer = rapport || tab == tabVerloop;
    for (QAction* actie : {Knippen1_, Kopieren1_, Plakken1_, Lettertype1_, Marges1_})
        actie->setEnabled(rapport);
    Afdrukken1_->setEnabled(uitvoer);
    Exporteren1_->setEnabled(uitvoer);
    sbAfdrukken_->setEnabled(uitvoer);
    Exporteren1_->setText(tab == tabVerloop ? "E&xporteren als PNG-afbeelding..."
                                            : "E&xporteren als OpenDocument-tekst...");
}

void TfrmMain::TabGewijzigd(int tab)
{
    VoerUitMetFoutmelding(kern_.Meldingen, [&] {
        if (tab == tabToonBerekening)
            ToonBerekening();
        else if (tab == tabVerloop)
            ToonVerloop();
        else
            regels_->TabGetoond(tab);
    });
    ZetRapportActies(tab);
    if (tab == tabToonBerekening || tab == tabVerloop)
        regels_->ControleerLeeftijd();
}

bool TfrmMain::RekenHuidige()
{
    fondsRegels_->NeemWaardenOver();
    return kern_.Berekening.Run(kern_.Vast.get(), regels_->LeesInvoer(), kern_.Constanten, kern_.Meldingen);
}

void TfrmMain::ToonBerekening()
{
    const TWachtcursor wacht;
    RekenHuidige();
    tsToonBerekening->ToonRapport(SchrijfRapport(kern_.Berekening));
}

void TfrmMain::ToonVerloop()
{
    const TWachtcursor wacht;
    if (RekenHuidige())
        tsVerloop->Toon(kern_.Berekening, *kern_.Vast, kern_.Constanten);
    else
        tsVerloop->Wis("Er is geen berekening om het verloop van te tonen.");
}

void TfrmMain::Informatie()
{
    widgets::TfrmAbout info(this);
    info.exec();
}

void TfrmMain::Knippen() { tsToonBerekening->memoToonBerekening->cut(); }
void TfrmMain::Kopieren() { tsToonBerekening->memoToonBerekening->copy(); }
void TfrmMain::Plakken() { tsToonBerekening->memoToonBerekening->paste(); }

// Printing and export take the statement as it stands in the view, with the
// user's edits, or the chart of the wage curve; files and print jobs are
// named after the employee and the calculation date.
void TfrmMain::Afdrukken()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        const QString naam = Documentnaam(Selectie->Naam(), kern_.Scherm.deBerekeningDatum.Date());
        if (pgMain->currentIndex() == tabVerloop)
            afdrukken_.AfdrukkenTekening(
                [this](QPainter& schilder, const QRectF& doel) {
                    TekenVerloopgrafiek(tsVerloop->Verloop(), schilder, doel);
                },
                kVerloopgrafiekGrootte, naam, this);
        else
            afdrukken_.Afdrukken(tsToonBerekening->Regels(), naam, this);
    });
}

void TfrmMain::ExporterenNaarWord()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        const QString naam = Documentnaam(Selectie->Naam(), kern_.Scherm.deBerekeningDatum.Date());
        if (pgMain->currentIndex() == tabVerloop)
            afdrukken_.ExporterenAfbeelding(VerloopgrafiekAfbeelding(tsVerloop->Verloop()), naam, this,
                                            kern_.Meldingen);
        else
            afdrukken_.Exporteren(tsToonBerekening->Regels(), naam, this, kern_.Meldingen);
    });
}

void TfrmMain::PrinterInstellingen() { afdrukken_.PrinterInstellingen(this); }

void TfrmMain::Lettertype()
{
    if (afdrukken_.KiesLettertype(this))
        tsToonBerekening->memoToonBerekening->setFont(afdrukken_.Lettertype());
}

void TfrmMain::Marges() { afdrukken_.KiesMarges(this); }

// The employee's formulas; after a save the rows are bound again, so their
// marks follow the new formulas.
void TfrmMain::AfwijkendeGrondslag()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        TfrmAfwijkendeGrondslagWN venster(kern_.Werknemers, kern_.Vast.get(), kern_.Meldingen, this);
        connect(&venster, &TfrmAfwijkendeGrondslagWN::FormulesHerladen, this,
                [this] { koppeling_.Koppel(kern_.Vast.get()); });
        venster.Uitvoeren();
    });
}

void TfrmMain::NieuwSociaalFonds()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] { fondsRegels_->NieuwSociaalFonds(); });
}

void TfrmMain::BeschikbareSocialeFondsen()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] { fondsRegels_->KiesSocialeFondsen(); });
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (getoond_)
        return;
    getoond_ = true;
    EersteWeergave();
}

// The first tab, today's date in 2020, the holiday pay of a new calculation.
void TfrmMain::EersteWeergave()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        pgMain->setCurrentIndex(tabWerkgeverslasten);
        kaart_->ZetNieuwBijschrift(false);
        TabGewijzigd(pgMain->currentIndex());
        kern_.Scherm.deBerekeningDatum.SetDate(TdmConstanten::BeginBerekeningsdatum(Today()));
        kern_.Scherm.edWGVakantiegeld.SetNumber(8);
        regels_->WisSamenvatting();
        Selectie->cmbWerknemer->setFocus();
    });
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !initialised_ && !activeringBezig_) {
        activeringBezig_ = true;
        // Once the activation itself is done: the loading shows a window of its own.
        QTimer::singleShot(0, this, &TfrmMain::EersteActivering);
    }
}

// Loads the fiscal parameters and the calculation open at the last exit,
// with a status window; with no calculation yet, starts a new one.
void TfrmMain::EersteActivering()
{
    std::string fout;
    {
        const TWachtcursor wacht;
        repaint();
        auto status = std::make_unique<widgets::TfrmStatus>(this);
        status->show();
        try {
            status->VerhoogVoortgang(25);
            kern_.Constanten.LaadConstanten();
            kern_.Constanten.Sluiten();
            StartLaden();
            status->VerhoogVoortgang(25);
            initialised_ = true;
            status->VerhoogVoortgang(50);
        } catch (const std::exception& e) {
            fout = e.what();
        }
    }
    // The status window has gone: the main window is the one to work in.
    activateWindow();
    Selectie->cmbWerknemer->setFocus();
    const db::Query& werknemers = kern_.Werknemers.qryWNvkt;
    if (werknemers.Active() && werknemers.RecordCount() == 0)
        kaart_->Nieuw();
    if (!fout.empty()) {
        initialised_ = true;
        kern_.Meldingen.ToonFoutmelding("frmMain.FormActivate: " + fout);
    }
    emit EersteActiveringKlaar();
}

void TfrmMain::StartLaden()
{
    try {
        if (!kern_.SsoStart)
            SetWindowsSystemColors(kern_.Werknemers.adbQuelvar);
        widgets::Skin(*this);
        kaart_->VulWerknemerLijst();
        TdmVektaris& dm = kern_.Werknemers;
        if (dm.qryWNvkt.RecordCount() > 0) {
            try {
                Selectie->KiesNummer(std::stoi(dm.SysteemGeg->LaatsteWN));
            } catch (const std::logic_error&) {
                Selectie->WisKeuze(); // not a number
            }
            QApplication::processEvents();
            kaart_->LaadBerekening();
            kaart_->VerversScherm();
            QApplication::processEvents();
        } else if (dm.Werknemersnummer <= 0) {
            Selectie->WisKeuze();
            kern_.Opslag.KaartModus = kmNieuw;
        }
    } catch (const EQuelvarException& fout) {
        throw Exception(std::string("Initialisatie: ") + fout.what());
    }
}

void TfrmMain::SluitZonderVragen()
{
    zonderVragen_ = true;
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!zonderVragen_ && !MagSluiten()) {
        event->ignore();
        return;
    }
    Afsluiten();
    event->accept();
}

// The closing questions. A calculation the user wants saved but that is not
// saved (a check refused it, or the save failed) keeps the window open, so
// that nothing is lost.
bool TfrmMain::MagSluiten()
{
    if (!kaart_->HeeftBerekening())
        return kern_.Meldingen.StelVraag("Wilt u Vkt2020 afsluiten?", false) == mrJa;
    switch (kern_.Meldingen.StelVraag("Vkt2020 wordt afgesloten.\r\nWilt u de huidige berekening opslaan?", true)) {
    case mrJa: {
        bool bewaard = false;
        VoerUitMetFoutmelding(kern_.Meldingen, [&] { bewaard = kaart_->BewaarHuidige(); });
        return bewaard;
    }
    case mrNee:
        return true;
    default:
        return false;
    }
}

void TfrmMain::Afsluiten()
{
    if (afgesloten_)
        return;
    afgesloten_ = true;
    if (!kern_.SsoStart)
        VoerUitMetFoutmelding(kern_.Meldingen, [this] { RestoreWindowsSystemColors(kern_.Werknemers.adbQuelvar); });
}

} // namespace vkt::ui
