#pragma once
// A 32-bit hash of bytes that is the same on every machine and in every version (FNV-1a), unlike
// std::hash: names made from it stay the same from export to export.
#include <cstdint>
#include <string_view>

namespace gdk {

inline std::uint32_t VasteHash(std::string_view bytes) {
    std::uint32_t h = 2166136261u;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

} // namespace gdk
