// The Resize Map, Rotate Map and Reset Creature Properties dialogs without a window: the sizes they
// refuse, the anchor grid and the owner rule of Resize, the turns Rotate asks for, and the mask
// Reset passes on.

#include "forms/MapOperationForms.h"
#include "level/CCreature.h"
#include "level/LevelIds.h"
#include "support/LevelBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

constexpr uint8_t kRock = 1;  // nobody owns it
constexpr uint8_t kEarth = 2; // ownable
constexpr uint8_t kMarked = 3;

struct ResizeFixture {
    explicit ResizeFixture(uint32_t side, uint32_t height = 0) : level(side, height ? height : side)
    {
        test::addType(types.terrains(), kRock, "Rock");
        test::addType(types.terrains(), kEarth, "Earth").setFlag(TerrainTypeFlag::Ownable, true);
        test::addType(types.terrains(), kMarked, "Marked").setFlag(TerrainTypeFlag::Ownable, true);
        level.playersUpTo(3);
        level.doc().setBase(kEarth, 3);
    }
    test::LevelBuilder level;
    CTypeDatabase types;
};

enum Row : size_t { Width, Height, Anchor, Terrain, Owner };

TEST(ResizeMapFormTest, SidesOutsideSevenTo128AreRefusedWidthFirst)
{
    ResizeFixture f(20);
    struct Case {
        const char* width;
        const char* height;
        std::optional<size_t> refusedRow;
    } cases[] = {{"6", "20", Width},         {"129", "20", Width},  {"7", "20", std::nullopt},
                 {"128", "7", std::nullopt}, {"20", "200", Height}, {"0", "200", Width}};
    for (const Case& c : cases) {
        Form<ResizeRequest> form(resizeMapForm(f.level.doc(), f.types));
        form.load(initialResize(f.level.doc(), f.types));
        form.state().setText(Width, c.width);
        form.state().setText(Height, c.height);
        const std::optional<FormError> error = form.state().validate();
        ASSERT_EQ(error.has_value(), c.refusedRow.has_value()) << c.width << " x " << c.height;
        if (error) {
            EXPECT_EQ(error->row, *c.refusedRow);
            EXPECT_EQ(error->message, "Please enter a number between 7 and 128.");
        }
        EXPECT_EQ(form.state().spinRangeOf(Width).low, 1);
        EXPECT_EQ(form.state().spinRangeOf(Width).high, 128);
    }
}

TEST(ResizeMapFormTest, CentreAnchorKeepsTheOldMapInTheMiddle)
{
    ResizeFixture f(64);
    CWorldEditorDoc& doc = f.level.doc();
    constexpr uint8_t kSign = 99; // a terrain no other tile has
    doc.StoreTile({10, 10}, kSign, 3);
    Form<ResizeRequest> form(resizeMapForm(doc, f.types));
    ResizeRequest request = initialResize(doc, f.types);
    form.load(request);
    FormState& s = form.state();
    EXPECT_EQ(s.text(Width), "64");
    EXPECT_EQ(s.text(Height), "64");
    EXPECT_EQ(s.value(Anchor), 0); // top-left on opening
    s.setText(Width, "80");
    s.setText(Height, "80");
    s.choose(Anchor, 4); // the middle of the grid
    ASSERT_FALSE(form.store(request));
    EXPECT_EQ(request.anchorColumn, 1);
    EXPECT_EQ(request.anchorRow, 1);
    EXPECT_EQ(request.terrain, kEarth);
    test::ScriptedPrompter quiet;
    ASSERT_TRUE(ResizeMap(doc, request, quiet));
    EXPECT_EQ(doc.width(), 80u);
    EXPECT_EQ(doc.GetTerrain({18, 18}), kSign);
    EXPECT_NE(doc.GetTerrain({10, 10}), kSign);
    EXPECT_EQ(doc.GetTerrain({3, 3}), kEarth); // new ground of the base terrain
}

