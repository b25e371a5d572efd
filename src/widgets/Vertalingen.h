#pragma once

namespace vkt::widgets {

// Lets Qt's own dialogs, buttons and menus speak Dutch (the print, page
// set-up, font and file dialogs, the standard buttons, the context menu of a
// text field) with the translations that Qt ships (qtbase_nl). Loads them
// once for the application object; false when they are not there, and Qt's
// texts then stay English. Needs the application object.
bool LaadQtVertalingen();

} // namespace vkt::widgets
