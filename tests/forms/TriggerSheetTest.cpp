// The trigger editor without its window: the pages a trigger gets, the page it opens on, the rows
// each page shows for the kind chosen, and OK, which writes the repeat count and the showing page
// or, on a refused value, nothing at all.

#include "forms/TriggerSheet.h"

#include "forms/FormState.h"
#include "forms/TriggerPageForms.h"
#include "level/CActionPoint.h"
#include "level/CCreature.h"
#include "level/CHeroParty.h"
#include "level/CWorldEditorDoc.h"
#include "script/CTrigger.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptUsage.h"
#include "script/TriggerKind.h"
#include "script/TriggerSection.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using P = TriggerPage;

/// The row with the label; rows without one are named by their place.
size_t rowOf(const FormState& s, const std::string& label)
{
    for (size_t i = 0; i < s.rowCount(); ++i)
        if (s.row(i).label == label)
            return i;
    ADD_FAILURE() << "no row " << label;
    return 0;
}

std::vector<std::string> shownLabels(const FormState& s)
{
    std::vector<std::string> labels;
    for (size_t i = 0; i < s.rowCount(); ++i)
        if (s.isVisible(i) && !s.row(i).label.empty())
            labels.push_back(s.row(i).label);
    return labels;
}

std::vector<std::string> texts(const ChoiceList& list)
{
    std::vector<std::string> out;
    for (const Choice& c : list)
        out.push_back(c.text);
    return out;
}

class TriggerSheetTest : public testing::Test {
protected:
    TriggerSheetTest()
    {
        test::buildSmallTypeData(db);
        level.playersUpTo(4);
        usage.markFlag(1);
    }

    CWorldEditorDoc& doc() { return level.doc(); }
    CTrigger& onPlayer(uint8_t id)
    {
        trigger = std::make_unique<CTrigger>(&doc());
        trigger->setOwnerObject(doc().FindPlayer(id), TriggerOwnerKind::Player);
        trigger->setOwnerById(id);
        return *trigger;
    }

    CTypeDatabase db;
    test::LevelBuilder level;
    ScriptUsage usage;
    std::unique_ptr<CTrigger> trigger;
};

TEST_F(TriggerSheetTest, ANewVorlanTriggerBecomesAPlayerCondition)
{
    CTrigger& t = onPlayer(3);
    TriggerSheet sheet(t, doc(), db, usage);
    EXPECT_EQ(sheet.pages(), (std::vector<P>{P::Attribute, P::Event, P::Player, P::Flag, P::Gui, P::Repeat}));
    EXPECT_EQ(sheet.openingPage(), P::Attribute);

    FormState& player = sheet.state(P::Player);
    player.setValue(0, 30); // Gold
    EXPECT_EQ(shownLabels(player), (std::vector<std::string>{"When"})) << "Gold counts no type";
    player.setText(4, "500");
    ASSERT_EQ(sheet.confirm(P::Player), std::nullopt);
    EXPECT_EQ(t.kind(), 30);
    EXPECT_EQ(t.op(), 3) << "Equal To by default";
    EXPECT_EQ(t.flags(), 1);
    EXPECT_EQ(t.value(), 500u);
    EXPECT_EQ(t.repeat(), 1);

    // Opened again it shows the Player page with what was stored.
    TriggerSheet again(t, doc(), db, usage);
    EXPECT_EQ(again.openingPage(), P::Player);
    EXPECT_EQ(again.state(P::Player).value(0), 30);
    EXPECT_EQ(again.state(P::Player).text(4), "500");
}

