#pragma once

#include <QDialog>

namespace vkt::widgets {

// The window shown while the program starts: the program's picture and a
// button "&Ok" that closes it with result 1. Without border or title bar.
class TfrmSplash : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* ouder = nullptr);
};

} // namespace vkt::widgets
