#include "script/ScriptDescriptions.h"

#include "level/TextConversion.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;

class ScriptDescriptionTest : public testing::Test {
protected:
    ScriptDescriptionTest() { test::buildSmallTypeData(db); }

    std::string trigger(uint8_t kind, TriggerParameters p, uint32_t value = 0)
    {
        CTrigger& t = sb.trigger(int16_t(sb.script().triggers().size() + 1), 0, 0, kind);
        t.setParameters(p);
        t.setValue(value);
        return utf16ToUtf8(describeTrigger(t, level.doc(), db));
    }
    std::string action(uint8_t kind, std::array<uint8_t, 4> a, uint32_t b = 0)
    {
        CAction& x = sb.action(int16_t(-int(sb.script().actions().size()) - 1), 0, kind);
        x.parameters().a = a;
        x.setB(b);
        return utf16ToUtf8(describeAction(x, level.doc(), db));
    }

    CTypeDatabase db;
    LevelBuilder level;
    ScriptBuilder sb{level.doc()};
};

TEST_F(ScriptDescriptionTest, TriggerLines)
{
    EXPECT_EQ(trigger(1, {5, 2, 1, 0}, 10), "Flag 3 >= 10");
    EXPECT_EQ(trigger(1, {5, 2, 0, 127}), "Flag 3 >= Flag 128");
    EXPECT_EQ(trigger(1, {3, 128, 1, 0}, 4), "Level Score = 4");
    EXPECT_EQ(trigger(2, {1, 16, 1, 0}, 600), "Time Limit < 600");
    EXPECT_EQ(trigger(2, {2, 3, 0, 4}), "Timer 4 <= Timer 5");
    EXPECT_EQ(trigger(4, {}), "Killed");
    EXPECT_EQ(trigger(58, {1, 0, 0, 0}), "Creature Picked Up [ Imp ]");
    EXPECT_EQ(trigger(59, {3, 1, 0, 0}), "Creature Dropped [ Warlock On Treasury ]");
    EXPECT_EQ(trigger(59, {0, 1, 0, 0}), "Creature Dropped [ On Treasury ]");
    EXPECT_EQ(trigger(59, {}), "Creature Dropped");
    EXPECT_EQ(trigger(47, {3, 0, 0, 0}), "Killed By Vorlan 1");
    EXPECT_EQ(trigger(56, {}), "Dungeon Breached By Any Player");
    EXPECT_EQ(trigger(53, {0, 253, 0, 0}), "Button [ Misc Button - Zoom In / Out ] Clicked");
    EXPECT_EQ(trigger(53, {5, 1, 0, 0}), "Button [ Vorlan Spell - Lightning ] Clicked");
    EXPECT_EQ(trigger(53, {9, 1, 0, 0}), "Button [  -  ] Clicked");
    EXPECT_EQ(trigger(25, {0, 0, 0, 0}), "Rooms Available");
    EXPECT_EQ(trigger(19, {4, 1, 1, 0}, 5), "Creatures [ Imp ] > 5");
    EXPECT_EQ(trigger(27, {1, 1, 0x08, 3}), "[ Blueprint ] Doors [ Wooden ] < [ Vorlan 1 ]");
    EXPECT_EQ(trigger(28, {1, 0, 0x10, 0}), "[ Built ] Traps < [ Any Player ]");
    EXPECT_EQ(trigger(22, {3, 0, 1, 1}, 2), "Creatures Killed [ Good Player ] = 2");
    EXPECT_EQ(trigger(52, {5, 0, 1, 4}, 3), "Creatures At Level 4 >= 3");
    EXPECT_EQ(trigger(34, {4, 0, 0, 0}, 60), "Time > 60");
    EXPECT_EQ(trigger(39, {3, 3, 1, 3}, 2), "Congregate In:  2 Imp  [ Vorlan 1 ] ");
    EXPECT_EQ(trigger(39, {1, 0, 0, 0}, 2), "Congregate In: < 2 Creatures");
    EXPECT_EQ(trigger(40, {4, 0, 2, 0}, 9), "Claim Part Of: > 9 Path ");
    EXPECT_EQ(trigger(41, {0, 0, 2, 0}), "Claim All Of: Path ");
    EXPECT_EQ(trigger(69, {0, 3, 0, 0}), "Tag All Of:  [ Vorlan 1 ] ");
    EXPECT_EQ(trigger(70, {0, 0, 1, 3}), "Entered By Possessed Imp [ Any Player ]");
    EXPECT_EQ(trigger(70, {0, 3, 0, 6}), "Entered By Possessed [ Vorlan 1 ]");
    EXPECT_EQ(trigger(43, {}), "Created");
    EXPECT_EQ(trigger(44, {4, 0, 0, 0}, 2), "> 2 Members Killed");
    EXPECT_EQ(trigger(72, {}), "Transition Ends");
    EXPECT_EQ(trigger(0, {}), "");
    EXPECT_EQ(trigger(76, {1, 1, 1, 1}), "");
}

