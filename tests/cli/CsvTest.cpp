#include "cli/Csv.h"

#include <gtest/gtest.h>

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
    };
    for (const auto& geval : gevallen)
        EXPECT_EQ(ZonderFormule(geval.cel), geval.veilig) << geval.cel;
}
