#include "ui/TabVerloop.h"

#include "output/Verloopgrafiek.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Rijonderdelen.h"
#include "widgets/Toegankelijkheid.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>

#include <algorithm>

namespace vkt::ui {
namespace {

using widgets::TZNONumericEdit;

const char* const kWijsAan = "Wijs een lijn aan om de bedragen van dat brutoloon te zien.";
// The box's distance from the point and the room inside its border.
constexpr qreal kAfstand = 12;
constexpr qreal kMarge = 6;

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
    lblPunt->setText(kWijsAan);
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
    const TVerloopBereik bereik =
        VerloopBereik({Waarde(*edVan), Waarde(*edTot), Waarde(*edStap)}, verloop_.Brutoloon, verloop_.Tabelstap);
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
    QChart* grafiek = MaakVerloopgrafiek(verloop_, std::max(grVerloop->width(), kVerloopgrafiekGrootte.width()));
    for (QAbstractSeries* reeks : grafiek->series())
        if (auto* lijn = qobject_cast<QLineSeries*>(reeks))
            connect(lijn, &QLineSeries::hovered, this, &TtsVerloop::WijsAan);
    ToonGrafiek(grafiek);
}

// The view does not delete the chart it gives up; the box of a point goes
// with it.
void TtsVerloop::ToonGrafiek(QChart* grafiek)
{
    WisAanwijzing();
    QChart* oud = grVerloop->chart();
    grVerloop->setChart(grafiek);
    delete oud;
}

void TtsVerloop::WijsAan(const QPointF& punt, bool aan)
{
    const TVerloopRegel* regel = aan ? Dichtstbij(verloop_.Regels, punt.x()) : nullptr;
    if (regel == nullptr) {
        if (aanwijzing_ != nullptr)
            aanwijzing_->hide();
        return;
    }
    const QString tekst = PuntTekst(*regel);
    lblPunt->setText(QString(tekst).replace('\n', "   "));
    ToonAanwijzing(grVerloop->chart()->mapToPosition(punt, qobject_cast<QLineSeries*>(sender())), tekst);
}

// Beside the point, below and to the right of it where there is room, and
// moved back inside the plot where there is not.
void TtsVerloop::ToonAanwijzing(const QPointF& plek, const QString& tekst)
{
    QChart* grafiek = grVerloop->chart();
    if (aanwijzing_ == nullptr) {
        aanwijzing_ = new QGraphicsRectItem(grafiek);
        aanwijzing_->setBrush(QColor(255, 255, 255, 235));
        aanwijzing_->setPen(QPen(QColor(120, 120, 120)));
        aanwijzing_->setZValue(100);
        new QGraphicsSimpleTextItem(aanwijzing_);
    }
    auto* regels = static_cast<QGraphicsSimpleTextItem*>(aanwijzing_->childItems().front());
    regels->setText(tekst);
    regels->setPos(kMarge, kMarge);
    const QRectF kader = regels->boundingRect().adjusted(0, 0, 2 * kMarge, 2 * kMarge);
    aanwijzing_->setRect(kader);
    const QRectF vlak = grafiek->plotArea();
    QPointF hoek = plek + QPointF(kAfstand, kAfstand);
    if (hoek.x() + kader.width() > vlak.right())
        hoek.setX(plek.x() - kAfstand - kader.width());
    if (hoek.y() + kader.height() > vlak.bottom())
        hoek.setY(plek.y() - kAfstand - kader.height());
    hoek.setX(std::clamp(hoek.x(), vlak.left(), std::max(vlak.left(), vlak.right() - kader.width())));
    hoek.setY(std::clamp(hoek.y(), vlak.top(), std::max(vlak.top(), vlak.bottom() - kader.height())));
    aanwijzing_->setPos(hoek);
    aanwijzing_->show();
}

void TtsVerloop::WisAanwijzing()
{
    delete aanwijzing_;
    aanwijzing_ = nullptr;
    lblPunt->setText(kWijsAan);
}

} // namespace vkt::ui
