#include "cli/Rapportbestanden.h"

#include "cli/Opties.h"

#if VKT_RAPPORTBESTANDEN
#include "ui/Rapportuitvoer.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>
#endif

namespace vkt::cli {

#if VKT_RAPPORTBESTANDEN
namespace {

// Qt draws text only within a GUI application; a script has no display, so
// without one (and without a platform chosen by the user) it draws offscreen.
// Made only when the program has none, for as long as the files are written.
std::unique_ptr<QGuiApplication> MaakGuiToepassing()
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
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

void VoegRapportbestandenToe(TOpdrachtregel& regel)
{
    regel.Optie("pdf", "BESTAND", "schrijft ook het overzicht als PDF-bestand, zoals Vkt2020 het afdrukt");
    regel.Optie("odt", "BESTAND",
                "schrijft ook het overzicht als OpenDocument-tekst (.odt), zoals Vkt2020 het exporteert");
}

std::string RapportbestandenUitleg()
{
    return "Met --pdf en --odt schrijft de opdracht het overzicht ook in bestanden: zoals Vkt2020 het afdrukt "
           "(Courier New 10 punten vet, A4, geen marges) en zoals het exporteert (een alinea per regel, zonder de "
           "spaties vooraan). Zonder beeldscherm tekent de opdracht buiten beeld.";
}

TRapportbestanden LeesRapportbestanden(const TOpdrachtregel& regel)
{
    return {regel.Waarde("pdf").value_or(""), regel.Waarde("odt").value_or("")};
}

void SchrijfRapportbestanden(const TRapportbestanden& bestanden, const std::vector<std::string>& regels)
{
    if (bestanden.Pdf.empty() && bestanden.Odt.empty())
        return;
    const std::unique_ptr<QGuiApplication> toepassing = MaakGuiToepassing();
    QStringList tekst;
    for (const std::string& regel : regels)
        tekst << QString::fromStdString(regel);
    const QFont lettertype = ui::RapportLettertype();
    if (!bestanden.Pdf.empty())
        ui::SchrijfRapportPdf(tekst, lettertype, {}, QString::fromStdString(bestanden.Pdf));
    if (!bestanden.Odt.empty())
        ui::SchrijfRapportOdt(tekst, lettertype, QString::fromStdString(bestanden.Odt));
}

#else

void VoegRapportbestandenToe(TOpdrachtregel&) {}

std::string RapportbestandenUitleg()
{
    return "Deze uitvoering is gebouwd zonder het bureaubladprogramma (Qt) en kent daarom de opties --pdf en --odt "
           "niet, die het overzicht als PDF-bestand of als OpenDocument-tekst schrijven.";
}

TRapportbestanden LeesRapportbestanden(const TOpdrachtregel&) { return {}; }

void SchrijfRapportbestanden(const TRapportbestanden&, const std::vector<std::string>&) {}

#endif

} // namespace vkt::cli
