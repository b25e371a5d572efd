#include "db/DataGroup.h"

#include "db/DBComponent.h"
#include "db/Query.h"
#include "WerknemersVerbinding.h"

#include <gtest/gtest.h>

namespace vkt::db {
namespace {

using test::KleineDatabase;
using test::Message;

// Two tables written by one group; a trigger refuses the name "fout" so that
// a save can fail after the first table was written.
const char* const kSchema =
    "CREATE TABLE Extra (Nr INTEGER NOT NULL PRIMARY KEY, Opmerking VARCHAR(30));"
    "CREATE TABLE Hoofd (Nr INTEGER NOT NULL, Naam VARCHAR(20), Bedrag CURRENCY, Datum DATETIME, "
    "  Actief BOOLEAN, Periode INTEGER, PRIMARY KEY (Nr));"
    "CREATE TRIGGER Weiger BEFORE INSERT ON Hoofd WHEN NEW.Naam = 'fout' BEGIN SELECT RAISE(ABORT, 'geweigerd'); END;"
    "INSERT INTO Hoofd VALUES (1, '', 12.5, '2020-07-01 00:00:00', NULL, 2);"
    "INSERT INTO Extra VALUES (1, 'eerste');"
    "INSERT INTO Hoofd VALUES (2, 'Jan', 0, NULL, 1, 4);"
    "INSERT INTO Extra VALUES (2, 'tweede');";

// A window with two output sets, a group and its fields, in creation order.
class DataGroupTest : public ::testing::Test {
protected:
    DataGroupTest()
        : db_(kSchema),
          input_(db_.Verbinding(), "SELECT * FROM Hoofd LEFT JOIN Extra ON Extra.Nr = Hoofd.Nr WHERE Hoofd.Nr = :Nr")
    {
        for (auto* set : {&osExtra_, &osHoofd_}) {
            set->SetConnection(&db_.Verbinding());
            set->BeforeExecuteSQL = [this](TZNOSQLOutputSet&, std::string& text, bool&) { statements_.push_back(text); };
        }
        osExtra_.SetTableName("Extra");
        osHoofd_.SetTableName("Hoofd");
        osExtra_.Open();
        osHoofd_.Open();
        group_.SetInputSet(&input_);
        group_.SetOutputSets({"osExtra", "osHoofd"});
        group_.ShowMessage = [this](const std::string& text) { messages_.push_back(text); };
        cmbPeriode_.SetKeyList(TKeyList({"1=Kwartaal", "2=Maand", "4=Week"}));
        Bind(edNr_, "Nr", "osHoofd", "Hoofd.Nr");
        Bind(edNaam_, "Naam", "osHoofd");
        Bind(edBedrag_, "Bedrag", "osHoofd");
        Bind(deDatum_, "Datum", "osHoofd");
        Bind(cbActief_, "Actief", "osHoofd");
        Bind(cmbPeriode_, "Periode", "osHoofd");
        Bind(edOpmerking_, "Opmerking", "osExtra");
    }

    void Bind(TZNODBComponent& field, const std::string& column, const std::string& outputSet,
              const std::string& inputField = {})
    {
        field.SetDataGroup(&group_);
        field.SetSQLInputField(inputField.empty() ? column : inputField);
        field.SetSQLOutputField(column);
        field.SetSQLOutputSet(outputSet);
    }

    void LoadRow(int nr)
    {
        input_.Param("Nr").SetInteger(nr);
        input_.Open();
        group_.Load();
    }

    std::string Value(const std::string& sql)
    {
        Query query(db_.Verbinding(), sql);
        query.Open();
        return query.Eof() ? "no row" : query.IsNull(query.FieldNames()[0]) ? "NULL" : query.AsText(query.FieldNames()[0]);
    }

    void ExpectIdle()
    {
        EXPECT_EQ(group_.State(), TDataState::Idle);
        EXPECT_EQ(osExtra_.State(), TDataState::Idle);
        EXPECT_EQ(osHoofd_.State(), TDataState::Idle);
        EXPECT_FALSE(db_.Verbinding().InTransaction());
    }

