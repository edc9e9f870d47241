#include "export/type4pagina.h"

#include "export/sitemappen.h"
#include "export/skelet.h"
#include "export/type4html.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/kopieren.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

#include <sys/stat.h>

namespace gdk::type4 {

bool Bestanden::MaakMapVan(const std::string& pad) {
    const std::size_t slash = pad.rfind('/');
    if (slash == std::string::npos) return true;
    const std::string map = pad.substr(0, slash);
    if (mappen_.contains(map)) return true;
    if (!fs::MaakMappen(siteMap_ + "/" + map)) return false;
    mappen_.insert(map);
    return true;
}

void Bestanden::Schrijf(const std::string& pad, std::string_view bytes) {
    // The folder and the name for the message are only made when it is needed.
    const auto stop = [&] {
        const std::size_t slash = pad.rfind('/');
        StopNietAangemaakt(siteMap_ + (slash == std::string::npos ? "" : "/" + pad.substr(0, slash)),
                           pad.substr(slash == std::string::npos ? 0 : slash + 1));
    };
    TekstSchrijver f;
    if (!MaakMapVan(pad) || !f.Open(siteMap_ + "/" + pad)) stop();
    try {
        f.Schrijf(bytes);
        f.Sluit();
    } catch (const IOFout&) {
        SluitStil(f);
        stop();
    }
}

void Bestanden::SchrijfPagina(const std::string& pad, std::string_view tekst1252) {
    return Schrijf(pad, NaarUtf8(tekst1252));
}

void Bestanden::Kopieer(const std::string& bron, const std::string& pad, const fs::BronKijker& kijk) {
    const std::string doel = siteMap_ + "/" + pad;
    if (!MaakMapVan(pad) || !fs::Kopieer(bron, doel, kijk))
        throw IOFout("Het bestand " + bron + " kon niet gekopieerd worden naar " + doel + ".");
}

std::optional<Beeldmaat> Bestanden::KopieerBeeld(const std::string& bron, const std::string& pad) {
    std::optional<Beeldmaat> maat;
    bool gezien = false;
    Kopieer(bron, pad, [&](int fd, const struct stat& sb) {
        gezien = true;
        if (S_ISREG(sb.st_mode)) maat = BeeldmaatVan(fd, sb.st_size);
    });
    return gezien ? maat : LeesBeeldmaat(bron);
}

std::string WebAdresVan(const std::string& instelling) {
    std::string a = Trim(instelling);
    if (a.empty()) return {};
    if (EersteVan(a, " \"<>\\`'") != std::string::npos) return {};
    for (const char c : a)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return {};
    const std::string klein = AsciiKleineLetters(a);
    const std::size_t schema = klein.find("://");
    if (schema == std::string::npos)
        a = "https://" + a;
    else if (klein.compare(0, schema, "http") != 0 && klein.compare(0, schema, "https") != 0)
        return {};
    if (a.size() <= a.find("://") + 3) return {};
    if (a.back() != '/') a += '/';
    // Letters beyond ASCII as a browser sends them: UTF-8, percent-encoded.
    std::string uit;
    static const char* const hex = "0123456789ABCDEF";
    for (const char c : NaarUtf8(a)) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            uit += c;
        } else {
            uit += '%';
            uit += hex[b >> 4];
            uit += hex[b & 15];
        }
    }
    return uit;
}

std::string NaarWortel(const std::string& pad) {
    std::string uit;
    for (const char c : pad)
        if (c == '/') uit += "../";
    return uit;
}

namespace {

void Meta(std::string& s, const char* soort, const char* naam, const std::string& waarde) {
    s += std::string("<meta ") + soort + "=\"" + naam + "\" content=\"" + waarde + "\">\n";
}

} // namespace

