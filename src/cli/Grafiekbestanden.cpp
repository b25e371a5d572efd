#include "cli/Grafiekbestanden.h"

#include "cli/Opties.h"

#if VKT_RAPPORTBESTANDEN
#include "cli/Tekenmodule.h"
#include "common/Exception.h"
#endif

namespace vkt::cli {

#if VKT_RAPPORTBESTANDEN
void VoegGrafiekbestandenToe(TOpdrachtregel& regel)
{
    regel.Optie("png", "BESTAND", "schrijft ook de grafiek als PNG-afbeelding, zoals Vkt2020 haar toont");
    regel.Optie("svg", "BESTAND", "schrijft ook de grafiek als SVG-tekening");
}

std::string GrafiekbestandenUitleg()
{
    return "Met --png en --svg schrijft de opdracht ook de grafiek van het tabblad Verloop van Vkt2020 (1000 bij 620 "
           "beeldpunten). Zonder beeldscherm tekent de opdracht buiten beeld.";
}

TGrafiekbestanden LeesGrafiekbestanden(const TOpdrachtregel& regel)
{
    return {LeesBestandsnaam(regel, "png").value_or(""), LeesBestandsnaam(regel, "svg").value_or("")};
}

void SchrijfGrafiekbestanden(const TGrafiekbestanden& bestanden, const TLoonverloop& verloop)
{
    if (bestanden.Png.empty() && bestanden.Svg.empty())
        return;
    if (const std::string fout = Tekenfuncties().SchrijfGrafiek(bestanden, verloop); !fout.empty())
        throw Exception(fout);
}

#else

void VoegGrafiekbestandenToe(TOpdrachtregel&) {}

std::string GrafiekbestandenUitleg()
{
    return "Deze uitvoering is gebouwd zonder het bureaubladprogramma (Qt) en kent daarom de opties --png en --svg "
           "niet, die de grafiek als afbeelding schrijven.";
}

TGrafiekbestanden LeesGrafiekbestanden(const TOpdrachtregel&) { return {}; }

void SchrijfGrafiekbestanden(const TGrafiekbestanden&, const TLoonverloop&) {}

#endif

} // namespace vkt::cli
