#include "script/TriggerSection.h"

#include "level/CWorldEditorDoc.h"
#include "script/LevelScript.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "worlddata/SectionReader.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;
namespace TestCreature = test::TestCreature;
namespace TestObject = test::TestObject;

constexpr uint8_t kLevelGem = 40;

TEST(TriggerSectionTest, SavedScriptReadsBackWithItsStructure)
{
    LevelBuilder level;
    CWorldEditorDoc& doc = level.doc();
    ScriptBuilder sb(doc);
    LevelScript& script = sb.script();
    CPlayer& p3 = *doc.FindPlayer(3);

    CTrigger& t = sb.trigger(1, 0, -1, uint8_t(TriggerKind::Flag));
    t.setParameters({3, 7, 0, 9});
    t.setValue(12);
    t.setRepeat(255);
    sb.trigger(2, 0, 0, uint8_t(TriggerKind::NotUsed));
    t.setNext(2);
    CAction& create = sb.action(-1, -2, uint8_t(ActionKind::CreateCreature));
    create.parameters().a = {TestCreature::Imp, 3, 2, 0};
    create.parameters().setB(4, 5);
    sb.action(-2, 0, uint8_t(ActionKind::SetFlag)).parameters().a = {6, 0x12, 0, 0};
    p3.setFirstTrigger(1);
    script.ResolveScript();
    ASSERT_TRUE(create.creature());
    create.creature()->setType(TestCreature::Warlock); // edited in the creature dialog
    create.creature()->setFlags1(0x81);

    test::TempDir dir;
    Bytes file;
    TriggerSection::write(file, script, DateStamp{2024, 5, 6, 7, 8, 9});
    test::writeFile(dir / "Triggers.vld", file);

    LevelBuilder other;
    ScriptBuilder readBack(other.doc());
    other.doc().FindPlayer(3)->setFirstTrigger(1);
    TriggerSink sink(readBack.script());
    RecordSink recordSink;
    sink.bind(recordSink);
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(ReadSectionFile(dir / "Triggers.vld", recordSink, prompter))
        << testing::PrintToString(prompter.texts());
    LevelScript& loaded = readBack.script();
    loaded.AttachUnownedActions();

    ASSERT_EQ(loaded.triggers().size(), 2u);
    ASSERT_EQ(loaded.actions().size(), 2u);
    const CTrigger& lt = *loaded.TriggerAt(0);
    EXPECT_EQ(lt.kind(), uint8_t(TriggerKind::Flag));
    EXPECT_EQ(lt.parameters(), (TriggerParameters{3, 7, 0, 9}));
    EXPECT_EQ(lt.value(), 12u);
    EXPECT_EQ(lt.repeat(), 255);
    EXPECT_EQ(lt.next(), 2);
    EXPECT_EQ(lt.child(), -1);
    EXPECT_EQ(loaded.TriggerAt(1)->kind(), uint8_t(TriggerKind::CongregateIn));
    const CAction& la = *loaded.ActionAt(0);
    EXPECT_EQ(la.ownerTrigger(), &lt);
    EXPECT_EQ(la.parameters().a, (std::array<uint8_t, 4>{TestCreature::Warlock, 3, 2, 0x81}))
        << "type and flags come from the creature";
    EXPECT_EQ(la.parameters().b, create.parameters().b);
    EXPECT_EQ(la.next(), -2);
    EXPECT_TRUE(loaded.usage().isFlagUsed(6));

    loaded.ResolveScript();
    EXPECT_EQ(lt.ownerObject(), other.doc().FindPlayer(3));
    ASSERT_TRUE(la.creature());
    EXPECT_EQ(la.creature()->type(), TestCreature::Warlock);
}

TEST(TriggerSectionTest, PortalGemWordIsTheFirstPlacedGemsTile)
{
    LevelBuilder level;
    level.types().objects[kLevelGem] = 1u << 12;
    CWorldEditorDoc& doc = level.doc();
    ScriptBuilder sb(doc);
    CAction& gem = sb.action(-1, 0, uint8_t(ActionKind::CreatePortalGem));
    gem.setB(0xDEADBEEF);

    EXPECT_EQ(TriggerSection::portalGemWord(doc), 0u);
    Bytes bytes = TriggerSection::packAction(gem, doc);
    EXPECT_EQ(loadU32(&bytes[4]), 0u) << "no gem in the level";

    doc.CreateObjectThing(TestObject::Plain, {2, 2});
    CObjectThing* unplaced = doc.CreateObjectThing(kLevelGem, {3, 3});
    unplaced->setPlaced(false);
    doc.CreateObjectThing(kLevelGem, {9, 4});
    doc.CreateObjectThing(kLevelGem, {5, 5});
    bytes = TriggerSection::packAction(gem, doc);
    EXPECT_EQ(loadU16(&bytes[4]), 9);
    EXPECT_EQ(loadU16(&bytes[6]), 4);
}

} // namespace
} // namespace gr2
