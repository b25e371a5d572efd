#pragma once

#include <QString>

class QWidget;

namespace vkt::widgets {

// A caption as a screen reader should say it: without the "&" that marks the
// mnemonic letter ("&Loonbedrag:" becomes "Loonbedrag:"); "&&" stays one "&".
QString ZonderSneltoets(const QString& bijschrift);

// Gives an input widget its caption as accessible name, so that screen readers
// and desktop automation find it by what the user sees next to it.
void ZetToegankelijkeNaam(QWidget& widget, const QString& bijschrift);

} // namespace vkt::widgets
