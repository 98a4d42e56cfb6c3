#include "support/ScriptBuilder.h"

namespace gr2::test {

namespace {

LevelScript& install(CWorldEditorDoc& doc)
{
    auto script = std::make_unique<LevelScript>(doc);
    LevelScript& s = *script;
    doc.adoptScript(std::move(script));
    return s;
}

} // namespace

ScriptBuilder::ScriptBuilder(CWorldEditorDoc& doc) : m_script(install(doc)) {}

CTrigger& ScriptBuilder::trigger(int16_t id, int16_t next, int16_t child, uint8_t kind)
{
    auto t = m_script.makeTrigger();
    t->setId(id);
    t->setNext(next);
    t->setChild(child);
    t->setKind(kind);
    return *m_script.addLoadedTrigger(std::move(t));
}

CAction& ScriptBuilder::action(int16_t id, int16_t next, uint8_t kind)
{
    auto a = m_script.makeAction();
    a->setId(id);
    a->setNext(next);
    a->setKind(kind);
    return *m_script.addLoadedAction(std::move(a));
}

std::vector<int16_t> ScriptBuilder::chain(int16_t head, size_t limit) const
{
    std::vector<int16_t> ids;
    for (int16_t id = head; id != 0 && ids.size() < limit;) {
        ids.push_back(id);
        ScriptElement e = m_script.element(id);
        if (!e)
            break;
        id = e.next();
    }
    return ids;
}

} // namespace gr2::test
