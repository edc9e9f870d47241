// The card page of the type 4 site: the full name, the event phrases of the person page, the
// note and the partner, the faces of the card together (front, back, the photo), the previous and
// next card, the trail, and the person's structured data.
#include "export/type4site.h"

#include "data/afbeeldingen.h"
#include "data/datums.h"
#include "data/globalen.h"
#include "data/namen.h"
#include "data/paden.h"
#include "data/tvars.h"
#include "export/type4html.h"
#include "export/zoekindex.h"
#include "export/zoekvouw.h"
#include "import/controles.h"
#include "import/tgdkimport.h"
#include "import/woordlijsten.h"
#include "pages/tnaamopmaak.h"
#include "platform/bestanden.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <cstdio>

namespace gdk::type4 {
namespace {

std::string NaamDeel(const std::string& s, bool hoofdletters) {
    return glAfblijven ? Trim(s) : Trim(HoofdletterWoorden(s, hoofdletters));
}

// A text for a title or a description: at most `n` characters of it.
std::string Kort(const std::string& s, std::size_t n = 200) {
    const std::string t = Trim(s);
    return t.size() > n ? t.substr(0, n) : t;
}

std::string Extensie(const std::string& naam) {
    const std::string zonder = ExtensieVervangen(naam, "");
    return naam.substr(zonder.size());
}

std::string ZijdeHtml(const std::string& p, const Zijde& z, const std::string& alt, const char* onderschrift,
                      bool lui) {
    std::string s = "<figure>\n<a class=\"zijde\" href=\"" + p + z.pad + "\"><img src=\"" + p + z.pad + "\"";
    // Shown at two thirds of its pixels at most: sharp on the screens of most phones (a pixel
    // density of 1.5 and more), and every line of it a click away in the zoom viewer.
    if (z.maat)
        s += " width=\"" + std::to_string(z.maat->breedte) + "\" height=\"" + std::to_string(z.maat->hoogte) +
             "\" style=\"width:" + std::to_string((z.maat->breedte * 2 + 2) / 3) + "px\"";
    s += " alt=\"" + alt + "\"";
    if (lui) s += " loading=\"lazy\"";
    return s + "></a>\n<figcaption>" + onderschrift + "</figcaption>\n</figure>\n";
}

void JsonVeld(std::string& s, const char* naam, const std::string& tekst) {
    const std::string t = KaleTekst(Kort(tekst, 1000));
    if (IsLeeg(t)) return;
    s += std::string(",\"") + naam + "\":" + JsTekst(Trim(t));
}

void JsonPlaats(std::string& s, const char* naam, const std::string& plaats) {
    const std::string t = KaleTekst(Kort(plaats, 1000));
    if (IsLeeg(t)) return;
    s += std::string(",\"") + naam + "\":{\"@type\":\"Place\",\"name\":" + JsTekst(Trim(t)) + "}";
}

void JsonDatum(std::string& s, const char* naam, const std::string& datum) {
    if (IsLeeg(datum)) return;
    if (const auto d = TekstNaarDatum(DatumNaarNederlands(Trim(datum))))
        s += std::string(",\"") + naam + "\":\"" + IsoDatum(*d) + "\"";
}

} // namespace

std::string IsoDatum(const DatumTijd& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.jaar, d.maand, d.dag);
    return buf;
}

std::string VolledigeNaam(std::int32_t persoon) {
    const recPersoon& p = Personen[persoon];
    std::string naam = NaamDeel(p.Voornamen, glVoornamen);
    const auto voeg = [&naam](const std::string& deel) {
        if (deel.empty()) return;
        if (!naam.empty()) naam += ' ';
        naam += deel;
    };
    if (!IsLeeg(p.Tussenvoegsel)) voeg(NaamDeel(p.Tussenvoegsel, glTussenvoegsel));
    voeg(IsLeeg(p.Achternaam) ? UitvoerTekst[ut::Onbekend] : NaamDeel(p.Achternaam, glAchternaam));
    return naam;
}

