#pragma once
// What the parts of the file-system layer share (inside the layer only): the result of a
// resolved path, and the one state object that holds the listing cache, the sites being written
// and the refusal scope.
#include "platform/mapinhoud.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gdk::fs {

class SchrijfTeller;
class Site;

struct Resultaat {
    std::string pad;               // on disk, absolute, '/' separated
    Soort soort = Soort::Onbekend; // Geen when a component is missing
};

struct OpgelostMap {
    std::string pad;
    MapInhoud* inhoud; // its listing
    bool exact = false;
};

struct Cache {
    std::unordered_map<std::string, MapInhoud> mappen;     // folder on disk -> its entries
    std::unordered_map<std::string, OpgelostMap> opgelost; // folder as asked -> folder on disk
    // The folders of the last few paths: an export asks for the same three or four folders
    // (the scans, the image copies, the pages) card after card.
    struct Recent {
        std::string sleutel;
        const OpgelostMap* map = nullptr;
    };
    std::array<Recent, 4> recent;
    std::size_t volgende = 0;
    // The last few paths resolved outside an export's own tree, with their results: an export
    // asks for a card's image several times in a row (shown? inside the scans folder? copy it;
    // the page's image block), with the scans folder itself in between.
    struct Vorig {
        std::string pad;
        std::optional<Resultaat> r;
    };
    std::array<Vorig, 4> vorige;
    std::size_t volgendeVorig = 0;
    void VergeetVorige() {
        for (Vorig& v : vorige)
            v.r.reset();
    }
};

// A path the user gave: its Windows-1252 text and its place on disk (absolute).
struct LetterlijkPad {
    std::string tekst;
    std::string opSchijf;
};

struct Toestand {
    int cacheDiepte = 0;
    std::unique_ptr<Cache> cache; // while a CacheScope is alive
    // The sites being written (site_intern.h), innermost last: each an export's own tree.
    std::vector<Site*> sites;
    SchrijfTeller* teller = nullptr;
    int weigeringDiepte = 0;                 // WeigeringScopes alive
    std::array<LetterlijkPad, 4> letterlijk; // by Letterlijk
};
Toestand& Staat();

// The path resolved on disk, with what it names.
Resultaat Los(const std::string& pad1252);
// Keeps the listing cache right for an entry the layer itself made.
void Aangemaakt(const std::string& opSchijf, Soort soort);
// The resolved folders remembered by a cache may lie below a folder that is gone or that
// changes its matching rule.
void VergeetOpgeloste();
// Is `pad` the folder `map` itself or a path below it? The root ("") holds every path.
bool OpOfOnder(std::string_view pad, std::string_view map);
// True when `opSchijf` lies in an export's own tree (a site folder or below it).
bool InExacteMap(std::string_view opSchijf);
void TelSchrijving(const std::string& opSchijf);

// The target of one write: the path on disk and whether something is there already.
struct Doel {
    std::string opSchijf;
    bool bestaat = false;
};
Doel LosDoel(const std::string& pad1252);
// Creates or truncates a file outside any site for writing: a file descriptor, or -1 (errno set).
int MaakDoel(const Doel& doel, const std::string& pad1252);
// Closes a file written from its start, cut at the position reached when `overschrijven`; false
// (errno set) when that or the close fails. A file of a site is written over rather than
// emptied first: on ext4, closing a file that was emptied and written again sends it to the disk
// at once, ahead of everything else.
bool SluitDoel(int fd, bool overschrijven);

} // namespace gdk::fs
