#include "platform/hash128.h"

#include <cstring>

namespace gdk::fs {
namespace {

constexpr std::uint64_t P0 = 0xa0761d6478bd642f, P1 = 0xe7037ed1a0b428db, P2 = 0x8ebc6af09c88c6e3,
                        P3 = 0x589965cc75374cc3;

__extension__ typedef unsigned __int128 Breed; // GCC and Clang both have it

std::uint64_t Mum(std::uint64_t x, std::uint64_t y) {
    const Breed p = static_cast<Breed>(x) * y;
    return static_cast<std::uint64_t>(p) ^ static_cast<std::uint64_t>(p >> 64);
}

std::uint64_t Woord(const unsigned char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

} // namespace

void Hasher128::Streep(const unsigned char* p) {
    a_ = Mum(Woord(p) ^ P0, Woord(p + 8) ^ a_);
    b_ = Mum(Woord(p + 16) ^ P1, Woord(p + 24) ^ b_);
}

void Hasher128::Voeg(std::string_view bytes) {
    auto p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
    lengte_ += n;
    if (inRest_ > 0) {
        const std::size_t erbij = std::min(n, sizeof rest_ - inRest_);
        std::memcpy(rest_ + inRest_, p, erbij);
        inRest_ += erbij;
        p += erbij;
        n -= erbij;
        if (inRest_ < sizeof rest_) return;
        Streep(rest_);
        inRest_ = 0;
    }
    for (; n >= sizeof rest_; p += sizeof rest_, n -= sizeof rest_)
        Streep(p);
    std::memcpy(rest_, p, n);
    inRest_ = n;
}

Hash128 Hasher128::Klaar() const {
    // The last stripe padded with zeros; the length tells "ab" from "ab\0".
    unsigned char laatste[32] = {};
    std::memcpy(laatste, rest_, inRest_);
    std::uint64_t a = a_, b = b_;
    if (inRest_ > 0) {
        a = Mum(Woord(laatste) ^ P0, Woord(laatste + 8) ^ a);
        b = Mum(Woord(laatste + 16) ^ P1, Woord(laatste + 24) ^ b);
    }
    const std::uint64_t l = lengte_;
    const std::uint64_t x = Mum(a ^ P2, b ^ l ^ P3);
    const std::uint64_t y = Mum(b ^ P0, a ^ ((l << 32) | (l >> 32)) ^ P1);
    return Hash128{Mum(x ^ P1, y ^ P2), Mum(y ^ P3, x ^ P0)};
}

Hash128 HashVan(std::string_view bytes) {
    Hasher128 h;
    h.Voeg(bytes);
    return h.Klaar();
}

std::string AlsHex(const Hash128& h) {
    static const char cijfers[] = "0123456789abcdef";
    std::string uit(32, '0');
    for (int i = 0; i < 16; ++i) {
        uit[15 - i] = cijfers[(h.hoog >> (4 * i)) & 15];
        uit[31 - i] = cijfers[(h.laag >> (4 * i)) & 15];
    }
    return uit;
}

bool UitHex(std::string_view tekst, Hash128& h) {
    if (tekst.size() != 32) return false;
    std::uint64_t delen[2] = {0, 0};
    for (std::size_t i = 0; i < 32; ++i) {
        const char c = tekst[i];
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else
            return false;
        delen[i / 16] = (delen[i / 16] << 4) | static_cast<std::uint64_t>(v);
    }
    h = Hash128{delen[0], delen[1]};
    return true;
}

} // namespace gdk::fs
