#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace vkt::ui {

// The tab "&Toon Berekening": the statement of the last run as fixed-pitch
// text, which the user may edit before printing or exporting it.
class TtsToonBerekening : public QWidget {
    Q_OBJECT

public:
    explicit TtsToonBerekening(QWidget* ouder = nullptr);

    void ToonRapport(const std::vector<std::string>& regels);
    QString Rapport() const;
    // The view's text line by line, as it is printed and exported.
    QStringList Regels() const;
    QPlainTextEdit* memoToonBerekening;
};

} // namespace vkt::ui
