#include "mapedit/TileBrush.h"

#include <utility>

namespace gr2 {

void TileBrush::flipX()
{
    for (BrushCell& c : cells)
        c.offset.x = 2 * origin.x + width - c.offset.x - 1;
}

void TileBrush::flipY()
{
    for (BrushCell& c : cells)
        c.offset.y = 2 * origin.y + height - c.offset.y - 1;
}

namespace {

void exchangeAxes(TileBrush& b)
{
    for (BrushCell& c : b.cells)
        c.offset = {c.offset.y + b.origin.x - b.origin.y, c.offset.x + b.origin.y - b.origin.x};
    // The exchanged cells span the other extent; mirroring within the old one would push a
    // non-square brush outside its own box.
    std::swap(b.width, b.height);
}

} // namespace

void TileBrush::rotateStepA()
{
    exchangeAxes(*this);
    flipX();
}

void TileBrush::rotateStepB()
{
    exchangeAxes(*this);
    flipY();
}

void TileBrush::rotate(Turn turn)
{
    switch (turn) {
    case Turn::Right:
        rotateStepA();
        break;
    case Turn::Left:
        rotateStepB();
        break;
    case Turn::Half:
        rotateStepB();
        rotateStepB();
        break;
    }
}

const BrushCell* TileBrush::cellAt(TilePoint offset) const
{
    for (const BrushCell& c : cells)
        if (c.offset == offset)
            return &c;
    return nullptr;
}

} // namespace gr2
