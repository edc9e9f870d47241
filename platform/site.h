#pragma once
// A site folder kept up to date in place. Beside the folder "<map>" lie "<map>.gdklijst", the
// list of every file and folder the program wrote there as it is on disk, and while an update
// runs "<map>.gdkjournaal": its lock, and the names it is about to make, on disk before they
// are made. While a SiteScope is alive the folder is written as a fresh export would write it
// (every name below it matched exactly, nothing there until the export makes it), but on disk
// a file is written only when its bytes (or a copy's source) differ from what the list says it
// holds and it still stands as listed; every other file keeps its bytes and its time. At the end
// the previous export's files that this one did not write are removed, with the folders left
// empty, and the list is written anew. Files someone else put in the folder are never written,
// removed or followed. An update killed at any moment leaves what the next one repairs.
#include "platform/bestanden.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace gdk::fs {

class Site;

enum class SiteOpening {
    Nieuw,       // no folder yet: the export makes it
    Bestaand,    // a folder the program wrote (its list or journal beside it): updated in place
    GeenMap,     // the name is taken by a file or a link, not a folder
    Vreemd,      // a folder without the program's list: not its own
    Bezet,       // another update of the same site is running
    AndereLijst, // the list beside it is of another version or another site
    Mislukt,     // the journal beside it cannot be made (Fout() tells why)
};

// What an update did. Paths below the site folder, '/' between parts, the bytes on disk.
struct SiteUitkomst {
    std::vector<std::string> geschreven; // files written: new, other bytes, or repaired
    std::vector<std::string> verwijderd; // the previous export's files that are gone now
    std::size_t ongewijzigd = 0;         // files that already were as the export wrote them
    std::vector<std::string> vreemd;     // not the program's, left alone (a folder ends in '/')
    std::vector<std::string> inDeWeg;    // names the site needed, held by something not its own
    std::vector<std::string> veranderd;  // the program's files changed since written and no
                                         // longer part of the site: kept
    std::string fout;                    // a refused write at the end (the export did not end)
};

class SiteScope {
  public:
    explicit SiteScope(const std::string& map1252);
    ~SiteScope(); // an update not ended keeps its journal: the next one repairs
    SiteScope(const SiteScope&) = delete;
    SiteScope& operator=(const SiteScope&) = delete;

    SiteOpening Opening() const { return opening_; }
    bool IsOpen() const { return opening_ == SiteOpening::Nieuw || opening_ == SiteOpening::Bestaand; }
    int Fout() const { return fout_; }
    // An interrupted update's journal was found (its names are the program's).
    bool Hersteld() const { return hersteld_; }
    // The list was cut off or edited: only its lines that still read are believed.
    bool LijstBeschadigd() const { return beschadigd_; }
    const std::string& Map() const; // the site folder on disk

    // Ends the writing: what waits is made; when `volledig` (the export ran to its end) the
    // previous export's files that this one did not write are removed, then the folders left
    // empty, and the folder is walked for what is not the program's. Call once. A write refused
    // now ends it as an export that did not end, with the message in `fout`.
    SiteUitkomst Afronden(bool volledig);
    // Writes the list (when it changed) and removes the journal. After an export that did not
    // end, the list keeps what is still unsettled (the names claimed, the files not reached) for
    // the next one. False (errno set) when the list cannot be written: the journal then stays.
    bool Vastleggen();
    // After Afronden: the files the list holds, as SiteUitkomst names them.
    std::vector<std::string> Bestanden() const;

  private:
    CacheScope cache_;
    std::unique_ptr<Site> site_;
    SiteOpening opening_ = SiteOpening::Mislukt;
    int fout_ = 0;
    std::string lijst_, journaal_; // on disk
    bool hersteld_ = false, beschadigd_ = false, lijstBestond_ = false;
    bool volledig_ = false, afgerond_ = false;

    void Open(const std::string& map1252);
    void LaadLijst(std::string_view tekst);
    void LaadJournaal(std::string_view tekst);
};

} // namespace gdk::fs
