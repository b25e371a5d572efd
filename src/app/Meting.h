#pragma once

namespace vkt::app {

// What --meet-opstart reports.

// Seconds since the operating system started this process (to about a
// hundredth of a second), so that a measurement includes loading the
// program and its libraries; 0 when the system does not tell.
double SecondenSindsProcesstart();

// The memory the process has in use now (its resident set), in MB; 0 when
// the system does not tell.
double GeheugenInGebruikMB();

} // namespace vkt::app
