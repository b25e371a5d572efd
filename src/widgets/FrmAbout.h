#pragma once

#include <QDialog>

namespace vkt::widgets {

// The information window: the product's name and version and how to reach
// the helpdesk. "OK" closes it with result 1.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* ouder = nullptr);
};

} // namespace vkt::widgets
