#include "document/LevelFileCodec.h"

#include "document/LevelSaveRules.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelRecords.h"
#include "level/LevelSink.h"
#include "level/LevelTypes.h"
#include "script/LevelScript.h"
#include "script/TriggerSection.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/Reporter.h"
#include "worlddata/SectionReader.h"
#include "worlddata/SectionWriter.h"

namespace gr2 {

namespace {

enum Record : size_t { Level, Players, Triggers, Variables, Things, Extras, ScriptMarks, RecordCount };

/// Records written by this program read back without a message; should one not, the history has
/// nobody to tell in the middle of an Undo.
class SilentReporter : public Reporter {
public:
    void message(const std::string&, Icon) override {}
};

void putU32(RecordBytes& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t getU32(const RecordBytes& in, size_t& at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4 && at < in.size(); ++i, ++at)
        v |= uint32_t(in[at]) << (8 * i);
    return v;
}

/// Build areas live only in the editor: per player its id, whether the area is defined and its
/// four sides.
RecordBytes packExtras(const CWorldEditorDoc& doc)
{
    RecordBytes out;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        out.push_back(p.id());
        out.push_back(p.buildAreaDefined() ? 1 : 0);
        const BuildArea& a = p.buildArea();
        for (int32_t side : {a.left, a.top, a.right, a.bottom})
            putU32(out, uint32_t(side));
    }
    return out;
}

void unpackExtras(CWorldEditorDoc& doc, const RecordBytes& in)
{
    constexpr size_t kEntry = 2 + 4 * 4;
    for (size_t at = 0; at + kEntry <= in.size();) {
        CPlayer* p = doc.FindPlayer(in[at]);
        const bool defined = in[at + 1] != 0;
        at += 2;
        BuildArea a;
        a.left = int32_t(getU32(in, at));
        a.top = int32_t(getU32(in, at));
        a.right = int32_t(getU32(in, at));
        a.bottom = int32_t(getU32(in, at));
        if (p) {
            p->setBuildArea(a);
            p->setBuildAreaDefined(defined);
        }
    }
}

} // namespace

std::vector<RecordBytes> LevelFileCodec::capture(CWorldEditorDoc& doc)
{
    std::vector<RecordBytes> out(RecordCount);
    const SectionInfo info; // fixed times: equal levels give equal bytes
    writeLevelSection(out[Level], SectionInfo::forLevel(0, 0, kLevelFormatVersion, {}, {}),
                      LevelRecords::packLevelDescription(doc), {}, {});
    writeRecordSection(out[Players], SectionId::Player, info, RecordSize::Player,
                       LevelRecords::packPlayers(doc));
    if (LevelScript* script = LevelScript::of(doc)) {
        TriggerSection::write(out[Triggers], *script, {});
        out[ScriptMarks] = script->usage().pack();
    }
    writeRecordSection(out[Variables], SectionId::Variable, info, RecordSize::Variable,
                       LevelSaveRules::variableRecords(doc, m_types));
    writeThingSection(out[Things], info, LevelRecords::collectThingItems(doc));
    out[Extras] = packExtras(doc);
    return out;
}

void LevelFileCodec::restore(CWorldEditorDoc& doc, const std::vector<RecordBytes>& records)
{
    if (records.size() != RecordCount)
        return;
    // The records are in the current layout; the level keeps the version it was made with.
    const double version = doc.version().value;
    doc.clearRecords();
    doc.notifyLevelReset();

    SilentReporter quiet;
    RecordSink sink;
    LevelSink levelSink(doc, quiet);
    levelSink.bind(sink);
    LevelScript* script = LevelScript::of(doc);
    std::optional<TriggerSink> triggerSink;
    if (script) {
        triggerSink.emplace(*script);
        triggerSink->bind(sink);
    }
    // The order of opening a level: description, script, players, things, variables.
    ReadSectionBytes(records[Level], sink, quiet);
    if (script)
        ReadSectionBytes(records[Triggers], sink, quiet);
    ReadSectionBytes(records[Players], sink, quiet);
    doc.clearAlliances();
    ReadSectionBytes(records[Things], sink, quiet);
    doc.loadedVariables().assign(doc.types().globalVariables(), doc.types().overridableVariableIds());
    ReadSectionBytes(records[Variables], sink, quiet);
    if (script) {
        script->FinishReading();
        // Reading marks what the actions there write; the step had its own marks.
        script->usage().unpack(records[ScriptMarks]);
    }
    unpackExtras(doc, records[Extras]);
    doc.setVersion(version);
    doc.notifyLevelReset();
}

} // namespace gr2
