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
#include "ui/OpenBerekening.h"
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
#include "widgets/Kleuren.h"
#include "widgets/Paneel.h"
#include "widgets/Skin.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/VensterMeldingen.h"
#include "widgets/Vensterdelen.h"
#include "widgets/ZNODBDateEdit.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
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
constexpr int kMeldingDuur = 8000; // ms that a note stays in the status bar

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
    MaakGeenBerekeningMelding();
    setCentralWidget(midden);
    statusBar()->setObjectName("sbStatus");
    statusBar()->setSizeGripEnabled(false);

    regels_ = new TSchermregels(kern_,
                                {pgMain, Selectie, tsAlgemeen_, tsWerknemerGegevens_, tsBerekeningsGegevens_, &koppeling_},
                                initialised_, this);
    const TKaartknoppen knoppen{sbLegeKaart_,
                                Openenlegekaart1_,
                                Verwijderen1_,
                                Opslaanals_,
                                {tsAlgemeen_->btnGrondslagWG, tsBerekeningsGegevens_->btnGrondslagWN,
                                 tsWerknemerGegevens_->btnWNGrondslag, tsSocialeFondsen_->btnNieuwSF,
                                 tsSocialeFondsen_->btnSocialeFondsen}};
    fondsRegels_ = new TFondsRegelsScherm(kern_.Werknemers, kern_.Fondsen, *tsSocialeFondsen_->sbSocialeFondsen,
                                          kern_.Meldingen, this);
    fondsRegels_->setParent(this);
    open_ = new TOpenBerekening(kern_, *Selectie, *regels_, koppeling_, *fondsRegels_, this);
    kaart_ = new TKaartcommandos(kern_, *open_, *Selectie, *regels_, knoppen, this);
    Verbind();
    new TTabwachter(*pgMain);

    const int rand = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    resize(kBreedte, kHoogte + rand);
    setMinimumSize(kBreedte, kMinimumHoogte + rand);
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

