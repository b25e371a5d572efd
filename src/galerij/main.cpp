// vkt2020-galerij: every widget, kind of row and kind of message window of the
// desktop program with sample values, to look at them side by side. With
// --schermafdrukken MAP it saves a PNG of each into that folder and exits.

#include "galerij/Galerij.h"
#include "widgets/ProgrammaStijl.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>
#include <QTextStream>

#include <cstdio>

namespace {

using vkt::galerij::TVoorbeeld;

// Saves each sample as the screen shows it; false when a file cannot be written.
bool SlaSchermafdrukkenOp(const std::vector<TVoorbeeld>& voorbeelden, const QString& map)
{
    if (!QDir().mkpath(map)) {
        std::fprintf(stderr, "vkt2020-galerij: de map '%s' kan niet worden gemaakt.\n", qPrintable(map));
        return false;
    }
    for (const TVoorbeeld& voorbeeld : voorbeelden) {
        const std::unique_ptr<QWidget> widget = voorbeeld.Maak();
        widget->setWindowTitle(voorbeeld.Titel);
        vkt::widgets::Skin(*widget);
        widget->show();
        QApplication::processEvents();
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus(); // the picture shows the fields as they rest
        QApplication::processEvents();
        const QString bestand = QDir(map).filePath(voorbeeld.Naam + ".png");
        if (!widget->grab().save(bestand)) {
            std::fprintf(stderr, "vkt2020-galerij: '%s' kan niet worden geschreven.\n", qPrintable(bestand));
            return false;
        }
    }
    return true;
}

// A list of the samples beside the chosen one.
int ToonGalerij(const std::vector<TVoorbeeld>& voorbeelden)
{
    QWidget venster;
    venster.setWindowTitle("Vkt2020 - galerij");
    auto* lijst = new QListWidget(&venster);
    lijst->setAccessibleName("Voorbeelden");
    lijst->setFixedWidth(220);
    auto* stapel = new QStackedWidget(&venster);
    for (const TVoorbeeld& voorbeeld : voorbeelden) {
        lijst->addItem(voorbeeld.Titel);
        QWidget* widget = voorbeeld.Maak().release();
        widget->setWindowFlags(Qt::Widget);
        vkt::widgets::Skin(*widget);
        stapel->addWidget(widget);
    }
    auto* indeling = new QHBoxLayout(&venster);
    indeling->addWidget(lijst);
    indeling->addWidget(stapel, 1);
    QObject::connect(lijst, &QListWidget::currentRowChanged, stapel, &QStackedWidget::setCurrentIndex);
    lijst->setCurrentRow(0);
    venster.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QString map;
    for (int i = 1; i + 1 < argc; ++i)
        if (QString(argv[i]) == "--schermafdrukken")
            map = QString::fromLocal8Bit(argv[i + 1]);
    // Pictures need no display.
    if (!map.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vkt::widgets::ZetProgrammaStijl();
    const std::vector<TVoorbeeld> voorbeelden = vkt::galerij::Voorbeelden();
    if (!map.isEmpty())
        return SlaSchermafdrukkenOp(voorbeelden, map) ? 0 : 1;
    return ToonGalerij(voorbeelden);
}
