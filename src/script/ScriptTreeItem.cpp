#include "script/ScriptTreeItem.h"

#include <algorithm>

namespace gr2 {

ScriptTreeItem::~ScriptTreeItem()
{
    std::vector<std::unique_ptr<ScriptTreeItem>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<ScriptTreeItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto& c : item->m_children)
            pending.push_back(std::move(c));
        item->m_children.clear();
    }
}

size_t ScriptTreeItem::row() const
{
    if (!m_parent)
        return 0;
    const auto& siblings = m_parent->m_children;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == this; });
    return size_t(it - siblings.begin());
}

bool ScriptTreeItem::contains(const ScriptTreeItem& other) const
{
    for (const ScriptTreeItem* p = &other; p; p = p->m_parent)
        if (p == this)
            return true;
    return false;
}

ScriptTreeItem* ScriptTreeItem::insertChild(size_t row, std::unique_ptr<ScriptTreeItem> item)
{
    row = std::min(row, m_children.size());
    item->m_parent = this;
    ScriptTreeItem* raw = item.get();
    m_children.insert(m_children.begin() + std::ptrdiff_t(row), std::move(item));
    return raw;
}

std::unique_ptr<ScriptTreeItem> ScriptTreeItem::takeChild(size_t row)
{
    if (row >= m_children.size())
        return nullptr;
    std::unique_ptr<ScriptTreeItem> item = std::move(m_children[row]);
    m_children.erase(m_children.begin() + std::ptrdiff_t(row));
    item->m_parent = nullptr;
    return item;
}

} // namespace gr2
