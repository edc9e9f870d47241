#include "data/tvars.h"

namespace gdk {

Tabel<recPersoon, MaxPersonen> Personen;
Tabel<recFamilie, MaxGezinnen> Gezinnen;
std::int32_t AantalPersonen = 0;
std::int32_t AantalGezinnen = 0;

const recPersoonExtra& recPersoon::Leeg() {
    static const recPersoonExtra leeg;
    return leeg;
}

recPersoonExtra& recPersoon::ExtraWijzigen() {
    if (!extra_) extra_ = std::make_unique<recPersoonExtra>();
    return *extra_;
}

recPersoon::recPersoon(const recPersoon& o)
    : Nummer(o.Nummer), Voornamen(o.Voornamen), Tussenvoegsel(o.Tussenvoegsel), Achternaam(o.Achternaam),
      Geslacht(o.Geslacht), GeboorteDatum(o.GeboorteDatum), GeboortePlaats(o.GeboortePlaats),
      Aantekening(o.Aantekening), OverlijdensDatum(o.OverlijdensDatum),
      OverlijdensPlaats(o.OverlijdensPlaats), MetFoto(o.MetFoto), BegraafDatum(o.BegraafDatum),
      BegraafPlaats(o.BegraafPlaats), CrematieDatum(o.CrematieDatum), CrematiePlaats(o.CrematiePlaats),
      AfbeeldingExtensie(o.AfbeeldingExtensie), AfbeeldingBestand(o.AfbeeldingBestand), Gezinnen(o.Gezinnen),
      extra_(o.extra_ ? std::make_unique<recPersoonExtra>(*o.extra_) : nullptr) {}

recPersoon& recPersoon::operator=(const recPersoon& o) {
    if (this != &o) *this = recPersoon(o);
    return *this;
}

const recFamilieExtra& recFamilie::Leeg() {
    static const recFamilieExtra leeg;
    return leeg;
}

recFamilieExtra& recFamilie::ExtraWijzigen() {
    if (!extra_) extra_ = std::make_unique<recFamilieExtra>();
    return *extra_;
}

const recHuwelijk& recFamilie::Huwelijken(int slot) const {
    static const recHuwelijk leeg;
    return (slot >= 1 && slot <= 6) ? Extra().Huwelijken[static_cast<std::size_t>(slot)] : leeg;
}

recFamilie::recFamilie(const recFamilie& o)
    : Nummer(o.Nummer), Man(o.Man), Vrouw(o.Vrouw),
      extra_(o.extra_ ? std::make_unique<recFamilieExtra>(*o.extra_) : nullptr) {}

recFamilie& recFamilie::operator=(const recFamilie& o) {
    if (this != &o) *this = recFamilie(o);
    return *this;
}

void LeegOpslag() {
    Personen.Leeg();
    Gezinnen.Leeg();
    AantalPersonen = 0;
    AantalGezinnen = 0;
}

} // namespace gdk
