#include "output/Lettertypen.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace vkt::ui {
namespace {

const char* const kBestanden[] = {":/lettertypen/LiberationSans-Regular.ttf", ":/lettertypen/LiberationSans-Bold.ttf",
                                  ":/lettertypen/LiberationMono-Regular.ttf", ":/lettertypen/LiberationMono-Bold.ttf"};

} // namespace

bool RegistreerLettertypen()
{
    // Once for each application object, as Qt's font database belongs to it
    // (the command line makes one for each drawing).
    static const QCoreApplication* geregistreerdVoor = nullptr;
    static bool gelukt = false;
    const QCoreApplication* toepassing = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!toepassing)
        return false;
    if (geregistreerdVoor == toepassing)
        return gelukt;
    geregistreerdVoor = toepassing;
    gelukt = true;
    for (const char* bestand : kBestanden)
        gelukt = QFontDatabase::addApplicationFont(QString::fromLatin1(bestand)) >= 0 && gelukt;
    // Looked for only when the font asked for is missing, so a machine that
    // has Courier New keeps it.
    if (!QFont::substitutes(QStringLiteral("Courier New")).contains(QStringLiteral("Liberation Mono")))
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    return gelukt;
}

QString VensterFamilie() { return QStringLiteral("Liberation Sans"); }

} // namespace vkt::ui
