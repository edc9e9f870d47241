#include "export/zoekindex.h"

#include "data/tvars.h"
#include "export/sitemappen.h"
#include "export/zoekpagina.h"
#include "export/zoekregel.h"
#include "export/zoekvouw.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <unordered_map>

namespace gdk {

namespace {

// Room for the call around a shard's data and its line end.
constexpr std::size_t Omhulsel = 64;

// File names of the shards: a letter code and a number when it is taken.
class Namen {
  public:
    std::string Uniek(const std::string& basis) {
        std::string naam = basis;
        for (int n = 2; !gebruikt_.insert(naam).second; ++n)
            naam = basis + "-" + std::to_string(n);
        return naam;
    }

  private:
    std::set<std::string> gebruikt_;
};

std::string Voorvoegsel(const std::string& s, const char* prefix) {
    return prefix + (s.empty() ? std::string("0") : s.substr(0, 3));
}

std::string Kop(const std::string& naam) {
    return "gdkZoekDeel(" + JsTekst(naam) + ",[";
}
const std::string Staart = "]);";

// The shards of cards: contiguous runs of ranks, a new one where the surname's first letter
// changes, and within a letter where the next card would pass the limit, then preferably at the
// last change of the first two letters.
void MaakKaartDelen(const std::vector<ZoekKaart>& kaarten, std::size_t limiet, Namen& namen,
                    const std::function<void(const std::string&, const std::string&)>& schrijf,
                    std::string& inhoud) {
    std::vector<std::string> wachtend;
    std::size_t bytes = 0, eerste = 0;
    const auto letters = [&](std::size_t r, std::size_t n) { return kaarten[r].achternaam.substr(0, n); };
    const auto schrijfDeel = [&](std::size_t aantal) {
        const std::string naam = namen.Uniek(Voorvoegsel(kaarten[eerste].achternaam, "k-"));
        std::string tekst = Kop(naam);
        for (std::size_t i = 0; i < aantal; ++i) {
            if (i) tekst += ',';
            tekst += wachtend[i];
        }
        tekst += Staart;
        schrijf(naam, tekst);
        inhoud += (inhoud.empty() ? "[" : ",[") + JsTekst(naam) + "," + std::to_string(eerste) + "]";
        wachtend.erase(wachtend.begin(), wachtend.begin() + static_cast<std::ptrdiff_t>(aantal));
        eerste += aantal;
        bytes = 0;
        for (const std::string& w : wachtend)
            bytes += w.size() + 1;
    };
    for (std::size_t r = 0; r < kaarten.size(); ++r) {
        const ZoekKaart& k = kaarten[r];
        std::string t = JsTekst(k.naam) + "," + JsTekst(k.geboren) + "," + JsTekst(k.overleden) + "," +
                        JsTekst(k.plaats) + "," + JsTekst(k.link);
        if (!wachtend.empty()) {
            if (letters(r, 1) != letters(r - 1, 1)) {
                schrijfDeel(wachtend.size());
            } else if (bytes + t.size() + 1 + Omhulsel > limiet) {
                std::size_t snede = wachtend.size();
                for (std::size_t j = wachtend.size() - 1; j > 0; --j)
                    if (letters(eerste + j, 2) != letters(eerste + j - 1, 2)) {
                        snede = j;
                        break;
                    }
                std::size_t ervoor = 0;
                for (std::size_t j = 0; j < snede; ++j)
                    ervoor += wachtend[j].size() + 1;
                if (ervoor < limiet / 2) snede = wachtend.size();
                schrijfDeel(snede);
            }
        }
        bytes += t.size() + 1;
        wachtend.push_back(std::move(t));
    }
    if (!wachtend.empty()) schrijfDeel(wachtend.size());
}

// The shards of search words, in byte order of the words; each word with the ranks of its cards,
// ascending, each written as the difference to the one before (the first of a word in a shard
// whole). A word with more ranks than one shard holds continues in the next.
void MaakWoordDelen(const std::vector<ZoekKaart>& kaarten, std::size_t limiet, Namen& namen,
                    const std::function<void(const std::string&, const std::string&)>& schrijf,
                    std::string& inhoud) {
    std::unordered_map<std::string, std::vector<std::uint32_t>> rangen;
    for (std::size_t r = 0; r < kaarten.size(); ++r)
        for (const std::string& w : kaarten[r].woorden)
            rangen[w].push_back(static_cast<std::uint32_t>(r));
    std::vector<const std::string*> woorden;
    woorden.reserve(rangen.size());
    for (const auto& [w, _] : rangen)
        woorden.push_back(&w);
    std::sort(woorden.begin(), woorden.end(),
              [](const std::string* a, const std::string* b) { return *a < *b; });

    std::string data, eersteWoord, laatsteWoord;
    const auto schrijfDeel = [&] {
        const std::string naam = namen.Uniek(Voorvoegsel(eersteWoord, "w-"));
        schrijf(naam, Kop(naam) + data + Staart);
        inhoud += (inhoud.empty() ? "[" : ",[") + JsTekst(naam) + "," + JsTekst(eersteWoord) + "," +
                  JsTekst(laatsteWoord) + "]";
        data.clear();
    };
    for (const std::string* w : woorden) {
        const std::string sleutel = JsTekst(*w) + ",[";
        const auto begin = [&] {
            if (data.empty())
                eersteWoord = *w;
            else
                data += ',';
            data += sleutel;
            laatsteWoord = *w;
        };
        if (!data.empty() && data.size() + sleutel.size() + 16 + Omhulsel > limiet) schrijfDeel();
        begin();
        std::uint32_t vorige = 0;
        bool eerste = true;
        for (std::uint32_t r : rangen[*w]) {
            const std::string getal = std::to_string(r - vorige);
            if (data.size() + getal.size() + 2 + Omhulsel > limiet) {
                data += ']';
                schrijfDeel();
                begin();
                eerste = true;
                vorige = 0;
                const std::string opnieuw = std::to_string(r);
                data += opnieuw;
            } else {
                if (!eerste) data += ',';
                data += getal;
            }
            eerste = false;
            vorige = r;
        }
        data += ']';
    }
    if (!data.empty()) schrijfDeel();
}

} // namespace

std::string JsTekst(std::string_view s1252) {
    std::string uit;
    uit.reserve(s1252.size() + 2);
    uit += '"';
    for (char ch : s1252) {
        const auto c = static_cast<unsigned char>(ch);
        const bool gewoon =
            c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '<' && c != '>' && c != '&' && c != '\'';
        if (gewoon) {
            uit += ch;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(Unicode1252(ch)));
            uit += buf;
        }
    }
    uit += '"';
    return uit;
}