std::string FotoVan(std::int32_t persoon, const std::string& voorkant) {
    const recPersoon& p = Personen[persoon];
    if (IsLeeg(CodeFotoosVoorkant) || IsLeeg(p.Achternaam)) return {};
    const std::string map = KaartMap(p);
    for (const std::string& naam : FotoNamen(Codes(p))) {
        const std::string pad = map + naam;
        if (pad != voorkant && AfbeeldingBestaat(naam, pad)) return pad;
    }
    return {};
}

std::optional<Zijde> Site::Publiceer(const std::string& bron) {
    if (bron.empty()) return std::nullopt;
    // Looked up and taken in one step; a copy that fails ends the export, this site with it.
    const auto [er, nieuw] = kopieen_.try_emplace(fs::OpSchijf(bron));
    if (!nieuw) return er->second;
    const std::string naam = BestandsnaamDeel(bron);
    std::string basis = AdresDeel(ExtensieVervangen(naam, ""), 60);
    if (basis.empty()) basis = "beeld";
    basis = beeldNamen_.Uniek(basis);
    const std::string extensie = AdresDeel(Extensie(naam), 8);
    Zijde& z = er->second;
    z.pad = "beeld/" + MapVan(basis) + "/" + basis + (extensie.empty() ? "" : "." + extensie);
    z.maat = bestanden_.KopieerBeeld(bron, z.pad);
    return z;
}

