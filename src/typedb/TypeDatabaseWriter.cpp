#include "typedb/TypeDatabaseWriter.h"

#include "typedb/CTypeDatabase.h"
#include "worlddata/SectionWriter.h"

namespace gr2 {

void appendFamilySection(Bytes& out, const CTypeDatabase& db, TypeFamily family, const DateStamp& saved)
{
    const TypeTableBase& table = db.table(family);
    std::vector<Bytes> records;
    records.reserve(table.count());
    for (size_t i = 0; i < table.count(); ++i)
        records.push_back(table.recordAt(i)->fileRecord());

    SectionInfo info;
    info.count = uint32_t(records.size());
    info.created = db.created(family).value_or(saved);
    info.saved = saved;
    writeRecordSection(out, sectionOf(family), info, recordSizeOf(family), records);
}

void appendVariablesFile(Bytes& out, const CTypeDatabase& db, const DateStamp& saved)
{
    std::vector<VariableRecord> variables = db.variables().records();
    std::vector<Bytes> records;
    records.reserve(variables.size());
    for (const VariableRecord& v : variables) {
        Bytes r(RecordSize::Variable);
        storeU32(r.data(), v.id);
        storeU32(r.data() + 4, v.a);
        storeU32(r.data() + 8, v.b);
        storeU32(r.data() + 12, v.c);
        records.push_back(std::move(r));
    }
    SectionInfo info;
    info.count = uint32_t(records.size());
    info.created = db.variablesCreated().value_or(saved);
    info.saved = saved;
    writeRecordSection(out, SectionId::Variable, info, RecordSize::Variable, records);

    std::vector<ThingItem> cameras;
    cameras.reserve(db.cameraModes().size());
    for (const CameraMode& mode : db.cameraModes())
        cameras.push_back({uint32_t(ThingKind::Camera), Bytes(mode.bytes.begin(), mode.bytes.end())});
    SectionInfo cameraInfo;
    cameraInfo.count = uint32_t(cameras.size());
    cameraInfo.created = saved;
    cameraInfo.saved = saved;
    writeThingSection(out, cameraInfo, cameras);
}

WriteResult writeFamilyFile(const std::filesystem::path& path, const CTypeDatabase& db, TypeFamily family,
                            const DateStamp& saved)
{
    Bytes bytes;
    appendFamilySection(bytes, db, family, saved);
    return writeFileAtomically(path, bytes);
}

WriteResult writeVariablesFile(const std::filesystem::path& path, const CTypeDatabase& db,
                               const DateStamp& saved)
{
    Bytes bytes;
    appendVariablesFile(bytes, db, saved);
    return writeFileAtomically(path, bytes);
}

} // namespace gr2
