#include "platform/register_vorm.h"

#include <unicode/ustring.h>

namespace gdk::reg {
namespace {

const std::string_view kMerkUtf8 = "\xEF\xBB\xBF";
const std::string_view kMerkLe = "\xFF\xFE";
const std::string_view kMerkBe = "\xFE\xFF";

std::optional<std::string> Utf16NaarUtf8(std::string_view bytes, bool grootEinde) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::u16string eenheden(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < eenheden.size(); ++i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]);
        const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        eenheden[i] = static_cast<char16_t>(grootEinde ? (a << 8) | b : (b << 8) | a);
    }
    // Strict: a lone surrogate has no UTF-8 form, and a file holding one is left as it is.
    UErrorCode fout = U_ZERO_ERROR;
    int32_t lengte = 0;
    u_strToUTF8(nullptr, 0, &lengte, eenheden.data(), static_cast<int32_t>(eenheden.size()), &fout);
    if (fout != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(fout)) return std::nullopt;
    std::string uit(static_cast<std::size_t>(lengte), '\0');
    fout = U_ZERO_ERROR;
    u_strToUTF8(uit.data(), lengte, nullptr, eenheden.data(), static_cast<int32_t>(eenheden.size()), &fout);
    if (U_FAILURE(fout)) return std::nullopt;
    return uit;
}

std::optional<std::string> Utf8NaarUtf16(std::string_view utf8, bool grootEinde) {
    UErrorCode fout = U_ZERO_ERROR;
    int32_t lengte = 0;
    u_strFromUTF8(nullptr, 0, &lengte, utf8.data(), static_cast<int32_t>(utf8.size()), &fout);
    if (fout != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(fout)) return std::nullopt;
    std::u16string eenheden(static_cast<std::size_t>(lengte), u'\0');
    fout = U_ZERO_ERROR;
    u_strFromUTF8(eenheden.data(), lengte, nullptr, utf8.data(), static_cast<int32_t>(utf8.size()), &fout);
    if (U_FAILURE(fout)) return std::nullopt;
    std::string uit(grootEinde ? kMerkBe : kMerkLe);
    for (const char16_t e : eenheden) {
        const auto hoog = static_cast<char>(e >> 8), laag = static_cast<char>(e & 0xFF);
        uit += grootEinde ? hoog : laag;
        uit += grootEinde ? laag : hoog;
    }
    return uit;
}

} // namespace

std::optional<Tekst> Decodeer(std::string_view bytes) {
    Tekst t;
    if (bytes.substr(0, 2) == kMerkLe || bytes.substr(0, 2) == kMerkBe) {
        t.codering = bytes.substr(0, 2) == kMerkBe ? Codering::Utf16Be : Codering::Utf16Le;
        std::optional<std::string> utf8 = Utf16NaarUtf8(bytes.substr(2), t.codering == Codering::Utf16Be);
        if (!utf8) return std::nullopt;
        t.utf8 = std::move(*utf8);
    } else if (bytes.substr(0, 3) == kMerkUtf8) {
        t.codering = Codering::Utf8MetMerk;
        t.utf8 = bytes.substr(3);
    } else {
        // Not checked for valid UTF-8: a file saved by a Windows editor in its own code page
        // reads as the registry file always read it, byte for byte.
        t.utf8 = bytes;
    }
    // A NUL is no character of a text file: a binary file, or UTF-16 without its mark (or
    // UTF-32, whose little-endian mark starts as UTF-16's does).
    if (t.utf8.find('\0') != std::string::npos) return std::nullopt;
    return t;
}

std::optional<std::string> Codeer(std::string_view utf8, Codering codering) {
    switch (codering) {
    case Codering::Utf16Le:
    case Codering::Utf16Be:
        return Utf8NaarUtf16(utf8, codering == Codering::Utf16Be);
    case Codering::Utf8MetMerk:
        return std::string(kMerkUtf8) + std::string(utf8);
    case Codering::Utf8:
        break;
    }
    return std::string(utf8);
}

} // namespace gdk::reg
