#pragma once
// One run of an export, made by the export frame for the layout asked and passed to its writer;
// nothing of it outlives the export. It holds the collection as the export publishes it (the
// recent cards withheld, Achterhouding), the site folder with the file layer's scopes for it
// (listings cached for the run; once the site-root check is passed, the folder is written as a
// kept site: names below it matched exactly, every file written once, and on disk only what
// differs from what the site's list says it holds, platform/site.h), the search index collected
// while the cards are written, the folders already made ready and the index lines of the pages
// written.
#include "export/achterhouden.h"
#include "export/zoekindex.h"
#include "platform/bestanden.h"
#include "platform/site.h"
#include "platform/vlaktabel.h"

#include <optional>
#include <string>
#include <unordered_set>

namespace gdk {

// A fresh export refuses a site folder that exists; an update brings one of its own up to date.
enum class UitvoerSoort { Uitvoeren, Bijwerken };

class UitvoerSessie {
  public:
    // The export of site type `type`, into SiteMapVan(type).
    explicit UitvoerSessie(int type, UitvoerSoort soort = UitvoerSoort::Uitvoeren);
    UitvoerSessie(const UitvoerSessie&) = delete;
    UitvoerSessie& operator=(const UitvoerSessie&) = delete;

    int Type() const { return type_; }
    UitvoerSoort Soort() const { return soort_; }
    // The cards this export withholds; the record store holds the others while the session lives.
    const Achterhouding& Achtergehouden() const { return achterhouding_; }
    const std::string& SiteMap() const { return siteMap_; }

    // The site-root check, called by the layout before it writes anything: false (after one
    // message, both status panels idle) when the folder may not be written: for a fresh export
    // when it exists; for an update when it is a file or a link, a folder that the program did
    // not write, or being updated already. From here on the folder is the export's own tree.
    bool BeginSite();
    // The kept site, once BeginSite passed (none for a fresh export whose folder cannot even
    // get its parents: it then fails file by file as it always did).
    fs::SiteScope* Site() { return site_ && site_->IsOpen() ? &*site_ : nullptr; }

    // The end of the kept site (after the layout, also when it failed: `volledig` false): what
    // waits is made, what the previous export left is removed, the changes go into the publish
    // record and the list is written. `probleem` says what could not be recorded (the journal
    // then keeps what is unsettled, and the next update repairs).
    struct Einde {
        fs::SiteUitkomst uitkomst;
        std::string probleem, reden;
    };
    Einde RondAf(bool volledig);

    ZoekIndex& Zoeken() { return zoeken_; }

    // Shows why the export stops, in one message: the export frame adds no general one then.
    void MeldReden(const std::string& tekst);
    bool RedenGemeld() const { return redenGemeld_; }

    // Once per folder and export: `maak` makes the folder ready (with its redirect page), and the
    // thousands of later pages and copies in it need not ask again what this export made.
    template <typename Maak> void EenmaalPerMap(const std::string& map, Maak&& maak) {
        if (klaarMappen_.contains(map)) return;
        maak();
        klaarMappen_.insert(map);
    }

    // The index line of each page written whole (type 1), by page path: a later page of the
    // same path replaced an earlier one, as on disk.
    struct GeschrevenPaginas {
        fs::VlakkeTabel<std::string, std::string> inhoud;
    };
    GeschrevenPaginas& Geschreven() { return geschreven_; }

  private:
    // First of all: no other part of the session sees the cards it withholds.
    Achterhouding achterhouding_;
    int type_;
    UitvoerSoort soort_;
    std::string siteMap_;
    fs::CacheScope cache_;
    std::optional<fs::SiteScope> site_;
    std::optional<fs::ExacteMapScope> zonderLijst_; // a fresh export where no list can be kept
    ZoekIndex zoeken_;
    std::unordered_set<std::string> klaarMappen_;
    GeschrevenPaginas geschreven_;
    bool redenGemeld_ = false;
};

} // namespace gdk
