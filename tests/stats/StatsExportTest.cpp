// The stats export read back by the import changes nothing, on the sample data and on type records
// whose every byte is scrambled, and the text is the shape the import reads.

#include "stats/StatsExport.h"
#include "document/SampleData.h"
#include "stats/StatsImport.h"
#include "support/ScriptedPrompter.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/TypeDatabaseWriter.h"

#include <gtest/gtest.h>

#include <random>

namespace gr2 {
namespace {

Bytes typeFiles(const CTypeDatabase& db)
{
    Bytes out;
    const DateStamp when{2024, 1, 2, 3, 4, 5};
    for (TypeFamily family : kAllTypeFamilies)
        appendFamilySection(out, db, family, when);
    appendVariablesFile(out, db, when);
    return out;
}

void expectImportChangesNothing(CTypeDatabase& db, const char* what)
{
    const Bytes before = typeFiles(db);
    const std::string text = exportStatsText(db);
    test::ScriptedPrompter prompter;
    StatsImport import(db, prompter);
    EXPECT_EQ(import.importText(std::string_view(text)), StatsImport::Result::Imported) << what;
    EXPECT_GE(import.sectionsRead(), 9u) << what;
    EXPECT_TRUE(prompter.entries().empty()) << what;
    const Bytes after = typeFiles(db);
    ASSERT_EQ(after.size(), before.size()) << what;
    size_t differing = 0;
    for (size_t i = 0; i < before.size(); ++i)
        differing += before[i] != after[i];
    EXPECT_EQ(differing, 0u) << what << ": the import of the export changed bytes";
}

TEST(StatsExportTest, ImportOfTheExportChangesNothing)
{
    CTypeDatabase db;
    buildSampleTypes(db);
    expectImportChangesNothing(db, "sample data");

    // Every byte of every record scrambled (ids kept, so each type is found again), and the
    // experience tables and variables with them: flags pairs, colours above 255, words no table
    // has, reals of every kind.
    std::mt19937 random(20261210);
    for (TypeFamily family : kAllTypeFamilies) {
        TypeTableBase& table = db.table(family);
        for (size_t i = 0; i < table.count(); ++i) {
            CTypeRecord& record = *table.recordAt(i);
            const uint16_t id = record.id();
            Bytes scrambled(record.layout().size);
            for (uint8_t& b : scrambled)
                b = uint8_t(random());
            record.applyFileRecord(FlaggedRecord(scrambled));
            record.setId(id);
        }
    }
    for (size_t stat = 0; stat < 32; ++stat)
        db.variables().setFirstPersonIncrease(stat, int16_t(random() % 2000 - 1000));
    expectImportChangesNothing(db, "scrambled records");
}

// The export carries the values: data whose fields were changed gets them back from it.
TEST(StatsExportTest, ImportOfTheExportRestoresChangedFields)
{
    CTypeDatabase original;
    buildSampleTypes(original);
    const std::string text = exportStatsText(original);
    CTypeDatabase changed;
    buildSampleTypes(changed);
    const Bytes unchanged = typeFiles(changed);
    for (TypeFamily family : kAllTypeFamilies) {
        TypeTableBase& table = changed.table(family);
        for (size_t i = 0; i < table.count(); ++i)
            for (const FieldDef& f : table.recordAt(i)->layout().fields)
                if (f.kind == FieldKind::UInt && f.width == 2 && f.count == 1)
                    table.recordAt(i)->setIntValue(f, 4321);
    }
    changed.variables().setFirstPersonIncrease(1, 77);
    ASSERT_NE(typeFiles(changed), unchanged);
    test::ScriptedPrompter prompter;
    StatsImport(changed, prompter).importText(std::string_view(text));
    // Fields the stats codes do not name keep the change; every field they name is restored. (The
    // original goes through its own export once too, so its values in memory are those its
    // files can hold, as the import leaves them.)
    StatsImport(original, prompter).importText(std::string_view(text));
    const std::string wantedText = exportStatsText(original);
    const std::string again = exportStatsText(changed);
    if (again != wantedText) {
        size_t at = 0;
        while (at < wantedText.size() && wantedText[at] == again[at])
            ++at;
        const size_t from = wantedText.rfind('\n', at) + 1;
        ADD_FAILURE() << "first difference in the line: "
                      << wantedText.substr(from, wantedText.find('\n', at) - from)
                      << "\nnow: " << again.substr(from, again.find('\n', at) - from);
    }
}

TEST(StatsExportTest, TextHasTheShapeTheImportReads)
{
    CTypeDatabase db;
    buildSampleTypes(db);
    const std::string text = exportStatsText(db);
    for (const char* line : {"[START: WORLD VARIABLES]", "[END: WORLD VARIABLES]", "[START: TERRAIN]",
                             "[START: CREATURES]", "[START: VORLAN SPELLS]"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_NE(text.find("\r\n-11\tFirst Person\t"), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos); // every line ends \r\n
}

} // namespace
} // namespace gr2
