#pragma once

#include <exception>

class QWidget;

namespace vkt::widgets {

// Shows an error that a user action ran into, with its own text, instead of
// letting it escape the event handler: a beep and a message box with the
// application's name as caption.
void ToonFout(QWidget* parent, const std::exception& fout);

} // namespace vkt::widgets
