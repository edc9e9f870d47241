#pragma once
// The pixel size of a JPEG or PNG image as its own header states it, so that a page can give an
// image its width and height before the image has loaded (no jumping layout). Only the header is
// read: PNG's IHDR chunk, JPEG's frame header (the first SOF segment after the APP segments),
// with the EXIF orientation of a JPEG taken into account (a photo turned a quarter shows with
// width and height swapped). Any file that is neither, or whose header is broken (a segment that
// runs past the end, a size of 0), has no size: the page then gives none.
#include <optional>
#include <string>

namespace gdk {

struct Beeldmaat {
    int breedte = 0;
    int hoogte = 0;
    bool operator==(const Beeldmaat&) const = default;
};

// The size of the image in the file `pad1252` (through the resolver); none when it cannot be read.
std::optional<Beeldmaat> LeesBeeldmaat(const std::string& pad1252);
// The same from a regular file open as `fd` (read with pread: its offset stays where it is) of
// `grootte` bytes, as its stat tells: for a copy that has the file open already.
std::optional<Beeldmaat> BeeldmaatVan(int fd, long long grootte);

} // namespace gdk
