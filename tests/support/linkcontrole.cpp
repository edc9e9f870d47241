#include "support/linkcontrole.h"

#include "platform/tekst1252.h"
#include "support/tijdelijke_map.h"

#include <algorithm>

namespace gdk::test {
namespace {

std::size_t gecontroleerd = 0;

bool BeginMet(const std::string& s, const char* voor) {
    const std::string v = voor;
    if (s.size() < v.size()) return false;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != v[i]) return false;
    return true;
}

std::string ProcentDecoderen(const std::string& s) {
    std::string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() + 0 && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            r += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            r += s[i];
        }
    }
    return r;
}

// The values of every HREF="..." and SRC="..." (attribute names in any case).
std::vector<std::string> Verwijzingen(const std::string& tekst) {
    std::vector<std::string> uit;
    std::string klein = tekst;
    for (char& c : klein)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* attr : {"href=\"", "src=\""}) {
        const std::string a = attr;
        for (std::size_t p = klein.find(a); p != std::string::npos; p = klein.find(a, p + 1)) {
            // Only a whole attribute name: "href" not inside another word.
            if (p > 0 && std::isalnum(static_cast<unsigned char>(klein[p - 1]))) continue;
            const std::size_t begin = p + a.size();
            const std::size_t eind = tekst.find('"', begin);
            if (eind == std::string::npos) break;
            uit.push_back(tekst.substr(begin, eind - begin));
        }
    }
    return uit;
}

// Follows `link` from folder `map` (relative to the site) component by component; false when it
// leaves the site or names nothing with exactly that case.
bool Bestaat(const std::filesystem::path& site, const std::filesystem::path& paginaMap,
             const std::string& link) {
    std::vector<std::string> delen;
    for (const auto& d : paginaMap)
        delen.push_back(d.string());
    std::string pad = link;
    std::replace(pad.begin(), pad.end(), '\\', '/');
    std::size_t begin = 0;
    for (;;) {
        const std::size_t p = pad.find('/', begin);
        const std::string deel = pad.substr(begin, p == std::string::npos ? std::string::npos : p - begin);
        if (deel == "..") {
            if (delen.empty()) return false; // outside the site
            delen.pop_back();
        } else if (!deel.empty() && deel != ".") {
            delen.push_back(deel);
        }
        if (p == std::string::npos) break;
        begin = p + 1;
    }
    std::filesystem::path vol = site;
    for (const std::string& d : delen) {
        // Linux compares names byte for byte: a listing match is an exact-case match.
        bool gevonden = false;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(vol, ec)) {
            if (e.path().filename().string() == d) {
                gevonden = true;
                break;
            }
        }
        if (!gevonden) return false;
        vol /= d;
    }
    return std::filesystem::is_regular_file(vol);
}

} // namespace

std::vector<std::string> KapotteLinks(const std::filesystem::path& site) {
    std::vector<std::string> kapot;
    gecontroleerd = 0;
    std::vector<std::filesystem::path> paginas;
    for (const auto& e : std::filesystem::recursive_directory_iterator(site))
        if (e.is_regular_file() && (e.path().extension() == ".htm" || e.path().extension() == ".html"))
            paginas.push_back(e.path());
    std::sort(paginas.begin(), paginas.end());
    for (const auto& pagina : paginas) {
        const std::filesystem::path relatief = std::filesystem::relative(pagina, site);
        const std::string tekst = LeesBestand(pagina);
        const bool utf8 = pagina.extension() == ".html";
        for (const std::string& link1252 : Verwijzingen(tekst)) {
            std::string link = utf8 ? link1252 : NaarUtf8(link1252);
            if (link.empty() || link[0] == '#' || BeginMet(link, "javascript:") ||
                BeginMet(link, "mailto:") || BeginMet(link, "data:") || BeginMet(link, "http:") ||
                BeginMet(link, "https:"))
                continue;
            const std::size_t anker = link.find_first_of("#?");
            if (anker != std::string::npos) link.resize(anker);
            ++gecontroleerd;
            if (!Bestaat(site, relatief.parent_path(), ProcentDecoderen(link)))
                kapot.push_back(relatief.string() + ": " + (utf8 ? link1252 : NaarUtf8(link1252)));
        }
    }
    return kapot;
}

std::size_t AantalGecontroleerdeLinks() {
    return gecontroleerd;
}

} // namespace gdk::test
