#include "store/WerknemerRecords.h"

#include "common/Meldingen.h"
#include "db/Query.h"
#include "store/DmVektaris.h"
#include "support/Werknemersmodule.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

const char* const kHersteld = "'9999-12-31 00:00:00'";

// A saved calculation as the employee list reads it: the employee row and
// its settings row, with the number as given (text and reals included).
void SlaOp(db::Connection& verbinding, const std::string& nummer, const std::string& naam, bool metInstellingen = true)
{
    verbinding.Execute("INSERT INTO Werknemersgegevens (Werkgeversnummer, Werknemersnummer, Ingangsdatum, "
                       "Hersteldatum, Naam) VALUES (1, " +
                       nummer + ", " + kHersteld + ", " + kHersteld + ", '" + naam + "')");
    if (metInstellingen)
        verbinding.Execute("INSERT INTO BerekeningsgegevensVKT (Werkgeversnummer, Werknemersnummer) VALUES (1, " +
                           nummer + ")");
}

std::vector<int> Nummers(const std::vector<TWerknemerItem>& lijst)
{
    std::vector<int> nummers;
    for (const TWerknemerItem& item : lijst)
        nummers.push_back(item.Werknemersnummer);
    return nummers;
}

} // namespace

// A row that cannot be a saved calculation used to stop the whole list (or
// the desktop program) with "'zes' is not a valid integer value", or to be
// left out without a word.
TEST(WerknemerRecords, ARowThatCannotBeACalculationIsToldOnceAndTheOthersAreListed)
{
    const struct {
        const char* nummer;
        bool metInstellingen;
        const char* melding;
    } kGevallen[] = {
        {"'zes'", true,
         "de berekening 'Zes' (rij 3 van de tabel Werknemersgegevens) heeft in de kolom Werknemersnummer 'zes', geen "
         "nummer van 1 tot en met 2147483647."},
        {"'zes'", false, "in de kolom Werknemersnummer 'zes', geen nummer"},
        {"6.5", true, "in de kolom Werknemersnummer '6,5', geen nummer"},
        {"0", true, "in de kolom Werknemersnummer '0', geen nummer"},
        {"-4", true, "in de kolom Werknemersnummer '-4', geen nummer"},
        {"3000000000", true, "in de kolom Werknemersnummer '3000000000', geen nummer"},
        {"9", false, "de berekening 'Zes' (nummer 9) heeft geen rij in de tabel BerekeningsgegevensVKT."},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.nummer);
        test::OpenWerknemersmodule module;
        SlaOp(module.Verbinding(), "1", "Een");
        SlaOp(module.Verbinding(), "2", "Twee");
        SlaOp(module.Verbinding(), geval.nummer, "Zes", geval.metInstellingen);
        const auto vooraf = test::Inhoud(module.Verbinding());
        TBewaardeMeldingen meldingen;
        TWerknemerRecords records(module.Dm(), meldingen);
        EXPECT_EQ(Nummers(records.VulWerknemerLijst()), (std::vector<int>{1, 2}));
        ASSERT_EQ(meldingen.Foutmeldingen.size(), 1u);
        const std::string& melding = meldingen.Foutmeldingen[0];
        EXPECT_EQ(melding.rfind("Deze opgeslagen berekeningen in Vkt2020.db kunnen niet worden geopend en staan daarom "
                                "niet in de lijst:\r\n- ",
                                0),
                  0u)
            << melding;
        EXPECT_NE(melding.find(geval.melding), std::string::npos) << melding;
        EXPECT_NE(melding.find("De andere berekeningen zijn gewoon te gebruiken; de database is niet veranderd."),
                  std::string::npos);
        // Filled again (after a save), the list does not tell it again.
        EXPECT_EQ(records.VulWerknemerLijst().size(), 2u);
        EXPECT_EQ(meldingen.Foutmeldingen.size(), 1u);
        EXPECT_TRUE(records.LaadBerekening(2));
        EXPECT_EQ(records.OpgeslagenNummers(), (std::vector<int>{1, 2}));
        EXPECT_EQ(test::Inhoud(module.Verbinding()), vooraf);
    }
}

TEST(WerknemerRecords, ANewNumberPassesEveryNumberThatRowsOfAnyTableCarry)
{
    const struct {
        const char* sql;
        int nummer;
    } kGevallen[] = {
        {"", 3},
        // Rows left under a number would go to the next calculation that gets it.
        {"INSERT INTO Heffingsregels (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, Hersteldatum, "
         "Kolomnummer, Looncomponentnummer) VALUES (1, 7, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 3, 1)",
         8},
        {"INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum) VALUES (1, 5, "
         "'2020-01-01 00:00:00', '9999-12-31 00:00:00')",
         6},
        {"INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer) VALUES (4, "
         "'9999-12-31 00:00:00', 1)",
         5},
        // A text sorts above every number; it is no number to count from.
        {"UPDATE Werknemersgegevens SET Werknemersnummer = 'zes' WHERE Werknemersnummer = 2", 3},
        {"UPDATE Werknemersgegevens SET Werknemersnummer = 'nummer ' || Werknemersnummer; UPDATE "
         "BerekeningsgegevensVKT SET Werknemersnummer = 'nummer ' || Werknemersnummer",
         1},
    };
    for (const auto& geval : kGevallen) {
        SCOPED_TRACE(geval.sql);
        test::OpenWerknemersmodule module;
        SlaOp(module.Verbinding(), "1", "Een");
        SlaOp(module.Verbinding(), "2", "Twee");
        if (*geval.sql != '\0')
            module.Verbinding().Execute(geval.sql);
        TBewaardeMeldingen meldingen;
        TWerknemerRecords records(module.Dm(), meldingen);
        records.VulWerknemerLijst();
        EXPECT_EQ(records.NieuwWerknemersnummer(), geval.nummer);
    }
}
