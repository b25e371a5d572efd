#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vkt::app {

// What the command line asks of the desktop program.
struct TOpties {
    bool SsoStart = false;      // the switch -sso_start or /sso_start, in any letter case
    bool MeetOpstart = false;   // --meet-opstart: quit once started, telling how long it took
    QString Schermafdrukken;    // --schermafdrukken MAP: a picture of each tab into MAP, then quit
    bool Hulp = false;          // --help
    QString Fout;               // a usage error
};

TOpties LeesOpties(const QStringList& argumenten);

// The help text of the program's options.
QString Hulptekst();

} // namespace vkt::app
