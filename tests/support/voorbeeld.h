#pragma once
// The bundled sample collection (examples/ in the source tree) and the placeholders in its
// registry file, filled in the way the build script fills them.
#include <string>

namespace gdk::test {

// The sample folder, without a closing separator.
std::string VoorbeeldMap();
// A file in the sample folder.
std::string Voorbeeld(const std::string& naam);

// The sample's registry file with @EXAMPLES@ (where its scans are) replaced by `voorbeelden`
// and @OUT@ (the output folder) by `uit`.
std::string VoorbeeldRegister(const std::string& uit, const std::string& voorbeelden = VoorbeeldMap());

} // namespace gdk::test