std::string UrlPad(std::string_view pad1252) {
    static const char* const hex = "0123456789ABCDEF";
    std::string uit;
    for (char ch : NaarUtf8(pad1252)) {
        const auto c = static_cast<unsigned char>(ch);
        const bool vrij = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (vrij) {
            uit += ch;
        } else {
            uit += '%';
            uit += hex[c >> 4];
            uit += hex[c & 15];
        }
    }
    return uit;
}

void MaakZoekBestanden(const std::vector<ZoekKaart>& kaarten, std::size_t limiet,
                       const std::function<void(const std::string&, const std::string&)>& schrijf) {
    Namen namen;
    namen.Uniek("inhoud");
    std::string kaartInhoud, woordInhoud;
    MaakKaartDelen(kaarten, limiet, namen, schrijf, kaartInhoud);
    MaakWoordDelen(kaarten, limiet, namen, schrijf, woordInhoud);
    schrijf("inhoud", "gdkZoekDeel(\"inhoud\",{\"aantal\":" + std::to_string(kaarten.size()) +
                          ",\"kaarten\":[" + kaartInhoud + "],\"woorden\":[" + woordInhoud + "]});");
}

void ZoekIndex::Begin(bool laatstePerLink) {
    Begin(laatstePerLink, ZoekpaginaMaken);
}

void ZoekIndex::Begin(bool laatstePerLink, bool aan) {
    ingangen_.clear();
    volgorde_.clear();
    actief_ = aan;
    laatstePerLink_ = laatstePerLink;
}

void ZoekIndex::VoegToe(std::int32_t persoon, const std::string& sorteerRegel, const std::string& link) {
    if (actief_) ingangen_.push_back({persoon, sorteerRegel, link});
}

