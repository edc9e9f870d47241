#include "data/beeldmaten.h"

#include "platform/bestanden.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>
#include <unistd.h>

namespace gdk {
namespace {

struct Sluiter {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Bestand = std::unique_ptr<std::FILE, Sluiter>;

// Reads a file from where it stands, a block at a time with pread: the header lies in the first
// few kilobytes, and passing a segment (an EXIF thumbnail of tens of kilobytes) costs nothing
// until a read needs bytes beyond it. A type 4 export asks this of every face of every card.
// Where the size is known, a segment said to run past the end is found so without a read.
class Lezer {
  public:
    explicit Lezer(int fd, off_t grootte = std::numeric_limits<off_t>::max()) : fd_(fd), grootte_(grootte) {}
    bool Lees(unsigned char* uit, std::size_t n) {
        if (plek_ > grootte_ || static_cast<off_t>(n) > grootte_ - plek_) return false;
        while (n > 0) {
            if (plek_ < begin_ || plek_ >= begin_ + static_cast<off_t>(gevuld_)) {
                const ssize_t r = ::pread(fd_, buf_, sizeof buf_, plek_);
                if (r <= 0) return false;
                begin_ = plek_;
                gevuld_ = static_cast<std::size_t>(r);
            }
            const auto in = static_cast<std::size_t>(plek_ - begin_);
            const std::size_t stuk = std::min(n, gevuld_ - in);
            std::memcpy(uit, buf_ + in, stuk);
            uit += stuk;
            n -= stuk;
            plek_ += static_cast<off_t>(stuk);
        }
        return true;
    }
    // The next byte, or -1 at the end.
    int Byte() {
        unsigned char c = 0;
        return Lees(&c, 1) ? c : -1;
    }
    void Sla(std::size_t n) { plek_ += static_cast<off_t>(n); }

  private:
    int fd_;
    off_t grootte_;
    off_t plek_ = 0, begin_ = 0;
    std::size_t gevuld_ = 0;
    unsigned char buf_[16384];
};

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

std::optional<Beeldmaat> Png(Lezer& f) {
    // After the 8-byte signature the first chunk must be IHDR of 13 bytes: width, height first.
    unsigned char kop[16];
    if (!f.Lees(kop, sizeof kop)) return std::nullopt;
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

std::optional<Beeldmaat> Jpeg(Lezer& f) {
    int orientatie = 0;
    // A real file reaches its frame header after a handful of segments; a damaged one that
    // repeats markers without end is given up.
    for (int segment = 0; segment < 4096; ++segment) {
        int c = f.Byte();
        if (c != 0xFF) return std::nullopt;
        while (c == 0xFF) // fill bytes before a marker
            c = f.Byte();
        if (c < 0) return std::nullopt;
        if (c == 0x01 || (c >= 0xD0 && c <= 0xD7)) continue;          // markers without a segment
        if (c == 0xD8 || c == 0xD9 || c == 0xDA) return std::nullopt; // no frame before the scan
        unsigned char lengte[2];
        if (!f.Lees(lengte, 2)) return std::nullopt;
        const std::uint32_t n = Groot16(lengte);
        if (n < 2) return std::nullopt;
        const bool frame = c >= 0xC0 && c <= 0xCF && c != 0xC4 && c != 0xC8 && c != 0xCC;
        if (frame) {
            unsigned char sof[5]; // precision, height, width
            if (n < 2 + sizeof sof || !f.Lees(sof, sizeof sof)) return std::nullopt;
            return Maat(Groot16(sof + 3), Groot16(sof + 1), orientatie >= 5);
        }
        if (c == 0xE1 && orientatie == 0 && n >= 2 + 14) {
            std::string inhoud(n - 2, '\0');
            if (!f.Lees(reinterpret_cast<unsigned char*>(inhoud.data()), inhoud.size())) return std::nullopt;
            if (inhoud.compare(0, 6, std::string_view("Exif\0\0", 6)) == 0)
                orientatie = ExifOrientatie(std::string_view(inhoud).substr(6));
            continue;
        }
        f.Sla(n - 2);
    }
    return std::nullopt;
}

std::optional<Beeldmaat> Lees(Lezer& f) {
    unsigned char begin[8];
    if (!f.Lees(begin, 2)) return std::nullopt;
    if (begin[0] == 0xFF && begin[1] == 0xD8) return Jpeg(f);
    if (!f.Lees(begin + 2, 6)) return std::nullopt;
    if (std::string_view(reinterpret_cast<const char*>(begin), 8) == "\x89PNG\r\n\x1A\n") return Png(f);
    return std::nullopt;
}

} // namespace

std::optional<Beeldmaat> LeesBeeldmaat(const std::string& pad1252) {
    if (!fs::GewoonBestandBestaat(pad1252)) return std::nullopt;
    const Bestand bestand(fs::OpenBestand(pad1252));
    if (!bestand) return std::nullopt;
    Lezer f(::fileno(bestand.get()));
    return Lees(f);
}

std::optional<Beeldmaat> BeeldmaatVan(int fd, long long grootte) {
    Lezer f(fd, static_cast<off_t>(grootte));
    return Lees(f);
}

} // namespace gdk
