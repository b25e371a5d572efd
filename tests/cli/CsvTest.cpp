#include "cli/Csv.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vkt::cli;

TEST(Csv, ReadsQuotedFieldsLineEndsAndSkipsEmptyLines)
{
    const std::string tekst = "\xEF\xBB\xBFsoort;loonbedrag;regel\r\n"
                              "werknemer;\"2500,55\";\"9=1\"\"5\"\r\n"
                              "\r\n"
                              "\"vrij-\nartiest\";;\n"
                              "bijzonder-loon;\"a;b\";x";
    EXPECT_EQ(BepaalScheidingsteken(tekst), ';');
    const std::vector<TCsvRij> rijen = LeesCsv(tekst, ';');
    ASSERT_EQ(rijen.size(), 4u);
    EXPECT_EQ(rijen[0].Velden, (std::vector<std::string>{"soort", "loonbedrag", "regel"}));
    EXPECT_EQ(rijen[1].Velden, (std::vector<std::string>{"werknemer", "2500,55", "9=1\"5"}));
    EXPECT_EQ(rijen[2].Velden, (std::vector<std::string>{"vrij-\nartiest", "", ""}));
    EXPECT_EQ(rijen[2].Regelnummer, 4);
    EXPECT_EQ(rijen[3].Velden, (std::vector<std::string>{"bijzonder-loon", "a;b", "x"}));
    EXPECT_EQ(rijen[3].Regelnummer, 6);
}

TEST(Csv, TheHeaderDecidesTheDelimiter)
{
    EXPECT_EQ(BepaalScheidingsteken("loonbedrag,soort\n1;2\n"), ',');
    EXPECT_EQ(LeesCsv("a,b\n\"1,5\",2\n", ',')[1].Velden, (std::vector<std::string>{"1,5", "2"}));
}

TEST(Csv, AnUnclosedQuoteIsAnError)
{
    try {
        LeesCsv("a;b\n1;\"2\n3;4\n", ';');
        FAIL() << "geen fout";
    } catch (const CsvFout& fout) {
        EXPECT_STREQ(fout.what(), "het aanhalingsteken op regel 2 wordt niet gesloten.");
    }
}

TEST(Csv, WritesQuotesOnlyWhereNeeded)
{
    EXPECT_EQ(CsvRegel({"werknemer", "2500,55", "a\"b", ""}, ','), "werknemer,\"2500,55\",\"a\"\"b\",\n");
    EXPECT_EQ(CsvRegel({"werknemer", "2500,55", "x;y"}, ';'), "werknemer;2500,55;\"x;y\"\n");
}

TEST(Csv, KeepsWhatIsQuotedAndReadsAQuotedEmptyFieldAsARow)
{
    using Rijen = std::vector<std::vector<std::string>>;
    const struct {
        const char* tekst;
        Rijen rijen;
    } gevallen[] = {
        // A CR inside quotes is part of the field, also just before the line end.
        {"\"a\r\"\r\nb\n", {{"a\r"}, {"b"}}},
        {"\"a\r\"\n", {{"a\r"}}},
        {"\"a\r\"", {{"a\r"}}},
        {"x;\"\r\"\r\n", {{"x", "\r"}}},
        {"\"a\r\nb\"\r\n", {{"a\r\nb"}}},
        // Only the CR of a CRLF line end goes.
        {"\"a\"\r\n", {{"a"}}},
        {"a\r\n\r\nb", {{"a"}, {"b"}}},
        // A line of only "" is a row with one empty field; an empty line is none.
        {"\"\"\n", {{""}}},
        {"a\n\"\"\r\n\nb\n", {{"a"}, {""}, {"b"}}},
        {"\"\"", {{""}}},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(::testing::PrintToString(std::string(geval.tekst)));
        Rijen gelezen;
        for (const TCsvRij& rij : LeesCsv(geval.tekst, ';'))
            gelezen.push_back(rij.Velden);
        EXPECT_EQ(gelezen, geval.rijen);
    }
}

TEST(Csv, WhatIsWrittenReadsBackTheSame)
{
    const std::vector<std::vector<std::string>> rijen = {
        {"a\r"}, {"x", "\r", ""}, {"9=1\"5", "a;b\r\nc", "2500,55"}, {"", ""}, {""}, {"z"}};
    std::string tekst;
    for (const auto& velden : rijen)
        tekst += CsvRegel(velden, ';');
    std::vector<std::vector<std::string>> gelezen;
    for (const TCsvRij& rij : LeesCsv(tekst, ';'))
        gelezen.push_back(rij.Velden);
    EXPECT_EQ(gelezen, rijen);
}

