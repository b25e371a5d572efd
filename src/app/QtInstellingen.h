#pragma once

#include "store/Instellingen.h"

#include <QSettings>
#include <QString>

#include <set>

namespace vkt::app {

// The per-user settings in the desktop's settings store: QSettings of
// organisation "Zyrdo Software" and application "Quelvar2001". The program's
// key "SOFTWARE\Zyrdo Software\Quelvar2001\User" is the group "User"; any
// other key is a group named by its path.
class TQtInstellingen : public TInstellingen {
public:
    TQtInstellingen();

    bool SleutelBestaat(const std::string& sleutel) const override;
    bool MaakSleutel(const std::string& sleutel) override;
    std::optional<std::string> LeesTekst(const std::string& sleutel, const std::string& naam) const override;
    bool SchrijfTekst(const std::string& sleutel, const std::string& naam, const std::string& waarde) override;

    static QString Groep(const std::string& sleutel);

private:
    mutable QSettings settings_;
    std::set<QString> gemaakt_; // keys made but not yet holding a value
};

} // namespace vkt::app
