#include "Opdrachten.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// The width and height a PNG file's header gives.
std::pair<int, int> PngMaat(const std::string& inhoud)
{
    if (inhoud.size() < 24 || inhoud.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return {0, 0};
    auto getal = [&](std::size_t i) {
        return (static_cast<unsigned char>(inhoud[i]) << 24) | (static_cast<unsigned char>(inhoud[i + 1]) << 16) |
               (static_cast<unsigned char>(inhoud[i + 2]) << 8) | static_cast<unsigned char>(inhoud[i + 3]);
    };
    return {getal(16), getal(20)};
}

// A run of the program without any display.
class ZonderBeeldscherm {
public:
    ZonderBeeldscherm()
    {
        for (const char* naam : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            unsetenv(naam);
    }
};

} // namespace

TEST(Grafiekbestanden, TheChartIsWrittenAsPngAndSvgWithoutADisplay)
{
    const ZonderBeeldscherm zonder;
    vkt::test::EigenDatabases databases;
    const std::string png = databases.Map().File("verloop.png");
    const std::string svg = databases.Map().File("verloop.svg");
    const std::string uit = databases.Map().File("uit.txt");
    ASSERT_EQ(vkt::test::VoerProgrammaUit("verloop --loonbedrag 3000 --loontijdvak week --png " + png + " --svg " + svg,
                                          uit),
              0)
        << vkt::test::LeesBestand(uit);
    EXPECT_EQ(vkt::test::LeesBestand(uit).rfind("brutoloon;nettoloon;", 0), 0u); // the CSV as without them
    EXPECT_EQ(PngMaat(vkt::test::LeesBestand(png)), std::make_pair(1000, 620));
    const std::string tekening = vkt::test::LeesBestand(svg);
    EXPECT_NE(tekening.find("<svg"), std::string::npos);
    for (const char* tekst : {"Nettoloon", "Loonheffing", "Werkgeverslasten", "Loonverloop per week"})
        EXPECT_NE(tekening.find(tekst), std::string::npos) << tekst;
}

TEST(Grafiekbestanden, AFileThatCannotBeWrittenFailsTheCommand)
{
    vkt::test::EigenDatabases databases;
    const std::string uit = databases.Map().File("uit.txt");
    EXPECT_EQ(vkt::test::VoerProgrammaUit("verloop --png " + databases.Map().File("geen/map.png"), uit), 1);
    EXPECT_NE(vkt::test::LeesBestand(uit).find("vkt2020-cli verloop: Kon geen PNG-bestand aanmaken"), std::string::npos)
        << vkt::test::LeesBestand(uit);
}
