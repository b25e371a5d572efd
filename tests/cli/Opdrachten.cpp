#include "Opdrachten.h"

#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "db/Query.h"
#include "store/DmVektaris.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vkt::test {

Uitvoer Voer(Opdracht opdracht, const std::vector<std::string>& argumenten)
{
    std::ostringstream uit;
    std::ostringstream fout;
    const int code = opdracht(argumenten, uit, fout);
    return Uitvoer{code, uit.str(), fout.str()};
}

::testing::AssertionResult Geweigerd(const Uitvoer& uitvoer, int code, const std::string& melding)
{
    if (uitvoer.code != code || uitvoer.fout.find(melding) == std::string::npos || !uitvoer.uit.empty())
        return ::testing::AssertionFailure() << "code " << uitvoer.code << ", fout: " << uitvoer.fout
                                             << "uit: " << uitvoer.uit;
    return ::testing::AssertionSuccess();
}

EigenDatabases::EigenDatabases() : oud_(DataFolder().string())
{
    for (const char* bestand : {"Vkt2020.db", "VktC2020.db"})
        std::filesystem::copy_file(DataFolder() / bestand, map_.Path() / bestand);
    setenv("VKT2020_DATA", map_.Path().c_str(), 1);
}

EigenDatabases::~EigenDatabases() { setenv("VKT2020_DATA", oud_.c_str(), 1); }

void VoerSqlUit(const EigenDatabases& databases, const std::string& sql)
{
    TdmVektaris dm(databases.Map().Path());
    TBewaardeMeldingen meldingen;
    if (!dm.Openen(meldingen))
        throw std::runtime_error("the employee database of the test did not open");
    db::Query(dm.adbQuelvar, sql).ExecSQL();
}

namespace {

// Found before any test names its own data folder.
const std::string kProgramma = (DataFolder() / "vkt2020-cli").string();

} // namespace

std::string Programma() { return kProgramma; }

int VoerProgrammaUit(const std::string& argumenten, const std::string& uitvoer)
{
    return WachtOp(StartProgramma(argumenten, uitvoer));
}

int StartProgramma(const std::string& argumenten, const std::string& uitvoer)
{
    const std::string opdracht = Programma() + " " + argumenten + " > " + uitvoer + " 2>&1";
    const char* const argv[] = {"/bin/sh", "-c", opdracht.c_str(), nullptr};
    pid_t proces = 0;
    if (posix_spawn(&proces, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0)
        throw std::runtime_error("the program could not be started");
    return proces;
}

int WachtOp(int proces)
{
    int status = 0;
    if (waitpid(proces, &status, 0) != proces)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string LeesBestand(const std::string& bestand)
{
    std::ifstream in(bestand, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::string JsonTekst(const std::string& json, const std::string& sleutel, std::size_t vanaf)
{
    const std::string zoek = "\"" + sleutel + "\": ";
    const std::size_t plek = json.find(zoek, vanaf);
    if (plek == std::string::npos)
        return {};
    const std::size_t begin = plek + zoek.size();
    return json.substr(begin, json.find_first_of(",\n}", begin) - begin);
}

double JsonGetal(const std::string& json, const std::string& sleutel, std::size_t vanaf)
{
    const std::string tekst = JsonTekst(json, sleutel, vanaf);
    return tekst.empty() ? std::nan("") : std::strtod(tekst.c_str(), nullptr);
}

} // namespace vkt::test
