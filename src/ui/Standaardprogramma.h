#pragma once

class QUrl;

namespace vkt::ui {

// Opens a saved file with the program the user's desktop has for its type
// (a word processor, a picture viewer). False when it has none, so that the
// caller can say where the file is.
bool OpenMetStandaardprogramma(const QUrl& bestand);

} // namespace vkt::ui
