#pragma once
// A level's history of user steps, for Undo and Redo. Rather than an inverse for every command,
// the history compares the level after a step with the level as the previous step left it (the
// baseline) and keeps only what differs: the tiles that changed, as runs of before and after
// bytes, and the byte ranges that changed in the level's records (players, things, script,
// properties, variables) serialized by a LevelRecordCodec. Any operation of the document is thus
// undoable without code of its own, and a step costs memory in proportion to what it changed.
//
// Steps are opened and closed by EditStep; they nest, the outermost one closes the step, and a
// step that changed nothing is dropped.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CWorldEditorDoc;

using RecordBytes = std::vector<uint8_t>;

/// The level's content besides its tiles as byte blocks, and back. The same level always gives
/// the same bytes; restoring bytes and capturing again gives them back unchanged.
class LevelRecordCodec {
public:
    virtual ~LevelRecordCodec() = default;
    virtual std::vector<RecordBytes> capture(CWorldEditorDoc& doc) = 0;
    /// Replaces the level's content besides its tiles by the blocks; observers hear a level reset.
    virtual void restore(CWorldEditorDoc& doc, const std::vector<RecordBytes>& records) = 0;
};

class LevelHistory {
public:
    static constexpr size_t kDefaultStepLimit = 100;

    LevelHistory();
    ~LevelHistory();
    LevelHistory(const LevelHistory&) = delete;
    LevelHistory& operator=(const LevelHistory&) = delete;

    void setCodec(std::unique_ptr<LevelRecordCodec> codec);
    bool hasCodec() const { return m_codec != nullptr; }

    /// The oldest steps are forgotten beyond this many (at least 1).
    void setStepLimit(size_t steps);
    size_t stepLimit() const { return m_limit; }

    /// Forgets every step; the level as it is now is the start of the history (new or opened
    /// level, content replaced outside the history).
    /// `saved`: whether that level is the one its files hold (an opened level, not a new one).
    void clear(bool saved);

    /// A user action starts (EditStep). Only the outermost call names the step.
    void begin(CWorldEditorDoc& doc, const std::string& name);
    /// The user action ends; the outermost end records the step if the level changed.
    void end(CWorldEditorDoc& doc);
    bool isRecording() const { return m_depth > 0; }

    bool canUndo() const { return m_depth == 0 && m_position > 0; }
    bool canRedo() const { return m_depth == 0 && m_position < m_steps.size(); }
    /// The name of the step Undo (Redo) would take back (do again); empty when none.
    std::string undoName() const;
    std::string redoName() const;
    bool undo(CWorldEditorDoc& doc);
    bool redo(CWorldEditorDoc& doc);

    /// Steps in order, oldest first; steps before position() are done, the others undone.
    size_t stepCount() const { return m_steps.size(); }
    size_t position() const { return m_position; }
    const std::string& stepName(size_t index) const;
    /// Undoes or redoes until `position` steps are done.
    void goTo(CWorldEditorDoc& doc, size_t position);

    /// The level as it is now is the state its files hold (opened or saved).
    void markSaved() { m_savedPosition = m_position; }
    /// Whether the history stands where the level was last saved.
    bool atSavedState() const { return m_savedPosition == m_position; }

    /// Changes whenever the list of steps changes (a step recorded, steps forgotten).
    uint64_t revision() const { return m_revision; }

    /// Bytes held by the steps (not counting the baseline, one copy of the level).
    size_t memoryUsed() const;

private:
    /// Cells start..start+length-1 of the map, row by row, changed in a step.
    struct TileRun {
        uint32_t start = 0;
        uint32_t length = 0;
    };
    /// The tiles a step changed. A step that resized the map keeps both whole maps; otherwise
    /// the runs of changed cells with their terrain and owner bytes before and after, run after
    /// run (terrain bytes, then owner bytes).
    struct MapChange {
        bool resized = false;
        uint32_t oldWidth = 0, oldHeight = 0, newWidth = 0, newHeight = 0;
        std::vector<TileRun> runs;
        std::vector<uint8_t> before;
        std::vector<uint8_t> after;
        bool empty() const { return !resized && runs.empty(); }
    };
    /// One record block changed in a step: the bytes from `offset` were `before` and became
    /// `after` (the common beginning and end of the block are not kept).
    struct RecordSplice {
        size_t record = 0;
        size_t offset = 0;
        RecordBytes before;
        RecordBytes after;
    };
    struct Step {
        std::string name;
        MapChange map;
        std::vector<RecordSplice> records;
    };

    void takeBaseline(CWorldEditorDoc& doc);
    MapChange diffMap(const CWorldEditorDoc& doc);
    std::vector<RecordSplice> diffRecords(CWorldEditorDoc& doc);
    void record(Step step);
    void apply(CWorldEditorDoc& doc, const Step& step, bool forward);
    void applyMap(CWorldEditorDoc& doc, const MapChange& change, bool forward);

    std::unique_ptr<LevelRecordCodec> m_codec;
    std::vector<Step> m_steps;
    size_t m_position = 0;
    std::optional<size_t> m_savedPosition = 0;
    size_t m_limit = kDefaultStepLimit;

    uint64_t m_revision = 0;
    int m_depth = 0;
    std::string m_openName;

    // The level as the last step left it.
    bool m_haveBaseline = false;
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    std::vector<uint8_t> m_terrain;
    std::vector<uint8_t> m_owner;
    std::vector<RecordBytes> m_records;
};

} // namespace gr2
