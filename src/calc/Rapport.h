#pragma once

#include <string>
#include <vector>

namespace vkt {

class TBerekening;

// The statement of a computed run as fixed-pitch text lines: the header with
// the employee's settings, the employee part from gross to net wage and,
// when asked for, the employer part. Empty when the run computed nothing.
std::vector<std::string> SchrijfRapport(TBerekening& berekening);

} // namespace vkt
