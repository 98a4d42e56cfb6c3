// Every form over a type record, opened on each sample record and on records whose bytes sit at
// the extremes of their storage, and stored back with no change made: no byte of the type data
// moves. The form fuzz target runs the same check on random records.

#include "support/FormRoundTrip.h"
#include "document/SampleData.h"

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
    const struct {
        const char* name;
        std::function<uint8_t(size_t)> fill;
    } fillings[] = {
        {"all bits set", [](size_t) { return uint8_t(0xFF); }},
        {"signed extremes", [](size_t i) { return uint8_t(i % 2 ? 0x80 : 0x7F); }},
        {"largest unsigned words", [](size_t i) { return uint8_t(i % 4 == 3 ? 0x7F : 0xFF); }},
        {"a counting pattern", [](size_t i) { return uint8_t(i * 37 + 11); }},
    };
    const auto& forms = test::typeRecordForms();
    for (size_t f = 0; f < forms.size(); ++f) {
        const TypeTableBase& table = db.table(forms[f].family);
        const std::vector<size_t> records = test::formRecords(forms[f], db);
        for (size_t r = 0; r < records.size() && r < 256; ++r) {
            SCOPED_TRACE(std::string(forms[f].name) + " of " + table.recordAt(records[r])->name());
            const auto own = table.recordAt(records[r])->bytes();
            EXPECT_TRUE(test::formRoundTrip(db, input(f, r, own.size(), [&](size_t i) { return own[i]; })))
                << "the record's own bytes";
            for (const auto& [name, fill] : fillings)
                EXPECT_TRUE(test::formRoundTrip(db, input(f, r, own.size(), fill))) << name;
        }
    }
    EXPECT_TRUE(test::allTypeBytes(db) == pristine) << "each record got its own bytes back";
}

} // namespace
} // namespace gr2
