// Every form, opened on each sample record and on values at the extremes of their storage, and
// stored back with no change made: no byte of the type data moves, and no value of a level that a
// form over it could write. The form fuzz target runs the same checks on random values.

#include "support/FormRoundTrip.h"
#include "support/LevelFormRoundTrip.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

/// An input for the form and record at these indices, the record's bytes made by `fill`.
Bytes input(size_t form, size_t record, size_t size, const std::function<uint8_t(size_t)>& fill)
{
    Bytes in{uint8_t(form), uint8_t(record)};
    for (size_t i = 0; i < size; ++i)
        in.push_back(fill(i));
    return in;
}

TEST(FormRoundTripTest, OpeningAndStoringAFormKeepsEveryByteOfTheTypeData)
{
    CTypeDatabase db;
    buildSampleTypes(db);
    const std::vector<uint8_t> pristine = test::allTypeBytes(db);
    const auto& forms = test::typeRecordForms();
    for (size_t f = 0; f < forms.size(); ++f) {
        const TypeTableBase& table = db.table(forms[f].family);
        const std::vector<size_t> records = test::formRecords(forms[f], db);
        for (size_t r = 0; r < records.size() && r < 256; ++r) {
            SCOPED_TRACE(std::string(forms[f].name) + " of " + table.recordAt(records[r])->name());
            const auto own = table.recordAt(records[r])->bytes();
            EXPECT_TRUE(test::formRoundTrip(db, input(f, r, own.size(), [&](size_t i) { return own[i]; })))
                << "the record's own bytes";
            for (const test::ByteFilling& filling : test::kByteFillings)
                EXPECT_TRUE(test::formRoundTrip(db, input(f, r, own.size(), filling.fill))) << filling.name;
        }
    }
    EXPECT_TRUE(test::allTypeBytes(db) == pristine) << "each record got its own bytes back";
}

// The forms over a level's values: the thing, marker and special-room dialogs, the script editors'
// pages and sheets, the player's, the computer player's and the level's dialogs. Each is opened on
// values at the extremes of their storage (and on a counting pattern) and OK'd untouched.
TEST(FormRoundTripTest, LevelFormsKeepEveryValueTheyAreOpenedOn)
{
    test::FormLevel level;
    for (const test::LevelFormLine& line : test::levelForms())
        for (const test::ByteFilling& filling : test::kByteFillings)
            EXPECT_TRUE(line.run(level, test::filledBytes(65536, filling)))
                << line.name << ", " << filling.name;
}

} // namespace
} // namespace gr2
