// Arbitrary bytes as an icon sheet, loaded the way the editor loads its sheets (QImage from
// "Graphics/<Family>Icons.bmp"), then the cell tables built over the sample types and every cell
// asked for and copied out of the sheet: odd sheet sizes must give cells inside the sheet or none.

#include "document/SampleData.h"
#include "typedb/CTypeDatabase.h"
#include "ui/IconSheets.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

using namespace gr2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<CTypeDatabase> types = [] {
        auto db = std::make_unique<CTypeDatabase>();
        buildSampleTypes(*db);
        return db;
    }();
    static const std::filesystem::path root = [] {
        auto dir = std::filesystem::temp_directory_path() / ("gr2-fuzz-icons-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "Graphics");
        return dir;
    }();
    if (size < 1)
        return 0;
    // The first byte picks the family, so each sheet's own cell rules meet the hostile picture.
    const TypeFamily family = IconSheets::kFamilies[data[0] % IconSheets::kFamilies.size()];
    for (TypeFamily f : IconSheets::kFamilies)
        std::filesystem::remove(root / "Graphics" / IconSheets::sheetFileName(f));
    if (std::FILE* f = std::fopen((root / "Graphics" / IconSheets::sheetFileName(family)).c_str(), "wb")) {
        std::fwrite(data + 1, 1, size - 1, f);
        std::fclose(f);
    }

    IconSheets sheets;
    sheets.load(root);
    sheets.rebuildCells(*types);
    const QImage& sheet = sheets.sheet(family);
    volatile int sum = 0;
    for (int id = 0; id <= 260; ++id) {
        const bool ownerVariants = family == TypeFamily::Terrain && (id == 8 || id == 9 || id == 32);
        for (int variant = ownerVariants ? 0 : kDefaultIconVariant;
             variant <= (ownerVariants ? 6 : kDefaultIconVariant); ++variant) {
            if (auto cell = sheets.cellForType(*types, family, id, variant)) {
                if (!sheet.rect().contains(*cell))
                    __builtin_trap(); // a cell outside its sheet would draw from memory it does not own
                const QImage copy = sheet.copy(*cell);
                sum = sum + copy.width();
            }
        }
    }
    return 0;
}
