#include "app/QtInstellingen.h"

namespace vkt::app {
namespace {

const QString kProgrammasleutel = QStringLiteral("SOFTWARE\\Zyrdo Software\\Quelvar2001");

QString Sleutel(const QString& groep, const std::string& naam)
{
    return groep.isEmpty() ? QString::fromStdString(naam) : groep + '/' + QString::fromStdString(naam);
}

} // namespace

TQtInstellingen::TQtInstellingen() : settings_("Zyrdo Software", "Quelvar2001") {}

QString TQtInstellingen::Groep(const std::string& sleutel)
{
    QString pad = QString::fromStdString(sleutel);
    if (pad.compare(kProgrammasleutel, Qt::CaseInsensitive) == 0)
        return {};
    if (pad.startsWith(kProgrammasleutel + '\\', Qt::CaseInsensitive))
        pad = pad.mid(kProgrammasleutel.size() + 1);
    return pad.replace('\\', '/');
}

bool TQtInstellingen::SleutelBestaat(const std::string& sleutel) const
{
    const QString groep = Groep(sleutel);
    if (groep.isEmpty() || gemaakt_.contains(groep))
        return true;
    settings_.beginGroup(groep);
    const bool bestaat = !settings_.allKeys().isEmpty();
    settings_.endGroup();
    return bestaat;
}

// A group exists in the store once it holds a value.
bool TQtInstellingen::MaakSleutel(const std::string& sleutel)
{
    if (sleutel.empty())
        return false;
    gemaakt_.insert(Groep(sleutel));
    return true;
}

std::optional<std::string> TQtInstellingen::LeesTekst(const std::string& sleutel, const std::string& naam) const
{
    const QVariant waarde = settings_.value(Sleutel(Groep(sleutel), naam));
    if (!waarde.isValid())
        return std::nullopt;
    return waarde.toString().toStdString();
}

bool TQtInstellingen::SchrijfTekst(const std::string& sleutel, const std::string& naam, const std::string& waarde)
{
    if (!SleutelBestaat(sleutel))
        return false;
    settings_.setValue(Sleutel(Groep(sleutel), naam), QString::fromStdString(waarde));
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

} // namespace vkt::app
