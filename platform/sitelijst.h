#pragma once
// The text forms kept beside a site folder: the site list (what the program wrote there, as it
// is on disk), the journal of an update and the record of what is not yet published. UTF-8
// lines ending in LF, fields between tabs. Paths are relative to the site folder, '/' between
// parts, the bytes on disk with '%', tab, CR, LF and the other control bytes written as %XX.
// A list and a record end in "EINDE <lines> <hash of every byte above>": one without that end
// (cut off, edited by hand) is damaged, and only its lines that still parse are believed.
#include "platform/hash128.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gdk::fs {

// Written from bytes the program made, copied from a source file, or a folder it made.
enum class LijstSoort : char { Bestand = 'B', Kopie = 'K', Map = 'M' };

struct LijstIngang {
    LijstSoort soort = LijstSoort::Bestand;
    std::string pad;
    // A file as it stood when written: size, modification time (ns) and inode.
    std::uint64_t grootte = 0;
    std::int64_t mtijd = 0;
    std::uint64_t inode = 0;
    Hash128 inhoud;   // the bytes' hash, or for a copy the hash of its source's identity
    std::string bron; // a copy's source on disk, when known: where the next update looks ahead
};

// The path in its written form, and back: false for a bad escape, an absolute path, an empty
// part, "." or "..", or a NUL byte. Nothing read from a list names anything outside the site.
std::string CodeerPad(std::string_view pad);
bool DecodeerPad(std::string_view tekst, std::string& pad);
// The escapes undone for any text (not only a path): false for a bad escape or a control byte.
bool Decodeer(std::string_view tekst, std::string& uit);

// One line of a list, without its LF.
void VoegLijstRegel(std::string& tekst, const LijstIngang& ingang);
// The same from its parts: `pad` and `bron` as views, nothing copied on the way.
void VoegLijstRegel(std::string& tekst, LijstSoort soort, std::string_view pad, std::uint64_t grootte,
                    std::int64_t mtijd, std::uint64_t inode, const Hash128& inhoud, std::string_view bron);
// `tekst` with its escapes, added to `uit`.
void VoegGecodeerd(std::string& uit, std::string_view tekst);
bool LeesLijstRegel(std::string_view regel, LijstIngang& ingang);

// The fields of a line, split at the tabs.
std::vector<std::string_view> Velden(std::string_view regel);

// Adds the closing line over `tekst` (which ends in LF), that holds `regels` lines after its head.
void SluitAf(std::string& tekst, std::size_t regels);

// A text read back: its first line, the complete lines after it (the closing line left out), and
// whether it closed as written.
struct GecontroleerdeTekst {
    std::string_view kop;
    std::vector<std::string_view> regels;
    bool heel = false;
};
GecontroleerdeTekst LeesGecontroleerd(std::string_view tekst);

// The head line of a site list for the site folder named `siteNaam`.
std::string LijstKop(std::string_view siteNaam);
inline constexpr std::string_view LijstKopBegin = "GEDENKJES-LIJST ";

} // namespace gdk::fs
