#pragma once

namespace vkt::widgets {

// The look every window of the program is laid out for, whatever the
// desktop's settings: Qt's Fusion style and the program's own 8-point
// Liberation Sans, the font the windows' positions and sizes were made for
// (registered here, with the statement's font). Call it once, after the
// application object exists.
void ZetProgrammaStijl();

} // namespace vkt::widgets