    KleineDatabase db_;
    Query input_;
    std::vector<std::string> statements_;
    std::vector<std::string> messages_;
    TComponentLijst window_;
    TZNOADOSQLOutputSet osExtra_{&window_, "osExtra"};
    TZNOADOSQLOutputSet osHoofd_{&window_, "osHoofd"};
    TZNODataGroup group_{&window_, "dgHoofd"};
    TZNODBEdit edNr_{&window_, "edNr"};
    TZNODBEdit edNaam_{&window_, "edNaam"};
    TZNODBNumericEdit edBedrag_{&window_, "edBedrag"};
    TZNODBDateEdit deDatum_{&window_, "deDatum"};
    TZNODBCheckbox cbActief_{&window_, "cbActief"};
    TZNODBComboboxEx cmbPeriode_{&window_, "cmbPeriode"};
    TZNODBEdit edOpmerking_{&window_, "edOpmerking"};
};

TEST_F(DataGroupTest, LoadsEveryFieldInItsOwnView)
{
    LoadRow(1);
    EXPECT_EQ(edNr_.Text(), "1");
    EXPECT_EQ(edNaam_.Text(), "");
    EXPECT_EQ(edBedrag_.Number(), 12.5);
    EXPECT_EQ(deDatum_.Date(), EncodeDate(2020, 7, 1));
    EXPECT_FALSE(cbActief_.Checked());
    EXPECT_TRUE(cbActief_.StoredValue().IsNull());
    EXPECT_EQ(cmbPeriode_.Text(), "Maand");
    EXPECT_EQ(edOpmerking_.Text(), "eerste");
}

TEST_F(DataGroupTest, EditWritesOnlyChangedFieldsAndAnEmptyTextAsNull)
{
    LoadRow(1);
    group_.Edit();
    group_.WriteValues();
    // The empty text and the null check box count as changed; nothing else does.
    std::vector<std::string> written;
    for (const TNamedValue& v : osHoofd_.FieldValues())
        written.push_back(v.Name + (v.Value.IsNull() ? "=NULL" : "=" + v.Value.AsString()));
    EXPECT_EQ(written, (std::vector<std::string>{"NAAM=NULL", "ACTIEF=FALSE"}));
    EXPECT_TRUE(osExtra_.FieldValues().empty());

    group_.Post();
    EXPECT_EQ(statements_, (std::vector<std::string>{"UPDATE Hoofd\nSET NAAM = :NAAM, ACTIEF = :ACTIEF\nWHERE Nr = :Nr"}));
    EXPECT_EQ(Value("SELECT Naam FROM Hoofd WHERE Nr = 1"), "NULL");
    EXPECT_EQ(Value("SELECT Actief || '' FROM Hoofd WHERE Nr = 1"), "0");
    ExpectIdle();
}

TEST_F(DataGroupTest, EditWithoutChangesExecutesNothingAndEndsIdle)
{
    LoadRow(2);
    group_.Edit();
    group_.WriteValues();
    EXPECT_TRUE(osHoofd_.FieldValues().empty());
    EXPECT_TRUE(osExtra_.FieldValues().empty());
    group_.Post();
    EXPECT_TRUE(statements_.empty());
    ExpectIdle();
}

TEST_F(DataGroupTest, InsertWritesEveryWritableField)
{
    edNr_.SetText("3");
    edNaam_.SetText("Piet");
    edBedrag_.SetNumber(1234.5);
    deDatum_.SetDate(EncodeDate(2020, 1, 31));
    cbActief_.SetChecked(true);
    cmbPeriode_.SetKey("4");
    edOpmerking_.SetReadOnly(true);
    group_.Insert();
    group_.WriteValues();
    group_.Post();

    EXPECT_EQ(Value("SELECT Naam || '|' || Bedrag || '|' || Datum || '|' || Actief || '|' || typeof(Periode) || ' ' || "
                    "Periode FROM Hoofd WHERE Nr = 3"),
              "Piet|1234.5|2020-01-31 00:00:00|1|integer 4");
    EXPECT_EQ(Value("SELECT count(*) FROM Extra"), "2"); // its only field is read-only: nothing to insert
    ExpectIdle();
}

TEST_F(DataGroupTest, AFailedPostRollsBackWhatTheGroupWrote)
{
    edNr_.SetText("3");
    edNaam_.SetText("fout");
    edOpmerking_.SetText("derde");
    group_.Insert();
    group_.WriteValues();
    EXPECT_NE(Message([&] { group_.Post(); }).find("geweigerd"), std::string::npos);
    EXPECT_EQ(statements_.size(), 2u); // the first table was written before the second failed
    EXPECT_EQ(Value("SELECT count(*) FROM Extra"), "2");
    ExpectIdle();
    EXPECT_EQ(Message([&] { group_.Cancel(); }), "Datagroup not in edit, insert or delete mode");
}

TEST_F(DataGroupTest, AFailedPostLeavesTheCallersTransactionToTheCaller)
{
    db_.Verbinding().BeginTrans();
    edNr_.SetText("3");
    edNaam_.SetText("fout");
    edOpmerking_.SetText("derde");
    group_.Insert();
    group_.WriteValues();
    EXPECT_NE(Message([&] { group_.Post(); }).find("geweigerd"), std::string::npos);
    EXPECT_TRUE(db_.Verbinding().InTransaction());
    EXPECT_EQ(Value("SELECT count(*) FROM Extra"), "3");
    db_.Verbinding().RollbackTrans();
    EXPECT_EQ(Value("SELECT count(*) FROM Extra"), "2");
}

TEST_F(DataGroupTest, ChecksLengthsAndRequiredColumnsBeforeAPost)
{
    LoadRow(2);
    edBedrag_.SetMaxLength(24);
    group_.Edit();
    group_.Post();
    EXPECT_TRUE(messages_.empty());

    edBedrag_.SetMaxLength(25);
    group_.Edit();
    EXPECT_EQ(Message([&] { group_.Post(); }), "edBedrag.MaxLength is greater than field length");
    EXPECT_EQ(messages_, (std::vector<std::string>{"24 25"}));
    ExpectIdle();

    edBedrag_.SetMaxLength(0);
    edNr_.Clear();
    group_.Edit();
    EXPECT_EQ(Message([&] { group_.Post(); }), "Required field Nr may not be assigned NULL");
    EXPECT_TRUE(statements_.empty());
}

TEST_F(DataGroupTest, DeletesFromTheLastOutputSetAndCanBeCancelled)
{
    LoadRow(2);
    group_.Delete();
    EXPECT_EQ(osExtra_.State(), TDataState::Idle);
    EXPECT_EQ(osHoofd_.State(), TDataState::Delete);
    group_.Cancel();
    ExpectIdle();

    group_.Delete();
    group_.Post();
    EXPECT_EQ(Value("SELECT count(*) FROM Hoofd WHERE Nr = 2"), "0");
    EXPECT_EQ(Value("SELECT count(*) FROM Extra WHERE Nr = 2"), "1");
}

TEST_F(DataGroupTest, ValidateAllStopsAtTheFirstInvalidField)
{
    std::vector<std::string> asked;
    for (TZNODBComponent* field : group_.Members())
        field->OnValidate = [&](TZNODBComponent& sender, bool& valid) {
            asked.push_back(sender.Name());
            valid = sender.Name() != "edNaam";
        };
    EXPECT_FALSE(group_.ValidateAll());
    EXPECT_EQ(asked, (std::vector<std::string>{"edNr", "edNaam"}));
}

TEST_F(DataGroupTest, RefusesWhatItsStateDoesNotAllow)
{
    EXPECT_EQ(Message([&] { group_.Post(); }), "Datagroup not in edit, insert or delete mode");
    EXPECT_EQ(Message([&] { group_.WriteValues(); }), "Datagroup not in edit or insert mode");
    EXPECT_TRUE(statements_.empty());
    group_.Insert();
    EXPECT_EQ(Message([&] { group_.Edit(); }), "Datagroup already in edit, insert or delete mode");
    group_.Cancel();
    ExpectIdle();
}

TEST_F(DataGroupTest, ReportsMissingPartsWithItsOwnTexts)
{
    EXPECT_EQ(Message([&] { group_.Load(); }), "Cannot perform this operation on a closed dataset");
    group_.SetInputSet(nullptr);
    EXPECT_EQ(Message([&] { group_.Load(); }), "Missing inputset property");

    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "No outputsets defined"},
        {{"osHoofd", "osNiet"}, "Could not find outputset osNiet"},
        {{"edNaam"}, "edNaam is not a valid outputset"},
    };
    for (const auto& [names, message] : cases) {
        group_.SetOutputSets(names);
        EXPECT_EQ(Message([&] { group_.Insert(); }), message);
    }

