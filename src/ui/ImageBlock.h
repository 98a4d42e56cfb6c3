#pragma once
// Several pictures whose pixels share one block of memory, asked of the system in one piece.
// Memory touched for the first time costs a page fault per 4 KB page, and on a virtual machine
// each fault is dear: the icon sheets, the largest pixels the editor makes at start, took several
// milliseconds in faults alone. One block, started on a large-page boundary and marked for large
// pages where the system offers them, is faulted in a few steps instead of hundreds.

#include <QImage>
#include <QSize>

#include <span>
#include <vector>

namespace gr2::ImageBlock {

/// One RGB32 image per size, in the same order, its pixels uninitialised. A size without pixels
/// gives a null image, and so does every size when the block cannot be had. The images share the
/// block, which is given back when the last of them (and of their copies) is gone; writing into
/// one of them writes in place.
std::vector<QImage> makeRgb32(std::span<const QSize> sizes);

} // namespace gr2::ImageBlock
