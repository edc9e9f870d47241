#include "data/globalen.h"

namespace gdk {

std::string ProgrammaMap;
std::string CollectiePad;
std::string CollectieMap;
std::string CollectieBestandsnaam;
std::string CollectieNaam;
std::string VerschillenBestand;
DatumTijd UitvoerTijd;

} // namespace gdk
