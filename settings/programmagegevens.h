#pragma once
// The program and maker values that the About window and the e-mail and home-page commands
// read from the registry. An installer puts them there; a program copied without one writes
// them itself, once, the first time it finds them missing. Texts are Windows-1252.
#include <string>

namespace gdk {

// Software\Velmoran\Gedenkje\4.00\Programma
inline constexpr const char* ProgrammaNaam = "Gedenkjes";
inline constexpr const char* ProgrammaVersie = "4.00";
inline constexpr const char* ProgrammaDatum = "8 december 2026";
inline constexpr const char* ProgrammaEmail = "gedenkjes@velmoran.example";

// Software\Velmoran (the maker's contact lines; invented placeholders)
inline constexpr const char* MakerNaam = "Velmoran";
inline constexpr const char* MakerAdres = "Kerkstraat 1";
inline constexpr const char* MakerPostCode = "1234 AB";
inline constexpr const char* MakerPlaats = "Voorbeeld";
inline constexpr const char* MakerTelefoon = "012-3456789";
inline constexpr const char* MakerLogo = "Velmoran";
inline constexpr const char* MakerHomepage = "https://www.velmoran.example/";

// Writes the program values when the key ...\4.00\Programma is missing, and the maker's values
// when Software\Velmoran holds none of them. Values the user changed or removed later are left
// alone: each group is written only while it is wholly absent. Registry failures are silent.
void ProgrammagegevensInstalleren();

} // namespace gdk
