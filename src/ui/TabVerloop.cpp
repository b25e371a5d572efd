#include "ui/TabVerloop.h"

#include "output/Verloopgrafiek.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Rijonderdelen.h"
#include "widgets/Toegankelijkheid.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace vkt::ui {
namespace {

using widgets::TZNONumericEdit;

TZNONumericEdit* MaakBedragveld(QWidget* ouder, QHBoxLayout* rij, const QString& naam, const QString& label,
                                const QString& hint)
{
    auto* bijschrift = new QLabel(label, ouder);
    auto* veld = widgets::MaakGetalveld(ouder, naam, QRect(0, 0, 100, 21), 12, 2, hint);
    veld->setFixedSize(100, 21);
    bijschrift->setBuddy(veld);
    widgets::ZetToegankelijkeNaam(*veld, label);
    rij->addWidget(bijschrift);
    rij->addWidget(veld);
    rij->addSpacing(12);
    return veld;
}

std::optional<double> Waarde(const TZNONumericEdit& veld)
{
    return veld.IsEmpty() ? std::nullopt : std::optional<double>(veld.Value());
}

// The point whose gross wage lies nearest.
const TVerloopRegel* Dichtstbij(const std::vector<TVerloopRegel>& regels, double brutoloon)
{
    if (regels.empty())
        return nullptr;
    const auto na = std::lower_bound(regels.begin(), regels.end(), brutoloon,
                                     [](const TVerloopRegel& r, double b) { return r.Punt.Brutoloon < b; });
    if (na == regels.begin())
        return &*na;
    if (na == regels.end() || brutoloon - std::prev(na)->Punt.Brutoloon < na->Punt.Brutoloon - brutoloon)
        return &*std::prev(na);
    return &*na;
}

} // namespace

TtsVerloop::TtsVerloop(QWidget* ouder) : QWidget(ouder), grVerloop(new QChartView(this))
{
    setObjectName("tsVerloop");
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(6, 6, 6, 6);
    auto* rij = new QHBoxLayout;
    edVan = MaakBedragveld(this, rij, "edVerloopVan", "Va&n:", "het laagste brutoloon; leeg: 0");
    edTot = MaakBedragveld(this, rij, "edVerloopTot", "T&ot:", "het hoogste brutoloon; leeg: tweemaal het brutoloon");
    edStap = MaakBedragveld(this, rij, "edVerloopStap", "Sta&p:",
                            "de stap tussen twee punten; leeg: 200 punten van van tot tot");
    rij->addStretch(1);
    indeling->addLayout(rij);
    lblMelding = new QLabel(this);
    lblMelding->setObjectName("lblVerloopMelding");
    lblMelding->setStyleSheet("color: #b00000;");
    lblMelding->setWordWrap(true);
    lblMelding->hide();
    indeling->addWidget(lblMelding);
    grVerloop->setObjectName("grVerloop");
    grVerloop->setRenderHint(QPainter::Antialiasing);
    grVerloop->setAccessibleName("Loonverloop");
    grVerloop->setMouseTracking(true);
    indeling->addWidget(grVerloop, 1);
    lblPunt = new QLabel(this);
    lblPunt->setObjectName("lblVerloopPunt");
    lblPunt->setText("Wijs een lijn aan om de bedragen van dat brutoloon te zien.");
    indeling->addWidget(lblPunt);
    for (TZNONumericEdit* veld : {edVan, edTot, edStap})
        connect(veld, &TZNONumericEdit::Exit, this, &TtsVerloop::BereikGewijzigd);
}

TtsVerloop::~TtsVerloop() { delete grVerloop->chart(); }

void TtsVerloop::Toon(TBerekening& berekening, const TVasteHeffingsgegevens& vast, TdmConstanten& constanten)
{
    rekenaar_ = std::make_unique<TPuntRekenaar>(vast, berekening.Invoer(), constanten);
    verloop_ = LoonverloopVan(berekening);
    if (verloop_.Brutoloon != bereikVoor_) {
        bereikVoor_ = verloop_.Brutoloon;
        ZetBereik(StandaardVerloopBereik(verloop_.Brutoloon, verloop_.Tabelstap));
    }
    BereikGewijzigd();
}

void TtsVerloop::Wis(const QString& reden)
{
    rekenaar_.reset();
    verloop_ = {};
    bereikVoor_ = -1;
    lblMelding->setText(reden);
    lblMelding->show();
    ToonGrafiek(new QChart);
}

void TtsVerloop::ZetBereik(const TVerloopBereik& bereik)
{
    edVan->SetValue(bereik.Van);
    edTot->SetValue(bereik.Tot);
    edStap->SetValue(bereik.Stap);
}

// An empty field takes its standard, which the field then shows.
void TtsVerloop::BereikGewijzigd()
{
    if (!rekenaar_)
        return;
    const TVerloopBereik bereik = VerloopBereik({Waarde(*edVan), Waarde(*edTot), Waarde(*edStap)}, verloop_.Brutoloon, verloop_.Tabelstap);
    if (const auto fout = VerloopBereikFout(bereik)) {
        lblMelding->setText(QString::fromStdString(*fout));
        lblMelding->show();
        return;
    }
    lblMelding->hide();
    ZetBereik(bereik);
    Bereken(bereik);
}

void TtsVerloop::Bereken(const TVerloopBereik& bereik)
{
    verloop_.Regels = BerekenLoonverloop(*rekenaar_, bereik);
    QChart* grafiek = MaakVerloopgrafiek(verloop_);
    for (QAbstractSeries* reeks : grafiek->series())
        if (auto* lijn = qobject_cast<QLineSeries*>(reeks))
            connect(lijn, &QLineSeries::hovered, this, &TtsVerloop::WijsAan);
    ToonGrafiek(grafiek);
}

// The view does not delete the chart it gives up.
void TtsVerloop::ToonGrafiek(QChart* grafiek)
{
    QChart* oud = grVerloop->chart();
    grVerloop->setChart(grafiek);
    delete oud;
}

void TtsVerloop::WijsAan(const QPointF& punt, bool aan)
{
    const TVerloopRegel* regel = aan ? Dichtstbij(verloop_.Regels, punt.x()) : nullptr;
    if (regel == nullptr) {
        QToolTip::hideText();
        return;
    }
    const QString tekst = PuntTekst(*regel);
    lblPunt->setText(QString(tekst).replace('\n', "   "));
    QToolTip::showText(QCursor::pos(), tekst, grVerloop);
}

} // namespace vkt::ui
