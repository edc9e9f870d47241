#pragma once
// One site folder being written (inside the file layer only). Every file and folder of a site
// is written through here, so that one place knows what the site holds:
//  - a plain site (ExacteMapScope) is a tree written fresh: each file written once per export,
//    the same bytes or the same source again skipped;
//  - a kept site (SiteScope) has its list beside it. Below it the resolver answers as for a fresh
//    export (nothing exists until this export makes it), while on disk a file is written only
//    when its bytes differ from what the list says it holds, and a new name is claimed in the
//    journal before it is made. What the previous export wrote and this one did not is removed
//    at the end (site_einde.cpp).
#include "platform/hash128.h"
#include "platform/kopieren.h"
#include "platform/mapinhoud.h"
#include "platform/sitelijst.h"
#include "platform/voorcontrole.h"
#include "platform/vlaktabel.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

struct stat;

namespace gdk::fs {

struct Resultaat;
struct SiteUitkomst;

enum class BestandStaat : unsigned char {
    Oud,         // in the previous list, not (yet) part of this export
    Geclaimd,    // claimed by an interrupted update's journal: the program's, its bytes unknown
    Nieuw,       // a new name, waiting for its claim to reach the disk before it is made
    Geschreven,  // part of this export, written (or found right but changed since listed)
    Ongewijzigd, // part of this export, already as written
    Uitgesteld,  // part of this export, other bytes waiting to be written over it (herschrijven_)
    Bezet,       // part of this export, the name holding a file the list does not know: taken
                 // in when it holds these very bytes, else in the way
    InDeWeg,     // part of this export, but the name holds something not the program's
};

struct SiteBestand {
    LijstSoort soort = LijstSoort::Bestand;
    BestandStaat staat = BestandStaat::Nieuw;
    std::uint64_t grootte = 0;
    std::int64_t mtijd = 0;
    std::uint64_t inode = 0;
    Hash128 inhoud;
    std::string_view bron;      // a copy's source on disk, as last copied
    std::uint32_t wachtrij = 0; // 1 + its place among the new files waiting (Nieuw)
    std::uint32_t vooraf = 0;   // 1 + its question to the look ahead (Voorcontrole)
};

struct SiteMap {
    bool oud = false;      // in the previous list
    bool geclaimd = false; // made by an interrupted update: everything in it is the program's
    bool deel = false;     // part of this export
    bool nieuw = false;    // made by this export: empty when made, so all in it is this export's
};

// How a text file starts: written at once as its bytes come (fd), or gathered and decided at
// its close.
struct BestandPlan {
    int fd = -1;
    bool verzamel = false;
};

class Site {
  public:
    Site(std::string pad, bool bijhouden);
    ~Site();
    Site(const Site&) = delete;
    Site& operator=(const Site&) = delete;

    const std::string& Pad() const { return pad_; }
    bool Bijhouden() const { return bijhouden_; }
    // `opSchijf` below the site folder (never the folder itself), relative to it; else empty.
    std::string_view Relatief(std::string_view opSchijf) const;
    bool IsOnder(std::string_view opSchijf) const { return OpOfOnderMap(opSchijf); }
    // A descriptor of the site folder, -1 while it does not exist.
    int Fd();
    void VergeetFd();

    // Text files (opSchijf: the whole path on disk; pad1252: as the export named it, for messages).
    bool BeginBestand(std::string_view rel, const std::string& opSchijf, const std::string& pad1252,
                      BestandPlan& plan);
    // After streaming: closes `fd` and records what the file got.
    bool SluitGestroomd(std::string_view rel, int fd, const Hash128& inhoud, const std::string& pad1252);
    bool SluitVerzameld(std::string_view rel, const std::string& opSchijf, const std::string& pad1252,
                        std::string_view bytes, bool stil);
    // Copies (kopieren.cpp).
    bool Kopieer(std::string_view rel, const std::string& opSchijf, const Resultaat& bron,
                 const std::string& doel1252, const BronKijker& kijk);
    // A folder of the site (rel "" the site folder itself).
    bool MaakMap(std::string_view rel, const std::string& opSchijf);
    // Performs the new files waiting for their claims: one sync of the journal for all of them.
    void Synchroniseer();

    // Opening a kept site (site.cpp) and ending it (site_einde.cpp): see SiteScope.
    friend class SiteScope;
    friend class SiteWandeling;