TEST_F(TriggerSheetTest, PlayerPageRowsFollowTheKind)
{
    CTrigger& t = onPlayer(3);
    TriggerSheet sheet(t, doc(), db, usage);
    FormState& s = sheet.state(P::Player);
    struct Case {
        uint8_t kind;
        std::vector<std::string> labels;
        std::string firstOperator;
    };
    const Case cases[] = {
        {19, {"When", "Of Type"}, "Less Than"},
        {27, {"When", "Of Type", "Count Blueprints", "Count Built Items"}, "Available"},
        {22, {"When", "By"}, "Less Than"},
        {23, {"When", "Belonging To"}, "Less Than"},
        {52, {"When"}, "Less Than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        s.setValue(0, c.kind);
        EXPECT_EQ(shownLabels(s), c.labels);
        EXPECT_EQ(s.choices(2).front().text, c.firstOperator);
        EXPECT_EQ(s.value(2), 3) << "the operator stays Equal To";
    }
    EXPECT_TRUE(s.isVisible(TriggerPageRow::PlayerLevel)) << "kind 52 shows its level field";
    s.setValue(0, 27);
    s.setValue(2, 0); // Available
    EXPECT_FALSE(s.isVisible(rowOf(s, "Count Blueprints")));
    s.setValue(0, 28);
    EXPECT_EQ(texts(s.choices(1)),
              (std::vector<std::string>{"<any type>", "Sentry", "Door Trap", "Good Trap"}));
}

TEST_F(TriggerSheetTest, RefusedValuesWriteNothingAndNameTheirRow)
{
    CTrigger& t = onPlayer(3);
    t.setKind(34);
    t.setOp(4);
    t.setValue(7);
    t.setRepeat(9);
    struct Case {
        const char* name;
        std::function<void(TriggerSheet&)> edit;
        P active;
        TriggerSheet::Refusal refusal;
    };
    const Case cases[] = {
        {"repeat count",
         [](TriggerSheet& s) {
             s.state(P::Repeat).setValue(0, 2);
             s.state(P::Repeat).setText(TriggerPageRow::RepeatCount, "256");
         },
         P::Attribute,
         {P::Repeat, {TriggerPageRow::RepeatCount, "Please enter an integer between 0 and 255."}}},
        {"creature level",
         [](TriggerSheet& s) {
             s.state(P::Player).setValue(0, 52);
             s.state(P::Player).setText(TriggerPageRow::PlayerLevel, "11");
         },
         P::Player,
         {P::Player, {TriggerPageRow::PlayerLevel, "Please enter an integer between 1 and 10."}}},
        {"value",
         [](TriggerSheet& s) { s.state(P::Attribute).setText(3, "40000"); },
         P::Attribute,
         {P::Attribute, {3, "Please enter an integer between 0 and 32767."}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TriggerSheet sheet(t, doc(), db, usage);
        sheet.state(P::Repeat).setValue(0, 1); // Always, which must not be written either
        c.edit(sheet);
        EXPECT_EQ(sheet.confirm(c.active), c.refusal);
        EXPECT_EQ(t.kind(), 34);
        EXPECT_EQ(t.op(), 4);
        EXPECT_EQ(t.value(), 7u);
        EXPECT_EQ(t.repeat(), 9);
    }
}

TEST_F(TriggerSheetTest, OnlyTheShowingPageStoresAndRepeatAlways)
{
    CTrigger& t = onPlayer(3);
    t.setKind(1);
    t.setSubject(40); // a flag no action sets any more
    t.setOp(5);
    t.setFlags(1);
    t.setValue(100000);
    t.setRepeat(255);

    {
        TriggerSheet sheet(t, doc(), db, usage);
        EXPECT_EQ(sheet.openingPage(), P::Flag);
        const FormState& flag = sheet.state(P::Flag);
        EXPECT_EQ(texts(flag.choices(0)), (std::vector<std::string>{"Flag 2", "Flag 41"}));
        EXPECT_EQ(flag.value(0), 40);
        EXPECT_EQ(flag.text(3), "100000");
        EXPECT_EQ(sheet.state(P::Repeat).value(0), 1) << "255 opens as Always";
        // Unchanged, the pages write nothing: the large value and the repeat count stay.
        ASSERT_EQ(sheet.confirm(P::Flag), std::nullopt);
        EXPECT_EQ(t.kind(), 1);
        EXPECT_EQ(t.subject(), 40);
        EXPECT_EQ(t.op(), 5);
        EXPECT_EQ(t.flags(), 1);
        EXPECT_EQ(t.value(), 100000u);
        EXPECT_EQ(t.repeat(), 255);
    }
    {
        // Edits on a page left for another are not stored; the repeat count always is.
        TriggerSheet sheet(t, doc(), db, usage);
        sheet.state(P::Flag).setValue(0, 1);
        sheet.state(P::Repeat).setValue(0, 2);
        sheet.state(P::Repeat).setText(TriggerPageRow::RepeatCount, "4");
        sheet.state(P::Event).setValue(0, 2);
        sheet.state(P::Event).setValue(1, 57);
        ASSERT_EQ(sheet.confirm(P::Event), std::nullopt);
        EXPECT_EQ(t.kind(), 57);
        EXPECT_EQ(t.parameters(), (TriggerParameters{}));
        EXPECT_EQ(t.value(), 0u);
        EXPECT_EQ(t.repeat(), 4);
    }
}

TEST_F(TriggerSheetTest, ActionPointAndPartyPages)
{
    test::addType(db.terrains(), 30, "Claimable").setFlag(TerrainTypeFlag::Ownable, true);
    CActionPoint* ap = doc().AddActionPoint({1, 1, 2, 2});
    CTrigger t(&doc());
    t.setOwnerObject(ap, TriggerOwnerKind::ActionPoint);
    TriggerSheet sheet(t, doc(), db, usage);
    EXPECT_EQ(sheet.pages(), (std::vector<P>{P::Attribute, P::Flag, P::ActionPoint, P::Repeat}));
    FormState& s = sheet.state(P::ActionPoint);
    EXPECT_EQ(s.value(0), 42);
    EXPECT_EQ(s.value(1), 4) << "Greater Than by default";
    EXPECT_EQ(s.choices(4).front().text, "Slabs");
    EXPECT_EQ(shownLabels(s), (std::vector<std::string>{})) << "Slabs are nobody's";
    s.setValue(4, 30);
    EXPECT_EQ(shownLabels(s), (std::vector<std::string>{"Owned By"}));
    s.setValue(0, 39);
    EXPECT_EQ(texts(s.choices(4)), (std::vector<std::string>{"<any type>", "Imp", "Knight", "Warlock"}));
    s.setValue(3, 6);
    EXPECT_EQ(texts(s.choices(4)), (std::vector<std::string>{"<any type>", "Gold"}));
    s.setValue(0, 40);
    EXPECT_EQ(shownLabels(s), (std::vector<std::string>{"Claimed By"}));
    s.setValue(0, 69);
    EXPECT_EQ(shownLabels(s), (std::vector<std::string>{"Tagged By"}));

    CHeroParty* party = doc().AddHeroParty(std::make_unique<CHeroParty>(&doc(), 6));
    CTrigger onParty(&doc());
    onParty.setOwnerObject(party, TriggerOwnerKind::HeroParty);
    CTrigger sub(&doc());
    sub.setOwnerObject(&onParty, TriggerOwnerKind::Trigger);
    TriggerSheet partySheet(sub, doc(), db, usage);
    partySheet.state(P::Party).setValue(0, 44);
    partySheet.state(P::Party).setText(2, "3");
    ASSERT_EQ(partySheet.confirm(P::Party), std::nullopt);
    EXPECT_EQ(sub.kind(), 44);
    EXPECT_EQ(sub.subject(), 6) << "the party the trigger hangs under";
    EXPECT_EQ(sub.op(), 3);
    EXPECT_EQ(sub.value(), 3u);
}

TEST_F(TriggerSheetTest, EveryShownListOfANewTriggerShowsAnEntryForEveryKind)
{
    test::addType(db.terrains(), 30, "Claimable").setFlag(TerrainTypeFlag::Ownable, true);
    usage.markTimer(3);
    CActionPoint* ap = doc().AddActionPoint({1, 1, 2, 2});
    CHeroParty* party = doc().AddHeroParty(std::make_unique<CHeroParty>(&doc(), 2));
    CCreature* creature = doc().CreateCreature(1, 3, {3, 3}, false);
    struct Owner {
        const char* name;
        CLevelObject* object;
        TriggerOwnerKind kind;
        uint8_t player;
    };
    const Owner owners[] = {
        {"level", nullptr, TriggerOwnerKind::Level, 0},
        {"Vorlan", doc().FindPlayer(3), TriggerOwnerKind::Player, 3},
        {"creature", creature, TriggerOwnerKind::Creature, 3},
        {"action point", ap, TriggerOwnerKind::ActionPoint, 0},
        {"hero party", party, TriggerOwnerKind::HeroParty, 0},
    };
    for (const Owner& o : owners) {
        CTrigger t(&doc());
        t.setOwnerObject(o.object, o.kind);
        t.setOwnerById(o.player);
        TriggerSheet sheet(t, doc(), db, usage);
        for (TriggerPage page : sheet.pages()) {
            FormState& s = sheet.state(page);
            const bool hasKindList = page != P::Repeat && page != P::Flag && page != P::Timer;
            // The kind list is the first list of every page but Attribute and Event, which
            // start with their subject.
            const size_t kindRow = page == P::Attribute || page == P::Event ? 1 : 0;
            const size_t kindCount = hasKindList ? s.choices(kindRow).size() : 1;
            for (size_t k = 0; k < kindCount; ++k) {
                if (hasKindList)
                    s.choose(kindRow, k);
                for (size_t row = 0; row < s.rowCount(); ++row) {
                    if (!s.isVisible(row) || !s.row(row).isList() || s.row(row).kind == ControlKind::Radio)
                        continue;
                    SCOPED_TRACE(testing::Message()
                                 << o.name << ", page " << int(page) << ", kind "
                                 << (hasKindList ? s.value(kindRow) : 0) << ", row " << row);
                    EXPECT_FALSE(s.choices(row).empty());
                    EXPECT_TRUE(s.choiceIndex(row).has_value()) << "the list shows no entry";
                }
            }
        }
    }
}

TEST_F(TriggerSheetTest, OkWithoutAChangeKeepsEveryStoredByteOfEveryKind)
{
    // Every kind on every owner, with its fields at the bottom and the top of their storage: OK
    // on the opening page writes back exactly what was loaded. (Kind 0 is a new trigger, which
    // takes the kind the sheet shows.)
    CActionPoint* ap = doc().AddActionPoint({1, 1, 2, 2});
    CHeroParty* party = doc().AddHeroParty(std::make_unique<CHeroParty>(&doc(), 2));
    struct Owner {
        const char* name;
        CLevelObject* object;
        TriggerOwnerKind kind;
        uint8_t player;
    };
    const Owner owners[] = {
        {"level", nullptr, TriggerOwnerKind::Level, 0},
        {"Vorlan", doc().FindPlayer(3), TriggerOwnerKind::Player, 3},
        {"action point", ap, TriggerOwnerKind::ActionPoint, 0},
        {"hero party", party, TriggerOwnerKind::HeroParty, 0},
    };
    for (const Owner& o : owners) {
        for (int kind = 1; kind < kTriggerKindCount; ++kind) {
            for (const uint8_t byte : {uint8_t(0), uint8_t(0xFF)}) {
                CTrigger t(&doc());
                t.setOwnerObject(o.object, o.kind);
                t.setOwnerById(o.player);
                t.setKind(uint8_t(kind));
                t.setParameters({byte, byte, byte, byte});
                t.setValue(byte ? 0xFFFFFFFFu : 0u);
                t.setRepeat(byte);
                const Bytes before = TriggerSection::packTrigger(t);
                TriggerSheet sheet(t, doc(), db, usage);
                SCOPED_TRACE(testing::Message() << o.name << ", kind " << kind << ", bytes " << int(byte)
                                                << ", page " << int(sheet.openingPage()));
                EXPECT_EQ(sheet.confirm(sheet.openingPage()), std::nullopt);
                EXPECT_EQ(TriggerSection::packTrigger(t), before);
            }
        }
    }
}

TEST_F(TriggerSheetTest, LeavingAPageChecksItsNumbersAsOkWould)
{
    CTrigger& t = onPlayer(3);
    TriggerSheet sheet(t, doc(), db, usage);
    sheet.state(P::Repeat).setValue(0, 2); // "Repeat"
    sheet.state(P::Repeat).setText(TriggerPageRow::RepeatCount, "300");
    const auto refusal = sheet.leave(P::Repeat);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->page, P::Repeat);
    EXPECT_EQ(refusal->error.row, TriggerPageRow::RepeatCount);
    EXPECT_EQ(refusal->error.message, "Please enter an integer between 0 and 255.");
    EXPECT_EQ(sheet.leave(P::Attribute), std::nullopt);
    sheet.state(P::Repeat).setText(TriggerPageRow::RepeatCount, "3");
    EXPECT_EQ(sheet.leave(P::Repeat), std::nullopt);
}

TEST_F(TriggerSheetTest, APreviewSaysWhatOkWillStoreAndChangesNothing)
{
    CTrigger& t = onPlayer(3);
    TriggerSheet sheet(t, doc(), db, usage);
    const auto before = TriggerSection::packTrigger(t);
    EXPECT_TRUE(sheet.preview(P::Attribute)) << "a new trigger as the sheet opens";
    sheet.state(P::Attribute).setText(3, "45");
    const std::optional<std::u16string> attribute = sheet.preview(P::Attribute);
    ASSERT_TRUE(attribute);
    const std::optional<std::u16string> player = sheet.preview(P::Player);
    ASSERT_TRUE(player);
    EXPECT_NE(*attribute, *player) << "the tab showing decides the kind";
    EXPECT_EQ(TriggerSection::packTrigger(t), before) << "a preview writes nothing";

    ASSERT_EQ(sheet.confirm(P::Attribute), std::nullopt);
    EXPECT_EQ(*attribute, u"When " + describeTrigger(t, doc(), db));
    EXPECT_NE(attribute->find(u"45"), std::u16string::npos);

    TriggerSheet again(t, doc(), db, usage);
    again.state(P::Attribute).setText(3, "99999");
    EXPECT_EQ(again.preview(P::Attribute), std::nullopt) << "no text for a value OK would refuse";
}

} // namespace
} // namespace gr2
