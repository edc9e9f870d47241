#pragma once
// The two user-adaptable word lists: name particles and the 115 output texts, each with its
// built-in default and an optional override file in the program folder.
#include <array>
#include <string>

namespace gdk {

constexpr int MaxTussenvoegsels = 250;
// Slots 1..AantalTussenvoegsels (slot 0 unused).
extern std::array<std::string, MaxTussenvoegsels + 1> Tussenvoegsels;
extern int AantalTussenvoegsels;

constexpr int AantalUitvoerTeksten = 115;
// Entries 1..115 (entry 0 unused). Empty until the first activation loads them.
extern std::array<std::string, AantalUitvoerTeksten + 1> UitvoerTekst;

bool LeesTussenvoegsels();
bool StandaardTussenvoegsels();
bool LeesUitvoerTekst();
void StandaardUitvoerTekst();

} // namespace gdk
