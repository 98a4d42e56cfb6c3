#pragma once
// The level's records besides its tiles in the form its files hold them, for the history: a
// capture writes the level description, players, script, variables and things as the save does
// (with fixed times, so the same level always gives the same bytes) plus what the files do not
// hold (build areas, the script's flag and timer marks); a restore reads them back as opening a
// level does.

#include "level/LevelHistory.h"

namespace gr2 {

class CTypeDatabase;

class LevelFileCodec : public LevelRecordCodec {
public:
    explicit LevelFileCodec(const CTypeDatabase& types) : m_types(types) {}

    std::vector<RecordBytes> capture(CWorldEditorDoc& doc) override;
    void restore(CWorldEditorDoc& doc, const std::vector<RecordBytes>& records) override;

private:
    const CTypeDatabase& m_types;
};

} // namespace gr2
