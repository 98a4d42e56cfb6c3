#pragma once
// Builds a level's script in code for tests. Elements are added the way a Triggers file adds them
// (appended with the links given, nothing resolved), so tests can lay down any structure a file
// could hold, hostile ones included.

#include "level/CWorldEditorDoc.h"
#include "script/LevelScript.h"

namespace gr2::test {

class ScriptBuilder {
public:
    /// Gives the document a LevelScript (the document owns it).
    explicit ScriptBuilder(CWorldEditorDoc& doc);

    LevelScript& script() { return m_script; }

    CTrigger& trigger(int16_t id, int16_t next = 0, int16_t child = 0, uint8_t kind = 0);
    CAction& action(int16_t id, int16_t next = 0, uint8_t kind = 0);

    /// The ids of the chain from `head`, following next links (at most `limit`, so a test of a
    /// broken chain still ends).
    std::vector<int16_t> chain(int16_t head, size_t limit = 64) const;

private:
    LevelScript& m_script;
};

} // namespace gr2::test
