// The text messages dialog without its window: switching keeps each edit, OK writes them all into
// the level at once, and a text longer than a message holds is refused with nothing written.

#include "forms/TextMessagesEdit.h"

#include "level/CWorldEditorDoc.h"
#include "support/LevelBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(TextMessagesEdit, SwitchingKeepsEditsAndOkWritesThemAll)
{
    test::LevelBuilder level;
    LevelProperties p = level.doc().properties();
    p.setTextMessage(0, u"Welcome");
    level.doc().setProperties(p);
    level.doc().SetModifiedFlag(false);

    TextMessagesEdit edit(level.doc().properties());
    EXPECT_EQ(TextMessagesEdit::messageNames().front(), "Text Message 0");
    EXPECT_EQ(TextMessagesEdit::messageNames().back(), "Text Message 19");
    EXPECT_EQ(edit.text(0), u"Welcome");
    EXPECT_EQ(edit.choose(1, u"Welcome, keeper"), std::nullopt);
    EXPECT_EQ(edit.current(), 1u);
    EXPECT_EQ(level.doc().properties().textMessage(0), u"Welcome") << "nothing is written before OK";

    // 511 characters fit; 512 do not, and the message stays the one shown.
    EXPECT_EQ(edit.choose(2, std::u16string(511, u'a')), std::nullopt);
    EXPECT_EQ(edit.choose(3, std::u16string(512, u'b')), "Please enter no more than 511 characters.");
    EXPECT_EQ(edit.current(), 2u);
    EXPECT_EQ(edit.confirm(std::u16string(512, u'b'), level.doc()),
              "Please enter no more than 511 characters.");
    EXPECT_FALSE(level.doc().isModified());

    EXPECT_EQ(edit.confirm(u"Last words", level.doc()), std::nullopt);
    EXPECT_EQ(level.doc().properties().textMessage(0), u"Welcome, keeper");
    EXPECT_EQ(level.doc().properties().textMessage(1), std::u16string(511, u'a'));
    EXPECT_EQ(level.doc().properties().textMessage(2), u"Last words");
    EXPECT_TRUE(level.doc().isModified());
}

} // namespace
} // namespace gr2
