#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vkt::widgets {

// The program's own pictures, drawn as SVG and kept in the resources.
namespace Afbeeldingen {
inline const QString Logo = QStringLiteral(":/afbeeldingen/logo.svg");       // 143 x 70
inline const QString Splash = QStringLiteral(":/afbeeldingen/splash.svg");   // 278 x 215
// The pictures of the main window's large tool buttons, 48 x 48.
inline const QString Nieuw = QStringLiteral(":/afbeeldingen/nieuw.svg");
inline const QString Verwijderen = QStringLiteral(":/afbeeldingen/verwijderen.svg");
inline const QString Opslaan = QStringLiteral(":/afbeeldingen/opslaan.svg");
inline const QString Afdrukken = QStringLiteral(":/afbeeldingen/afdrukken.svg");
inline const QString Afsluiten = QStringLiteral(":/afbeeldingen/afsluiten.svg");
} // namespace Afbeeldingen

// The picture drawn at the given size, sharp on a screen with the given
// device pixel ratio. A missing picture gives a transparent one.
QPixmap Afbeelding(const QString& pad, const QSize& maat, qreal pixelverhouding = 1.0);

// The picture as an icon that stays sharp at every size (tool buttons).
QIcon Pictogram(const QString& pad);

} // namespace vkt::widgets
