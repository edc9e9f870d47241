#pragma once
// What the parts of the file-system layer share (inside the layer only): the result of a
// resolved path, and the one state object that holds the listing cache, the folders exports
// write fresh, what they wrote and the refusal scope.
#include "platform/mapinhoud.h"
#include "platform/uitvoerbestand.h"

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
    // The last path resolved outside an export's own tree, with its result: an export asks for
    // a card's image several times in a row (shown? copy it; the page's image block).
    std::string vorigPad;
    std::optional<Resultaat> vorig;
};

// An export's own folder (on disk), with a descriptor of it once it exists: the export opens
// its files relative to it, and the kernel walks only the few components below the folder, not
// the dozen of the whole path again for each of 270000 files.
struct ExacteMap {
    std::string pad;
    int fd = -1;
};

// What an export wrote below its own tree, while an ExacteMapScope is alive: the bytes of a text
// file, or the on-disk source of a copy (0 for text). Paths are kept as 64-bit hashes: a site
// of 270000 files would otherwise hold every path twice more; a write is skipped only when
// both the target's and the content's (or source's) hashes agree.
struct Schrijving {
    Inhoudsafdruk afdruk;
    std::size_t bron = 0;
};

struct Toestand {
    int cacheDiepte = 0;
    std::unique_ptr<Cache> cache; // while a CacheScope is alive
    std::vector<ExacteMap> exacteMappen;
    VlakkeTabel<std::size_t, Schrijving> schrijvingen;
    SchrijfTeller* teller = nullptr;
    int weigeringDiepte = 0; // WeigeringScopes alive
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
// True when `opSchijf` lies in an export's own tree.
bool InExacteMap(const std::string& opSchijf);
// The key of a path in what an export wrote; never 0, which marks text files in Schrijving::bron.
std::size_t PadHash(const std::string& opSchijf);
// Opens `opSchijf` for writing with open(2)'s `vlaggen`, relative to the export's folder it lies
// in (else by its whole path): a descriptor, or -1 with errno set.
int OpenVoorSchrijven(const std::string& opSchijf, int vlaggen);
void TelSchrijving(const std::string& opSchijf);

// The target of one write: the path on disk and whether something is there already.
struct Doel {
    std::string opSchijf;
    bool bestaat = false;
};
Doel LosDoel(const std::string& pad1252);
// Creates or truncates the file for writing: a file descriptor, or -1 (errno set). With
// `overschrijven` (a file written before in the same export) the file is not emptied but
// written over from its start, and SluitDoel cuts it where the writing ended: on ext4, closing a
// file that was emptied and written again sends it to the disk at once, ahead of everything else.
int MaakDoel(const Doel& doel, const std::string& pad1252, bool overschrijven = false);
// Closes what MaakDoel opened, cut at the position reached when `overschrijven`; false (errno
// set) when that or the close fails.
bool SluitDoel(int fd, bool overschrijven);

} // namespace gdk::fs
