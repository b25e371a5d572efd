#pragma once

#include "cli/JsonUitvoer.h"

#include <optional>
#include <string>

namespace vkt {
class TBerekening;
class THeffingsgegevens;
}

namespace vkt::cli {

// The outcome of a single calculation as JSON: the program version, the
// inputs used, the column totals, the summary, the named wages, the
// employee's Zvw contribution, each employer charge by name, the
// special-reward percentage, the unbroken range of gross wages from the one
// found that all give a searched amount exactly (null without a search or an
// exact hit; "afgebroken" when it goes on past 100 euros and was followed no
// further), the run's message and the active lines. Amounts in euros, rounded
// to cents. Finding the range takes a computation for each of its cents; a
// batch does not ask for it.
Json UitkomstJson(TBerekening& berekening, const THeffingsgegevens& vast, const std::optional<std::string>& melding);

} // namespace vkt::cli
