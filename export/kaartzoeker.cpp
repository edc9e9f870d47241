#include "export/kaartzoeker.h"

#include "data/tvars.h"
#include "export/zoekregel.h"
#include "export/zoekvouw.h"
#include "platform/delen.h"

#include <algorithm>
#include <unordered_map>

namespace gdk {
namespace {

// Below this many cards the words are gathered on one thread.
constexpr std::size_t DeelMinimum = 20000;

} // namespace

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
    Verzamel();
}

void KaartZoeker::Verzamel() {
    // Each part gathers the places of its own cards per word; the parts follow one another, so
    // joining them in order keeps every word's places ascending.
    using Houders = std::unordered_map<std::string, std::vector<std::uint32_t>>;
    std::vector<Houders> delen(AantalDelen(personen_.size(), DeelMinimum));
    InDelen(personen_.size(), DeelMinimum, [&](std::size_t d, std::size_t begin, std::size_t eind) {
        for (std::size_t plek = begin; plek < eind; ++plek)
            for (std::string& w : KaartWoorden(Personen[personen_[plek]]))
                delen[d][std::move(w)].push_back(static_cast<std::uint32_t>(plek));
    });
    Houders houders = std::move(delen[0]);
    for (std::size_t d = 1; d < delen.size(); ++d) {
        for (auto& [w, plekken] : delen[d]) {
            std::vector<std::uint32_t>& h = houders[w];
            h.insert(h.end(), plekken.begin(), plekken.end());
        }
        delen[d] = {};
    }
    std::vector<Houders::value_type*> woorden;
    woorden.reserve(houders.size());
    std::size_t totaal = 0;
    for (auto& h : houders) {
        woorden.push_back(&h);
        totaal += h.second.size();
    }
    std::sort(woorden.begin(), woorden.end(),
              [](const auto* a, const auto* b) { return a->first < b->first; });
    woorden_.reserve(woorden.size());
    begin_.reserve(woorden.size() + 1);
    plekken_.reserve(totaal);
    for (auto* h : woorden) {
        woorden_.push_back(h->first);
        begin_.push_back(static_cast<std::uint32_t>(plekken_.size()));
        plekken_.insert(plekken_.end(), h->second.begin(), h->second.end());
        h->second = {};
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
