#pragma once
// The encodings a settings file comes in: UTF-8, with or without a byte-order mark (what this
// program and most editors write), and UTF-16 with its mark in either byte order (what Windows'
// registry editor writes). The registry file works on UTF-8 text and writes a file back in the
// encoding it was read in.
#include <optional>
#include <string>
#include <string_view>

namespace gdk::reg {

enum class Codering { Utf8, Utf8MetMerk, Utf16Le, Utf16Be };

// The file's text as UTF-8 and the encoding it came in. Nullopt when the bytes are not text in
// one of the encodings (UTF-16 with an odd byte or a lone surrogate, a NUL character): such a
// file cannot be rewritten without losing what it held.
struct Tekst {
    std::string utf8;
    Codering codering = Codering::Utf8;
};
std::optional<Tekst> Decodeer(std::string_view bytes);

// `utf8` in `codering`, with the mark it came with; nullopt when `utf8` is no valid UTF-8
// (UTF-16 cannot carry it).
std::optional<std::string> Codeer(std::string_view utf8, Codering codering);

} // namespace gdk::reg