    group_.SetOutputSets({"osHoofd"});
    group_.Insert();
    EXPECT_EQ(Message([&] { group_.WriteValues(); }), "Invalid outputset name"); // edOpmerking writes to osExtra
    edOpmerking_.SetDataGroup(nullptr);
    edNaam_.SetSQLOutputField("");
    EXPECT_EQ(Message([&] { group_.WriteValues(); }), "Missing outputfield property");
}

TEST_F(DataGroupTest, EditTakesTheKeysFromTheInputRow)
{
    input_.SetSQL("SELECT Naam FROM Hoofd");
    input_.Open();
    EXPECT_EQ(Message([&] { group_.Edit(); }), "Primary key not found in inputset");
    ExpectIdle();
}

TEST_F(DataGroupTest, AFailedStartLeavesNoOutputSetHalfStarted)
{
    osHoofd_.Close();
    EXPECT_EQ(Message([&] { group_.Insert(); }), "Cannot perform this operation on a closed dataset");
    EXPECT_EQ(osExtra_.State(), TDataState::Idle);
    osHoofd_.Open();
    group_.Insert();
    EXPECT_EQ(group_.State(), TDataState::Insert);
}

TEST_F(DataGroupTest, TellsEveryChangeOfState)
{
    std::vector<TDataState> states;
    group_.OnStateChange = [&](TZNODataGroup& sender) { states.push_back(sender.State()); };
    LoadRow(2);
    group_.Edit();
    group_.Post();
    group_.Insert();
    group_.Cancel();
    EXPECT_EQ(states, (std::vector<TDataState>{TDataState::Edit, TDataState::Idle, TDataState::Insert, TDataState::Idle}));
}

