#pragma once
// The checks made while a collection is read, and the difference report they write to.
// Each check writes one report line per finding; none changes what was read. The reader calls
// a check only when its setting is on.
#include "import/tgdkimport.h"

#include <array>
#include <cstdint>
#include <string>

namespace gdk {

// Findings written during the current read.
extern std::int32_t AantalVerschillen;
// The image folder of the current line as the image-folder check composed it (ends in '/'),
// used by the photo check; empty when that check is off or no image folder is set.
extern std::string AfbeeldingMap;

// "Jan;van;Dijk", "Jan;;Dijk": the person's names as the report keys them.
std::string PersoonSleutel(std::int32_t n);

// Start of a read: no findings, no image folder, no report open.
void VerschillenBeginnen();
// One finding: the report is created empty at the first one of a read, held open, and the
// line appended. Throws IOFout when the report cannot be created or written.
void VerschilSchrijven(const std::string& regel);
// End of a read: when this read wrote a report, append "aantal verschillen = 0000N" and close
// it. Throws IOFout when that fails (the report is closed all the same).
void VerschillenAfsluiten();

enum class DatumSoort { Geboorte, Overlijden, Begraaf, Crematie };

// Main person without sex ("U").
void ControleGeslacht(std::int32_t n);
// A stored date longer than 10 characters.
void ControleDatum(std::int32_t n, DatumSoort soort);
// The image file name against the names expected from the codes.
void ControleBestandsnaam(std::int32_t n, const BestandsnaamCodes& codes);
// Composes AfbeeldingMap and reports a card image that is not there.
void ControleAfbeeldingMap(std::int32_t n);
// The two names the separate photo of the deceased may have: name code + photo code + ".jpg",
// and name code + death code + photo code + ".jpg" (the photo code trimmed, the others as made).
std::array<std::string, 2> FotoNamen(const BestandsnaamCodes& codes);
// The separate photo of the deceased: missing when the card says it has one, present when not.
void ControleFoto(std::int32_t n, const BestandsnaamCodes& codes);
// The partner n + 1 without sex, or with the main person's sex.
void ControlePartnerGeslacht(std::int32_t n);

} // namespace gdk