TEST_F(ScriptDescriptionTest, ActionLines)
{
    EXPECT_EQ(action(0, {}), "");
    EXPECT_EQ(action(10, {}), "Win Game");
    EXPECT_EQ(action(2, {}), "Create Portal Gem [ 1, 1 ]");
    EXPECT_EQ(action(3, {}, 7), "Send To AP 7");
    EXPECT_EQ(action(4, {7, 0, 0, 0}, 3), "Objective 7 [ Zoom To AP 3 ]");
    EXPECT_EQ(action(5, {9, 0, 0, 0}), "Information 9");
    EXPECT_EQ(action(6, {3, 1, 1, 1}), "Make Room [ Treasury ] Available To Vorlan 1");
    EXPECT_EQ(action(6, {0, 0, 0, 0}), "Make Misc Button [  ] Unavailable");
    EXPECT_EQ(action(7, {128, 0x14, 0, 0}, 3), "Level Score = Level Score + Flag 4");
    EXPECT_EQ(action(7, {0, 0x22, 0, 0}, 5), "Flag 1 = Flag 1 - 5");
    EXPECT_EQ(action(7, {1, 0, 0, 0}, 5), "Flag 2 = 5");
    EXPECT_EQ(action(8, {2, 0, 0, 0}), "Initialise Timer 3");
    EXPECT_EQ(action(9, {2, 1, 1, 0}, 0), "Flash Button [ Creature - Imp ] Until Selected");
    EXPECT_EQ(action(9, {0, 255, 1, 0}, 4), "Flash Button [ Misc Button - Sell Room ] For 4 Seconds");
    EXPECT_EQ(action(9, {0, 7, 0, 0}), "Flash Button [ Misc Button -  ] Off");
    EXPECT_EQ(action(14, {0, 0, 0, 0}, 4), "Create Hero Party 1 At AP 4");
    EXPECT_EQ(action(14, {1, 2, 0, 0}, 5), "Create Invasion Party 2 At AP 5[IP - Random ]");
    EXPECT_EQ(action(14, {1, 1, 0, 0}, 5), "Create Invasion Party 2 At AP 5[IP]");
    EXPECT_EQ(action(15, {0, 21, 0, 0}), "Set Objective [ Tunnelling [ Any Player ] ]");
    EXPECT_EQ(action(15, {3, 19, 0, 0}), "Set Objective [ Kill Player [ Vorlan 1 ] ]");
    EXPECT_EQ(action(15, {0, 23, 0, 0}, 6), "Set Objective [ Send To Action Point 6 ]");
    EXPECT_EQ(action(15, {0, 22, 0, 0}), "Set Objective [ Wait ]");
    // Past the end of the objective list the name is empty, never a neighbouring entry.
    EXPECT_EQ(action(15, {0, 200, 0, 0}), "Set Objective [  [ Any Player ] ]");
    EXPECT_EQ(action(16, {4, 1, 0, 0}, 0), "Flash AP 4 Until Switched Off");
    EXPECT_EQ(action(16, {4, 1, 0, 0}, 8), "Flash AP 4 for 8 Seconds");
    EXPECT_EQ(action(17, {4, 1, 0, 0}), "Conceal AP 4");
    EXPECT_EQ(action(18, {1, 3, 1, 0}), "Break Alliance [ Good Player & Vorlan 1 ]");
    EXPECT_EQ(action(22, {2, 3, 0, 0}, 12 | 30u << 16), "Alter [ 12, 30 ] to Path [ Vorlan 1 ]");
    EXPECT_EQ(action(22, {1, 3, 0, 0}, 12 | 30u << 16), "Alter [ 12, 30 ] to Rock");
    EXPECT_EQ(action(23, {16, 0, 0, 0}, 300), "Set Time Limit: 300 Seconds");
    EXPECT_EQ(action(24, {11, 0, 0, 0}, 0x00020101), "[I] Play Speech ID 11 [ Without Text ] [ Path 2 ]");
    EXPECT_EQ(action(25, {3, 0, 0, 0}), "Display Text Message 3");
    EXPECT_EQ(action(27, {2, 2, 0, 0}), "");
    EXPECT_EQ(action(27, {2, 1, 0xA6, 0xFF}, 5), "Rotate Around AP 2 [ Absolute: 5 Secs - -90 Degs ]");
    EXPECT_EQ(action(28, {3, 4, 0, 0}), "Generate Warlock [ Level 4 ]");
    EXPECT_EQ(action(31, {1, 2, 1, 0}), "Follow Camera Path 1 Around AP 2 [ Hide Ceiling ]");
    EXPECT_EQ(action(36, {1, 0, 0, 0}), "Set Fight Flag [  Fight ]");
    EXPECT_EQ(action(36, {0, 0, 0, 0}), "Set Fight Flag [ Don't Fight ]");
    EXPECT_EQ(action(42, {2, 0, 0, 0}), "Make Objective [ Imprison ]");
    EXPECT_EQ(action(46, {1, 0, 0, 0}, 12 | 30u << 16), "Display Slab Owner [ On ] Of [ 12, 30 ]");
    EXPECT_EQ(action(47, {1, 0, 0, 0}), "Display Next Room Type [ Treasury ]");
    EXPECT_EQ(action(48, {2, 1, 0, 0}), "Toggle Effect Generator 3 [ On ]");
    EXPECT_EQ(action(49, {0, 3, 0, 0}, 4 | 5u << 16), "Change Room Owner At [ 4, 5 ] To Vorlan 1");
    EXPECT_EQ(action(50, {}, 0), "Set Slaps Limit [ Off ]");
    EXPECT_EQ(action(51, {1, 0, 0, 0}), "Set Timer Speech [ On ]");
    EXPECT_EQ(action(52, {1, 1, 1, 1}), "");
}

} // namespace
} // namespace gr2
