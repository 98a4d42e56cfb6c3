// The lines of the "Create Creature Action" prompt: one per creature placed while picking.

#include "mapedit/CreatureActionPicking.h"

#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/CTrigger.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(CreatureActionPickingTest, EachPlacedCreatureReadsAsItsNameTileAndOwner)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    test::LevelBuilder level;
    level.playersUpTo(4);
    level.doc().FindPlayer(4)->setName("Mordra");
    test::ScriptBuilder sb{level.doc()};
    CTrigger& trigger = sb.trigger(1);
    CreatureActionPicking picking(level.doc(), db);
    ASSERT_TRUE(picking.begin(trigger, "Create Creature"));
    level.doc().CreateCreature(test::TestCreature::Knight, 4, {4, 6}, true);
    level.doc().CreateCreature(test::TestCreature::Imp, 3, {0, 0}, true);
    std::vector<std::string> lines;
    for (const std::u16string& line : picking.lines())
        lines.push_back(utf16ToUtf8(line));
    const std::string vorlan = latin1ToUtf8(level.doc().FindPlayer(3)->name());
    EXPECT_EQ(lines, (std::vector<std::string>{"Knight (5, 7) [ Mordra ]", "Imp (1, 1) [ " + vorlan + " ]"}));
    picking.finish(false);
}

} // namespace
} // namespace gr2
