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

// The numbers of the output texts the program uses (UitvoerTekst[ut::Onbekend]), named after
// their default text; the override file addresses them by number.
namespace ut {
inline constexpr int Begraven = 33;
inline constexpr int Gehuwd = 53;
inline constexpr int Met = 54;
inline constexpr int Onbekend = 57;
inline constexpr int Bron = 58;
inline constexpr int LaatstBijgewerkt = 60;
inline constexpr int Inleiding = 64;
inline constexpr int InleidingTekst = 65;
inline constexpr int Gezinsblad = 67;
inline constexpr int Op = 88;
inline constexpr int Te = 89;
inline constexpr int Aantekening = 90;
inline constexpr int Geboren = 91;
inline constexpr int Overleden = 97;
inline constexpr int Gecremeerd = 98;
inline constexpr int Man = 101;
inline constexpr int Vrouw = 102;
inline constexpr int Relatie = 105;
inline constexpr int MaxPersonenBereikt = 107;
inline constexpr int MaxRelatiesBereikt = 108;
inline constexpr int Berichten = 110;
inline constexpr int GestartOm = 111;
inline constexpr int Persoon = 112;
inline constexpr int GeslachtOntbreekt = 113;
inline constexpr int ZelfdeGeslacht = 114;
} // namespace ut

bool LeesTussenvoegsels();
bool StandaardTussenvoegsels();
bool LeesUitvoerTekst();
void StandaardUitvoerTekst();

} // namespace gdk
