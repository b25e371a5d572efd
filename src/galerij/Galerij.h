#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace vkt::galerij {

// One sample of the widget set: a name for its picture file, a title for the
// list, and how to make it.
struct TVoorbeeld {
    QString Naam;
    QString Titel;
    std::function<std::unique_ptr<QWidget>()> Maak;
};

// Every widget, kind of row and kind of message window, with sample values.
std::vector<TVoorbeeld> Voorbeelden();

} // namespace vkt::galerij
