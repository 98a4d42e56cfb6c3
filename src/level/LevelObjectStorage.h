#pragma once
// Where level objects live. A level holds thousands of them (its triggers, actions and things),
// made one by one while a level is read and dropped together when it closes; a heap block each
// made that the larger part of opening a level. They come instead from fixed-size slots carved
// out of large blocks, and a dropped object's slot is taken by the next object of its size.

#include <cstddef>

namespace gr2::LevelObjectStorage {

/// Room for one object of `size` bytes, aligned as operator new aligns.
void* allocate(std::size_t size);
/// Gives back what allocate(size) answered, with the same size.
void release(void* object, std::size_t size) noexcept;

} // namespace gr2::LevelObjectStorage
