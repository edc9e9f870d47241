#pragma once
// A store, word lists and display settings for the page tests, set up directly as a read and
// an activation would leave them, plus helpers to add persons and families.
#include "data/globalen.h"
#include "data/tvars.h"
#include "import/woordlijsten.h"
#include "pages/tpersoonpagina.h"
#include "settings/instellingen.h"
#include "support/tekst.h"

#include <gtest/gtest.h>

#include <string>

namespace gdk::test {

class PaginaOpslag : public ::testing::Test {
  protected:
    void SetUp() override {
        LeegOpslag();
        StandaardUitvoerTekst();
        StandaardTussenvoegsels();
        glAfblijven = glRoepnaam = glVoornamen = glTussenvoegsel = glAchternaam = glPlaatsnamen = false;
        adDatumAanpassen = 0;
        AfbeeldingBestanden.clear();
        ProgrammaMap = "/bestaat/niet";
        UitvoerTijd = DatumTijd{2026, 12, 8, 14, 3, 22};
        PaginaHtml.clear();
    }
    void TearDown() override { LeegOpslag(); }

    // Adds a person numbered as the reader numbers it and returns it for filling in.
    static recPersoon& Persoon(const std::string& voornamen, const std::string& tussenvoegsel,
                               const std::string& achternaam, const std::string& geslacht = "U") {
        Personen.Nieuw();
        AantalPersonen = Personen.Gevuld();
        recPersoon& p = Personen.Wijzig(AantalPersonen);
        p.Voornamen = voornamen;
        p.Tussenvoegsel = tussenvoegsel;
        p.Achternaam = achternaam;
        p.Geslacht = geslacht;
        return p;
    }

    // Adds a family of `man` and `vrouw` and puts it in the first free slot of both.
    static recFamilie& Gezin(std::int32_t man, std::int32_t vrouw) {
        Gezinnen.Nieuw();
        AantalGezinnen = Gezinnen.Gevuld();
        recFamilie& f = Gezinnen.Wijzig(AantalGezinnen);
        f.Man = man;
        f.Vrouw = vrouw;
        for (const std::int32_t p : {man, vrouw}) {
            if (p < 1 || p > AantalPersonen) continue;
            auto& slots = Personen.Wijzig(p).Gezinnen;
            for (int slot = 1; slot <= 6; ++slot)
                if (slots[slot] == 0) {
                    slots[slot] = AantalGezinnen;
                    break;
                }
        }
        return f;
    }
};

} // namespace gdk::test
