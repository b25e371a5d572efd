// The drawing module of the command line: the statement as PDF and
// OpenDocument text, the wage curve's chart as PNG and SVG, with Qt.
#include "cli/Tekenfuncties.h"

#include "cli/Tekentoepassing.h"
#include "output/Rapportuitvoer.h"
#include "output/Verloopgrafiek.h"

#include <QFileDevice>

#include <exception>
#include <functional>
#include <memory>

namespace vkt::cli {
namespace {

// Nothing may leave the module as an exception: the program reports the text.
template <typename Tekenen>
std::string Probeer(Tekenen tekenen)
{
    try {
        tekenen();
        return {};
    } catch (const std::exception& fout) {
        return fout.what();
    } catch (...) {
        return "onbekende fout bij het tekenen";
    }
}

// The files of one command, each written whole under a name of its own and
// put in place only when all of them were: a failure of the second leaves
// the first as it was too.
class TBestanden {
public:
    void Schrijf(const std::string& naam, const std::string& soort,
                 const std::function<void(QFileDevice&)>& schrijf)
    {
        if (naam.empty())
            return;
        bestanden_.push_back({ui::OpenUitvoerbestand(QString::fromStdString(naam), soort), soort});
        schrijf(*bestanden_.back().bestand);
    }
    void SluitAf()
    {
        for (TBestand& b : bestanden_)
            ui::SluitAf(*b.bestand, b.soort);
    }

private:
    struct TBestand {
        std::unique_ptr<QFileDevice> bestand;
        std::string soort;
    };
    std::vector<TBestand> bestanden_;
};

std::string SchrijfRapport(const TRapportbestanden& bestanden, const std::vector<std::string>& regels)
{
    return Probeer([&] {
        const auto toepassing = MaakTekentoepassing();
        QStringList tekst;
        for (const std::string& regel : regels)
            tekst << QString::fromStdString(regel);
        const QFont lettertype = ui::RapportLettertype();
        TBestanden uitvoer;
        uitvoer.Schrijf(bestanden.Pdf, "PDF-bestand",
                        [&](QFileDevice& pdf) { ui::SchrijfRapportPdf(tekst, lettertype, {}, pdf); });
        uitvoer.Schrijf(bestanden.Odt, "tekstbestand",
                        [&](QFileDevice& odt) { ui::SchrijfRapportOdt(tekst, lettertype, odt); });
        uitvoer.SluitAf();
    });
}

std::string SchrijfGrafiek(const TGrafiekbestanden& bestanden, const TLoonverloop& verloop)
{
    return Probeer([&] {
        const auto toepassing = MaakTekentoepassing();
        TBestanden uitvoer;
        uitvoer.Schrijf(bestanden.Png, "PNG-bestand",
                        [&](QFileDevice& png) { ui::SchrijfVerloopgrafiekPng(verloop, png); });
        uitvoer.Schrijf(bestanden.Svg, "SVG-bestand",
                        [&](QFileDevice& svg) { ui::SchrijfVerloopgrafiekSvg(verloop, svg); });
        uitvoer.SluitAf();
    });
}

const TTekenfuncties kFuncties{SchrijfRapport, SchrijfGrafiek};

} // namespace
} // namespace vkt::cli

extern "C" __attribute__((visibility("default"))) const vkt::cli::TTekenfuncties* vkt_tekenfuncties()
{
    return &vkt::cli::kFuncties;
}
