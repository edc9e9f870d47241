#include "data/beeldmaten.h"

#include "support/tijdelijke_map.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace gdk {
namespace {

using test::TijdelijkeMap;

std::string B16(unsigned n) {
    return {static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)};
}
std::string B32(unsigned n) {
    return B16(n >> 16) + B16(n & 0xFFFF);
}
std::string Segment(unsigned char marker, const std::string& inhoud) {
    return std::string("\xFF") + static_cast<char>(marker) + B16(static_cast<unsigned>(inhoud.size()) + 2) +
           inhoud;
}
// A frame header: precision 8, height, width, one component.
std::string Sof(unsigned char marker, unsigned b, unsigned h) {
    return Segment(marker, std::string("\x08") + B16(h) + B16(b) + std::string("\x01\x01\x11\x00", 4));
}
const std::string Soi = "\xFF\xD8";
const std::string Jfif = Segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
// An EXIF segment (big- or little-endian TIFF) whose first IFD holds only the orientation.
std::string Exif(int orientatie, bool klein) {
    const auto u16 = [&](unsigned v) { return klein ? std::string{char(v & 0xFF), char(v >> 8)} : B16(v); };
    const auto u32 = [&](unsigned v) { return klein ? u16(v & 0xFFFF) + u16(v >> 16) : B32(v); };
    const std::string tiff = std::string(klein ? "II" : "MM") + u16(42) + u32(8) + u16(1) + u16(0x0112) +
                             u16(3) + u32(1) + u16(static_cast<unsigned>(orientatie)) + u16(0) + u32(0);
    return Segment(0xE1, std::string("Exif\0\0", 6) + tiff);
}
std::string Png(unsigned b, unsigned h, const char* chunk = "IHDR") {
    return std::string("\x89PNG\r\n\x1A\n", 8) + B32(13) + chunk + B32(b) + B32(h) +
           std::string("\x08\x02\0\0\0", 5) + B32(0);
}

struct Geval {
    const char* wat;
    std::string bytes;
    std::optional<Beeldmaat> maat;
};

TEST(LeesBeeldmaat, FromTheHeaderOrNone) {
    const Geval gevallen[] = {
        {"baseline", Soi + Jfif + Sof(0xC0, 600, 900) + "\xFF\xDA", Beeldmaat{600, 900}},
        {"progressive", Soi + Jfif + Sof(0xC2, 640, 480), Beeldmaat{640, 480}},
        {"huffman table before the frame", Soi + Segment(0xC4, std::string(30, '\0')) + Sof(0xC1, 20, 10),
         Beeldmaat{20, 10}},
        {"fill bytes before a marker", Soi + "\xFF\xFF" + Jfif + Sof(0xC0, 3, 4), Beeldmaat{3, 4}},
        {"exif turned a quarter", Soi + Exif(6, false) + Sof(0xC0, 600, 900), Beeldmaat{900, 600}},
        {"exif little-endian turned", Soi + Exif(8, true) + Sof(0xC0, 600, 900), Beeldmaat{900, 600}},
        {"exif upside down keeps", Soi + Exif(3, true) + Sof(0xC0, 600, 900), Beeldmaat{600, 900}},
        {"png", Png(1200, 800), Beeldmaat{1200, 800}},
        {"jpeg height 0", Soi + Sof(0xC0, 600, 0), std::nullopt},
        {"scan before any frame", Soi + Jfif + "\xFF\xDA" + B16(8), std::nullopt},
        {"segment past the end", Soi + "\xFF\xE0" + B16(60000) + "JFIF", std::nullopt},
        {"frame cut short", Soi + "\xFF\xC0" + B16(17) + "\x08\x03", std::nullopt},
        {"garbage after the start", Soi + "garbage", std::nullopt},
        {"segment length below 2", Soi + "\xFF\xE0" + B16(1), std::nullopt},
        {"png without IHDR first", Png(10, 10, "IDAT"), std::nullopt},
        {"png width 0", Png(0, 10), std::nullopt},
        {"png cut short", Png(10, 10).substr(0, 20), std::nullopt},
        {"gif", "GIF89a\x10\0\x10\0", std::nullopt},
        {"empty", "", std::nullopt},
    };
    TijdelijkeMap map;
    for (const Geval& g : gevallen) {
        const std::string pad = map.Schrijf("beeld", g.bytes);
        EXPECT_EQ(LeesBeeldmaat(pad), g.maat) << g.wat;
        // As a copy that has it open reads it, its size known.
        const int fd = ::open(pad.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(BeeldmaatVan(fd, static_cast<long long>(g.bytes.size())), g.maat) << g.wat;
        ::close(fd);
    }
}

// Files made by a real encoder (ImageMagick, which the build script installs), progressive too.
TEST(LeesBeeldmaat, FilesOfARealEncoderAndWhatIsNoFile) {
    TijdelijkeMap map;
    const std::string m = map.tekst();
    const std::string opdracht = "convert -size 37x53 xc:white " + m +
                                 "/a.jpg && convert -size 37x53 xc:white "
                                 "-interlace Plane " +
                                 m + "/b.jpg && convert -size 41x29 xc:white " + m + "/c.png";
    if (std::system(opdracht.c_str()) != 0) GTEST_SKIP() << "convert (imagemagick) ontbreekt";
    EXPECT_EQ(LeesBeeldmaat(m + "/a.jpg"), (Beeldmaat{37, 53}));
    EXPECT_EQ(LeesBeeldmaat(m + "/b.jpg"), (Beeldmaat{37, 53}));
    EXPECT_EQ(LeesBeeldmaat(m + "/c.png"), (Beeldmaat{41, 29}));
    EXPECT_EQ(LeesBeeldmaat(m), std::nullopt);
    EXPECT_EQ(LeesBeeldmaat(m + "/ontbreekt.jpg"), std::nullopt);
}

} // namespace
} // namespace gdk
