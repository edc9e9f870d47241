#include "export/achterhouden.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "export/type23.h"
#include "export/zoekvouw.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <algorithm>
#include <utility>

namespace gdk {

namespace {

// A card worth publishing in any layout: a person with an image file name.
bool IsKaart(const recPersoon& p) {
    return p.Nummer > 0 && !IsLeeg(p.AfbeeldingBestand);
}

// The partner of main person i (the reader numbers it i + 1 in the family of i), else 0. A
// partner is never a card of its own: its own line, if any, is another person.
std::int32_t PartnerVan(const Tabel<recPersoon, MaxPersonen>& personen,
                        const Tabel<recFamilie, MaxGezinnen>& gezinnen, std::int32_t i) {
    const std::int32_t f = personen[i].Gezinnen[1];
    if (f < 1) return 0;
    const recFamilie& fam = gezinnen[f];
    return std::min(fam.Man, fam.Vrouw) == i ? std::max(fam.Man, fam.Vrouw) : 0;
}

bool IsPartner(const Tabel<recPersoon, MaxPersonen>& personen, const Tabel<recFamilie, MaxGezinnen>& gezinnen,
               std::int32_t i) {
    const std::int32_t f = personen[i].Gezinnen[1];
    if (f < 1) return false;
    const recFamilie& fam = gezinnen[f];
    return std::max(fam.Man, fam.Vrouw) == i && std::min(fam.Man, fam.Vrouw) >= 1;
}

} // namespace

std::optional<int> OverlijdensJaar(const recPersoon& p) {
    for (const std::string* datum : {&p.OverlijdensDatum, &p.BegraafDatum, &p.CrematieDatum}) {
        std::vector<std::string> jaren;
        ZoekJaren(*datum, jaren);
        if (!jaren.empty()) return std::stoi(jaren.front());
    }
    return std::nullopt;
}

Achterhouding::Achterhouding() {
    if (RecentNietPubliceren <= 0) return;
    laatsteJaar_ = UitvoerTijd.jaar - std::min(RecentNietPubliceren, RecentNietPublicerenHoogste);
    const int laatste = *laatsteJaar_;
    const auto publiek = [laatste](const recPersoon& p) {
        const std::optional<int> jaar = OverlijdensJaar(p);
        return jaar && *jaar <= laatste;
    };
    // The report lines name the cards as the whole collection numbers them.
    for (std::int32_t i = 1; i <= AantalPersonen; ++i)
        if (!IsPartner(Personen, Gezinnen, i) && IsKaart(Personen[i]) && !publiek(Personen[i]))
            verslag_.push_back("niet gepubliceerd: " +
                               MaakKaartIngang(i, BestandsnaamDeel(Personen[i].AfbeeldingBestand)).Regel());
    SorteerRegels(verslag_);

    std::swap(personen_, Personen);
    std::swap(gezinnen_, Gezinnen);
    aantalPersonen_ = std::exchange(AantalPersonen, 0);
    aantalGezinnen_ = std::exchange(AantalGezinnen, 0);
    const auto neem = [](const recPersoon& bron) {
        Personen.Nieuw();
        recPersoon& p = Personen.Wijzig(Personen.Gevuld());
        const std::int32_t nummer = p.Nummer;
        p = bron;
        p.Nummer = nummer;
        p.Gezinnen = {};
        return nummer;
    };
    for (std::int32_t i = 1; i <= aantalPersonen_; ++i) {
        const recPersoon& p = personen_[i];
        if (IsPartner(personen_, gezinnen_, i) || !publiek(p)) continue;
        if (IsKaart(p)) overigeKaart_ = true;
        const std::int32_t n = neem(p);
        const std::int32_t partner = PartnerVan(personen_, gezinnen_, i);
        if (partner == 0) continue;
        const std::int32_t m = neem(personen_[partner]);
        Gezinnen.Nieuw();
        const std::int32_t f = Gezinnen.Gevuld();
        recFamilie& fam = Gezinnen.Wijzig(f);
        fam = gezinnen_[p.Gezinnen[1]];
        fam.Nummer = f;
        fam.Man = gezinnen_[p.Gezinnen[1]].Man == i ? n : m;
        fam.Vrouw = fam.Man == n ? m : n;
        Personen.Wijzig(n).Gezinnen[1] = f;
        Personen.Wijzig(m).Gezinnen[1] = f;
    }
    AantalPersonen = Personen.Gevuld();
    AantalGezinnen = Gezinnen.Gevuld();
}

Achterhouding::~Achterhouding() {
    if (!Actief()) return;
    std::swap(personen_, Personen);
    std::swap(gezinnen_, Gezinnen);
    AantalPersonen = aantalPersonen_;
    AantalGezinnen = aantalGezinnen_;
}

std::string Achterhouding::Samenvatting() const {
    if (!Actief()) return {};
    return "niet gepubliceerd: " + std::to_string(Aantal()) + " (overleden na " +
           std::to_string(*laatsteJaar_) + " of zonder jaar)";
}

void Achterhouding::Verslag() const {
    type23::VoegToeAanVerschillen(verslag_);
}

} // namespace gdk
