#pragma once
// The listing cache of the file-system layer (inside the layer only): one folder's names as the
// disk has them, keyed on their case-folded Windows-1252 form, so that one lookup answers the
// exact match, the byte-for-byte match and the case-insensitive one.
#include "platform/tekst1252.h"
#include "platform/vlaktabel.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct dirent;

namespace gdk::fs {

// What a path names; Onbekend until asked (a link takes the kind of its target).
enum class Soort : unsigned char { Onbekend, Bestand, Map, Anders, Geen };

// The kind of what `pad` (on disk) names, asking the disk; Geen when nothing.
Soort StatSoort(const std::string& pad);
// The kind a listing entry gives, Onbekend when only asking tells.
Soort UitDirent(const dirent* e);

// The key under which a name on disk matches case-insensitively: the name as Windows-1252 in
// small letters. A name that is not valid UTF-8 is taken byte for byte (old media); a UTF-8 name
// with characters Windows-1252 lacks cannot be spelled by the program, so it gets no key.
bool Vouwsleutel(std::string_view opSchijf, std::string& sleutel);

struct Naam {
    std::string_view opSchijf; // in the listing's own store
    Soort soort;
    // The listing could not say that it is no link (a link, or a disk that gives no kinds): only
    // asking the disk tells. Kept when `soort` is later found.
    bool misschienLink = false;
};

// The names on disk that share one key, in byte order (nearly always one).
struct Namen {
    Naam eerste;
    std::vector<Naam> meer;

    // The one spelled exactly `opSchijf`, if any.
    Naam* Met(std::string_view opSchijf) {
        if (eerste.opSchijf == opSchijf) return &eerste;
        for (Naam& m : meer)
            if (m.opSchijf == opSchijf) return &m;
        return nullptr;
    }
};

// Names and keys of one listing in a few blocks: a folder of 200000 names then costs one
// allocation per name (the table's node), not three, to build and to free. Blocks grow with the
// listing, so the thousands of small folders of an export stay small and close together.
class Opslag {
  public:
    std::string_view Bewaar(std::string_view s) {
        if (s.size() > vrij_) {
            // 256 bytes, doubling up to 64 KiB.
            const std::size_t n =
                std::max(std::size_t{256} << std::min<std::size_t>(blokken_.size(), 8), s.size());
            blokken_.emplace_back(new char[n]);
            plek_ = blokken_.back().get();
            vrij_ = n;
        }
        if (!s.empty()) std::memcpy(plek_, s.data(), s.size());
        const std::string_view v(plek_, s.size());
        plek_ += s.size();
        vrij_ -= s.size();
        return v;
    }

  private:
    std::vector<std::unique_ptr<char[]>> blokken_;
    char* plek_ = nullptr;
    std::size_t vrij_ = 0;
};

// One folder's listing, keyed on the case-folded name: one lookup answers the exact match, the
// byte-for-byte match and the case-insensitive one.
struct MapInhoud {
    bool leesbaar = false;
    Opslag opslag;
    VlakkeTabel<std::string_view, Namen> namen;
    std::string werk; // the key being built

    // `bewaard`: naam already lies in `opslag`.
    void Voegtoe(std::string_view naam, Soort soort, bool bewaard = false) {
        if (!Vouwsleutel(naam, werk)) return;
        Namen* gevonden = namen.Zoek(werk);
        if (!gevonden) {
            const std::string_view n = bewaard ? naam : opslag.Bewaar(naam);
            const std::string_view sleutel = werk == n ? n : opslag.Bewaar(werk);
            namen.Voeg(sleutel, Namen{Naam{n, soort, soort == Soort::Onbekend}, {}});
            return;
        }
        Namen& n = *gevonden;
        if (Naam* al = n.Met(naam)) {
            al->soort = soort;
            al->misschienLink = soort == Soort::Onbekend;
            return;
        }
        Naam nieuwe{bewaard ? naam : opslag.Bewaar(naam), soort, soort == Soort::Onbekend};
        if (nieuwe.opSchijf < n.eerste.opSchijf) std::swap(nieuwe, n.eerste);
        auto plek = std::lower_bound(n.meer.begin(), n.meer.end(), nieuwe,
                                     [](const Naam& x, const Naam& y) { return x.opSchijf < y.opSchijf; });
        n.meer.insert(plek, nieuwe);
    }

    void Verwijder(const std::string& naam) {
        if (!Vouwsleutel(naam, werk)) return;
        Namen* gevonden = namen.Zoek(werk);
        if (!gevonden) return;
        Namen& n = *gevonden;
        if (n.eerste.opSchijf == naam) {
            if (n.meer.empty()) {
                namen.Verwijder(werk);
                return;
            }
            n.eerste = n.meer.front();
            n.meer.erase(n.meer.begin());
            return;
        }
        std::erase_if(n.meer, [&](const Naam& m) { return m.opSchijf == naam; });
    }

    // The entry named exactly `opSchijf`; `bekend` false when the listing cannot tell (a name
    // without a key is not filed).
    Naam* ZoekExact(std::string_view opSchijf, bool& bekend) {
        bekend = Vouwsleutel(opSchijf, werk);
        if (!bekend) return nullptr;
        Namen* gevonden = namen.Zoek(werk);
        return gevonden ? gevonden->Met(opSchijf) : nullptr;
    }

    // Exact name first, then the same bytes (a name that is not UTF-8), then the first in
    // byte order that differs only in case.
    Naam* Zoek(const std::string& naam1252, const std::string& utf8) {
        werk.assign(naam1252);
        for (char& c : werk)
            c = KleinLetter1252(c);
        Namen* gevonden = namen.Zoek(werk);
        if (!gevonden) return nullptr;
        if (Naam* n = gevonden->Met(utf8)) return n;
        if (utf8 != naam1252)
            if (Naam* n = gevonden->Met(naam1252)) return n;
        return &gevonden->eerste;
    }
};

// Fills the empty listing `m` with folder `map` (on disk) as the disk has it; `m` stays unreadable
// when the folder cannot be listed.
void LeesMapInhoud(const std::string& map, MapInhoud& m);

} // namespace gdk::fs
