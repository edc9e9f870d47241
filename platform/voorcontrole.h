#pragma once
// A kept site looked at ahead, on a thread of its own, while the export makes its pages: whether
// each listed file still stands as listed, for a copy whether its source is still the file that
// was copied, and then what else the folder holds. An update of a large site asks this of every
// file it keeps (a stat each, of the file and of a copy's source) and walks the whole folder at
// its end; here that no longer waits for the pages, nor the pages for it. The export takes an
// answer when it comes to a file; for one the thread has not reached yet it asks the disk itself,
// and the thread then leaves that file alone.
#include "platform/hash128.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace gdk::fs {

// What a walk of a site folder found (links never followed): every folder, and every file but
// those the walk was told it knows, a folder before what it holds. Paths below the site folder.
struct Gezien {
    std::string pad;
    bool isMap = false;
};
// Walks the folder `map` (a descriptor; not taken over). False when it cannot be opened.
bool Verken(int map, const std::function<bool(std::string_view)>& bekend, std::vector<Gezien>& gezien);

class Voorcontrole {
  public:
    struct Vraag {
        std::string_view rel; // below the site folder
        std::uint64_t grootte = 0;
        std::int64_t mtijd = 0;
        std::uint64_t inode = 0;
        std::string_view bron; // a copy's source on disk, as listed; empty for other files
    };
    struct Antwoord {
        bool zoalsGelijst = false; // a regular file of the listed size, time and inode
        bool bronGezien = false;   // the source was asked
        int bronFout = 0;          // why its stat failed, 0 when it did not
        bool bronIsMap = false;
        Hash128 bronIdentiteit;
    };

    // `siteFd` is duplicated: the site may let go of its own meanwhile. The texts the questions
    // point to must outlive this object. Without a thread (none could be made) every answer is
    // the export's to find. The walk leaves out the files asked of.
    Voorcontrole(int siteFd, std::vector<Vraag> vragen);
    ~Voorcontrole(); // stops the thread and waits for it
    Voorcontrole(const Voorcontrole&) = delete;
    Voorcontrole& operator=(const Voorcontrole&) = delete;

    // The answer to vragen[i], or nullptr when the thread had not come to it (it never will now).
    const Antwoord* Neem(std::uint32_t i);
    const Vraag& VraagVan(std::uint32_t i) const { return vragen_[i]; }
    // At the end of the writing: the questions not reached are left, the walk is waited for.
    // False when there was none (no thread, or the folder could not be opened).
    bool Wandeling(std::vector<Gezien>& gezien);

  private:
    enum : std::uint8_t { Open, Bezig, Klaar, Genomen };
    void Werk();

    int fd_ = -1;
    std::vector<Vraag> vragen_;
    std::unique_ptr<Antwoord[]> antwoorden_;
    std::unique_ptr<std::atomic<std::uint8_t>[]> staat_;
    std::atomic<bool> stop_{false};  // nothing more wanted
    std::atomic<bool> klaar_{false}; // no more answers wanted: on to the walk
    std::vector<Gezien> gezien_;
    bool gewandeld_ = false;
    std::thread draad_;
};

} // namespace gdk::fs
