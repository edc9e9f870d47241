#pragma once
// Shared set-up of the type 2 and type 3 export tests: settings as a fresh installation has them,
// a record store filled card by card, scans and tool files in a temporary folder.
#include "data/globalen.h"
#include "data/tvars.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker_opname.h"
#include "platform/klok.h"
#include "settings/instellingen.h"
#include "support/tijdelijke_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace gdk::test {

inline std::string Samen(const std::vector<std::string>& regels) {
    std::string s;
    for (const auto& r : regels)
        s += r + "\r\n";
    return s;
}

inline void Voeg(std::vector<std::string>& a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
}

// Every file below `map`, relative, with '/' separators.
inline std::set<std::string> Bestanden(const std::filesystem::path& map) {
    std::set<std::string> s;
    if (!std::filesystem::exists(map)) return s;
    for (const auto& e : std::filesystem::recursive_directory_iterator(map))
        if (e.is_regular_file()) s.insert(std::filesystem::relative(e.path(), map).generic_string());
    return s;
}

struct Kaart {
    std::string voornamen{}, tussenvoegsel{}, achternaam{}, geslacht{};
    std::string afbeelding{};
    std::string metFoto = "nee";
    std::string geboorteDatum{}, geboortePlaats{}, overlijdensDatum{}, overlijdensPlaats{};
    std::string begraafPlaats{}, crematieDatum{}, begraafDatum{};
};

class Export23 : public ::testing::Test {
  protected:
    void SetUp() override {
        StandaardUitvoerTekst();
        InstellingenVoorinstellen();
        ProgrammaMap = (map.pad() / "programma").string();
        std::filesystem::create_directories(map.pad() / "programma");
        UitvoerBestanden = (map.pad() / "uit").string();
        AfbeeldingBestanden = (map.pad() / "scans").string();
        NiveauAfbeeldingBestanden = 0;
        CollectieNaam = "kaarten";
        VerschillenBestand = (map.pad() / "kaarten_Verschillen.txt").string();
        t2InhoudCellPadd = t2InhoudCellSpac = t3InhoudCellPadd = t3InhoudCellSpac = "1";
        t2AfbeeldingHeight = t2AfbeeldingWidth = t3AfbeeldingHeight = t3AfbeeldingWidth = "69%";
        miWidth = "40";
        miHeight = "30";
        inCols = "250";
        VoornamenPartnerVolledigWeergeven = false;
        GeslachtOnbekendNietWeergeven = false;
        ControleOpDubbeleGedenkjes = false;
        LijstNamenGedenkje = false;
        BeschermenTegenKopieren = false;
        DatumWeergeven = false;
        AantalWeergeven = false;
        AfbeeldingVoorEnAchterkantWeergeven = false;
        ZoekpaginaMaken = false;
        RecentNietPubliceren = 0;
        ZetVasteTijd(DatumTijd{2026, 12, 8, 10, 30, 0});
        LeegOpslag();
    }
    void TearDown() override {
        ZetVasteTijd(std::nullopt);
        LeegOpslag();
    }

    // Adds a card; returns its person number.
    int Kaartje(const Kaart& k) {
        Personen.Nieuw();
        AantalPersonen = Personen.Gevuld();
        recPersoon& p = Personen.Wijzig(AantalPersonen);
        p.Voornamen = k.voornamen;
        p.Tussenvoegsel = k.tussenvoegsel;
        p.Achternaam = k.achternaam;
        p.Geslacht = k.geslacht;
        p.AfbeeldingBestand = k.afbeelding;
        p.MetFoto = k.metFoto;
        p.GeboorteDatum = k.geboorteDatum;
        p.GeboortePlaats = k.geboortePlaats;
        p.OverlijdensDatum = k.overlijdensDatum;
        p.OverlijdensPlaats = k.overlijdensPlaats;
        p.BegraafPlaats = k.begraafPlaats;
        p.CrematieDatum = k.crematieDatum;
        p.BegraafDatum = k.begraafDatum;
        return AantalPersonen;
    }
    // Gives person `hoofd` the partner `partner` through a new family.
    void Trouw(int man, int vrouw) {
        Gezinnen.Nieuw();
        AantalGezinnen = Gezinnen.Gevuld();
        recFamilie& f = Gezinnen.Wijzig(AantalGezinnen);
        f.Man = man;
        f.Vrouw = vrouw;
        Personen.Wijzig(man).Gezinnen[1] = AantalGezinnen;
        Personen.Wijzig(vrouw).Gezinnen[1] = AantalGezinnen;
    }
    // A scan at level 0: scans/<first character>/<name>.
    void Scan(const std::string& naam, const std::string& inhoud = "JPEG") {
        map.Schrijf("scans/" + naam.substr(0, 1) + "/" + naam, inhoud);
    }
    std::filesystem::path Site(int type) const {
        return map.pad() / "uit" / "kaarten" / "gedenkjes" / ("type " + std::to_string(type));
    }
    std::string Lees(int type, const std::string& relatief) const {
        return LeesBestand(Site(type) / relatief);
    }

    TijdelijkeMap map;
    OpnameGebruiker ui;
};

} // namespace gdk::test
