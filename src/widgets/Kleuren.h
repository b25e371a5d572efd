#pragma once

#include <QColor>

namespace vkt::widgets {

// The colours of the program's skin, laid over every window.
namespace Kleuren {
inline const QColor Paneel{213, 239, 243};        // panels, group boxes, scroll boxes
inline const QColor Wit{255, 255, 255};           // tool bar, lists, focused inputs
inline const QColor Kop{224, 46, 52};             // grid headers; flat buttons under the mouse
inline const QColor Knop{12, 168, 210};           // flat buttons
inline const QColor KnopUit{182, 229, 242};       // flat buttons that are disabled
inline const QColor Melding{240, 208, 208};       // the message panel of the message window
inline const QColor Selectie{6, 162, 203};        // the program's highlight colour
inline const QColor Focus{255, 255, 223};         // a focused input before the skin makes it white
} // namespace Kleuren

} // namespace vkt::widgets
