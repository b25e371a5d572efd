#include "Opdrachten.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Each command that writes a file, with the option that names it and what
// its message calls the file.
struct Bestandsopdracht {
    std::string opdracht;
    std::string optie;
    std::string melding;
};

const std::vector<Bestandsopdracht> kOpdrachten = {
    {"bereken --loonbedrag 3000", "--pdf", "vkt2020-cli bereken: Kon het PDF-bestand niet schrijven: "},
    {"bereken --loonbedrag 3000", "--odt", "vkt2020-cli bereken: Kon het tekstbestand niet schrijven: "},
    {"verloop --loonbedrag 3000", "--png", "vkt2020-cli verloop: Kon het PNG-bestand niet schrijven: "},
    {"verloop --loonbedrag 3000", "--svg", "vkt2020-cli verloop: Kon het SVG-bestand niet schrijven: "},
    {"batch INVOER", "--uitvoer", "vkt2020-cli batch: het bestand '"},
};

// A batch of some rows, so that its output is some kilobytes long.
std::string Batchinvoer(const vkt::test::TempFolder& map)
{
    const std::string invoer = map.File("invoer.csv");
    std::ofstream bestand(invoer);
    bestand << "loonbedrag\n";
    for (int i = 0; i < 200; ++i)
        bestand << 1000 + i << "\n";
    return invoer;
}

std::string Opdrachtregel(const Bestandsopdracht& geval, const std::string& invoer, const std::string& bestand)
{
    std::string opdracht = geval.opdracht;
    if (const std::size_t plek = opdracht.find("INVOER"); plek != std::string::npos)
        opdracht.replace(plek, 6, invoer);
    return opdracht + " " + geval.optie + " " + bestand;
}

// Runs the program as on a full disk: no file it writes may grow beyond 512
// bytes (a longer write fails, as when the disk is full). Its standard
// output is dropped, its error output goes to fouten; returns its exit code.
int VoerUitOpVolleSchijf(const std::string& argumenten, const std::string& fouten)
{
    const std::string opdracht = "sh -c \"trap '' XFSZ; ulimit -f 1; exec " + vkt::test::Programma() + " " +
                                 argumenten + "\" > /dev/null 2> " + fouten;
    const int status = std::system(opdracht.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::vector<std::string> Namen(const fs::path& map)
{
    std::vector<std::string> namen;
    for (const auto& bestand : fs::directory_iterator(map))
        namen.push_back(bestand.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

} // namespace

TEST(Schrijffouten, OnAFullDiskAFileIsLeftAsItWasAndTheCommandFails)
{
    vkt::test::EigenDatabases databases;
    const vkt::test::TempFolder& map = databases.Map();
    const std::string invoer = Batchinvoer(map);
    const std::string fouten = map.File("fouten.txt");
    const std::string bestand = map.File("uitvoer");
    for (const Bestandsopdracht& geval : kOpdrachten) {
        SCOPED_TRACE(geval.optie);
        std::ofstream(bestand) << "de vorige uitkomst\n";
        std::ofstream(fouten).close();
        const std::vector<std::string> vooraf = Namen(map.Path());
        EXPECT_EQ(VoerUitOpVolleSchijf(Opdrachtregel(geval, invoer, bestand), fouten), 1);
        const std::string tekst = vkt::test::LeesBestand(fouten);
        EXPECT_EQ(tekst.rfind(geval.melding, 0), 0u) << tekst;
        EXPECT_EQ(vkt::test::LeesBestand(bestand), "de vorige uitkomst\n");
        EXPECT_EQ(Namen(map.Path()), vooraf) << "a temporary file was left";
    }
    // The batch says what the disk said.
    EXPECT_NE(vkt::test::LeesBestand(fouten).find("kan niet worden geschreven: het bestand wordt te groot. Er is niets "
                                                  "geschreven; '" + bestand + "' is niet veranderd."),
              std::string::npos)
        << vkt::test::LeesBestand(fouten);
}

TEST(Schrijffouten, WhenOneFileFailsTheOtherOfTheCommandIsLeftAsItWasToo)
{
    vkt::test::EigenDatabases databases;
    const vkt::test::TempFolder& map = databases.Map();
    const std::string uit = map.File("uit.txt");
    for (const auto& [opdracht, goed, fout] :
         {std::tuple<std::string, std::string, std::string>{"bereken", "--pdf", "--odt"},
          {"bereken", "--odt", "--pdf"},
          {"verloop", "--png", "--svg"},
          {"verloop", "--svg", "--png"}}) {
        SCOPED_TRACE(goed);
        const std::string bestand = map.File("goed");
        std::ofstream(bestand) << "de vorige uitkomst\n";
        EXPECT_EQ(vkt::test::VoerProgrammaUit(opdracht + " " + goed + " " + bestand + " " + fout + " " +
                                                  map.File("geen-map/fout"),
                                              uit),
                  1);
        EXPECT_EQ(vkt::test::LeesBestand(bestand), "de vorige uitkomst\n");
    }
}

TEST(Schrijffouten, ADeviceIsWrittenAndNeverReplacedByAFile)
{
    vkt::test::EigenDatabases databases;
    const vkt::test::TempFolder& map = databases.Map();
    // Copies of /dev/full and /dev/null of the test's own, so that a program
    // that wrongly replaced them would replace only these.
    const std::string vol = map.File("vol");
    const std::string leeg = map.File("leeg");
    if (mknod(vol.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 || mknod(leeg.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device needs the right to do so";
    const std::string invoer = Batchinvoer(map);
    const std::string uit = map.File("uit.txt");
    for (const Bestandsopdracht& geval : kOpdrachten) {
        SCOPED_TRACE(geval.optie);
        EXPECT_EQ(vkt::test::VoerProgrammaUit(Opdrachtregel(geval, invoer, vol), uit), 1);
        EXPECT_NE(vkt::test::LeesBestand(uit).find(geval.melding), std::string::npos) << vkt::test::LeesBestand(uit);
        EXPECT_TRUE(fs::is_character_file(vol));
        EXPECT_EQ(vkt::test::VoerProgrammaUit(Opdrachtregel(geval, invoer, leeg), uit), 0)
            << vkt::test::LeesBestand(uit);
        EXPECT_TRUE(fs::is_character_file(leeg));
    }
    EXPECT_EQ(Namen(map.Path()), (std::vector<std::string>{"Vkt2020.db", "VktC2020.db", "invoer.csv", "leeg",
                                                           "uit.txt", "vol"}));
}
