#include "export/type4site.h"

#include "data/afbeeldingen.h"
#include "data/globalen.h"
#include "data/paden.h"
#include "data/tvars.h"
#include "export/sessie.h"
#include "export/type23.h"
#include "export/sitemappen.h"
#include "export/type4html.h"
#include "export/zoekindex.h"
#include "export/zoekvouw.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "pages/tnaamopmaak.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/klok.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <numeric>

namespace gdk {
namespace type4 {
namespace {

constexpr std::size_t Geen = static_cast<std::size_t>(-1);
// Addresses in one sitemap file, as search engines take them.
constexpr std::size_t AdressenPerSitemap = 50000;

char Hoofdletter(char l) {
    return static_cast<char>(l - 'a' + 'A');
}

// The letter whose pages list a card, as in every layout (NaamLetter); a surname without one (a
// digit, "?", nothing) is listed on the pages of A, before A's own names.
struct Plaats {
    char letter;
    bool eigen; // the surname begins with the letter itself
};
Plaats LetterVan(const recPersoon& p) {
    const char c = NaamLetter(p.Achternaam);
    if (c != '\0') return {c, true};
    return {'a', false};
}

// The heading of a card's surname on its letter page, as the type 2 rows show it: "Berg, van der".
std::string AchternaamKop(const recPersoon& p) {
    std::string s = Trim(p.Achternaam);
    if (!IsLeeg(p.Tussenvoegsel)) s += ", " + Trim(p.Tussenvoegsel);
    return s.empty() ? std::string("(zonder achternaam)") : s;
}

// The first year in a date text ("ca 1895", "5-3-1920", "12 MAR 1920"), or empty.
std::string Jaar(const std::string& datum) {
    std::vector<std::string> jaren;
    ZoekJaren(datum, jaren);
    return jaren.empty() ? std::string() : jaren.front();
}

std::string Jaren(const recPersoon& p) {
    const std::string g = Jaar(p.GeboorteDatum), o = Jaar(p.OverlijdensDatum);
    if (g.empty() && o.empty()) return {};
    return (g.empty() ? "?" : g) + " &ndash; " + (o.empty() ? "?" : o);
}

// The address of a card without folder: its names, then its years of birth and death.
std::string AdresBasis(const recPersoon& p) {
    std::string naam = AdresDeel(p.Voornamen + " " + p.Tussenvoegsel + " " + p.Achternaam);
    if (naam.empty()) naam = "kaart";
    for (const std::string& jaar : {Jaar(p.GeboorteDatum), Jaar(p.OverlijdensDatum)})
        if (!jaar.empty()) naam += "-" + jaar;
    return naam;
}

std::string Getal(std::size_t n, const char* een, const char* meer) {
    return std::to_string(n) + " " + (n == 1 ? een : meer);
}

} // namespace

Site::Site(UitvoerSessie& sessie) : sessie_(sessie), bestanden_(sessie.SiteMap()) {
    site_.webAdres = WebAdresVan(WebAdres);
    if (DatumWeergeven) site_.datum = KorteDatum(UitvoerTijd);
}

void Site::VerzamelKaarten() {
    VoortgangMelder melder(AantalPersonen);
    for (std::int32_t i = 1; i <= AantalPersonen; ++i) {
        const recPersoon& p = Personen[i];
        if (p.Nummer > 0 && !IsLeeg(p.AfbeeldingBestand)) {
            Kaart k;
            k.persoon = i;
            k.voorkant = KaartAfbeelding(p);
            // The entry line names the image as the type 2 rows do, so both report the same lines.
            const std::string naam = BestandsnaamDeel(p.AfbeeldingBestand);
            const bool zoals2 = !k.voorkant.empty() && IsVeiligeNaam(naam) &&
                                IsVeiligeNaam(std::string(1, AfbeeldingLetter(naam)));
            k.ingang = MaakKaartIngang(i, zoals2 ? naam : std::string());
            kaarten_.push_back(std::move(k));
        }
        melder.Stap(i);
    }
}

void Site::DeelIn() {
    // The order of the type 2 letter pages: the entry lines sorted, and their report lines.
    SorteerOp(kaarten_, [](const Kaart& k) -> std::string_view { return k.ingang.Regel(); });
    for (std::size_t k = 0; k < kaarten_.size(); ++k)
        kaarten_[k].rang = k;
    {
        std::vector<KaartIngang> ingangen;
        ingangen.reserve(kaarten_.size());
        for (const Kaart& k : kaarten_)
            ingangen.push_back(k.ingang);
        type23::Verslag(ingangen);
    }
    // Then by letter, the surnames without a letter first on A's pages.
    std::vector<int> plek(kaarten_.size());
    for (std::size_t k = 0; k < kaarten_.size(); ++k) {
        const Plaats pl = LetterVan(Personen[kaarten_[k].persoon]);
        kaarten_[k].letter = pl.letter;
        plek[k] = 2 * (pl.letter - 'a') + (pl.eigen ? 1 : 0);
    }
    {
        std::vector<std::size_t> volgorde(kaarten_.size());
        std::iota(volgorde.begin(), volgorde.end(), std::size_t{0});
        std::stable_sort(volgorde.begin(), volgorde.end(),
                         [&](std::size_t a, std::size_t b) { return plek[a] < plek[b]; });
        std::vector<Kaart> geordend;
        geordend.reserve(kaarten_.size());
        for (std::size_t k : volgorde)
            geordend.push_back(std::move(kaarten_[k]));
        kaarten_ = std::move(geordend);
    }
    // Addresses in reading order, so that of two cards with the same names and years the first in
    // the collection keeps the plain one.
    {
        std::vector<std::size_t> lezen(kaarten_.size());
        std::iota(lezen.begin(), lezen.end(), std::size_t{0});
        std::sort(lezen.begin(), lezen.end(),
                  [&](std::size_t a, std::size_t b) { return kaarten_[a].persoon < kaarten_[b].persoon; });
        UniekeAdressen adressen;
        for (std::size_t k : lezen) {
            const std::string a = adressen.Uniek(AdresBasis(Personen[kaarten_[k].persoon]));
            kaarten_[k].adres = "kaart/" + MapVan(a) + "/" + a + ".html";
        }
    }
    // The letter pages, at most KaartenPerPagina cards each; the surname headings and anchors.
    eerstePagina_.fill(Geen);
    for (std::size_t begin = 0; begin < kaarten_.size();) {
        const char l = kaarten_[begin].letter;
        std::size_t eind = begin;
        while (eind < kaarten_.size() && kaarten_[eind].letter == l)
            ++eind;
        const int van = static_cast<int>((eind - begin + KaartenPerPagina - 1) / KaartenPerPagina);
        eerstePagina_[l - 'a'] = paginas_.size();
        for (int n = 1; n <= van; ++n) {
            LetterPagina lp;
            lp.letter = l;
            lp.nummer = n;
            lp.van = van;
            lp.adres = std::string("letter/") + l + (n == 1 ? "" : "-" + std::to_string(n)) + ".html";
            lp.eerste = begin + static_cast<std::size_t>(n - 1) * KaartenPerPagina;
            lp.aantal = std::min(KaartenPerPagina, eind - lp.eerste);
            UniekeAdressen ankers;
            std::string vorigeKop;
            std::string anker;
            for (std::size_t k = lp.eerste; k < lp.eerste + lp.aantal; ++k) {
                Kaart& kaart = kaarten_[k];
                const recPersoon& p = Personen[kaart.persoon];
                kaart.naam = VolledigeNaam(kaart.persoon);
                kaart.achternaam = AchternaamKop(p);
                kaart.pagina = paginas_.size();
                if (anker.empty() || !GelijkZonderHoofdletters(kaart.achternaam, vorigeKop)) {
                    const std::string deel = AdresDeel(kaart.achternaam, 40);
                    anker = ankers.Uniek("n-" + (deel.empty() ? std::string("zonder") : deel));
                    vorigeKop = kaart.achternaam;
                }
                kaart.anker = anker;
            }
            paginas_.push_back(std::move(lp));
        }
        begin = eind;
    }
}

void Site::SchrijfVasteBestanden() {
    bestanden_.Schrijf("tool/stijl.css", StijlbladTekst());
    bestanden_.Schrijf("tool/kaart.js", ZoomScriptTekst());
    const std::string banner = ToolBestand("Afbeelding.jpg");
    if (!banner.empty()) {
        site_.banner = bestanden_.KopieerBeeld(banner, "tool/banner.jpg");
        if (!site_.banner) site_.banner = Beeldmaat{600, 60};
    }
    const std::string svg = ToolBestand("icoon.svg"), png = ToolBestand("icoon.png");
    if (!svg.empty() && !png.empty()) {
        bestanden_.Kopieer(svg, "favicon.svg");
        bestanden_.Kopieer(png, "favicon.png");
        site_.favicon = true;
    }
}

std::string Site::LetterNavigatie(const std::string& p, char huidig) const {
    std::string s = "<nav class=\"letters\" aria-label=\"Letters\">\n<ul>\n";
    for (char l = 'a'; l <= 'z'; ++l) {
        const std::size_t eerste = eerstePagina_[l - 'a'];
        const std::string letter(1, Hoofdletter(l));
        if (eerste == Geen)
            s += "<li><span title=\"Geen gedenkjes onder de " + letter + "\">" + letter + "</span></li>\n";
        else
            s += "<li><a href=\"" + p + paginas_[eerste].adres + "\"" +
                 (l == huidig ? " aria-current=\"page\"" : "") + ">" + letter + "</a></li>\n";
    }
    return s + "</ul>\n</nav>\n";
}

std::string Site::Bladeren(const LetterPagina& lp) const {
    if (lp.van == 1) return {};
    const std::size_t eerste = eerstePagina_[lp.letter - 'a'];
    const std::string letter(1, Hoofdletter(lp.letter));
    std::string s = "<nav class=\"bladeren\" aria-label=\"Pagina's van de letter " + letter + "\">\n<ul>\n";
    const auto link = [&](int n) { return "../" + paginas_[eerste + static_cast<std::size_t>(n - 1)].adres; };
    if (lp.nummer > 1)
        s += "<li><a href=\"" + link(lp.nummer - 1) + "\" rel=\"prev\">Vorige pagina</a></li>\n";
    for (int n = 1; n <= lp.van; ++n) {
        const std::string getal = std::to_string(n);
        if (n == lp.nummer)
            s += "<li><a href=\"" + link(n) + "\" aria-current=\"page\">" + getal + "</a></li>\n";
        else
            s += "<li><a href=\"" + link(n) + "\" aria-label=\"Pagina " + getal + "\">" + getal +
                 "</a></li>\n";
    }
    if (lp.nummer < lp.van)
        s += "<li><a href=\"" + link(lp.nummer + 1) + "\" rel=\"next\">Volgende pagina</a></li>\n";
    return s + "</ul>\n</nav>\n";
}

void Site::SchrijfLetterPaginas() {
    for (const LetterPagina& lp : paginas_) {
        const std::string letter(1, Hoofdletter(lp.letter));
        const std::string deel =
            lp.van > 1 ? ", pagina " + std::to_string(lp.nummer) + " van " + std::to_string(lp.van) : "";
        Kop kop;
        kop.pad = lp.adres;
        kop.titel = "Letter " + letter + deel;
        kop.beschrijving = "Gedenkjes van de achternamen onder de letter " + letter + deel + ": " +
                           Getal(lp.aantal, "gedenkje", "gedenkjes") +
                           " met naam, jaren en plaats van overlijden.";
        std::string namen, lijst;
        std::string anker;
        for (std::size_t k = lp.eerste; k < lp.eerste + lp.aantal; ++k) {
            const Kaart& kaart = kaarten_[k];
            const recPersoon& p = Personen[kaart.persoon];
            if (kaart.anker != anker) {
                if (!anker.empty()) lijst += "</ul>\n</section>\n";
                anker = kaart.anker;
                const std::string kopTekst = Html(kaart.achternaam);
                namen += "<li><a href=\"#" + anker + "\">" + kopTekst + "</a></li>\n";
                lijst += "<section aria-labelledby=\"" + anker + "\">\n<h2 id=\"" + anker + "\">" + kopTekst +
                         "</h2>\n<ul class=\"kaarten\">\n";
            }
            lijst += "<li><a href=\"../" + kaart.adres + "\">" + Html(kaart.naam) + "</a>";
            const std::string jaren = Jaren(p);
            if (!jaren.empty()) lijst += " <span class=\"jaren\">" + jaren + "</span>";
            if (!IsLeeg(p.OverlijdensPlaats))
                lijst += " <span class=\"plaats\">" + Html(Trim(p.OverlijdensPlaats)) + "</span>";
            lijst += "</li>\n";
        }
        if (!anker.empty()) lijst += "</ul>\n</section>\n";
        std::string inhoud = "<h1>Letter " + letter +
                             (lp.van > 1 ? " <small>pagina " + std::to_string(lp.nummer) + " van " +
                                               std::to_string(lp.van) + "</small>"
                                         : "") +
                             "</h1>\n";
        inhoud += LetterNavigatie(NaarWortel(lp.adres), lp.letter);
        inhoud += "<nav class=\"namen\" aria-label=\"Achternamen op deze pagina\">\n<ul>\n" + namen +
                  "</ul>\n</nav>\n";
        inhoud += lijst;
        inhoud += Bladeren(lp);
        const std::string spoor =
            lp.van > 1 ? Spoor(lp.adres, {{paginas_[eerstePagina_[lp.letter - 'a']].adres, letter},
                                          {"", "pagina " + std::to_string(lp.nummer)}})
                       : Spoor(lp.adres, {{"", letter}});
        bestanden_.SchrijfPagina(lp.adres, Pagina(site_, kop, spoor, inhoud));
    }
}

void Site::SchrijfStartpagina() {
    Kop kop;
    kop.pad = "index.html";
    kop.beschrijving = kaarten_.empty()
                           ? std::string("Een verzameling gedenkjes (bidprentjes).")
                           : "Een verzameling van " + Getal(kaarten_.size(), "gedenkje", "gedenkjes") +
                                 " (bidprentjes), te vinden op achternaam, naam, plaats en jaar.";
    std::string inhoud = "<h1>" + UitvoerTekst[ut::Inleiding] + "</h1>\n";
    inhoud += "<p class=\"inleiding\">" + UitvoerTekst[ut::InleidingTekst] + "</p>\n";
    inhoud += LetterNavigatie(NaarWortel(kop.pad), '\0');
    inhoud += kaarten_.empty()
                  ? std::string("<p class=\"aantal\">Deze verzameling bevat nog geen gedenkjes.</p>\n")
                  : "<p class=\"aantal\">Deze verzameling telt " +
                        Getal(kaarten_.size(), "gedenkje", "gedenkjes") + ".</p>\n";
    std::string voet;
    if (!site_.datum.empty())
        voet = "<p>laatst bijgewerkt: <time datetime=\"" + IsoDatum(UitvoerTijd) + "\">" + site_.datum +
               "</time></p>\n";
    return bestanden_.SchrijfPagina(kop.pad, Pagina(site_, kop, {}, inhoud, voet));
}

void Site::SchrijfZoekpagina() {
    Kop kop;
    kop.pad = "zoeken.html";
    kop.titel = "Zoeken";
    kop.beschrijving = "Zoek in de gedenkjes op achternaam, voornaam, plaats van overlijden of jaar.";
    kop.zoekveld = false;
    std::string inhoud = "<h1>Zoeken</h1>\n";
    inhoud +=
        "<form id=\"zoekformulier\" class=\"zoek\" action=\"zoeken.html\" method=\"get\" role=\"search\">\n";
    inhoud += "<label class=\"verborgen\" for=\"zoekveld\">Zoek een gedenkje</label>\n";
    inhoud += "<input id=\"zoekveld\" type=\"search\" name=\"q\" maxlength=\"200\" autocomplete=\"off\" "
              "placeholder=\"Naam, plaats of jaar\">\n";
    inhoud += "<button id=\"zoekknop\" type=\"submit\">Zoeken</button>\n</form>\n";
    inhoud +=
        "<p class=\"aantal\">Typ een of meer woorden uit de naam, de plaats van overlijden of een geboorte- "
        "of sterfjaar, bijvoorbeeld <i>van der berg</i> of <i>leuven 2004</i>. Hoofdletters en accenten "
        "maken niet uit.</p>\n";
    inhoud += "<p id=\"zoekaantal\" role=\"status\"></p>\n";
    inhoud += "<ol id=\"zoekresultaten\" class=\"resultaten\"></ol>\n";
    inhoud += "<noscript><p>Zoeken werkt alleen als JavaScript aan staat. Kies anders een letter op de "
              "<a href=\"index.html\">startpagina</a>.</p></noscript>\n";
    inhoud += "<script src=\"tool/zoeken.js\"></script>\n";
    return bestanden_.SchrijfPagina(kop.pad, Pagina(site_, kop, Spoor(kop.pad, {{"", "Zoeken"}}), inhoud));
}

void Site::SchrijfNietGevonden() {
    Kop kop;
    kop.pad = "404.html";
    kop.titel = "Pagina niet gevonden";
    kop.beschrijving = "Deze pagina bestaat niet (meer).";
    kop.vindbaar = false;
    kop.vanafWortel = true;
    // As the frame of the page: from the public address, else from the root of the host.
    const std::string p = site_.webAdres.empty() ? "/" : "";
    std::string inhoud = "<h1>Pagina niet gevonden</h1>\n";
    inhoud +=
        "<p>De pagina die u zocht, bestaat niet (meer). Misschien is het adres verkeerd overgenomen, of "
        "heeft het gedenkje een nieuw adres gekregen. Zoek het met het zoekveld hierboven, kies een letter, "
        "of ga naar de <a href=\"" +
        p + "index.html\">startpagina</a>.</p>\n";
    inhoud += LetterNavigatie(p, '\0');
    return bestanden_.SchrijfPagina(kop.pad, Pagina(site_, kop, {}, inhoud));
}

void Site::SchrijfSitemap() {
    if (site_.webAdres.empty()) return;
    std::vector<std::string> adressen;
    adressen.reserve(1 + paginas_.size() + kaarten_.size());
    adressen.push_back(site_.webAdres);
    for (const LetterPagina& lp : paginas_)
        adressen.push_back(site_.webAdres + lp.adres);
    for (const Kaart& k : kaarten_)
        adressen.push_back(site_.webAdres + k.adres);
    std::string index = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    for (std::size_t begin = 0, n = 1; begin < adressen.size(); begin += AdressenPerSitemap, ++n) {
        const std::string naam = "sitemap-" + std::to_string(n) + ".xml";
        std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
        for (std::size_t i = begin; i < std::min(adressen.size(), begin + AdressenPerSitemap); ++i)
            s += "<url><loc>" + XmlTekst(adressen[i]) + "</loc></url>\n";
        s += "</urlset>\n";
        bestanden_.Schrijf(naam, s);
        index += "<sitemap><loc>" + XmlTekst(site_.webAdres + naam) + "</loc></sitemap>\n";
    }
    index += "</sitemapindex>\n";
    bestanden_.Schrijf("sitemap.xml", index);
    bestanden_.Schrijf("robots.txt", "User-agent: *\nAllow: /\nSitemap: " + site_.webAdres + "sitemap.xml\n");
}

void Site::SchrijfKaartPaginas() {
    VoortgangMelder melder(static_cast<long>(kaarten_.size()));
    for (std::size_t k = 0; k < kaarten_.size(); ++k) {
        SchrijfKaartPagina(k);
        melder.Stap(static_cast<long>(k + 1));
    }
}

void Site::Schrijf() {
    VerzamelKaarten();
    DeelIn();
    SchrijfVasteBestanden();
    ZoekIndex& zoek = sessie_.Zoeken();
    zoek.Begin(false, true);
    // The index orders the cards by the lines the letter pages were sorted on: that order again.
    std::vector<std::size_t> opRegel(kaarten_.size());
    for (std::size_t k = 0; k < kaarten_.size(); ++k) {
        zoek.VoegToe(kaarten_[k].persoon, kaarten_[k].ingang.Regel(), kaarten_[k].adres);
        opRegel[kaarten_[k].rang] = k;
    }
    zoek.ZetVolgorde(std::move(opRegel));
    SchrijfKaartPaginas();
    SchrijfLetterPaginas();
    SchrijfStartpagina();
    SchrijfNietGevonden();
    SchrijfSitemap();
    zoek.SchrijfIndex(bestanden_.SiteMap(), bestanden_.SiteMap() + "/tool", "/zoeken.js", false);
    SchrijfZoekpagina();
    StatusLinks("gedenkjes : " + std::to_string(kaarten_.size()));
}

} // namespace type4

bool UitvoerenType4(UitvoerSessie& sessie) {
    const std::string& siteMap = sessie.SiteMap();
    // Below the root every name is the program's own: matched exactly, never case-insensitively
    // (web servers are case-sensitive).
    if (!sessie.BeginSite()) return false;
    if (!fs::MaakMappen(siteMap)) StopNietAangemaakt(siteMap, "index.html");
    type4::Site site(sessie);
    site.Schrijf();
    return true;
}

} // namespace gdk
