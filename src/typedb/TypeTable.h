#pragma once
// One family's ordered table of owned type records. The order is file order, then creation order;
// it is the order of writing, of the palette and of every list shown to the user. Lookup by id is
// a linear search in table order, so the first record with an id wins. The search reads the id
// straight from each record's bytes: every thing and script element of a level looks its type up
// as the level opens, and tables are a few hundred records at most.

#include "typedb/CTypeRecord.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

namespace gr2 {

class TypeTableBase {
public:
    explicit TypeTableBase(TypeFamily family) : m_family(family) {}
    TypeTableBase(const TypeTableBase&) = delete;
    TypeTableBase& operator=(const TypeTableBase&) = delete;
    ~TypeTableBase() { deleteAll(); }

    TypeFamily family() const { return m_family; }
    size_t count() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }

    /// None when the index is out of range.
    CTypeRecord* recordAt(size_t index)
    {
        return index < m_records.size() ? m_records[index].get() : nullptr;
    }
    const CTypeRecord* recordAt(size_t index) const
    {
        return index < m_records.size() ? m_records[index].get() : nullptr;
    }
    /// The first record with the id; none for an id no record has.
    CTypeRecord* findRecordById(uint32_t id) { return recordAt(indexOfId(id)); }
    const CTypeRecord* findRecordById(uint32_t id) const { return recordAt(indexOfId(id)); }
    /// Index of the first record with the id, or count() when there is none.
    size_t indexOfId(uint32_t id) const
    {
        const FieldDef& idField = CTypeRecord::idField(m_family);
        for (size_t i = 0; i < m_records.size(); ++i)
            if (uint16_t(getIntField(m_records[i]->bytes(), idField)) == id)
                return i;
        return m_records.size();
    }
    size_t indexOf(const CTypeRecord* record) const
    {
        for (size_t i = 0; i < m_records.size(); ++i)
            if (m_records[i].get() == record)
                return i;
        return m_records.size();
    }

    /// Takes ownership. A record of another family is refused (and destroyed) with false.
    bool appendRecord(std::unique_ptr<CTypeRecord> record)
    {
        if (!record || record->family() != m_family)
            return false;
        m_records.push_back(std::move(record));
        return true;
    }
    /// Inserts at index (clamped to the end); used by editors that duplicate a record in place.
    bool insertRecord(size_t index, std::unique_ptr<CTypeRecord> record)
    {
        if (!record || record->family() != m_family)
            return false;
        index = std::min(index, m_records.size());
        m_records.insert(m_records.begin() + std::ptrdiff_t(index), std::move(record));
        return true;
    }
    /// Deletes the record; false and no change when the index is out of range.
    bool removeAt(size_t index)
    {
        if (index >= m_records.size())
            return false;
        m_records.erase(m_records.begin() + std::ptrdiff_t(index));
        return true;
    }
    /// Deletes every record, the last first.
    void deleteAll()
    {
        while (!m_records.empty())
            m_records.pop_back();
    }

private:
    TypeFamily m_family;
    std::vector<std::unique_ptr<CTypeRecord>> m_records;
};

/// The typed view of a family's table: T is the family's record class.
template <class T> class TypeTable : public TypeTableBase {
public:
    TypeTable() : TypeTableBase(T::kFamily) {}

    T* at(size_t index) { return static_cast<T*>(recordAt(index)); }
    const T* at(size_t index) const { return static_cast<const T*>(recordAt(index)); }
    T* findById(uint32_t id) { return static_cast<T*>(findRecordById(id)); }
    const T* findById(uint32_t id) const { return static_cast<const T*>(findRecordById(id)); }
    void append(std::unique_ptr<T> record) { appendRecord(std::move(record)); }

    /// Iteration in table order: for (const CRoomType& room : db.rooms()) ...
    template <class Table, class Ref> class Iterator {
    public:
        Iterator(Table* table, size_t index) : m_table(table), m_index(index) {}
        Ref operator*() const { return *m_table->at(m_index); }
        Iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        Table* m_table;
        size_t m_index;
    };
    auto begin() { return Iterator<TypeTable, T&>(this, 0); }
    auto end() { return Iterator<TypeTable, T&>(this, count()); }
    auto begin() const { return Iterator<const TypeTable, const T&>(this, 0); }
    auto end() const { return Iterator<const TypeTable, const T&>(this, count()); }
};

} // namespace gr2
