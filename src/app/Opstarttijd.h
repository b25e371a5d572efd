#pragma once

namespace vkt::app {

// Seconds since the operating system started this process (to about a
// hundredth of a second), so that a measurement includes loading the
// program and its libraries; 0 when the system does not tell.
double SecondenSindsProcesstart();

} // namespace vkt::app
