#include "cli/Tekentoepassing.h"

#include <cstdio>

namespace vkt::cli {

std::unique_ptr<QApplication> MaakTekentoepassing()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (such as a missing runtime folder) are no output of this program.
    qInstallMessageHandler([](QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
        if (soort == QtCriticalMsg || soort == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(tekst));
    });
    static int argc = 1;
    static char naam[] = "vkt2020-cli";
    static char* argv[] = {naam, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace vkt::cli
