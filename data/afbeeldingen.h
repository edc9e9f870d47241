#pragma once
// Where the scans folder (the setting AfbeeldingBestanden) keeps the image of a card, by the
// folder scheme of NiveauAfbeeldingBestanden: level 0 a folder per first character of the image
// name, level 1 below that one per first two characters (or per surname of one character),
// level 2 one per cleaned surname. The checks, the window and every layout ask here.
#include "data/tvars.h"
#include "settings/instellingen.h"

#include <cstdint>

#include <string>

namespace gdk {

// The folder of an image by the level, with its closing separator: `letter` names the level-0
// folder, `niveau1` the one below it at level 1, `niveau2` at level 2. Empty without a scans
// folder or at a level that is none of these.
std::string AfbeeldingMapVan(const std::string& letter, const std::string& niveau1,
                             const std::string& niveau2, std::int32_t niveau = NiveauAfbeeldingBestanden);
// The folder of person p's card image: from the first characters of the image field as stored
// and the surname cleaned for a file name.
std::string KaartMap(const recPersoon& p);

// Is `pad`, composed from the scans folder and the image field `veld`, an image inside the scans
// folder? A collection may come from someone else, so an image is looked up only there: a scans
// folder is set, the field does not start with a separator, neither the field nor the composed
// part below the folder holds a ".." component, and `pad` names a regular file (no device, pipe
// or folder; a link is followed only while it leads to a place inside the scans folder). False
// means the image counts as missing.
bool AfbeeldingBestaat(const std::string& veld, const std::string& pad);

// The path of person p's card image when it is there (KaartMap + the field), else empty.
std::string KaartAfbeelding(const recPersoon& p);

// Where the window (the image button, the image window) looks for the card: KaartMap at the
// levels 0 to 2, and the level-0 folder while no level is chosen (a fresh installation), where
// the window has always looked.
std::string VensterKaartMap(const recPersoon& p);
std::string VensterKaartAfbeelding(const recPersoon& p);

// The path of the back of person p's card when it is there, else empty. `voorkantPad` is where
// the front lies or would lie (a folder above + the image field, as KaartAfbeelding or
// AfbeeldingPad compose it). Only a front whose name, before its extension, ends with the code
// CodeGedenkjeVoorkant (letter case ignored) has a back: the same name with that ending replaced
// by CodeGedenkjeAchterkant, in the same folder, under the extension of the front found on disk,
// else .jpg, .jpeg or .png. Both codes must be set and differ, or a card would be its own back.
// The back is held to the rules of AfbeeldingBestaat.
std::string KaartAchterkant(const recPersoon& p, const std::string& voorkantPad);

} // namespace gdk
