#include "ui/Standaardprogramma.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vkt::ui {
namespace {

// Whether the desktop's own register of programs (xdg-mime) says that no
// program opens files of this type. xdg-open starts even then, and then
// falls back on a web browser or does nothing at all, while Qt reports that
// the file was opened; so ask first. Without that register nothing is known.
bool GeenProgrammaVoor(const QString& mimetype)
{
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty())
        return false;
    QProcess vraag;
    vraag.start(xdgMime, {"query", "default", mimetype});
    if (!vraag.waitForFinished(3000)) {
        vraag.kill();
        vraag.waitForFinished(1000);
        return false;
    }
    return vraag.exitStatus() == QProcess::NormalExit && vraag.exitCode() == 0 &&
           vraag.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool OpenMetStandaardprogramma(const QUrl& bestand)
{
    const QString mimetype =
        QMimeDatabase().mimeTypeForFile(bestand.toLocalFile(), QMimeDatabase::MatchExtension).name();
    if (GeenProgrammaVoor(mimetype))
        return false;
    return QDesktopServices::openUrl(bestand);
}

} // namespace vkt::ui