TEST(DataGroup, InsertsAndEditsAnEmployeeOfTheEmployeeDatabase)
{
    test::WerknemersVerbinding db;
    Query input(db.Verbinding(), "SELECT * FROM Werknemersgegevens WHERE Werknemersnummer = 7");
    TComponentLijst window;
    TZNOADOSQLOutputSet osGegevensWN(&window, "osGegevensWN");
    osGegevensWN.SetConnection(&db.Verbinding());
    osGegevensWN.SetTableName("Werknemersgegevens");
    osGegevensWN.Open();
    TZNODataGroup group(&window, "dgGegevensWN");
    group.SetInputSet(&input);
    group.SetOutputSets({"osGegevensWN"});
    TZNODBNumericEdit edWerkgever(&window, "edWerkgever");
    TZNODBNumericEdit edNummer(&window, "edNummer");
    TZNODBDateEdit deIngang(&window, "deIngang");
    TZNODBDateEdit deHerstel(&window, "deHerstel");
    TZNODBEdit edNaam(&window, "edNaam");
    TZNODBCheckbox cbWW(&window, "cbWW");
    const std::pair<TZNODBComponent*, const char*> fields[] = {
        {&edWerkgever, "Werkgeversnummer"}, {&edNummer, "Werknemersnummer"}, {&deIngang, "Ingangsdatum"},
        {&deHerstel, "Hersteldatum"},       {&edNaam, "Naam"},               {&cbWW, "VerzekerdWW"}};
    for (const auto& [field, column] : fields) {
        field->SetDataGroup(&group);
        field->SetSQLInputField(column);
        field->SetSQLOutputField(column);
        field->SetSQLOutputSet("osGegevensWN");
    }
    edNaam.SetMaxLength(50);
    deIngang.SetMaxLength(19);

    edWerkgever.SetNumber(1);
    edNummer.SetNumber(7);
    deIngang.SetDate(EncodeDate(2020, 1, 1));
    deHerstel.SetDate(EncodeDate(9999, 12, 31));
    edNaam.SetText("A. Jansen");
    cbWW.SetChecked(true);
    group.Insert();
    group.WriteValues();
    group.Post();

    // The date keys taken from the loaded row must find the row again.
    input.Open();
    group.Load();
    edNaam.SetText("B. Jansen");
    group.Edit();
    group.WriteValues();
    group.Post();
    input.Requery();
    EXPECT_EQ(input.AsText("Naam"), "B. Jansen");
    EXPECT_TRUE(input.AsBoolean("VerzekerdWW"));
    EXPECT_EQ(input.AsText("Hersteldatum"), "31-12-9999");
}

} // namespace
} // namespace vkt::db
