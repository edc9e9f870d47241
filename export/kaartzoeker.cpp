#include "export/kaartzoeker.h"

#include "data/tvars.h"
#include "export/zoekregel.h"
#include "export/zoekvouw.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace gdk {

void KaartZoeker::Wis() {
    personen_ = {};
    woorden_ = {};
    begin_ = {};
    plekken_ = {};
    treffers_ = {};
}

void KaartZoeker::Bouw(std::vector<std::int32_t> personen) {
    Wis();
    personen_ = std::move(personen);
    std::unordered_map<std::string, std::uint32_t> nummers;
    std::vector<std::vector<std::uint32_t>> houders;
    for (std::uint32_t plek = 0; plek < personen_.size(); ++plek) {
        for (std::string& w : KaartWoorden(Personen[personen_[plek]])) {
            const auto [it, nieuw] =
                nummers.try_emplace(std::move(w), static_cast<std::uint32_t>(houders.size()));
            if (nieuw) houders.emplace_back();
            houders[it->second].push_back(plek);
        }
    }
    std::vector<const std::string*> woorden(houders.size());
    for (const auto& [w, n] : nummers)
        woorden[n] = &w;
    std::vector<std::uint32_t> volgorde(houders.size());
    std::iota(volgorde.begin(), volgorde.end(), 0u);
    std::sort(volgorde.begin(), volgorde.end(),
              [&](std::uint32_t a, std::uint32_t b) { return *woorden[a] < *woorden[b]; });
    std::size_t totaal = 0;
    for (const auto& h : houders)
        totaal += h.size();
    woorden_.reserve(volgorde.size());
    begin_.reserve(volgorde.size() + 1);
    plekken_.reserve(totaal);
    for (std::uint32_t n : volgorde) {
        woorden_.push_back(*woorden[n]);
        begin_.push_back(static_cast<std::uint32_t>(plekken_.size()));
        plekken_.insert(plekken_.end(), houders[n].begin(), houders[n].end());
        houders[n] = {};
    }
    begin_.push_back(static_cast<std::uint32_t>(plekken_.size()));
}

std::vector<std::int32_t> KaartZoeker::Zoek(std::string_view vraag) {
    std::vector<std::int32_t> gevonden;
    const std::vector<std::string> vraagWoorden = VraagWoorden(vraag);
    if (vraagWoorden.empty() || personen_.empty()) return gevonden;
    treffers_.assign(personen_.size(), 0);
    std::uint32_t ronde = 0;
    for (const std::string& vraagWoord : vraagWoorden) {
        // A card counts for this word once, however many of its words the word begins.
        bool iets = false;
        for (const std::string& vorm : VraagVormen(vraagWoord)) {
            auto w = std::lower_bound(woorden_.begin(), woorden_.end(), vorm);
            for (; w != woorden_.end() && w->compare(0, vorm.size(), vorm) == 0; ++w) {
                const auto i = static_cast<std::size_t>(w - woorden_.begin());
                for (std::uint32_t k = begin_[i]; k < begin_[i + 1]; ++k) {
                    std::uint32_t& t = treffers_[plekken_[k]];
                    if (t == ronde) {
                        t = ronde + 1;
                        iets = true;
                    }
                }
            }
        }
        ++ronde;
        if (!iets) return gevonden;
    }
    for (std::size_t plek = 0; plek < personen_.size(); ++plek)
        if (treffers_[plek] == ronde) gevonden.push_back(personen_[plek]);
    return gevonden;
}

} // namespace gdk
