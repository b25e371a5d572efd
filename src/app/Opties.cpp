#include "app/Opties.h"

namespace vkt::app {

TOpties LeesOpties(const QStringList& argumenten)
{
    TOpties opties;
    for (qsizetype i = 1; i < argumenten.size(); ++i) {
        const QString& argument = argumenten[i];
        if ((argument.startsWith('-') || argument.startsWith('/')) &&
            argument.mid(1).compare("sso_start", Qt::CaseInsensitive) == 0)
            opties.SsoStart = true;
        else if (argument == "--meet-opstart")
            opties.MeetOpstart = true;
        else if (argument == "--help" || argument == "-h")
            opties.Hulp = true;
        else if (argument == "--schermafdrukken" && i + 1 < argumenten.size())
            opties.Schermafdrukken = argumenten[++i];
        else if (argument == "--schermafdrukken")
            opties.Fout = "--schermafdrukken verwacht de map voor de afbeeldingen.";
        else if (argument.startsWith("--"))
            opties.Fout = "onbekende optie '" + argument + "'.";
    }
    return opties;
}

QString Hulptekst()
{
    return "Gebruik: vkt2020 [--meet-opstart] [--schermafdrukken MAP] [-sso_start]\n"
           "\n"
           "Zyrdo Vektaris 2020: loonberekeningen van het jaar 2020.\n"
           "\n"
           "  --meet-opstart          start zonder startvenster, opent de laatste berekening, schrijft hoe lang\n"
           "                          dat duurde en stopt\n"
           "  --schermafdrukken MAP   opent de laatste berekening, bewaart een afbeelding van elk tabblad in MAP\n"
           "                          en stopt; zonder beeldscherm op Qt's offscreen-platform\n"
           "  -sso_start              laat de markeerkleur van de gebruiker ongemoeid\n"
           "\n"
           "De databases staan naast het programma (in de buildmap), of in de map die VKT2020_DATA noemt; een\n"
           "geïnstalleerd programma leest VktC2020.db uit share/vkt2020 en houdt Vkt2020.db per gebruiker bij.\n";
}

} // namespace vkt::app
