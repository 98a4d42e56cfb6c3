#include "level/LevelHistory.h"

#include "level/CWorldEditorDoc.h"

#include <algorithm>
#include <cstring>

namespace gr2 {

namespace {

/// Unchanged cells between two changed ones shorter than this join one run: a run costs more to
/// describe than a few bytes kept twice.
constexpr uint32_t kRunGap = 8;

} // namespace

LevelHistory::LevelHistory() = default;
LevelHistory::~LevelHistory() = default;

void LevelHistory::setCodec(std::unique_ptr<LevelRecordCodec> codec)
{
    m_codec = std::move(codec);
    m_haveBaseline = false;
}

void LevelHistory::setStepLimit(size_t steps)
{
    m_limit = std::max<size_t>(steps, 1);
    while (m_steps.size() > m_limit && m_position > 0) {
        m_steps.erase(m_steps.begin());
        --m_position;
        if (m_savedPosition)
            m_savedPosition =
                *m_savedPosition > 0 ? std::optional<size_t>(*m_savedPosition - 1) : std::nullopt;
    }
    while (m_steps.size() > m_limit)
        m_steps.pop_back();
}

void LevelHistory::clear(bool saved)
{
    m_steps.clear();
    ++m_revision;
    m_position = 0;
    m_savedPosition = saved ? std::optional<size_t>(0) : std::nullopt;
    m_haveBaseline = false;
    m_terrain.clear();
    m_owner.clear();
    m_records.clear();
}

void LevelHistory::takeBaseline(CWorldEditorDoc& doc)
{
    m_width = doc.width();
    m_height = doc.height();
    m_terrain.assign(doc.terrainTiles().begin(), doc.terrainTiles().end());
    m_owner.assign(doc.ownerTiles().begin(), doc.ownerTiles().end());
    m_records = m_codec ? m_codec->capture(doc) : std::vector<RecordBytes>{};
    m_haveBaseline = true;
}

void LevelHistory::begin(CWorldEditorDoc& doc, const std::string& name)
{
    if (m_depth++ > 0)
        return;
    m_openName = name;
    if (!m_haveBaseline)
        takeBaseline(doc);
}

void LevelHistory::end(CWorldEditorDoc& doc)
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    Step step;
    step.name = std::move(m_openName);
    step.map = diffMap(doc);
    step.records = diffRecords(doc);
    if (step.map.empty() && step.records.empty())
        return;
    record(std::move(step));
    // The step changed the level: whether it now differs from its files depends on where the
    // saved state lies, which a step after an undo may have cut off.
    doc.SetModifiedFlag(!atSavedState());
}

LevelHistory::MapChange LevelHistory::diffMap(const CWorldEditorDoc& doc)
{
    MapChange change;
    const auto terrain = doc.terrainTiles();
    const auto owner = doc.ownerTiles();
    if (doc.width() != m_width || doc.height() != m_height || terrain.size() != m_terrain.size()) {
        change.resized = true;
        change.oldWidth = m_width;
        change.oldHeight = m_height;
        change.newWidth = doc.width();
        change.newHeight = doc.height();
        change.before = m_terrain;
        change.before.insert(change.before.end(), m_owner.begin(), m_owner.end());
        change.after.assign(terrain.begin(), terrain.end());
        change.after.insert(change.after.end(), owner.begin(), owner.end());
    } else {
        const size_t width = m_width;
        for (size_t row = 0; row < m_height; ++row) {
            const size_t first = row * width;
            // Most rows of most steps are untouched: compare them whole first.
            if (std::memcmp(&terrain[first], &m_terrain[first], width) == 0 &&
                std::memcmp(&owner[first], &m_owner[first], width) == 0)
                continue;
            size_t x = 0;
            while (x < width) {
                auto differs = [&](size_t i) {
                    return terrain[first + i] != m_terrain[first + i] ||
                           owner[first + i] != m_owner[first + i];
                };
                if (!differs(x)) {
                    ++x;
                    continue;
                }
                size_t end = x + 1;
                for (size_t probe = end; probe < width && probe < end + kRunGap; ++probe)
                    if (differs(probe))
                        end = probe + 1;
                change.runs.push_back({uint32_t(first + x), uint32_t(end - x)});
                x = end;
            }
        }
        for (const TileRun& run : change.runs) {
            auto at = [&](const auto& v) { return v.begin() + run.start; };
            change.before.insert(change.before.end(), at(m_terrain), at(m_terrain) + run.length);
            change.before.insert(change.before.end(), at(m_owner), at(m_owner) + run.length);
            change.after.insert(change.after.end(), at(terrain), at(terrain) + run.length);
            change.after.insert(change.after.end(), at(owner), at(owner) + run.length);
        }
    }
    m_width = doc.width();
    m_height = doc.height();
    if (change.resized) {
        m_terrain.assign(terrain.begin(), terrain.end());
        m_owner.assign(owner.begin(), owner.end());
    } else {
        for (const TileRun& run : change.runs) {
            std::copy_n(terrain.begin() + run.start, run.length, m_terrain.begin() + run.start);
            std::copy_n(owner.begin() + run.start, run.length, m_owner.begin() + run.start);
        }
    }
    return change;
}

