#pragma once
// One run of an export, made by the export frame for the layout asked and passed to its writer;
// nothing of it outlives the export. It holds the collection as the export publishes it (the
// recent cards withheld, Achterhouding), the site folder with the file layer's scopes for
// it (listings cached for the run; once the site-root check is passed, names below the folder
// matched exactly and every file written once), the search index collected while the cards are
// written, the folders already made ready and the index lines of the pages written.
#include "export/achterhouden.h"
#include "export/zoekindex.h"
#include "platform/bestanden.h"
#include "platform/vlaktabel.h"

#include <optional>
#include <string>
#include <unordered_set>

namespace gdk {

class UitvoerSessie {
  public:
    // The export of site type `type`, into SiteMapVan(type).
    explicit UitvoerSessie(int type);
    UitvoerSessie(const UitvoerSessie&) = delete;
    UitvoerSessie& operator=(const UitvoerSessie&) = delete;

    int Type() const { return type_; }
    // The cards this export withholds; the record store holds the others while the session lives.
    const Achterhouding& Achtergehouden() const { return achterhouding_; }
    const std::string& SiteMap() const { return siteMap_; }

    // After the site-root check: from here on the site folder is the export's own tree, written
    // fresh (fs::ExacteMapScope).
    void BeginSite();

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
    std::string siteMap_;
    fs::CacheScope cache_;
    std::optional<fs::ExacteMapScope> eigen_;
    ZoekIndex zoeken_;
    std::unordered_set<std::string> klaarMappen_;
    GeschrevenPaginas geschreven_;
    bool redenGemeld_ = false;
};

} // namespace gdk
