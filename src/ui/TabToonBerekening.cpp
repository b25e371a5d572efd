#include "ui/TabToonBerekening.h"

#include "output/Rapportuitvoer.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vkt::ui {

TtsToonBerekening::TtsToonBerekening(QWidget* ouder) : QWidget(ouder), memoToonBerekening(new QPlainTextEdit(this))
{
    setObjectName("tsToonBerekening");
    memoToonBerekening->setObjectName("memoToonBerekening");
    memoToonBerekening->setAccessibleName("Toon Berekening");
    memoToonBerekening->setFont(RapportLettertype());
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

QStringList TtsToonBerekening::Regels() const
{
    QStringList regels = Rapport().split('\n');
    if (!regels.isEmpty() && regels.back().isEmpty())
        regels.pop_back(); // the end of the last line
    return regels;
}

} // namespace vkt::ui
