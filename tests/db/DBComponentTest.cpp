#include "db/DBComponent.h"

#include "db/DataGroup.h"

#include <gtest/gtest.h>
#include <memory>

namespace vkt::db {
namespace {

TKeyList Loontijdvakken() { return TKeyList({"1=Kwartaal", "2=Maand", "3=4 weken", "4=Week", "5=Dag"}); }

TEST(KeyList, ShowsTextsAndFindsKeys)
{
    const TKeyList list = Loontijdvakken();
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"Kwartaal", "Maand", "4 weken", "Week", "Dag"}));
    EXPECT_EQ(list.KeyOf("Maand"), "2");
    EXPECT_EQ(list.KeyOf("maand"), ""); // the shown text must match exactly
    EXPECT_EQ(list.TextOf("4"), "Week");
    EXPECT_EQ(list.TextOf("9"), "");
}

TEST(DBComboboxEx, SelectsByKeyAndGivesTheKeyOfTheSelection)
{
    TZNODBComboboxEx box;
    box.SetKeyList(Loontijdvakken());
    box.SetKey("3");
    EXPECT_EQ(box.Text(), "4 weken");
    box.SetText("Dag");
    EXPECT_EQ(box.Key(), "5");
    box.SetText("Jaar"); // not an item of a pick-only list
    EXPECT_TRUE(box.IsEmpty());
    box.SetKey("9");
    EXPECT_EQ(box.Text(), "");
}

TEST(DBComponents, KnowWhetherTheUserChangedTheStoredValue)
{
    TDBValue empty;
    empty.SetAsString("");
    TZNODBEdit edit;
    edit.SetDBValue(empty);
    EXPECT_TRUE(edit.IsModified()); // an empty text is written as NULL, so it differs from what is stored
    TDBValue naam;
    naam.SetAsString("Jan");
    edit.SetDBValue(naam);
    EXPECT_FALSE(edit.IsModified());
    edit.SetText("Piet");
    EXPECT_TRUE(edit.IsModified());

    TDBValue bedrag;
    bedrag.SetAsFloat(12.5);
    TZNODBNumericEdit number;
    number.SetDBValue(bedrag);
    EXPECT_FALSE(number.IsModified());
    number.Clear();
    EXPECT_TRUE(number.IsModified());

    TZNODBDateEdit date;
    date.SetDBValue(TDBValue());
    EXPECT_FALSE(date.IsModified());
    date.SetDate(EncodeDate(2020, 1, 1));
    EXPECT_TRUE(date.IsModified());

    TZNODBCheckbox box;
    box.SetDBValue(TDBValue());
    EXPECT_TRUE(box.IsModified()); // a null box is written on every save
    TDBValue ja;
    ja.SetAsBoolean(true);
    box.SetDBValue(ja);
    EXPECT_TRUE(box.Checked());
    EXPECT_FALSE(box.IsModified());
    box.SetReadOnly(true);
    EXPECT_FALSE(box.ReadOnly());
}

TEST(DBComponents, LeavingAFieldValidatesAndReportsAChange)
{
    TZNODBEdit edit;
    std::vector<std::string> events;
    edit.OnValidate = [&](TZNODBComponent&, bool& valid) {
        events.push_back("validate");
        valid = false;
    };
    edit.OnDataChange = [&](TZNODBComponent&) { events.push_back("change"); };
    edit.OnExit = [&](TZNODBComponent&) { events.push_back("exit"); };
    TDBValue naam;
    naam.SetAsString("Jan");
    edit.SetDBValue(naam);
    edit.Exit();
    edit.SetText("Piet");
    edit.SetValidateOnExit(false);
    edit.Exit();
    EXPECT_EQ(events, (std::vector<std::string>{"validate", "exit", "change", "exit"}));
    EXPECT_FALSE(edit.DataValid());
}

TEST(DBComponents, JoinAndLeaveTheirGroup)
{
    TComponentLijst window;
    auto group = std::make_unique<TZNODataGroup>(&window, "dg");
    TZNODBEdit first(&window, "edEerste");
    auto second = std::make_unique<TZNODBEdit>(&window, "edTweede");
    second->SetDataGroup(group.get());
    first.SetDataGroup(group.get());
    EXPECT_EQ(group->Members(), (std::vector<TZNODBComponent*>{&first, second.get()})); // creation order

    second.reset();
    EXPECT_EQ(group->Members(), (std::vector<TZNODBComponent*>{&first}));
    group.reset();
    EXPECT_EQ(first.DataGroup(), nullptr);
}

} // namespace
} // namespace vkt::db
