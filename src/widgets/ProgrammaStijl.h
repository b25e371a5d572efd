#pragma once

namespace vkt::widgets {

// The look every window of the program is laid out for, whatever the
// desktop's settings: Qt's Fusion style and an 8-point sans-serif font with
// the metrics the windows' positions and sizes were made for (Liberation
// Sans, or the platform's sans serif where it is missing). Call it once,
// after the application object exists.
void ZetProgrammaStijl();

} // namespace vkt::widgets
