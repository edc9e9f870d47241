#pragma once
// The type 4 site: the collection for today's browsers and phones. HTML5 in UTF-8 without frames,
// layout tables or outside requests; a start page with the letters A-Z, letter pages of at most
// 500 cards grouped under their surnames (in the order of the type 2 letter pages), a page per
// card at an address made of its names and years with the faces of the card together, a search
// page on the search index of the other layouts, a 404 page; with the setting WebAdres also a
// sitemap, robots.txt, canonical addresses and sharing data.
//
// Layout of the site below its folder (every name lowercase ASCII letters, digits, hyphens):
//   index.html  zoeken.html  404.html  favicon.svg  favicon.png  [sitemap*.xml  robots.txt]
//   letter/<a-z>[-<n>].html      the letter pages
//   kaart/<hh>/<address>.html    the card pages, spread over 256 folders by their address
//   beeld/<hh>/<name>.<ext>      the faces, each scan once however many cards share it
//   tool/                        style sheet, scripts, banner, the search index (tool/zoeken/)
#include "data/beeldmaten.h"
#include "export/type23.h"
#include "export/type4adres.h"
#include "export/type4pagina.h"
#include "platform/klok.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace gdk {

class UitvoerSessie;

// The "Type 4" export: refuses an existing site folder as the other layouts do, then writes the
// whole site. False after a message when refused or when a page could not be written.
// May throw IOFout when a card image cannot be copied or the report file cannot be written.
bool UitvoerenType4(UitvoerSessie& sessie);

namespace type4 {

inline constexpr std::size_t KaartenPerPagina = 500;

const char* ZoomScriptTekst();

// A face of a card as it is published: its copy below the site root and its size.
struct Zijde {
    std::string pad; // "beeld/hh/name.jpg"
    std::optional<Beeldmaat> maat;
};

// One card, in letter-page order.
struct Kaart {
    std::int32_t persoon = 0;
    KaartIngang ingang{0};  // the entry the letter pages order it by (as type 2's), with its line
    char letter = 'a';      // the letter whose pages list it
    std::string adres;      // its page below the site root
    std::string naam;       // the full name, Windows-1252, unescaped
    std::string achternaam; // the surname heading it is listed under ("Berg, van der")
    std::string anker;      // that heading's anchor on the letter page
    std::size_t pagina = 0; // its letter page (index into the site's pages)
    std::string voorkant;   // the front's scan when it was found, else empty
    std::size_t rang = 0;   // its place in the order of the entry lines
};

struct LetterPagina {
    char letter = 'a';
    int nummer = 1, van = 1;            // "page 2 of 3" of its letter
    std::string adres;                  // "letter/b-2.html"
    std::size_t eerste = 0, aantal = 0; // its cards
};

// Where the photo of the deceased lies, empty when there is none.
std::string FotoVan(std::int32_t persoon, const std::string& voorkant);

// The full name as a card shows it (the name settings of the pages), Windows-1252, unescaped.
std::string VolledigeNaam(std::int32_t persoon);
// "yyyy-mm-dd".
std::string IsoDatum(const DatumTijd& d);

class Site {
  public:
    explicit Site(UitvoerSessie& sessie);
    // The whole site; true when every page was written.
    void Schrijf();

  private:
    void VerzamelKaarten();
    void DeelIn();
    void SchrijfVasteBestanden();
    void SchrijfKaartPaginas();
    void SchrijfKaartPagina(std::size_t k);
    void SchrijfLetterPaginas();
    void SchrijfStartpagina();
    void SchrijfZoekpagina();
    void SchrijfNietGevonden();
    void SchrijfSitemap();
    std::optional<Zijde> Publiceer(const std::string& bron);
    std::string LetterNavigatie(const std::string& pad, char huidig) const;
    std::string Bladeren(const LetterPagina& lp) const;

    UitvoerSessie& sessie_;
    Bestanden bestanden_;
    SiteGegevens site_;
    std::vector<Kaart> kaarten_;
    std::vector<LetterPagina> paginas_;
    std::array<std::size_t, 26> eerstePagina_{};     // per letter its first page; npos without cards
    std::unordered_map<std::string, Zijde> kopieen_; // faces published so far, by source on disk
    UniekeAdressen beeldNamen_;
};

} // namespace type4
} // namespace gdk