std::vector<LevelHistory::RecordSplice> LevelHistory::diffRecords(CWorldEditorDoc& doc)
{
    std::vector<RecordSplice> splices;
    if (!m_codec)
        return splices;
    std::vector<RecordBytes> now = m_codec->capture(doc);
    m_records.resize(std::max(m_records.size(), now.size()));
    now.resize(m_records.size());
    for (size_t i = 0; i < now.size(); ++i) {
        const RecordBytes& old = m_records[i];
        const RecordBytes& cur = now[i];
        if (old == cur)
            continue;
        const size_t shorter = std::min(old.size(), cur.size());
        size_t prefix = 0;
        while (prefix < shorter && old[prefix] == cur[prefix])
            ++prefix;
        size_t suffix = 0;
        while (suffix < shorter - prefix && old[old.size() - 1 - suffix] == cur[cur.size() - 1 - suffix])
            ++suffix;
        RecordSplice splice;
        splice.record = i;
        splice.offset = prefix;
        splice.before.assign(old.begin() + prefix, old.end() - suffix);
        splice.after.assign(cur.begin() + prefix, cur.end() - suffix);
        splices.push_back(std::move(splice));
        m_records[i] = std::move(now[i]);
    }
    return splices;
}

void LevelHistory::record(Step step)
{
    // A new step after undoing cuts off the steps that were undone; if the saved state was among
    // them, no step leads back to it.
    m_steps.erase(m_steps.begin() + ptrdiff_t(m_position), m_steps.end());
    if (m_savedPosition && *m_savedPosition > m_position)
        m_savedPosition.reset();
    m_steps.push_back(std::move(step));
    ++m_revision;
    ++m_position;
    setStepLimit(m_limit);
}

std::string LevelHistory::undoName() const
{
    return canUndo() ? m_steps[m_position - 1].name : std::string();
}

std::string LevelHistory::redoName() const
{
    return canRedo() ? m_steps[m_position].name : std::string();
}

const std::string& LevelHistory::stepName(size_t index) const
{
    return m_steps.at(index).name;
}

bool LevelHistory::undo(CWorldEditorDoc& doc)
{
    if (!canUndo())
        return false;
    --m_position;
    apply(doc, m_steps[m_position], false);
    doc.SetModifiedFlag(!atSavedState());
    return true;
}

bool LevelHistory::redo(CWorldEditorDoc& doc)
{
    if (!canRedo())
        return false;
    apply(doc, m_steps[m_position], true);
    ++m_position;
    doc.SetModifiedFlag(!atSavedState());
    return true;
}

void LevelHistory::goTo(CWorldEditorDoc& doc, size_t position)
{
    position = std::min(position, m_steps.size());
    while (m_position > position && undo(doc)) {
    }
    while (m_position < position && redo(doc)) {
    }
}

void LevelHistory::apply(CWorldEditorDoc& doc, const Step& step, bool forward)
{
    applyMap(doc, step.map, forward);
    if (!step.records.empty() && m_codec) {
        auto splice = [&](const RecordSplice& s) {
            RecordBytes& bytes = m_records[s.record];
            const RecordBytes& from = forward ? s.before : s.after;
            const RecordBytes& to = forward ? s.after : s.before;
            bytes.erase(bytes.begin() + ptrdiff_t(s.offset),
                        bytes.begin() + ptrdiff_t(s.offset + from.size()));
            bytes.insert(bytes.begin() + ptrdiff_t(s.offset), to.begin(), to.end());
        };
        for (const RecordSplice& s : step.records)
            splice(s);
        m_codec->restore(doc, m_records);
    }
}

void LevelHistory::applyMap(CWorldEditorDoc& doc, const MapChange& change, bool forward)
{
    const std::vector<uint8_t>& bytes = forward ? change.after : change.before;
    if (change.resized) {
        const uint32_t width = forward ? change.newWidth : change.oldWidth;
        const uint32_t height = forward ? change.newHeight : change.oldHeight;
        const size_t cells = size_t(width) * height;
        m_width = width;
        m_height = height;
        m_terrain.assign(bytes.begin(), bytes.begin() + ptrdiff_t(cells));
        m_owner.assign(bytes.begin() + ptrdiff_t(cells), bytes.end());
        doc.restoreMap(width, height, m_terrain, m_owner);
        return;
    }
    if (change.runs.empty())
        return;
    TileRect touched{int32_t(m_width), int32_t(m_height), -1, -1};
    size_t at = 0;
    for (const TileRun& run : change.runs) {
        std::copy_n(bytes.begin() + ptrdiff_t(at), run.length, m_terrain.begin() + run.start);
        std::copy_n(bytes.begin() + ptrdiff_t(at + run.length), run.length, m_owner.begin() + run.start);
        at += 2 * size_t(run.length);
        const int32_t y = int32_t(run.start / m_width);
        const int32_t x = int32_t(run.start % m_width);
        touched.left = std::min(touched.left, x);
        touched.right = std::max(touched.right, x + int32_t(run.length) - 1);
        touched.top = std::min(touched.top, y);
        touched.bottom = std::max(touched.bottom, y);
    }
    doc.restoreTiles(touched, m_terrain, m_owner);
}

size_t LevelHistory::memoryUsed() const
{
    size_t total = 0;
    for (const Step& step : m_steps) {
        total += sizeof(Step) + step.name.capacity() + step.map.before.capacity() +
                 step.map.after.capacity() + step.map.runs.capacity() * sizeof(TileRun);
        for (const RecordSplice& s : step.records)
            total += sizeof(RecordSplice) + s.before.capacity() + s.after.capacity();
    }
    return total;
}

} // namespace gr2
