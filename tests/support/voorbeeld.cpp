#include "support/voorbeeld.h"

#include "support/tijdelijke_map.h"

namespace gdk::test {

std::string VoorbeeldMap() {
    return std::string(GDK_SOURCE_DIR) + "/examples";
}

std::string Voorbeeld(const std::string& naam) {
    return VoorbeeldMap() + "/" + naam;
}

std::string Vervang(std::string s, const std::string& oud, const std::string& nieuw) {
    for (std::size_t p = s.find(oud); p != std::string::npos; p = s.find(oud, p + nieuw.size()))
        s.replace(p, oud.size(), nieuw);
    return s;
}

std::string VoorbeeldRegister(const std::string& uit, const std::string& voorbeelden) {
    const std::string reg = LeesBestand(Voorbeeld("HKEY_CURRENT_USER.reg"));
    return Vervang(Vervang(reg, "@EXAMPLES@", voorbeelden), "@OUT@", uit);
}

} // namespace gdk::test
