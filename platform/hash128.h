#pragma once
// A fast 128-bit hash of bytes (not cryptographic), stable across runs and builds: the site list
// beside a site keeps it for every file, and an update compares it with the bytes it makes. Two
// 64-bit lanes over 32-byte stripes, each step a full 64x64->128 multiply, the lanes mixed into
// both halves at the end. The same bytes give the same hash however they are fed.
#include <cstdint>
#include <string>
#include <string_view>

namespace gdk::fs {

struct Hash128 {
    std::uint64_t hoog = 0, laag = 0;
    bool operator==(const Hash128&) const = default;
};

class Hasher128 {
  public:
    void Voeg(std::string_view bytes);
    Hash128 Klaar() const;
    std::uint64_t Lengte() const { return lengte_; }

  private:
    void Streep(const unsigned char* p);

    std::uint64_t a_ = 0x243f6a8885a308d3, b_ = 0x13198a2e03707344;
    std::uint64_t lengte_ = 0;
    unsigned char rest_[32] = {};
    std::size_t inRest_ = 0;
};

Hash128 HashVan(std::string_view bytes);
// 32 small hexadecimal digits, high half first; UitHex reads them back (false for anything else).
std::string AlsHex(const Hash128& h);
bool UitHex(std::string_view tekst, Hash128& h);

} // namespace gdk::fs
