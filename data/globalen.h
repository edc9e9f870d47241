#pragma once
// Program-wide state set by activation and by the read command.
#include "platform/klok.h"

#include <string>

namespace gdk {

// The program folder without closing separator (folder of the executable, DESIGN: overridable
// with $GEDENKJES_PROGRAMMAMAP or the CLI's --programmamap).
extern std::string ProgrammaMap;

// The collection being read, set by the read command.
extern std::string CollectiePad;          // the chosen .gdk file
extern std::string CollectieMap;          // its folder, without closing separator
extern std::string CollectieBestandsnaam; // file name with extension
extern std::string CollectieNaam;         // file name without folder and extension
extern std::string VerschillenBestand;    // CollectiePad with "_Verschillen.txt" for its extension

// The export time: set at every activation and at the start of every export; page footers print it.
extern DatumTijd UitvoerTijd;

} // namespace gdk