// The tool bar's five commands are the menu's: one action each, with the
// button's caption as its icon text and its hint as its tool tip.
void TfrmMain::MaakActies()
{
    auto knopActie = [this](QAction* actie, const QString& bijschrift, const QString& hint) {
        actie->setIconText(bijschrift);
        actie->setToolTip(hint);
        return actie;
    };
    Openenlegekaart1_ = knopActie(Actie("Openenlegekaart1", "&Nieuw", QKeySequence(Qt::CTRL | Qt::Key_N)), "Nieuw",
                                  "Maakt nieuwe werknemer (lege kaart) voor loonberekening");
    Opslaangegevens1_ = knopActie(Actie("Opslaangegevens1", "Op&slaan", QKeySequence(Qt::CTRL | Qt::Key_S)), "Opslaan",
                                  "Slaat werknemer (kaart) met huidige berekening op");
    Opslaanals_ = Actie("Opslaanals", "Opslaan &als...");
    Verwijderen1_ = knopActie(Actie("Verwijderen1", "&Verwijderen", QKeySequence(Qt::CTRL | Qt::Key_Delete)),
                              "Verwijderen", "Wist geselecteerde werknemer (kaart) met berekeningsgegevens");
    Exporteren1_ = Actie("ExporterenNaarWord1", "E&xporteren als OpenDocument-tekst...");
    Afdrukken1_ = knopActie(Actie("Afdrukken1", "A&fdrukken...", QKeySequence(Qt::CTRL | Qt::Key_P)), "Afdrukken",
                            "Maakt een afdruk van de berekeningsgegevens");
    Printerinstellingen1_ = Actie("Printerinstellingen1", "Printer &instellingen...", QKeySequence(Qt::CTRL | Qt::Key_I));
    Einde1_ = knopActie(Actie("Einde1", "&Einde", QKeySequence(Qt::CTRL | Qt::Key_E)), "Afsluiten", {});
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

QToolButton* TfrmMain::MaakKnop(QWidget* balk, const char* naam, QAction* actie, const QString& afbeelding)
{
    auto* knop = new QToolButton(balk);
    knop->setObjectName(naam);
    actie->setIcon(widgets::Pictogram(afbeelding));
    actie->setIconVisibleInMenu(false);
    knop->setDefaultAction(actie);
    widgets::ZetToegankelijkeNaam(*knop, actie->iconText());
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
    sbLegeKaart_ = MaakKnop(balk, "sbLegeKaart", Openenlegekaart1_, widgets::Afbeeldingen::Nieuw);
    MaakKnop(balk, "sbVerwijderen", Verwijderen1_, widgets::Afbeeldingen::Verwijderen);
    MaakKnop(balk, "sbOpslaan", Opslaangegevens1_, widgets::Afbeeldingen::Opslaan);
    MaakKnop(balk, "sbAfdrukken", Afdrukken1_, widgets::Afbeeldingen::Afdrukken);
    MaakKnop(balk, "sbAfsluiten", Einde1_, widgets::Afbeeldingen::Afsluiten);
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

// A note over the tabs' pages while no calculation is chosen; the pages
// below it are disabled.
void TfrmMain::MaakGeenBerekeningMelding()
{
    lblGeenBerekening_ = new QLabel(pgMain);
    lblGeenBerekening_->setObjectName("lblGeenBerekening");
    lblGeenBerekening_->setText("<b>Er is geen berekening gekozen.</b><br><br>Kies een werknemer bij \"Selecteer "
                                "werknemer:\" boven de tabbladen, of maak een nieuwe berekening met \"Nieuw\" "
                                "(Ctrl+N).");
    lblGeenBerekening_->setAccessibleName("Er is geen berekening gekozen.");
    lblGeenBerekening_->setWordWrap(true);
    lblGeenBerekening_->setAlignment(Qt::AlignCenter);
    lblGeenBerekening_->setStyleSheet(QString("QLabel { background-color: %1; border: 2px solid %2; padding: 12px; }")
                                          .arg(widgets::Kleuren::Wit.name(), widgets::Kleuren::Selectie.name()));
    lblGeenBerekening_->hide();
    pgMain->installEventFilter(this);
}

void TfrmMain::PlaatsGeenBerekeningMelding()
{
    constexpr int kBreedte = 460;
    constexpr int kHoogte = 110;
    lblGeenBerekening_->setGeometry((pgMain->width() - kBreedte) / 2, pgMain->tabBar()->height() + 60, kBreedte,
                                    kHoogte);
    lblGeenBerekening_->raise();
}

bool TfrmMain::eventFilter(QObject* object, QEvent* event)
{
    if (object == pgMain && event->type() == QEvent::Resize)
        PlaatsGeenBerekeningMelding();
    return QMainWindow::eventFilter(object, event);
}

void TfrmMain::Verbind()
{
    connect(pgMain, &QTabWidget::currentChanged, this, &TfrmMain::TabGewijzigd);
    connect(Openenlegekaart1_, &QAction::triggered, kaart_, &TKaartcommandos::Nieuw);
    connect(Opslaangegevens1_, &QAction::triggered, kaart_, &TKaartcommandos::Opslaan);
    connect(Opslaanals_, &QAction::triggered, kaart_, &TKaartcommandos::OpslaanAls);
    connect(Verwijderen1_, &QAction::triggered, kaart_, &TKaartcommandos::Verwijderen);
    connect(Afdrukken1_, &QAction::triggered, this, &TfrmMain::Afdrukken);
    connect(Einde1_, &QAction::triggered, this, &QWidget::close);
    connect(Exporteren1_, &QAction::triggered, this, &TfrmMain::ExporterenNaarWord);
    connect(Printerinstellingen1_, &QAction::triggered, this, &TfrmMain::PrinterInstellingen);
    connect(Knippen1_, &QAction::triggered, this, &TfrmMain::Knippen);
    connect(Kopieren1_, &QAction::triggered, this, &TfrmMain::Kopieren);
    connect(Plakken1_, &QAction::triggered, this, &TfrmMain::Plakken);
    connect(Lettertype1_, &QAction::triggered, this, &TfrmMain::Lettertype);
    connect(Marges1_, &QAction::triggered, this, &TfrmMain::Marges);
    connect(Informatie1_, &QAction::triggered, this, &TfrmMain::Informatie);
    connect(kaart_, &TKaartcommandos::Melding, this, [this](const QString& tekst) {
        statusBar()->showMessage(tekst, kMeldingDuur);
    });
    connect(open_, &TOpenBerekening::Gewisseld, this, [this] {
        ToonToestand();
        VerversUitvoer();
    });
    connect(Selectie->deBerekeningDatum, &widgets::TZNODBComponent::Exit, this, &TfrmMain::VerversUitvoer);
    for (QPushButton* knop : {tsAlgemeen_->btnGrondslagWG, tsWerknemerGegevens_->btnWNGrondslag,
                              tsBerekeningsGegevens_->btnGrondslagWN})
        connect(knop, &QPushButton::clicked, this, &TfrmMain::AfwijkendeGrondslag);
    connect(tsSocialeFondsen_->btnNieuwSF, &QPushButton::clicked, this, &TfrmMain::NieuwSociaalFonds);
    connect(tsSocialeFondsen_->btnSocialeFondsen, &QPushButton::clicked, this, &TfrmMain::BeschikbareSocialeFondsen);
}

// The text commands belong to the statement; printing and export to a
// computed statement or chart, whose export is a picture.
void TfrmMain::ZetRapportActies()
{
    const int tab = pgMain->currentIndex();
    const bool rapport = tab == tabToonBerekening;
    const bool uitvoer = (rapport || tab == tabVerloop) && uitvoerBerekend_;
    for (QAction* actie : {Knippen1_, Kopieren1_, Plakken1_, Lettertype1_, Marges1_})
        actie->setEnabled(rapport);
    Afdrukken1_->setEnabled(uitvoer);
    Exporteren1_->setEnabled(uitvoer);
    Exporteren1_->setText(tab == tabVerloop ? "E&xporteren als PNG-afbeelding..."
                                            : "E&xporteren als OpenDocument-tekst...");
}

void TfrmMain::TabGewijzigd(int tab)
{
    uitvoerBerekend_ = false;
    VoerUitMetFoutmelding(kern_.Meldingen, [&] {
        if (tab == tabToonBerekening)
            ToonBerekening();
        else if (tab == tabVerloop)
            ToonVerloop();
        else
            regels_->TabGetoond(tab);
    });
    ZetRapportActies();
    if (open_ != nullptr)
        ToonToestand();
}

void TfrmMain::VerversUitvoer()
{
    const int tab = pgMain->currentIndex();
    if (initialised_ && (tab == tabToonBerekening || tab == tabVerloop))
        TabGewijzigd(tab);
}

void TfrmMain::ToonToestand()
{
    const bool geen = !open_->HeeftBerekening();
    const bool invoertab = pgMain->currentIndex() != tabToonBerekening && pgMain->currentIndex() != tabVerloop;
    PlaatsGeenBerekeningMelding();
    lblGeenBerekening_->setVisible(geen && invoertab); // the statement and the curve tell it themselves
    for (QWidget* tab : std::initializer_list<QWidget*>{tsAlgemeen_, tsSocialeFondsen_, tsWerknemerGegevens_,
                                                        tsBerekeningsGegevens_})
        tab->setEnabled(!geen);
}

// A check that refuses shows its message and brings its field to the front;
// the tab then shows why it holds nothing.
bool TfrmMain::RekenHuidige(const std::function<void(const QString&)>& toonReden)
{
    const std::optional<TWeigering> weigering = open_->Reken();
    if (!weigering)
        return true;
    toonReden(QString::fromStdString(weigering->Reden));
    if (weigering->Fout)
        regels_->ToonVeldfout(*weigering->Fout);
    return false;
}

void TfrmMain::ToonBerekening()
{
    const TWachtcursor wacht;
    const bool berekend = RekenHuidige([this](const QString& reden) {
        tsToonBerekening->ToonRapport({"Er is geen berekening om te tonen.", "", reden.toStdString()});
    });
    if (berekend)
        tsToonBerekening->ToonRapport(SchrijfRapport(kern_.Berekening));
    uitvoerBerekend_ = berekend && pgMain->currentIndex() == tabToonBerekening;
}

void TfrmMain::ToonVerloop()
{
    const TWachtcursor wacht;
    const bool berekend = RekenHuidige([this](const QString& reden) { tsVerloop->Wis(reden); });
    if (berekend)
        tsVerloop->Toon(kern_.Berekening, *kern_.Vast, kern_.Constanten);
    uitvoerBerekend_ = berekend && pgMain->currentIndex() == tabVerloop;
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
        const QString naam = Documentnaam(open_->Naam(), kern_.Scherm.deBerekeningDatum.Date());
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
        const QString naam = Documentnaam(open_->Naam(), kern_.Scherm.deBerekeningDatum.Date());
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

// The first tab; the calculation comes at the first activation.
void TfrmMain::EersteWeergave()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        pgMain->setCurrentIndex(tabWerkgeverslasten);
        TabGewijzigd(pgMain->currentIndex());
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
    bool opgeslagen = true;
    {
        const TWachtcursor wacht;
        repaint();
        auto status = std::make_unique<widgets::TfrmStatus>(this);
        status->show();
        try {
            status->VerhoogVoortgang(25);
            kern_.Constanten.LaadConstanten();
            kern_.Constanten.Sluiten();
            opgeslagen = StartLaden();
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
    if (!opgeslagen)
        kaart_->Nieuw();
    if (!fout.empty()) {
        initialised_ = true;
        kern_.Meldingen.ToonFoutmelding("frmMain.FormActivate: " + fout);
    }
    emit EersteActiveringKlaar();
}

// False when there is no saved calculation yet.
bool TfrmMain::StartLaden()
{
    try {
        widgets::Skin(*this);
        QApplication::processEvents();
        const bool opgeslagen = kaart_->OpenLaatste();
        // Only a database that could be read gets the user's colour kept in it.
        if (!kern_.SsoStart)
            SetWindowsSystemColors(kern_.Werknemers.adbQuelvar);
        QApplication::processEvents();
        return opgeslagen;
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
    if (!zonderVragen_ && !kaart_->MagSluiten()) {
        event->ignore();
        return;
    }
    Afsluiten();
    event->accept();
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
