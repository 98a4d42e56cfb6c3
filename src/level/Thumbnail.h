#pragma once
// The small picture of a level's map that every Save command writes next to the level: one pixel
// per tile, coloured from the game's colour table by terrain and owner, scaled to 144 × 144 with
// bilinear filtering and stored as a 24-bit BMP in a "Thumbnails" folder.

#include "images/BmpFile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace gr2 {

class CWorldEditorDoc;

/// The 549 colour slots, all black until the colour table "Maps/Thumbnails/MapColours.png" below
/// the root has been read. One table serves the whole run; a table that could not be read is
/// tried again the next time a level asks for it.
class ThumbnailColours {
public:
    static constexpr size_t kSlots = 549;

    /// The table the editor shares between its documents.
    static ThumbnailColours& shared();
    static std::filesystem::path imagePath(const std::filesystem::path& rootDirectory);

    /// Reads the colour table unless it was read before; answers whether the slots are filled.
    bool ensureLoaded(const std::filesystem::path& rootDirectory);
    /// Fills the slots from decoded pixels (0xAARRGGBB, row order) as the table lays them out;
    /// pixels beyond the layout are ignored, missing ones leave their slots black.
    void fill(std::span<const uint32_t> pixels);
    bool isLoaded() const { return m_loaded; }
    /// The colour of a slot as 0x00RRGGBB; black for a slot out of range.
    uint32_t colour(size_t slot) const { return slot < kSlots ? m_slots[slot] : 0; }

private:
    std::array<uint32_t, kSlots> m_slots{};
    bool m_loaded = false;
};

namespace Thumbnail {

inline constexpr int kSize = 144;
/// The colours used and important of the thumbnail's information header, as the game writes them.
inline constexpr uint32_t kColoursUsed = 16777216;

/// The colour slot of a tile of terrain t owned by player o.
size_t colourSlot(uint8_t terrain, uint8_t owner);
/// One pixel per tile; an empty map gives an empty image.
RgbImage drawMap(const CWorldEditorDoc& doc, const ThumbnailColours& colours);
/// The 144 × 144 bilinear scaling in 8.8 fixed point; a source one pixel wide or high clamps its
/// neighbour to the last pixel. An empty source gives a black picture.
RgbImage scale(const RgbImage& source);

/// The folder of a level's thumbnail for the document title: beside the level in "Thumbnails" when
/// the title holds a folder, else the root's "Maps/Thumbnails".
std::filesystem::path folderFor(const std::string& title, const std::filesystem::path& rootDirectory);
/// The file name: the title's last part without its last four characters, then "144.bmp".
std::string fileNameFor(const std::string& title);

/// Writes the thumbnail of the level. The folder is made when missing (one level); answers the
/// file written, or none when the folder could not be made or the file could not be written.
std::optional<std::filesystem::path> write(const CWorldEditorDoc& doc, const ThumbnailColours& colours,
                                           const std::filesystem::path& rootDirectory);

} // namespace Thumbnail

} // namespace gr2