void Site::SchrijfKaartPagina(std::size_t k) {
    const Kaart& kaart = kaarten_[k];
    const std::int32_t i = kaart.persoon;
    const recPersoon& p = Personen[i];
    const std::string p0 = NaarWortel(kaart.adres);
    const std::string naam = Html(kaart.naam);
    const std::string kaal = Kaal(Kort(kaart.naam));

    const std::optional<Zijde> voor = Publiceer(kaart.voorkant);
    const std::optional<Zijde> achter = Publiceer(KaartAchterkant(p, KaartMap(p) + p.AfbeeldingBestand));
    const std::optional<Zijde> foto = Publiceer(FotoVan(i, kaart.voorkant));

    std::string inhoud = "<article class=\"kaart\">\n<h1>" + naam + "</h1>\n";
    std::string feiten;
    for (const std::string& zin :
         {GeboorteTekst(i), OverlijdensTekst(i), BegrafenisTekst(i), CrematieTekst(i)})
        if (!IsLeeg(zin)) feiten += "<li>" + GeldigeHtml(Trim(zin)) + "</li>\n";
    if (!feiten.empty()) inhoud += "<ul class=\"feiten\">\n" + feiten + "</ul>\n";
    const std::string notitie = BijzonderhedenTekst(i);
    if (!IsLeeg(notitie)) inhoud += "<p class=\"notitie\">" + GeldigeHtml(notitie) + "</p>\n";
    const std::int32_t gezin = p.Gezinnen[1];
    if (gezin >= 1) {
        const recFamilie& fam = Gezinnen[gezin];
        const std::int32_t partner = fam.Man == p.Nummer ? fam.Vrouw : fam.Man;
        if (partner >= 1 && partner <= AantalPersonen) {
            std::string relatie;
            RelatieTekst(gezin, gezin, false, relatie);
            relatie = Trim(relatie);
            const std::string met = UitvoerTekst[ut::Met];
            if (!(relatie.size() >= met.size() &&
                  relatie.compare(relatie.size() - met.size(), met.size(), met) == 0))
                relatie += " " + met;
            inhoud += "<p class=\"partner\">" + GeldigeHtml(relatie) + " <strong>" +
                      Html(VolledigeNaam(partner)) + "</strong></p>\n";
        }
    }
    if (voor || achter || foto) {
        inhoud += "<div class=\"zijden\">\n";
        bool lui = false;
        if (voor) {
            inhoud += ZijdeHtml(p0, *voor, "Voorkant van het gedenkje van " + kaal, "Voorkant", lui);
            lui = true;
        }
        if (achter) {
            inhoud += ZijdeHtml(p0, *achter, "Achterkant van het gedenkje van " + kaal, "Achterkant", lui);
            lui = true;
        }
        if (foto) inhoud += ZijdeHtml(p0, *foto, "Foto van " + kaal, "Foto", lui);
        inhoud += "</div>\n";
    } else {
        inhoud += "<p class=\"geen-beeld\">Van dit gedenkje is geen afbeelding aanwezig.</p>\n";
    }
    inhoud += "</article>\n";
    if (k > 0 || k + 1 < kaarten_.size()) {
        inhoud += "<nav class=\"buren\" aria-label=\"Vorige en volgende gedenkje\">\n";
        if (k > 0)
            inhoud += "<a href=\"" + p0 + kaarten_[k - 1].adres +
                      "\" rel=\"prev\">&lsaquo; Vorige: " + Html(kaarten_[k - 1].naam) + "</a>\n";
        if (k + 1 < kaarten_.size())
            inhoud += "<a href=\"" + p0 + kaarten_[k + 1].adres +
                      "\" rel=\"next\">Volgende: " + Html(kaarten_[k + 1].naam) + " &rsaquo;</a>\n";
        inhoud += "</nav>\n";
    }

    Kop kop;
    kop.pad = kaart.adres;
    std::string jaren;
    {
        std::vector<std::string> g, o;
        ZoekJaren(p.GeboorteDatum, g);
        ZoekJaren(p.OverlijdensDatum, o);
        if (!g.empty() || !o.empty())
            jaren = " (" + (g.empty() ? std::string("?") : g.front()) + "&ndash;" +
                    (o.empty() ? std::string("?") : o.front()) + ")";
    }
    kop.titel = kaal + jaren;
    kop.beschrijving = "Gedenkje (bidprentje) van " + kaal;
    if (!IsLeeg(p.OverlijdensDatum) || !IsLeeg(p.OverlijdensPlaats)) {
        kop.beschrijving += ", overleden";
        if (!IsLeeg(p.OverlijdensDatum)) kop.beschrijving += " " + Kaal(Kort(p.OverlijdensDatum));
        if (!IsLeeg(p.OverlijdensPlaats)) kop.beschrijving += " te " + Kaal(Kort(p.OverlijdensPlaats));
    }
    kop.beschrijving += ".";
    kop.ogType = "profile";
    if (voor) kop.ogAfbeelding = voor->pad;
    std::string json = "{\"@context\":\"https://schema.org\",\"@type\":\"Person\"";
    JsonVeld(json, "name", kaart.naam);
    JsonVeld(json, "givenName", p.Voornamen);
    JsonVeld(json, "familyName",
             IsLeeg(p.Tussenvoegsel) ? p.Achternaam : Trim(p.Tussenvoegsel) + " " + Trim(p.Achternaam));
    JsonDatum(json, "birthDate", p.GeboorteDatum);
    JsonPlaats(json, "birthPlace", p.GeboortePlaats);
    JsonDatum(json, "deathDate", p.OverlijdensDatum);
    JsonPlaats(json, "deathPlace", p.OverlijdensPlaats);
    if (!site_.webAdres.empty()) {
        json += ",\"url\":" + JsTekst(site_.webAdres + kaart.adres);
        if (voor) json += ",\"image\":" + JsTekst(site_.webAdres + voor->pad);
    }
    json += "}";
    kop.extra = "<script type=\"application/ld+json\">" + json + "</script>\n";
    if (voor || achter || foto) kop.extra += "<script src=\"" + p0 + "tool/kaart.js\" defer></script>\n";

    const LetterPagina& lp = paginas_[kaart.pagina];
    const std::string spoor = Spoor(kaart.adres, {{paginas_[eerstePagina_[lp.letter - 'a']].adres,
                                                   std::string(1, static_cast<char>(lp.letter - 'a' + 'A'))},
                                                  {lp.adres + "#" + kaart.anker, Html(kaart.achternaam)},
                                                  {"", naam}});
    return bestanden_.SchrijfPagina(kaart.adres, Pagina(site_, kop, spoor, inhoud));
}

} // namespace gdk::type4
