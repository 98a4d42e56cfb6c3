#include "mapedit/GoodPairs.h"

#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

template <class T>
void findPairs(const TypeTable<T>& table, std::initializer_list<int> crates, std::vector<GoodPair>& out)
{
    for (int crate : crates) {
        const T* evil = nullptr;
        const T* good = nullptr;
        for (size_t i = 0; i < table.count(); ++i) {
            const T* type = table.at(i);
            if (type->crateObject() != crate)
                continue;
            if (type->isGood()) {
                if (!good)
                    good = type;
            } else if (!evil) {
                evil = type;
            }
        }
        if (evil && good)
            out.push_back({uint8_t(evil->id()), uint8_t(good->id())});
    }
}

} // namespace

GoodPairs GoodPairs::fromTypes(const CTypeDatabase& types)
{
    GoodPairs pairs;
    findPairs(types.doors(), {53, 56}, pairs.doors);
    findPairs(types.traps(), {5, 42}, pairs.traps);
    return pairs;
}

uint8_t GoodPairs::swap(const std::vector<GoodPair>& pairs, uint8_t type, bool forGood)
{
    for (const GoodPair& p : pairs) {
        if (forGood && type == p.evil)
            return p.good;
        if (!forGood && type == p.good)
            return p.evil;
    }
    return type;
}

} // namespace gr2