void ZoekIndex::ZetVolgorde(std::vector<std::size_t> volgorde) {
    if (actief_) volgorde_ = std::move(volgorde);
}

void ZoekIndex::Schrijf(const std::string& siteMap) {
    if (!actief_) return;
    SchrijfIndex(siteMap, siteMap + "/tool/script", "/zoeken.js", true);
    SchrijfZoekpagina(siteMap, "/zoeken.htm");
}

void ZoekIndex::SchrijfIndex(const std::string& siteMap, const std::string& scriptMap,
                             const std::string& scriptBestand, bool doorverwijzing) {
    if (!actief_) return;
    actief_ = false;
    std::vector<Ingang> ingangen = std::move(ingangen_);
    ingangen_.clear();
    std::vector<std::size_t> volgorde = std::move(volgorde_);
    volgorde_.clear();
    StatusLinks("Zoekpagina schrijven...");
    if (laatstePerLink_) {
        // Only the last card of a page kept it: the earlier one's page was overwritten.
        std::unordered_map<std::string, std::size_t> laatste;
        for (std::size_t i = 0; i < ingangen.size(); ++i)
            if (!ingangen[i].link.empty()) laatste[ingangen[i].link] = i;
        std::vector<Ingang> over;
        for (std::size_t i = 0; i < ingangen.size(); ++i)
            if (ingangen[i].link.empty() || laatste[ingangen[i].link] == i)
                over.push_back(std::move(ingangen[i]));
        ingangen = std::move(over);
    }

    const long n = static_cast<long>(ingangen.size());
    VoortgangMelder melder(2 * n + 1);
    {
        std::vector<std::string_view> regels;
        regels.reserve(ingangen.size());
        for (const Ingang& i : ingangen)
            regels.push_back(i.sorteerRegel);
        if (volgorde.size() != ingangen.size()) volgorde = Sorteervolgorde(regels);
        // Lines alike in every byte (two cards of one entry line) keep the order they came in.
        for (std::size_t b = 0; b < volgorde.size();) {
            std::size_t e = b + 1;
            while (e < volgorde.size() && regels[volgorde[e]] == regels[volgorde[b]])
                ++e;
            std::sort(volgorde.begin() + static_cast<std::ptrdiff_t>(b),
                      volgorde.begin() + static_cast<std::ptrdiff_t>(e));
            b = e;
        }
    }
    melder.Stap(n);

    std::vector<ZoekKaart> kaarten;
    kaarten.reserve(ingangen.size());
    for (std::size_t i : volgorde) {
        const recPersoon& p = Personen[ingangen[i].persoon];
        ZoekKaart k;
        for (const std::string* deel : {&p.Voornamen, &p.Tussenvoegsel, &p.Achternaam}) {
            const std::string d = ZoekVeld(*deel);
            if (d.empty()) continue;
            if (!k.naam.empty()) k.naam += ' ';
            k.naam += d;
        }
        k.geboren = ZoekVeld(p.GeboorteDatum);
        k.overleden = ZoekVeld(p.OverlijdensDatum);
        k.plaats = ZoekVeld(p.OverlijdensPlaats);
        k.link = UrlPad(ingangen[i].link);
        k.achternaam = VouwAaneen(ZoekVeld(p.Achternaam));
        k.woorden = KaartWoorden(p);
        kaarten.push_back(std::move(k));
        melder.Stap(n + static_cast<long>(kaarten.size()));
    }
    ingangen.clear();
    ingangen.shrink_to_fit();

    const std::string map = siteMap + "/" + ZoekMap;
    if (doorverwijzing)
        MaakSiteMapAan(map, 2);
    else if (!fs::MaakMappen(map))
        StopNietAangemaakt(map, "");
    std::string bestand;
    try {
        MaakZoekBestanden(kaarten, ZoekDeelLimiet, [&](const std::string& naam, const std::string& inhoud) {
            bestand = "/" + naam + ".js";
            TekstSchrijver f;
            if (!f.Open(map + bestand)) throw IOFout(map + bestand);
            f.Regel(inhoud);
            f.Sluit();
        });
    } catch (const IOFout&) {
        StopNietAangemaakt(map, bestand);
    }
    SchrijfZoekScript(scriptMap, scriptBestand);
}

} // namespace gdk
