#include "cli/Rapportbestanden.h"

#include "cli/Opties.h"

#if VKT_RAPPORTBESTANDEN
#include "cli/Tekenmodule.h"
#include "common/Exception.h"
#endif

namespace vkt::cli {

#if VKT_RAPPORTBESTANDEN
void VoegRapportbestandenToe(TOpdrachtregel& regel)
{
    regel.Optie("pdf", "BESTAND", "schrijft ook het overzicht als PDF-bestand, zoals Vkt2020 het afdrukt");
    regel.Optie("odt", "BESTAND",
                "schrijft ook het overzicht als OpenDocument-tekst (.odt), zoals Vkt2020 het exporteert");
}

std::string RapportbestandenUitleg()
{
    return "Met --pdf en --odt schrijft de opdracht het overzicht ook in bestanden: zoals Vkt2020 het afdrukt "
           "(Courier New 10 punten vet, A4, geen marges) en zoals het exporteert (een alinea per regel, zonder de "
           "spaties vooraan). Zonder beeldscherm tekent de opdracht buiten beeld.";
}

TRapportbestanden LeesRapportbestanden(const TOpdrachtregel& regel)
{
    return {LeesBestandsnaam(regel, "pdf").value_or(""), LeesBestandsnaam(regel, "odt").value_or("")};
}

void SchrijfRapportbestanden(const TRapportbestanden& bestanden, const std::vector<std::string>& regels)
{
    if (bestanden.Pdf.empty() && bestanden.Odt.empty())
        return;
    if (const std::string fout = Tekenfuncties().SchrijfRapport(bestanden, regels); !fout.empty())
        throw Exception(fout);
}

#else

void VoegRapportbestandenToe(TOpdrachtregel&) {}

std::string RapportbestandenUitleg()
{
    return "Deze uitvoering is gebouwd zonder het bureaubladprogramma (Qt) en kent daarom de opties --pdf en --odt "
           "niet, die het overzicht als PDF-bestand of als OpenDocument-tekst schrijven.";
}

TRapportbestanden LeesRapportbestanden(const TOpdrachtregel&) { return {}; }

void SchrijfRapportbestanden(const TRapportbestanden&, const std::vector<std::string>&) {}

#endif

} // namespace vkt::cli
