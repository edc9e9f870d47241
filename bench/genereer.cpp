#include "genereer.h"

#include "data/tvars.h"
#include "data/globalen.h"
#include "import/tgdkimport.h"
#include "import/woordlijsten.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace gdk::bench {
namespace {

const char* const Achternamen[] = {
    "Jansen",    "Vries",      "Bakker",     "Visser",   "Smit",       "Meijer",   "Mulder",  "Bos",
    "Vos",       "Peters",     "Hendriks",   "Dekker",   "Brouwer",    "Dijk",     "Berg",    "Wit",
    "Dijkstra",  "Smits",      "Graaf",      "Meer",     "Linden",     "Kok",      "Jacobs",  "Haan",
    "Vermeulen", "Heuvel",     "Veen",       "Broek",    "Bruijn",     "Beek",     "Leeuwen", "Janssens",
    "Peeters",   "Maes",       "Willems",    "Claes",    "Goossens",   "Wouters",  "Mertens", "Desmet",
    "Declercq",  "Verhaeghe",  "Vandeputte", "Claeys",   "Martens",    "Lemmens",  "Pauwels", "Hermans",
    "Aerts",     "Wuyts",      "Cools",      "Michiels", "Verstraete", "Stevens",  "Dubois",  "Lambert",
    "Coppens",   "Segers",     "Vermeersch", "Hoekstra", "Bosman",     "Scholten", "Postma",  "Kuipers",
    "Huisman",   "Timmermans", "Verbeek",    "Koster",   "Prins",      "Blom",     "Sanders", "Schouten",
    "Kramer",    "Wijk",       "Willemsen",  "Hoek",     "Verhoeven",  "Wolff",    "Evers",   "Maas",
    "Ooms",      "Rutten",     "Groot",      "Veenstra", "Kuiper",     "Dam",      "Hofman",  "Boer",
    "Ruiter",    "Molenaar",   "Gerritsen",  "Brink",    "Wijnen",     "Vink",     "Goris",   "Hulst",
    "Laan",      "Horst",      "Poel",
};
const char* const Tussenvoegsels[] = {"",        "",        "",    "",       "van", "de",
                                      "van der", "van den", "ter", "van 't", "den"};
const char* const Mannen[] = {"Johannes",  "Petrus",   "Hendrik",   "Cornelis", "Jan",
                              "Willem",    "Antonius", "Theodorus", "Gerardus", "Franciscus",
                              "Josephus",  "Achiel",   "Remi",      "Karel",    "Jozef",
                              "Leonardus", "Hubertus", "Dirk",      "Pieter",   "Bernardus"};
const char* const Vrouwen[] = {"Maria",     "Johanna",    "Anna",    "Catharina", "Wilhelmina",
                               "Elisabeth", "Geertruida", "Adriana", "Hendrika",  "Theresia",
                               "Rosalie",   "Jeanne",     "Agnes",   "Sophia",    "Lucia",
                               "Bertha",    "Margaretha", "Helena",  "Ida",       "Alida"};
const char* const Plaatsen[] = {"Utrecht",  "Amersfoort", "Zwolle",   "Deventer", "Tilburg",  "Eindhoven",
                                "Haarlem",  "Leiden",     "Delft",    "Gouda",    "Nijmegen", "Venlo",
                                "Roermond", "Brugge",     "Gent",     "Kortrijk", "Ieper",    "Roeselare",
                                "Aalst",    "Leuven",     "Mechelen", "Hasselt",  "Genk",     "Turnhout",
                                "Oostende", "Tongeren"};

const char* const GedeeldeNamen[] = {
    "scan0001.jpg",   "scan0002.jpg",  "scan0003.jpg", "bidprent.png", "bidprent.jpg",
    "kaart.jpeg",     "kaart_12.jpeg", "Gedenkje.JPG", "noext",        "scan",
    "foto.png",       "img_0001.jpg",  "img_0002.jpg", "img_0003.jpg", "DSC0001.JPG",
    "achterkant.png", "voorkant.jpeg", "prentje",      "b.jpg",        "x.png",
};

template <class T, std::size_t N> const char* Kies(const T (&lijst)[N], std::mt19937& r) {
    return lijst[r() % N];
}

std::string Datum(std::mt19937& r, int vanJaar, int totJaar) {
    char tekst[24];
    const int dag = 1 + static_cast<int>(r() % 28);
    const int maand = 1 + static_cast<int>(r() % 12);
    const int jaar = vanJaar + static_cast<int>(r() % static_cast<unsigned>(totJaar - vanJaar + 1));
    std::snprintf(tekst, sizeof tekst, "%02d-%02d-%04d", dag, maand, jaar);
    return tekst;
}

void SchrijfBestand(const std::filesystem::path& pad, const std::string& inhoud) {
    std::filesystem::create_directories(pad.parent_path());
    std::FILE* f = std::fopen(pad.c_str(), "wb");
    if (!f) throw std::runtime_error("kan " + pad.string() + " niet schrijven");
    std::fwrite(inhoud.data(), 1, inhoud.size(), f);
    std::fclose(f);
}

} // namespace

