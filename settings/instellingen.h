#pragma once
// The option globals with their registry persistence. Every other unit reads them directly;
// only the options dialog and activation change them.
#include <cstdint>
#include <string>

namespace gdk {

// Base path below HKEY_CURRENT_USER; each section is a key of its own below it.
inline constexpr const char* RegisterBasis = "Software\\Velmoran\\Gedenkje\\4.00\\";

// OptiesAlgemeen
extern std::string AfbeeldingBestanden;
extern std::int32_t NiveauAfbeeldingBestanden;
extern std::string UitvoerBestanden;

// OptiesCode
extern std::string CodeFotoosVoorkant, CodeFotoosAchterkant;
extern std::string CodeGeboortekaartjeVoorkant, CodeGeboortekaartjeAchterkant;
extern std::string CodeCommunieplaatjeVoorkant, CodeCommunieplaatjeAchterkant;
extern std::string CodeSchoolrapportenVoorkant, CodeSchoolrapportenAchterkant;
extern std::string CodeIDVoorkant, CodeIDAchterkant;
extern std::string CodeVakantieVoorkant, CodeVakantieAchterkant;
extern std::string CodeTrouwkaartjeVoorkant, CodeTrouwkaartjeAchterkant;
extern std::string CodeDocumentatieVoorkant, CodeDocumentatieAchterkant;
extern std::string CodeGenealogieVoorkant, CodeGenealogieAchterkant;
extern std::string CodeGedenkjeVoorkant, CodeGedenkjeAchterkant;

// OptiesBijInlezen
extern bool ControleOpGeslacht, ControleOpDatum, ControleOpBestandsnaam, ControleOpBestandsnaamAfbeelding,
    ControleOpBestandsnaamFoto, AlleenBestandsnaamAfbeeldingInlezen, BestandsnaamToevoegen;

// OptiesBijUitvoeren
extern bool VoornamenPartnerVolledigWeergeven, GeslachtOnbekendNietWeergeven, ControleOpDubbeleGedenkjes,
    BeschermenTegenKopieren, DatumWeergeven, AantalWeergeven, AfbeeldingVoorEnAchterkantWeergeven,
    ZoekpaginaMaken;
extern std::string PubliceerDoel; // an rclone remote and path ("naam:map"); blank: not set
// The public address of the type 4 site ("https://www.example.org/gedenkjes/"); blank: none.
extern std::string WebAdres;
// Cards of people who died in the last this many years stay off every published site (0 to
// RecentNietPublicerenHoogste; 0, the default, publishes everything). Read from the registry, a
// negative or non-numeric value counts as 0 and a larger one as the highest.
extern std::int32_t RecentNietPubliceren;
inline constexpr std::int32_t RecentNietPublicerenHoogste = 200;

// OptiesWeergave
extern std::string alLettertype;
extern std::int32_t adDatumAanpassen;
extern bool glAfblijven, glRoepnaam, glVoornamen, glTussenvoegsel, glAchternaam, glPlaatsnamen;

// OptiesExtra (read at every activation, never written)
extern bool LijstNamenGedenkje;
extern std::string t2InhoudCellPadd, t2InhoudCellSpac, t2AfbeeldingHeight, t2AfbeeldingWidth;
extern std::string t3InhoudCellPadd, t3InhoudCellSpac, t3AfbeeldingHeight, t3AfbeeldingWidth;
extern std::string miWidth, miHeight, inCols, bppWidth, bppHeight;

// Read-only values outside the option sections (the maker's addresses).
extern std::string Email;    // Software\Velmoran\Gedenkje\4.00\Programma, value Email
extern std::string Homepage; // Software\Velmoran\, value Homepage

// Each access opens the key base path + section on its own. Failures are silent.
struct TRegWrite {
    void WriteString(const std::string& basis, const std::string& waarde, const std::string& naam,
                     const std::string& sectie);
    void WriteInteger(const std::string& basis, std::int32_t waarde, const std::string& naam,
                      const std::string& sectie);
    void WriteBool(const std::string& basis, bool waarde, const std::string& naam, const std::string& sectie);
};
struct TRegRead {
    std::string ReadString(const std::string& basis, const std::string& naam, const std::string& sectie);
    std::int32_t ReadInteger(const std::string& basis, const std::string& naam, const std::string& sectie);
    bool ReadBool(const std::string& basis, const std::string& naam, const std::string& sectie);
};

// The start-up presets, replaced by LeesInstellingen.
void InstellingenVoorinstellen();
void LeesInstellingen();
void SchrijfInstellingen();
void LeesExtraInstellingen();

// At start-up: tells the user once, through UI(), when the settings file is there but cannot be
// read, so that the defaults in force come as no surprise. Silent when it is missing or read.
void MeldOnleesbareInstellingen();

// Every setting as "Section\Name=value" lines in the order of the store (OptiesExtra, then
// Programma\Email and Velmoran\Homepage last), booleans as 1 or 0, Windows-1252.
std::string InstellingenOverzicht();

} // namespace gdk
