#include "cli/JsonUitvoer.h"

#include <cmath>
#include <cstdint>
#include <ostream>

namespace vkt::cli {

Json JsonGetal(double waarde)
{
    if (!std::isfinite(waarde))
        return nullptr;
    constexpr double kGrootsteExacteGeheel = 9007199254740992.0; // 2^53
    if (waarde == std::trunc(waarde) && std::fabs(waarde) < kGrootsteExacteGeheel)
        return static_cast<std::int64_t>(waarde); // also turns -0 into 0
    return waarde;
}

void SchrijfJson(std::ostream& uit, const Json& json)
{
    uit << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

} // namespace vkt::cli
