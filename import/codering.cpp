#include "import/codering.h"

#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

#include <cstdio>
#include <cstring>

namespace gdk {
namespace {

constexpr std::string_view Utf8Teken = "\xEF\xBB\xBF";
constexpr std::string_view Utf16Klein = "\xFF\xFE"; // little-endian first; also UTF-32 LE
constexpr std::string_view Utf16Groot = "\xFE\xFF";

// The first line, ending at CR, LF or Ctrl-Z, blanks and control characters trimmed.
std::string_view EersteRegel(std::string_view tekst) {
    tekst = tekst.substr(0, tekst.find_first_of("\r\n\x1A"));
    while (!tekst.empty() && static_cast<unsigned char>(tekst.front()) <= 32)
        tekst.remove_prefix(1);
    while (!tekst.empty() && static_cast<unsigned char>(tekst.back()) <= 32)
        tekst.remove_suffix(1);
    return tekst;
}

// The ASCII characters of UTF-16 text after its mark (`hoog`: the high byte comes first), up to
// the first one that is not ASCII: enough to see a family tree's header line.
std::string Utf16Ascii(std::string_view tekst, bool hoog) {
    std::string uit;
    for (std::size_t i = 0; i + 1 < tekst.size(); i += 2) {
        const char boven = tekst[hoog ? i : i + 1], onder = tekst[hoog ? i + 1 : i];
        if (boven != 0 || static_cast<unsigned char>(onder) >= 0x80) break;
        uit += onder;
    }
    return uit;
}

bool IsStamboomKop(std::string_view tekst) {
    return GelijkZonderHoofdletters(EersteRegel(tekst), "0 HEAD");
}

} // namespace

std::string Weigering(std::string_view begin, const std::string& pad) {
    const bool utf16 = begin.starts_with(Utf16Klein) || begin.starts_with(Utf16Groot);
    if (begin.starts_with(Utf8Teken)) begin.remove_prefix(Utf8Teken.size());
    const bool stamboom = utf16 ? IsStamboomKop(Utf16Ascii(begin.substr(2), begin.starts_with(Utf16Groot)))
                                : IsStamboomKop(begin);
    if (stamboom)
        return "Het bestand " + pad +
               " is een stamboombestand (GEDCOM) en geen collectie gedenkjes; het is niet ingelezen.";
    if (utf16)
        return "Het bestand " + pad +
               " is als UTF-16 opgeslagen en kan zo niet ingelezen worden. Sla het op als UTF-8 of als ANSI "
               "(Windows-1252) en lees het opnieuw in.";
    return {};
}

std::string CollectieWeigering(const std::string& pad) {
    // The user's own name of the file, not a path of the collection's: opened as it is.
    std::FILE* bestand = std::fopen(pad.c_str(), "rb");
    if (!bestand) return {};
    // A header line is short; what it is shows in the first bytes.
    char begin[512];
    const std::size_t n = std::fread(begin, 1, sizeof begin, bestand);
    std::fclose(bestand);
    return Weigering(std::string_view(begin, n), VanUtf8(pad));
}

bool IsUtf8(std::string_view inhoud) {
    if (inhoud.starts_with(Utf8Teken)) return true;
    // Text of ASCII alone reads the same either way; an invalid sequence is mostly found early.
    const std::size_t eerste = EersteNietAscii(inhoud);
    if (eerste == inhoud.size() || !IsGeldigUtf8(inhoud.substr(eerste))) return false;
    return std::memchr(inhoud.data(), 0, inhoud.size()) == nullptr;
}

Omzetting CoderingOmzetten(TekstLezer& lezer) {
    if (!IsUtf8(lezer.Inhoud())) return {};
    // Only after a mark can bytes follow that are no UTF-8: each stays the character it is in
    // Windows-1252, as such a file was read before, so nothing is lost.
    Omzetting omzetting{true, 0};
    lezer.BewerkInhoud([&omzetting](std::string& tekst) {
        omzetting.vervangen = VanUtf8Of1252(tekst, tekst.starts_with(Utf8Teken) ? Utf8Teken.size() : 0);
    });
    return omzetting;
}

std::string Utf8Verschilregel(std::size_t vervangen) {
    return "collectie gelezen als UTF-8 en omgezet naar Windows-1252; tekens zonder Windows-1252-vorm "
           "vervangen door ?: " +
           std::to_string(vervangen);
}

} // namespace gdk