TEST(Csv, ARowOfOneEmptyFieldIsWrittenQuoted)
{
    EXPECT_EQ(CsvRegel({""}, ';'), "\"\"\n");
    EXPECT_EQ(CsvRegel({"", ""}, ';'), ";\n");
}

TEST(Csv, ATextThatASpreadsheetWouldRunAsAFormulaGetsAQuote)
{
    const struct {
        const char* cel;
        const char* veilig;
    } gevallen[] = {
        {"=1+1", "'=1+1"},     {"+31 6 1234", "'+31 6 1234"}, {"-2+3", "'-2+3"},     {"@SUM(A1)", "'@SUM(A1)"},
        {"-", "'-"},           {"-12,50", "-12,50"},           {"+5", "+5"},         {"-1.234,56", "-1.234,56"},
        {"Jan = Piet", "Jan = Piet"}, {"", ""},               {"2500,55", "2500,55"},
        // A spreadsheet may skip a leading tab or carriage return and run what follows; a plain number stays.
        {"\t=1+1", "'\t=1+1"},  {"\rPiet", "'\rPiet"},       {"\t12", "\t12"},      {"Piet\t", "Piet\t"},
    };
    for (const auto& geval : gevallen)
        EXPECT_EQ(ZonderFormule(geval.cel), geval.veilig) << geval.cel;
}

TEST(Csv, AStreamReadInSmallPartsGivesTheRowsOfTheWholeText)
{
    const std::string teksten[] = {
        "\xEF\xBB\xBFsoort;loonbedrag;regel\r\nwerknemer;\"2500,55\";\"9=1\"\"5\"\r\n\r\n\"vrij-\nartiest\";;\n"
        "bijzonder-loon;\"a;b\";x",
        "\"a\r\"\r\nb\n", "x;\"\r\"\r\n", "a\n\"\"\r\n\nb\n", "\"\"", "a,b\n\"1,5\",2\n", "", "\n\n", "a;\"\"\"\"\n",
    };
    for (const std::string& tekst : teksten) {
        const char scheidingsteken = BepaalScheidingsteken(tekst);
        const std::vector<TCsvRij> geheel = LeesCsv(tekst, scheidingsteken);
        for (std::size_t deel = 1; deel <= 9; ++deel) {
            SCOPED_TRACE(::testing::PrintToString(tekst) + " in delen van " + std::to_string(deel));
            std::istringstream bron(tekst);
            TCsvLezer lezer(bron, deel);
            EXPECT_EQ(lezer.Scheidingsteken(), scheidingsteken);
            // Two rows at a time, in a block emptied in between.
            std::vector<TCsvRij> rijen;
            TCsvBlok blok;
            while (lezer.Lees(blok, 2) > 0) {
                for (std::size_t r = 0; r < blok.Aantal(); ++r) {
                    TCsvRij rij{blok.Regelnummer(r), {}};
                    for (std::size_t v = 0; v < blok.AantalVelden(r); ++v)
                        rij.Velden.emplace_back(blok.Veld(r, v));
                    rijen.push_back(rij);
                }
                blok.Leeg();
            }
            ASSERT_EQ(rijen.size(), geheel.size());
            for (std::size_t r = 0; r < rijen.size(); ++r) {
                EXPECT_EQ(rijen[r].Velden, geheel[r].Velden) << r;
                EXPECT_EQ(rijen[r].Regelnummer, geheel[r].Regelnummer) << r;
            }
        }
    }
}

TEST(Csv, AnUnclosedQuoteInAStreamIsTheSameError)
{
    std::istringstream bron("a;b\n1;2\n3;\"4\n5;6\n");
    TCsvLezer lezer(bron, 3);
    TCsvBlok blok;
    EXPECT_EQ(lezer.Lees(blok, 2), 2u);
    try {
        lezer.Lees(blok, 2);
        FAIL() << "geen fout";
    } catch (const CsvFout& fout) {
        EXPECT_STREQ(fout.what(), "het aanhalingsteken op regel 3 wordt niet gesloten.");
    }
}

TEST(Csv, AFieldIsWrittenWithTheMarkThatKeepsAFormulaText)
{
    std::string regel;
    VoegVeldToe(regel, "=SOM(A1)", ';', true, true);
    VoegVeldToe(regel, "-12,50", ';', false, true);
    VoegVeldToe(regel, "@a;\"b\"", ';', false, true);
    VoegVeldToe(regel, "=x", ';', false);
    EXPECT_EQ(regel, "'=SOM(A1);-12,50;\"'@a;\"\"b\"\"\";=x");
}