std::string Pagina(const SiteGegevens& site, const Kop& kop, const std::string& spoor,
                   const std::string& inhoud, const std::string& voet) {
    // A page a server shows for any missing address, at any depth (the 404 page): its links lead
    // from the site's public address when it is known; else from the root of the host, where such
    // a page is served, and its style comes with it, so it looks right wherever it is opened.
    const bool basis = kop.vanafWortel && !site.webAdres.empty();
    const bool opHost = kop.vanafWortel && !basis;
    const std::string p = basis ? "" : opHost ? "/" : NaarWortel(kop.pad);
    const std::string titel = kop.titel.empty() ? "Gedenkjes" : kop.titel + " &ndash; Gedenkjes";
    std::string s;
    s.reserve(inhoud.size() + 3000);
    s += "<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n";
    s += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    if (basis) s += "<base href=\"" + site.webAdres + "\">\n";
    s += "<title>" + titel + "</title>\n";
    Meta(s, "name", "description", kop.beschrijving);
    if (!kop.vindbaar) Meta(s, "name", "robots", "noindex");
    if (opHost)
        s += std::string("<style>\n") + StijlbladTekst() + "</style>\n";
    else
        s += "<link rel=\"stylesheet\" href=\"" + p + "tool/stijl.css\">\n";
    // Without a known address the icon's place is unknown: no icon, and no request for one.
    if (opHost) s += "<link rel=\"icon\" href=\"data:,\">\n";
    if (site.favicon && !opHost) {
        s += "<link rel=\"icon\" href=\"" + p + "favicon.svg\" type=\"image/svg+xml\">\n";
        s += "<link rel=\"icon\" href=\"" + p + "favicon.png\" type=\"image/png\" sizes=\"48x48\">\n";
    }
    if (!site.webAdres.empty() && kop.vindbaar) {
        const std::string url = site.webAdres + (kop.pad == "index.html" ? "" : kop.pad);
        s += "<link rel=\"canonical\" href=\"" + url + "\">\n";
        Meta(s, "property", "og:type", kop.ogType);
        Meta(s, "property", "og:title", kop.titel.empty() ? "Gedenkjes" : kop.titel);
        Meta(s, "property", "og:description", kop.beschrijving);
        Meta(s, "property", "og:url", url);
        Meta(s, "property", "og:site_name", "Gedenkjes");
        Meta(s, "property", "og:locale", "nl_NL");
        if (!kop.ogAfbeelding.empty()) Meta(s, "property", "og:image", site.webAdres + kop.ogAfbeelding);
    }
    s += kop.extra;
    s += "</head>\n<body>\n<a class=\"naar-inhoud\" href=\"#inhoud\">Naar de inhoud</a>\n";
    s += "<header class=\"kop\">\n<a class=\"merk\" href=\"" + p + "index.html\">";
    if (site.banner && !opHost)
        s += "<img src=\"" + p + "tool/banner.jpg\" width=\"" + std::to_string(site.banner->breedte) +
             "\" height=\"" + std::to_string(site.banner->hoogte) +
             "\" alt=\"Gedenkjes, naar de startpagina\">";
    else
        s += "<span>Gedenkjes</span>";
    s += "</a>\n";
    if (kop.zoekveld) {
        s += "<form class=\"zoek\" action=\"" + p + "zoeken.html\" method=\"get\" role=\"search\">\n";
        s += "<label class=\"verborgen\" for=\"kopzoek\">Zoek een gedenkje</label>\n";
        s += "<input id=\"kopzoek\" type=\"search\" name=\"q\" maxlength=\"200\" autocomplete=\"off\" "
             "placeholder=\"Naam, plaats of jaar\">\n";
        s += "<button type=\"submit\">Zoeken</button>\n</form>\n";
    }
    s += "</header>\n";
    s += spoor;
    s += "<main id=\"inhoud\">\n";
    s += inhoud;
    s += "</main>\n";
    if (!voet.empty()) s += "<footer class=\"voet\">\n" + voet + "</footer>\n";
    s += "</body>\n</html>\n";
    return s;
}

std::string Spoor(const std::string& pad, std::initializer_list<Stap> stappen) {
    const std::string p = NaarWortel(pad);
    std::string s = "<nav class=\"spoor\" aria-label=\"Kruimelpad\">\n<ol>\n";
    s += "<li><a href=\"" + p + "index.html\">Startpagina</a></li>\n";
    for (const Stap& stap : stappen) {
        if (stap.link.empty())
            s += "<li aria-current=\"page\">" + stap.tekst + "</li>\n";
        else
            s += "<li><a href=\"" + p + stap.link + "\">" + stap.tekst + "</a></li>\n";
    }
    return s + "</ol>\n</nav>\n";
}

} // namespace gdk::type4
