#pragma once
// Recent cards kept private (the setting RecentNietPubliceren, N years): a card whose year of
// death is later than the export's year minus N, or that has no year at all, is taken out of the
// collection for the length of one export, before any layout sees it, and its partner, named only
// on that card, goes with it. Every page, index, search record, sitemap and copy is made from
// what is left, so no channel of any layout can show a withheld card; the window keeps the whole
// collection, the collector's own view. With N = 0 nothing is touched.
#include "data/tvars.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gdk {

// The year of death: the first year in the death date, else in the burial date, else in the
// cremation date, read as the search reads years from a date ("ca 1895", "12-3-1920", "1920?"
// all give a year); nothing when none of the three has one.
std::optional<int> OverlijdensJaar(const recPersoon& p);

class Achterhouding {
  public:
    // With RecentNietPubliceren > 0: from here to the end of the scope the record store holds
    // only the cards published by the export of UitvoerTijd, renumbered as if the collection
    // held no others.
    Achterhouding();
    ~Achterhouding();
    Achterhouding(const Achterhouding&) = delete;
    Achterhouding& operator=(const Achterhouding&) = delete;

    bool Actief() const { return laatsteJaar_.has_value(); }
    // The cards with an image (those a layout would have published) that were withheld.
    std::size_t Aantal() const { return verslag_.size(); }
    // Cards were withheld and not one card with an image is left: the site says it has none.
    bool Alles() const { return Aantal() > 0 && !overigeKaart_; }
    // For the status line: "niet gepubliceerd: 3 (overleden na 1976 of zonder jaar)"; empty
    // when the rule is off.
    std::string Samenvatting() const;
    // One line per withheld card appended to the difference report, in the order of the entry
    // lists. May throw IOFout when the report cannot be written.
    void Verslag() const;

  private:
    std::optional<int> laatsteJaar_; // the last year of death that is published
    std::vector<std::string> verslag_;
    bool overigeKaart_ = false;
    // The whole collection, back in the store when the scope ends.
    Tabel<recPersoon, MaxPersonen> personen_;
    Tabel<recFamilie, MaxGezinnen> gezinnen_;
    std::int32_t aantalPersonen_ = 0, aantalGezinnen_ = 0;
};

} // namespace gdk