  private:
    bool OpOfOnderMap(std::string_view opSchijf) const;
    SiteBestand* Zoek(std::string_view rel) { return bestanden_.Zoek(rel); }
    SiteBestand& Voeg(std::string_view rel, const SiteBestand& b);
    SiteMap* ZoekMap(std::string_view rel) { return mappen_.Zoek(rel); }
    SiteMap& VoegMap(std::string_view rel);
    // Is `rel` inside a folder this export made (nothing there but its own), or one an
    // interrupted update made (all there is the program's)?
    bool InNieuweMap(std::string_view rel);
    bool InGeclaimdeMap(std::string_view rel);
    bool OuderIsDeel(std::string_view rel);
    // Does the listed file still stand as listed? Asked of the look ahead first, when it has it.
    bool StatKlopt(std::string_view rel, const SiteBestand& b);
    // Every listed file and copy's source looked at on a thread of its own (voorcontrole.h), until
    // the end of the writing.
    void BeginVoorcontrole();
    // The identity of a copy's source now (from the look ahead when it asked that very path), or
    // false with errno set: none, or a folder.
    bool BronIdentiteitNu(const SiteBestand* b, const std::string& bron, Hash128& id);
    void Neem(SiteBestand& b, const struct stat& st, LijstSoort soort, const Hash128& inhoud);
    void Claim(char soort, std::string_view rel);
    void Wijziging() { gewijzigd_ = true; }
    void TelSchrijving(std::string_view rel);
    void InDeWeg(std::string_view rel, SiteBestand& b);
    // Writes `bytes` over the file (created when missing; `nieuw`: must not exist yet).
    enum class Uitslag { Gelukt, InDeWeg, Mislukt };
    Uitslag SchrijfOp(std::string_view rel, const std::string& pad1252, std::string_view bytes,
                      const Hash128& inhoud, bool nieuw);
    Uitslag KopieerOp(std::string_view rel, const std::string& bron, const std::string& pad1252, bool nieuw);
    // The same from the source `in`, open, as `sb` tells it.
    Uitslag KopieerVan(std::string_view rel, int in, const struct stat& sb, const std::string& pad1252,
                       bool nieuw);
    // Opens the regular file `rel` for writing over (created when missing; `nieuw`: must not exist
    // yet), never through a link or into a pipe: its descriptor and `st` (all zero for a `nieuw`
    // one), or -1 with `uitslag` InDeWeg (something not the export's own is in the way) or
    // Mislukt (errno set).
    int OpenOm(std::string_view rel, const std::string& pad1252, bool nieuw, struct stat& st,
               Uitslag& uitslag);
    // A file this export wrote over and then wrote back to the bytes the list holds: its listed
    // time restored, it counts as unchanged.
    void TerugZoalsGelijst(std::string_view rel);
    // Bytes equal to the file's: true reads it (a file listed but changed since, or claimed).
    bool GelijkOpSchijf(std::string_view rel, std::string_view bytes, struct stat& st);
    // The same for a copy: the file and its source read side by side (kopieren.cpp).
    bool GelijkAanBron(std::string_view rel, const std::string& bron, struct stat& st);

    std::string pad_;
    bool bijhouden_;
    int fd_ = -1;
    dev_t schijf_ = 0; // the device of the site folder, found with fd_
    Opslag opslag_;    // the paths the tables are keyed on
    VlakkeTabel<std::string_view, SiteBestand> bestanden_;
    VlakkeTabel<std::string_view, SiteMap> mappen_;
    bool allesNieuw_ = false;    // the site folder did not exist: everything in it is this export's
    bool allesGeclaimd_ = false; // an interrupted first export: everything in it is the program's
    std::string vorigeOuder_;    // the folder of the previous file, with what was found for it
    bool vorigeNieuw_ = false, vorigeGeclaimd_ = false, vorigeDeel_ = false;
    bool vorigeGeldig_ = false;

    // The journal: claims not yet on disk, and the new files waiting for them.
    int journaal_ = -1;
    std::string wachtendeClaims_;
    struct Uitstel {
        std::string rel;
        std::string opSchijf, pad1252;
        std::string bytes; // a text file's; empty for a copy
        std::string bron;  // a copy's source on disk
        Hash128 inhoud;
        bool kopie = false;
    };
    std::vector<Uitstel> uitstel_;
    // The place of `rel` among the new files waiting, claimed when it first comes.
    Uitstel& Wacht(std::string_view rel, SiteBestand& b, const std::string& opSchijf,
                   const std::string& pad1252);
    void WachtrijVol(); // syncs when enough waits
    std::size_t uitstelBytes_ = 0;

    std::unique_ptr<Voorcontrole> vooraf_;
    // A listed file's new bytes wait for the end of the writing: two cards can give one page,
    // and the later one often gives back the bytes the file has, which then need no write at all.
    struct Herschrijving {
        std::string bytes, pad1252;
        Hash128 inhoud;
        bool kanTerug = false; // the file holds the bytes it had before: these back cost nothing
        BestandStaat terug = BestandStaat::Ongewijzigd; // its state then
    };
    std::unordered_map<std::string, Herschrijving> herschrijven_;
    std::size_t herschrijfBytes_ = 0;
    void StelUit(std::string_view rel, SiteBestand& b, std::string_view bytes, const Hash128& inhoud,
                 const std::string& pad1252, bool kanTerug);
    void SchrijfUitgesteld(); // every waiting rewrite written (a failure stops the export)

    std::unordered_map<std::string, SiteBestand> herschreven_; // listed files written over, as listed
    bool gewijzigd_ = false;                                   // the list will differ from the previous one
    std::vector<std::string> inDeWeg_;
};

// The site that `opSchijf` lies in (strictly below its folder), or nullptr.
Site* SiteVan(std::string_view opSchijf);
// A kept site's folder or a path below it: the resolver's listings there start empty.
bool InBijgehoudenSite(std::string_view opSchijf);
// The hash that stands for a copy's source: the file's identity, not its bytes.
Hash128 BronIdentiteit(const struct stat& st);
// The `grootte` bytes of `in` to `uit`, in the kernel where it can (kopieren.cpp); `eenSchijf`:
// both on one file system, where copying within the file system is worth a try.
bool KopieerInhoud(int in, int uit, long long grootte, bool eenSchijf = true);

} // namespace gdk::fs
