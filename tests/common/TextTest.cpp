#include "common/Text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

using namespace vkt;
using namespace std::string_literals;

TEST(Text, AVisibleTextShowsControlCharactersAndBrokenUtf8Escaped)
{
    const struct {
        std::string tekst;
        std::string zichtbaar;
    } kGevallen[] = {
        {"Jansen", "Jansen"},
        {"Zoë Öztürk €", "Zoë Öztürk €"},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {"\x1B[31mrood", "\\x1B[31mrood"},
        {"voor\0na"s, "voor\\x00na"},
        {"\x7F", "\\x7F"},
        {"\xC2\x85", "\\xC2\\x85"},         // NEL, a C1 control
        {"\xE2\x80\xA8", "\\xE2\\x80\\xA8"}, // the line separator
        {"\xFF\xFEx", "\\xFF\\xFEx"},
        {"\xC3", "\\xC3"},                   // cut short
        {"\xC0\xAF", "\\xC0\\xAF"},          // an overlong '/'
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"}, // a surrogate
    };
    for (const auto& geval : kGevallen)
        EXPECT_EQ(ZichtbareTekst(geval.tekst), geval.zichtbaar) << geval.zichtbaar;
    // A message of lines keeps its line breaks.
    EXPECT_EQ(ZichtbareRegels("Fout:\n'ze\x01s'\r\n"), "Fout:\n'ze\\x01s'\\r\n");
}

TEST(Text, AQuotedValueIsCutAfterEightyCharactersWithItsLength)
{
    EXPECT_EQ(Citaat(""), "''");
    EXPECT_EQ(Citaat("3.500,5x"), "'3.500,5x'");
    EXPECT_EQ(Citaat("a\0b"s), "'a\\x00b'");
    EXPECT_EQ(Citaat(std::string(80, 'a')), "'" + std::string(80, 'a') + "'");
    EXPECT_EQ(Citaat(std::string(131072, 'a')), "'" + std::string(80, 'a') + "…' (131.072 tekens)");
    // Characters are counted, not bytes, and an escape is not cut in two.
    std::string euro;
    for (int i = 0; i < 81; ++i)
        euro += "€";
    EXPECT_EQ(Citaat(euro), "'" + euro.substr(0, 80 * 3) + "…' (81 tekens)");
    EXPECT_EQ(Citaat(std::string(79, 'a') + "\t\t"), "'" + std::string(79, 'a') + "…' (81 tekens)");
    // A file's name is quoted whole up to the longest path.
    const std::string pad = "/tmp/" + std::string(200, 'm') + "/x\n.csv";
    EXPECT_EQ(CitaatPad(pad), "'/tmp/" + std::string(200, 'm') + "/x\\n.csv'");
    EXPECT_EQ(CitaatPad(std::string(5000, 'm')), "'" + std::string(4096, 'm') + "…' (5.000 tekens)");
}

TEST(Text, AnErrorOfTheSystemIsToldInDutch)
{
    EXPECT_EQ(Systeemfout(ENOSPC), "de schijf is vol");
    EXPECT_EQ(Systeemfout(EACCES), "daarvoor ontbreekt de toestemming");
    EXPECT_EQ(Systeemfout(12345), "systeemfout 12345");
}
