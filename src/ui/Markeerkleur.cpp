#include "ui/Markeerkleur.h"

#include "common/Exception.h"
#include "store/DbParams.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace vkt::ui {
namespace {

const char* const kParameter = "SelSysColor";

void ZetMarkeerkleur(const QColor& kleur)
{
    QPalette palet = QApplication::palette();
    palet.setColor(QPalette::Highlight, kleur);
    QApplication::setPalette(palet);
}

// The stored colour, when it is a number of at most 32 bits.
std::optional<unsigned> OpgeslagenKleur(const std::string& tekst)
{
    if (tekst.empty() || tekst.size() > 10 ||
        !std::all_of(tekst.begin(), tekst.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        return std::nullopt;
    const unsigned long long waarde = std::stoull(tekst);
    if (waarde > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<unsigned>(waarde);
}

} // namespace

unsigned Kleurwaarde(const QColor& kleur)
{
    return static_cast<unsigned>(kleur.red()) | static_cast<unsigned>(kleur.green()) << 8 |
           static_cast<unsigned>(kleur.blue()) << 16;
}

QColor KleurVan(unsigned waarde) { return QColor(waarde & 0xFF, (waarde >> 8) & 0xFF, (waarde >> 16) & 0xFF); }

void SetWindowsSystemColors(db::Connection& verbinding)
{
    try {
        const unsigned huidig = Kleurwaarde(QApplication::palette().color(QPalette::Highlight));
        if (huidig != ProgrammaMarkeerkleur)
            SetDBParamValue(&verbinding, kParameter, std::to_string(huidig));
        ZetMarkeerkleur(KleurVan(ProgrammaMarkeerkleur));
    } catch (const std::exception& fout) {
        throw Exception(std::string("TfrmMain.SetWindowsSystemColors: ") + fout.what());
    }
}

void RestoreWindowsSystemColors(db::Connection& verbinding)
{
    try {
        if (const auto kleur = OpgeslagenKleur(GetDBParamValue(&verbinding, kParameter)))
            ZetMarkeerkleur(KleurVan(*kleur));
    } catch (const std::exception& fout) {
        throw Exception(std::string("TfrmMain.RestoreWindowsSystemColors: ") + fout.what());
    }
}

} // namespace vkt::ui
