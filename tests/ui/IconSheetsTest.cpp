// Icon cells as the map view and the palette find them.

#include "document/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CWorldEditorApp.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(IconSheetsTest, TablesWithGapsInTheirIdsDrawEveryTypeWithItsOwnCell)
{
    // The sample rooms have ids 10, 12, 14 ... and terrains run up to 40 with fewer rows than
    // that: the position id − 1 would give most of them the last row's picture.
    test::TempDir root;
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    test::ScriptedPrompter prompter;
    CWorldEditorApp app(&prompter);
    ASSERT_TRUE(app.InitInstance(root.path(), false));
    const CTypeDatabase& types = app.core().types();
    ASSERT_LT(types.terrains().count(), 40u);

    for (TypeFamily family : {TypeFamily::Terrain, TypeFamily::Room}) {
        const TypeTableBase& table = types.table(family);
        QList<QRect> cells;
        for (size_t row = 0; row < table.count(); ++row) {
            auto cell = app.iconSheets().cellForTypeId(family, int(table.recordAt(row)->id()));
            ASSERT_TRUE(cell) << table.recordAt(row)->id();
            EXPECT_FALSE(cells.contains(*cell)) << "type " << table.recordAt(row)->id() << " shares a cell";
            cells << *cell;
        }
    }
    // An id no row holds keeps the positional rule: past the end, the last row.
    const TypeTableBase& rooms = types.table(TypeFamily::Room);
    EXPECT_EQ(app.iconSheets().cellForTypeId(TypeFamily::Room, 250),
              app.iconSheets().cellForTypeId(TypeFamily::Room, int(rooms.recordAt(rooms.count() - 1)->id())));
}

} // namespace
} // namespace gr2
