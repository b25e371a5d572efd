#include "Opdrachten.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What a shell command wrote on its standard output.
std::string Uitvoer(const std::string& opdracht)
{
    std::string tekst;
    if (FILE* pijp = popen(opdracht.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pijp)) > 0;)
            tekst.append(buffer, n);
        pclose(pijp);
    }
    return tekst;
}

// The lines of a text without their trailing blanks and page breaks.
std::vector<std::string> Regels(const std::string& tekst)
{
    std::vector<std::string> regels;
    std::istringstream in(tekst);
    for (std::string regel; std::getline(in, regel);) {
        regel.erase(regel.find_last_not_of(" \f") + 1);
        regels.push_back(regel);
    }
    return regels;
}

// The words of a line with one blank between them.
std::string Ingekort(const std::string& regel)
{
    std::istringstream in(regel);
    std::string ingekort;
    for (std::string woord; in >> woord;)
        ingekort += (ingekort.empty() ? "" : " ") + woord;
    return ingekort;
}

std::size_t Aantal(const std::string& tekst, const std::string& stuk)
{
    std::size_t aantal = 0;
    for (std::size_t i = tekst.find(stuk); i != std::string::npos; i = tekst.find(stuk, i + 1))
        ++aantal;
    return aantal;
}

} // namespace

TEST(Rapportbestanden, TheStatementIsWrittenAsItIsPrintedAndExported)
{
    vkt::test::EigenDatabases databases;
    const std::string pdf = databases.Map().File("berekening.pdf");
    const std::string odt = databases.Map().File("berekening.odt");
    const std::string uit = databases.Map().File("uit.txt");
    ASSERT_EQ(vkt::test::VoerProgrammaUit("bereken --loonbedrag 3000 --naam Jansen --pdf " + pdf + " --odt " + odt, uit),
              0)
        << vkt::test::LeesBestand(uit);
    const std::vector<std::string> rapport = Regels(vkt::test::LeesBestand(uit));
    ASSERT_GT(rapport.size(), 20u);

    // The printed page holds the statement line by line. (pdftotext narrows
    // wide gaps, so each line is compared with its runs of blanks as one.)
    std::vector<std::string> pagina;
    for (const std::string& regel : Regels(Uitvoer("pdftotext -layout " + pdf + " -")))
        pagina.push_back(Ingekort(regel));
    std::vector<std::string> verwacht;
    for (const std::string& regel : rapport)
        verwacht.push_back(Ingekort(regel));
    while (!pagina.empty() && pagina.back().empty())
        pagina.pop_back();
    while (!verwacht.empty() && verwacht.back().empty())
        verwacht.pop_back();
    EXPECT_EQ(pagina, verwacht);

    // The document has a paragraph per line, each without its leading blanks.
    const std::string inhoud = Uitvoer("unzip -p " + odt + " content.xml");
    EXPECT_EQ(Aantal(inhoud, "<text:p "), rapport.size());
    EXPECT_NE(inhoud.find(">Zyrdo Vektaris-programma 2020<"), std::string::npos);
    EXPECT_NE(inhoud.find(">Model loonberekening voor: Jansen<"), std::string::npos);
}

TEST(Rapportbestanden, AFileThatCannotBeWrittenFailsTheCommand)
{
    vkt::test::EigenDatabases databases;
    const std::string uit = databases.Map().File("uit.txt");
    EXPECT_EQ(vkt::test::VoerProgrammaUit("bereken --loonbedrag 3000 --pdf " + databases.Map().File("geen/map.pdf"), uit),
              1);
    EXPECT_NE(vkt::test::LeesBestand(uit).find("vkt2020-cli bereken: Kon geen PDF-bestand aanmaken"), std::string::npos)
        << vkt::test::LeesBestand(uit);
}

TEST(Rapportbestanden, WithoutTheDrawingModuleTheCommandSaysSoAndFails)
{
    vkt::test::EigenDatabases databases;
    const std::string programma = databases.Map().File("vkt2020-cli");
    std::filesystem::copy_file(vkt::test::Programma(), programma);
    const std::string uit = databases.Map().File("uit.txt");
    const std::string pdf = databases.Map().File("berekening.pdf");
    const std::string opdracht = programma + " bereken --loonbedrag 3000 --pdf " + pdf + " > " + uit + " 2>&1";
    const int status = std::system(opdracht.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string tekst = vkt::test::LeesBestand(uit);
    EXPECT_NE(tekst.find("vkt2020-cli bereken: de tekenmodule voor PDF, ODT en afbeeldingen kan niet worden geladen: "),
              std::string::npos)
        << tekst;
    EXPECT_FALSE(std::filesystem::exists(pdf));
}
