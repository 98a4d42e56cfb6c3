#include "script/CompareOp.h"

namespace gr2 {

namespace {

constexpr CompareOpInfo kOps[] = {
    {CompareOp::Less, u"<", u"Less Than"},
    {CompareOp::LessOrEqual, u"<=", u"Less / Equal To"},
    {CompareOp::Equal, u"=", u"Equal To"},
    {CompareOp::Greater, u">", u"Greater Than"},
    {CompareOp::GreaterOrEqual, u">=", u"Greater / Equal To"},
    {CompareOp::NotEqual, u"!=", u"Not Equal To"},
};

const CompareOpInfo* find(uint8_t code)
{
    for (const CompareOpInfo& op : kOps)
        if (uint8_t(op.code) == code)
            return &op;
    return nullptr;
}

} // namespace

std::span<const CompareOpInfo> compareOps()
{
    return kOps;
}

std::u16string_view compareOpSymbol(uint8_t code)
{
    const CompareOpInfo* op = find(code);
    return op ? op->symbol : std::u16string_view();
}

std::u16string_view compareOpName(uint8_t code)
{
    const CompareOpInfo* op = find(code);
    return op ? op->longName : std::u16string_view();
}

} // namespace gr2
