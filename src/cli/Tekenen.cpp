// The drawing module of the command line: the statement as PDF and
// OpenDocument text, the wage curve's chart as PNG and SVG, with Qt.
#include "cli/Tekenfuncties.h"

#include "cli/Tekentoepassing.h"
#include "output/Rapportuitvoer.h"
#include "output/Verloopgrafiek.h"

#include <exception>

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

std::string SchrijfRapport(const TRapportbestanden& bestanden, const std::vector<std::string>& regels)
{
    return Probeer([&] {
        const auto toepassing = MaakTekentoepassing();
        QStringList tekst;
        for (const std::string& regel : regels)
            tekst << QString::fromStdString(regel);
        const QFont lettertype = ui::RapportLettertype();
        if (!bestanden.Pdf.empty())
            ui::SchrijfRapportPdf(tekst, lettertype, {}, QString::fromStdString(bestanden.Pdf));
        if (!bestanden.Odt.empty())
            ui::SchrijfRapportOdt(tekst, lettertype, QString::fromStdString(bestanden.Odt));
    });
}

std::string SchrijfGrafiek(const TGrafiekbestanden& bestanden, const TLoonverloop& verloop)
{
    return Probeer([&] {
        const auto toepassing = MaakTekentoepassing();
        if (!bestanden.Png.empty())
            ui::SchrijfVerloopgrafiekPng(verloop, QString::fromStdString(bestanden.Png));
        if (!bestanden.Svg.empty())
            ui::SchrijfVerloopgrafiekSvg(verloop, QString::fromStdString(bestanden.Svg));
    });
}

const TTekenfuncties kFuncties{SchrijfRapport, SchrijfGrafiek};

} // namespace
} // namespace vkt::cli

extern "C" __attribute__((visibility("default"))) const vkt::cli::TTekenfuncties* vkt_tekenfuncties()
{
    return &vkt::cli::kFuncties;
}
