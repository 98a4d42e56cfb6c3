#pragma once
// The document's side of reading a level: one body per record kind that applies a flagged record
// to the level, with the load-time rules (conversions of old versions, elite variants, dropped
// records). bind() hands the bodies to a RecordSink; the file layer decides which files to read.

#include "worlddata/RecordSink.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gr2 {

class CCreature;
class CWorldEditorDoc;
class Reporter;
class RecordFields;

class LevelSink {
public:
    LevelSink(CWorldEditorDoc& doc, Reporter& reporter) : m_doc(doc), m_reporter(reporter) {}

    /// Fills the level, map, player, thing and variable entries of the sink with this object's
    /// bodies. The sink must not outlive this object.
    void bind(RecordSink& sink);

    bool levelHeader(const SectionInfo& info);
    bool levelDescription(const FlaggedRecord& record);
    /// Refuses a width or height of 0 or beyond CWorldEditorDoc::kMaxMapSide.
    bool mapHeader(uint32_t width, uint32_t height);
    bool mapElement(uint32_t x, uint32_t y, const FlaggedRecord& record);
    /// A whole row of map elements, as mapElement takes each of them.
    bool mapRow(uint32_t y, std::span<const uint8_t> elements);
    /// Fails with "Invalid Player ID!" for player id 0.
    bool player(const FlaggedRecord& record);

    bool creatureGood(const FlaggedRecord& record);
    bool creatureNeutral(const FlaggedRecord& record);
    bool creatureEvil(const FlaggedRecord& record);
    bool deadBody(const FlaggedRecord& record);
    bool door(const FlaggedRecord& record);
    bool trap(const FlaggedRecord& record);
    bool object(const FlaggedRecord& record);
    bool actionPoint(const FlaggedRecord& record);
    bool heroParty(const FlaggedRecord& record);
    bool effectGenerator(const FlaggedRecord& record);
    bool room(const FlaggedRecord& record);
    /// Plinths, cameras and kinds the editor does not know are kept to be written back.
    bool keptThing(uint32_t kind, std::span<const uint8_t> record);

    bool variableHeader(const SectionInfo& info);
    bool variable(const FlaggedRecord& record);

private:
    /// The fields of a Good-layout record: a creature on the map when `onMap`, else a party member.
    void applyGoodFields(const RecordFields& f, CCreature& creature, bool onMap);
    void applyCreatureType(CCreature& creature, uint8_t storedType) const;
    uint32_t percentFromFile(int64_t stored, int32_t maximum) const;
    bool oldHealthAndGold() const;

    CWorldEditorDoc& m_doc;
    Reporter& m_reporter;
    /// One row of the map as it is stored, reused from row to row.
    std::vector<uint8_t> m_rowTerrain;
    std::vector<uint8_t> m_rowOwner;
};

} // namespace gr2
