#include "support/voorbeeld.h"

#include "support/tekst.h"
#include "support/tijdelijke_map.h"

namespace gdk::test {

std::string VoorbeeldMap() {
    return std::string(GDK_SOURCE_DIR) + "/examples";
}

std::string Voorbeeld(const std::string& naam) {
    return VoorbeeldMap() + "/" + naam;
}

std::string VoorbeeldRegister(const std::string& uit, const std::string& voorbeelden) {
    const std::string reg = LeesBestand(Voorbeeld("HKEY_CURRENT_USER.reg"));
    return Vervang(Vervang(reg, "@EXAMPLES@", voorbeelden), "@OUT@", uit);
}

} // namespace gdk::test
