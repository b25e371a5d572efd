#pragma once

#include <QApplication>

#include <memory>

namespace vkt::cli {

// Qt draws text and charts only within an application object. A script has
// no display, so without one (and without a platform chosen by the user) it
// draws offscreen. Made only when the program has none, for as long as the
// files are written; nullptr when there is one already.
std::unique_ptr<QApplication> MaakTekentoepassing();

} // namespace vkt::cli
