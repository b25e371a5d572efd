#include "model/QuelvarException.h"

namespace vkt {

EQuelvarException::EQuelvarException(const std::string& message) : Exception(message) {}

EQuelvarException::EQuelvarException(const std::string& actie, const std::string& oorzaak)
    : Exception("Er is een fout opgetreden bij " + actie + "\r\n" + "\r\n" + "De fout betrof: " + oorzaak)
{
}

} // namespace vkt