TEST(ResizeMapFormTest, AnchorGridReadsRowByRow)
{
    ResizeFixture f(20);
    for (size_t index = 0; index < 9; ++index) {
        Form<ResizeRequest> form(resizeMapForm(f.level.doc(), f.types));
        ResizeRequest request = initialResize(f.level.doc(), f.types);
        form.load(request);
        form.state().choose(Anchor, index);
        ASSERT_FALSE(form.store(request));
        EXPECT_EQ(request.anchorColumn, index % 3) << index;
        EXPECT_EQ(request.anchorRow, index / 3) << index;
    }
}

TEST(ResizeMapFormTest, TerrainNobodyOwnsGivesTheNeutralOwnerGreyed)
{
    ResizeFixture f(20);
    Form<ResizeRequest> form(resizeMapForm(f.level.doc(), f.types));
    ResizeRequest request = initialResize(f.level.doc(), f.types);
    form.load(request);
    FormState& s = form.state();
    EXPECT_EQ(s.value(Terrain), kEarth);
    EXPECT_EQ(s.value(Owner), 3);
    EXPECT_TRUE(s.isEnabled(Owner));

    s.setValue(Terrain, kRock);
    EXPECT_EQ(s.value(Owner), PlayerId::Neutral);
    EXPECT_FALSE(s.isEnabled(Owner));
    ASSERT_FALSE(form.store(request));
    EXPECT_EQ(request.terrain, kRock);
    EXPECT_EQ(request.owner, PlayerId::Neutral);

    // A level whose base terrain cannot be owned opens with the Neutral owner already.
    f.level.doc().setBase(kRock, 3);
    EXPECT_EQ(initialResize(f.level.doc(), f.types).owner, PlayerId::Neutral);
}

TEST(ResizeMapFormTest, MapLargerThanTheLimitShowsItsSizeAndCanShrink)
{
    ResizeFixture f(200, 150);
    CWorldEditorDoc& doc = f.level.doc();
    ASSERT_EQ(doc.width(), 200u);
    Form<ResizeRequest> form(resizeMapForm(doc, f.types));
    ResizeRequest request = initialResize(doc, f.types);
    form.load(request);
    EXPECT_EQ(form.state().text(Width), "200");
    EXPECT_EQ(form.state().text(Height), "150");
    form.state().setText(Width, "100");
    form.state().setText(Height, "128");
    ASSERT_FALSE(form.store(request));
    test::ScriptedPrompter quiet;
    ASSERT_TRUE(ResizeMap(doc, request, quiet));
    EXPECT_EQ(doc.width(), 100u);
    EXPECT_EQ(doc.height(), 128u);
}

TEST(RotateMapFormTest, ChoicesBecomeTurns)
{
    struct Case {
        size_t angle, direction; // option indexes
        Turn turn;
    } cases[] = {{0, 0, Turn::Right}, {0, 1, Turn::Left}, {1, 0, Turn::Half}, {1, 1, Turn::Half}};
    for (const Case& c : cases) {
        Form<RotateChoice> form(rotateMapForm());
        RotateChoice choice;
        form.load(choice);
        form.state().choose(0, c.angle);
        form.state().choose(1, c.direction);
        ASSERT_FALSE(form.store(choice));
        EXPECT_EQ(choice.turn(), c.turn) << c.angle << c.direction;
    }
    Form<RotateChoice> opened(rotateMapForm());
    opened.load(RotateChoice{});
    EXPECT_EQ(opened.state().choices(0).front().text, "&90 ");
    EXPECT_EQ(opened.state().choiceIndex(0), 0u);
    EXPECT_EQ(opened.state().choiceIndex(1), 0u);
}

TEST(ResetCreaturesFormTest, CheckedBoxesMakeTheMask)
{
    Form<ResetChoice> form(resetCreaturesForm());
    ResetChoice choice = initialReset();
    form.load(choice);
    for (size_t row = 0; row < form.state().rowCount(); ++row)
        EXPECT_TRUE(form.state().checked(row)) << row;
    for (size_t row = 0; row + 1 < form.state().rowCount(); ++row)
        form.state().setChecked(row, false);
    ASSERT_FALSE(form.store(choice));
    EXPECT_EQ(choice.mask, ResetMask::Level);
    EXPECT_EQ(choice.mask, 32u);
}

} // namespace
} // namespace gr2
