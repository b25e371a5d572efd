#include "store/SysteemGeg.h"

#include "store/Instellingen.h"

namespace vkt {

bool TRegGeg::OpenKey(TRegRoot, const std::string& pad, bool magMaken)
{
    CloseKey();
    if (!instellingen_.SleutelBestaat(pad) && !(magMaken && instellingen_.MaakSleutel(pad)))
        return false;
    openSleutel_ = pad;
    return true;
}

std::string TRegGeg::ReadString(const std::string& naam) const
{
    if (!openSleutel_)
        return "";
    return instellingen_.LeesTekst(*openSleutel_, naam).value_or("");
}

bool TRegGeg::WriteString(const std::string& naam, const std::string& waarde)
{
    return openSleutel_ && instellingen_.SchrijfTekst(*openSleutel_, naam, waarde);
}

void TSysteemGeg::LeesGegevens()
{
    OpenKey(rrHuidigeGebruiker, Sleutel, false);
    LaatsteWN = ReadString(WaardeLaatsteWN);
    CloseKey();
}

bool TSysteemGeg::SchrijfGegevens()
{
    const bool geschreven = OpenKey(rrHuidigeGebruiker, Sleutel, true) && WriteString(WaardeLaatsteWN, LaatsteWN);
    CloseKey();
    return geschreven;
}

} // namespace vkt
