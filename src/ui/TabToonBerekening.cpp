#include "ui/TabToonBerekening.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vkt::ui {

TtsToonBerekening::TtsToonBerekening(QWidget* ouder) : QWidget(ouder), memoToonBerekening(new QPlainTextEdit(this))
{
    setObjectName("tsToonBerekening");
    memoToonBerekening->setObjectName("memoToonBerekening");
    memoToonBerekening->setAccessibleName("Toon Berekening");
    // Courier New where it is installed, else a font with its metrics
    // (Liberation Mono) or any fixed-pitch font: the statement is laid out
    // in columns.
    QFont lettertype("Courier New", 10);
    lettertype.setStyleHint(QFont::TypeWriter);
    lettertype.setFixedPitch(true);
    lettertype.setBold(true);
    memoToonBerekening->setFont(lettertype);
    memoToonBerekening->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoToonBerekening->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoToonBerekening->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* indeling = new QVBoxLayout(this);
    indeling->setContentsMargins(0, 0, 0, 0);
    indeling->addWidget(memoToonBerekening);
}

void TtsToonBerekening::ToonRapport(const std::vector<std::string>& regels)
{
    QString tekst;
    for (const std::string& regel : regels)
        tekst += QString::fromStdString(regel) + '\n';
    memoToonBerekening->setPlainText(tekst);
}

QString TtsToonBerekening::Rapport() const { return memoToonBerekening->toPlainText(); }

} // namespace vkt::ui
