// Performance of the main window: from a field the user changes to the
// statement shown again and painted, for a gross wage and for a net wage
// whose gross wage is searched. The program runs on Qt's offscreen platform over copies
// of the built databases (beside the program, or in VKT2020_DATA) holding
// two calculations saved by vkt2020-cli; the memory in use once they are
// loaded is reported as a counter.

#include "Qtbenchmarks.h"

#include "app/Applicatie.h"
#include "app/Meting.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "store/Instellingen.h"
#include "ui/FrmMain.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/TabToonBerekening.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QApplication>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

using namespace vkt;

namespace {

// The program open on its own copy of the databases.
struct Omgeving {
    Omgeving()
    {
        const std::filesystem::path map = data.path().toStdString();
        for (const char* bestand : {"VktC2020.db", "Vkt2020.db"})
            std::filesystem::copy_file(DataFolder() / bestand, map / bestand);
        SlaOp({"--naam", "Bruto", "--loonbedrag", "3000", "--werkgeverslasten-tonen", "ja"});
        SlaOp({"--naam", "Netto", "--soort-loonbedrag", "nettoloon", "--loonbedrag", "2500"});
        app = std::make_unique<app::TApplicatie>(TDatabasemappen{map, map, {}}, instellingen, meldingen,
                                                 app::TStartopties{.SsoStart = true, .Startvenster = false});
        if (!app->Start())
            throw std::runtime_error("het programma start niet");
        app->Venster().show();
        while (!app->Venster().Initialised())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void SlaOp(const QStringList& opties) const
    {
        QProcess cli;
        QProcessEnvironment omgeving = QProcessEnvironment::systemEnvironment();
        omgeving.insert("VKT2020_DATA", data.path());
        cli.setProcessEnvironment(omgeving);
        cli.start(QString::fromStdString((DataFolder() / "vkt2020-cli").string()), QStringList{"opslaan"} + opties);
        if (!cli.waitForFinished() || cli.exitCode() != 0)
            throw std::runtime_error("vkt2020-cli opslaan faalde");
    }

    // Opens saved calculation n as choosing it from the drop-down does.
    ui::TfrmMain& Open(int n)
    {
        ui::TfrmMain& venster = app->Venster();
        venster.Selectie->KiesNummer(n);
        emit venster.Selectie->Gekozen();
        return venster;
    }

    QTemporaryDir data;
    TGeheugenInstellingen instellingen;
    TBewaardeMeldingen meldingen;
    std::unique_ptr<app::TApplicatie> app;
};

// Made at the first benchmark, gone before the application object.
std::unique_ptr<Omgeving> omgeving;

Omgeving& DeOmgeving()
{
    if (!omgeving)
        omgeving = std::make_unique<Omgeving>();
    return *omgeving;
}

void VeldwijzigingTotOverzicht(benchmark::State& state)
{
    ui::TfrmMain& venster = DeOmgeving().Open(static_cast<int>(state.range(0)));
    auto* loonbedrag = venster.findChild<widgets::TZNODBNumericEdit*>("edLoonbedrag");
    double bedrag = 2500;
    for (auto _ : state) {
        state.PauseTiming();
        venster.pgMain->setCurrentIndex(ui::tabWerknemersgegevens);
        QApplication::processEvents();
        bedrag += 0.01;
        state.ResumeTiming();
        loonbedrag->Invoerveld().SetValue(bedrag);
        venster.pgMain->setCurrentIndex(ui::tabToonBerekening);
        QApplication::processEvents(); // the statement painted
    }
    state.counters["geheugen_MB"] = app::GeheugenInGebruikMB();
}
BENCHMARK(VeldwijzigingTotOverzicht)->Arg(1)->Arg(2)->ArgName("berekening")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return DraaiQtBenchmarks(argc, argv, [] { omgeving.reset(); });
}