Collectie GenereerCollectie(const std::filesystem::path& map, const GenereerOpties& opties) {
    Collectie c;
    c.personen = std::min(opties.personen, MaxPersonen);
    c.gezinnen = std::min({opties.gezinnen, c.personen / 2, MaxGezinnen});
    c.regels = c.personen - c.gezinnen;
    c.gdk = map / "generatie.gdk";
    c.scans = map / "scans";
    std::filesystem::create_directories(map);

    std::mt19937 r(opties.zaad);
    // A tiny JPEG-like blob: the benchmarks copy and test files, they never decode them.
    const std::string beeld = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(400, '\x55') + "\xFF\xD9";
    std::string uit;
    uit.reserve(static_cast<std::size_t>(c.regels) * 170);
    for (int i = 0; i < c.regels; ++i) {
        // Partners spread evenly, the last line always one, so the 200000th person is a partner.
        const auto metPartner = [&c](int regel) {
            return static_cast<long long>(regel + 1) * c.gezinnen / c.regels >
                   static_cast<long long>(regel) * c.gezinnen / c.regels;
        };
        const bool partner = metPartner(i);
        const bool afwijking =
            opties.afwijkingElke > 0 && i % opties.afwijkingElke == opties.afwijkingElke - 1;
        const int soort = afwijking ? (i / opties.afwijkingElke) % 4 : -1;

        recPersoon p;
        const bool man = r() % 2 == 0;
        p.Voornamen = man ? std::string(Kies(Mannen, r)) + " " + Kies(Mannen, r) : Kies(Vrouwen, r);
        p.Tussenvoegsel = Kies(Tussenvoegsels, r);
        p.Achternaam = Kies(Achternamen, r);
        p.GeboorteDatum = Datum(r, 1880, 1950);
        p.OverlijdensDatum = soort == 1 ? "1 januari 1990" : Datum(r, 1951, 2020);
        const bool begraven = r() % 3 != 0;
        const std::string uitvaart = Datum(r, 1951, 2020);
        const std::string plaats = Kies(Plaatsen, r);
        const bool foto = r() % 4 == 0;

        const bool gedeeld = opties.gedeeldeAfbeeldingen && r() % 10 == 0;
        std::string afbeelding =
            gedeeld ? Kies(GedeeldeNamen, r) : Naamcode(p) + Overlijdenscode(p) + "_v.jpg";
        std::string opSchijf = afbeelding;
        if (soort == 2) {
            for (char& ch : opSchijf)
                if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        }
        if (opties.afbeeldingen && soort != 3 &&
            !(gedeeld && std::filesystem::exists(c.scans / afbeelding.substr(0, 1) / opSchijf))) {
            SchrijfBestand(c.scans / afbeelding.substr(0, 1) / opSchijf, beeld);
            if (foto) SchrijfBestand(c.scans / afbeelding.substr(0, 1) / (Naamcode(p) + "_f.jpg"), beeld);
        }

        const std::size_t regelBegin = uit.size();
        uit += p.Voornamen + ";" + p.Tussenvoegsel + ";" + p.Achternaam + ";" +
               (soort == 0 ? ""
                : man      ? "M"
                           : "V") +
               ";" + (i % 7 == 0 ? "lid van de broederschap" : "") + ";" + p.GeboorteDatum + ";" + plaats +
               ";" + p.OverlijdensDatum + ";" + plaats + ";" +
               (begraven ? uitvaart + ";" + plaats + ";;;" : ";;" + uitvaart + ";" + plaats + ";") +
               afbeelding + ";" + (foto ? "ja" : "nee") + ";";
        if (partner)
            uit += std::string(man ? Kies(Vrouwen, r) : Kies(Mannen, r)) + ";;" + Kies(Achternamen, r) + ";" +
                   (man ? "V" : "M");
        else
            uit += ";;;";
        uit += "\r\n";
        // A second copy of a line counts as one of the lines asked for, so the counts stay.
        if (opties.dubbeleKaarten && !partner && i + 1 < c.regels && !metPartner(i + 1) && r() % 50 == 0) {
            uit += uit.substr(regelBegin);
            ++i;
        }
    }
    SchrijfBestand(c.gdk, uit);
    return c;
}

void ExportInstellingen(const Collectie& c, const std::filesystem::path& programmaMap) {
    StandaardUitvoerTekst();
    InstellingenVoorinstellen();
    ControleOpGeslacht = ControleOpDatum = ControleOpBestandsnaam = false;
    ControleOpBestandsnaamAfbeelding = ControleOpBestandsnaamFoto = false;
    AfbeeldingBestanden = c.scans.string();
    NiveauAfbeeldingBestanden = 0;
    DatumWeergeven = AantalWeergeven = true;
    ProgrammaMap = programmaMap.string();
}

TijdelijkeBenchMap::TijdelijkeBenchMap() {
    std::random_device rd;
    do {
        pad_ = std::filesystem::temp_directory_path() / ("gdk-bench-" + std::to_string(rd()));
    } while (std::filesystem::exists(pad_));
    std::filesystem::create_directories(pad_);
}

TijdelijkeBenchMap::~TijdelijkeBenchMap() {
    std::error_code ec;
    std::filesystem::remove_all(pad_, ec);
}

} // namespace gdk::bench
