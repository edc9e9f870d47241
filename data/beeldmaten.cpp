#include "data/beeldmaten.h"

#include "platform/bestanden.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

namespace gdk {
namespace {

struct Sluiter {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Bestand = std::unique_ptr<std::FILE, Sluiter>;

// A size as a page may give it: positive and of a size a browser lays out.
std::optional<Beeldmaat> Maat(std::uint32_t b, std::uint32_t h, bool gedraaid = false) {
    constexpr std::uint32_t grootste = 1u << 20;
    if (b == 0 || h == 0 || b > grootste || h > grootste) return std::nullopt;
    const Beeldmaat m{static_cast<int>(b), static_cast<int>(h)};
    return gedraaid ? Beeldmaat{m.hoogte, m.breedte} : m;
}

std::uint32_t Groot16(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 8) | p[1];
}
std::uint32_t Groot32(const unsigned char* p) {
    return (Groot16(p) << 16) | Groot16(p + 2);
}

bool Lees(std::FILE* f, unsigned char* uit, std::size_t n) {
    return std::fread(uit, 1, n, f) == n;
}

std::optional<Beeldmaat> Png(std::FILE* f) {
    // After the 8-byte signature the first chunk must be IHDR of 13 bytes: width, height first.
    unsigned char kop[16];
    if (!Lees(f, kop, sizeof kop)) return std::nullopt;
    if (Groot32(kop) != 13 || std::string_view(reinterpret_cast<const char*>(kop + 4), 4) != "IHDR")
        return std::nullopt;
    const std::uint32_t b = Groot32(kop + 8), h = Groot32(kop + 12);
    if (b > 0x7FFFFFFFu || h > 0x7FFFFFFFu) return std::nullopt;
    return Maat(b, h);
}

// The orientation (1 to 8) in the TIFF structure of an EXIF segment, or 0 without one.
int ExifOrientatie(std::string_view tiff) {
    if (tiff.size() < 8) return 0;
    const bool klein = tiff.substr(0, 2) == "II";
    if (!klein && tiff.substr(0, 2) != "MM") return 0;
    const auto u = [&](std::size_t pos, int n) -> std::uint32_t {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const auto byte = static_cast<unsigned char>(tiff[pos + static_cast<std::size_t>(i)]);
            v = klein ? v | (std::uint32_t{byte} << (8 * i)) : (v << 8) | byte;
        }
        return v;
    };
    const std::uint32_t ifd = u(4, 4);
    if (ifd > tiff.size() - 2) return 0;
    const std::uint32_t aantal = u(ifd, 2);
    for (std::uint32_t i = 0; i < aantal; ++i) {
        const std::size_t e = ifd + 2 + 12 * std::size_t{i};
        if (e + 12 > tiff.size()) return 0;
        if (u(e, 2) == 0x0112) {
            const std::uint32_t v = u(e + 8, 2);
            return v >= 1 && v <= 8 ? static_cast<int>(v) : 0;
        }
    }
    return 0;
}

std::optional<Beeldmaat> Jpeg(std::FILE* f) {
    int orientatie = 0;
    // A real file reaches its frame header after a handful of segments; a damaged one that
    // repeats markers without end is given up.
    for (int segment = 0; segment < 4096; ++segment) {
        int c = std::fgetc(f);
        if (c != 0xFF) return std::nullopt;
        while (c == 0xFF) // fill bytes before a marker
            c = std::fgetc(f);
        if (c == EOF) return std::nullopt;
        if (c == 0x01 || (c >= 0xD0 && c <= 0xD7)) continue;          // markers without a segment
        if (c == 0xD8 || c == 0xD9 || c == 0xDA) return std::nullopt; // no frame before the scan
        unsigned char lengte[2];
        if (!Lees(f, lengte, 2)) return std::nullopt;
        const std::uint32_t n = Groot16(lengte);
        if (n < 2) return std::nullopt;
        const bool frame = c >= 0xC0 && c <= 0xCF && c != 0xC4 && c != 0xC8 && c != 0xCC;
        if (frame) {
            unsigned char sof[5]; // precision, height, width
            if (n < 2 + sizeof sof || !Lees(f, sof, sizeof sof)) return std::nullopt;
            return Maat(Groot16(sof + 3), Groot16(sof + 1), orientatie >= 5);
        }
        if (c == 0xE1 && orientatie == 0 && n >= 2 + 14) {
            std::string inhoud(n - 2, '\0');
            if (!Lees(f, reinterpret_cast<unsigned char*>(inhoud.data()), inhoud.size())) return std::nullopt;
            if (inhoud.compare(0, 6, std::string_view("Exif\0\0", 6)) == 0)
                orientatie = ExifOrientatie(std::string_view(inhoud).substr(6));
            continue;
        }
        if (std::fseek(f, static_cast<long>(n - 2), SEEK_CUR) != 0) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<Beeldmaat> LeesBeeldmaat(const std::string& pad1252) {
    if (!fs::GewoonBestandBestaat(pad1252)) return std::nullopt;
    const Bestand f(fs::OpenBestand(pad1252));
    if (!f) return std::nullopt;
    unsigned char begin[8];
    if (!Lees(f.get(), begin, 2)) return std::nullopt;
    if (begin[0] == 0xFF && begin[1] == 0xD8) return Jpeg(f.get());
    if (!Lees(f.get(), begin + 2, 6)) return std::nullopt;
    if (std::string_view(reinterpret_cast<const char*>(begin), 8) == "\x89PNG\r\n\x1A\n") return Png(f.get());
    return std::nullopt;
}

} // namespace gdk
