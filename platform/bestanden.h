#pragma once
// The file-system resolver. Every file-system access of the program goes through here.
// Paths given in are Windows-1252 texts with '/' (or '\') separators; they are converted to
// UTF-8 where they reach the disk, and names read from a listing come back as Windows-1252.
// Each component that exists is matched exactly first, else case-insensitively (first match in
// byte order, Windows-1252 case pairs); a name on disk that is not valid UTF-8 also matches byte
// for byte. Only a missing tail is created, with the case given.
// Below a folder registered with ExacteMapScope names are matched exactly only.
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gdk::fs {

// The path on disk (UTF-8 bytes) for a Windows-1252 path: existing components resolved, the
// missing tail converted as given. '\' is read as '/'.
std::string OpSchijf(const std::string& pad1252);

bool Bestaat(const std::string& pad1252);        // file or folder
bool BestandBestaat(const std::string& pad1252); // a file (not a folder)
bool MapBestaat(const std::string& pad1252);
// Creates the folder with its missing parents (ForceDirectories). True when it exists afterwards.
bool MaakMappen(const std::string& pad1252);
// Deletes a file, or a link (dangling or not) without touching its target; true when it is gone
// afterwards.
bool Verwijder(const std::string& pad1252);
// Copies a file byte for byte; false when the source cannot be read or the target not written.
bool Kopieer(const std::string& bron1252, const std::string& doel1252);
std::uintmax_t Grootte(const std::string& pad1252);

// A regular file: no folder, device or pipe (a link to one is followed).
bool GewoonBestandBestaat(const std::string& pad1252);

struct Item {
    std::string naam; // Windows-1252
    bool isMap = false;
};
// Entries of a folder (without "." and ".."), in byte order of their names on disk.
std::vector<Item> Lijst(const std::string& map1252);
// Does `naam` match the DOS mask (`*`, `?`), ignoring case? "*.*" and "*" match everything.
bool PastOpMasker(const std::string& naam, const std::string& masker);

// Opens a file through the resolver with fopen's `modus` ("rb", "wb", "ab"...); a file it
// creates is entered into the listing cache. nullptr (errno set) when it cannot.
std::FILE* OpenBestand(const std::string& pad1252, const char* modus);

// The same in two steps, for a writer that decides between them by where the file lies.
struct Doel {
    std::string opSchijf; // as OpSchijf gives it
    bool bestaat = false;
};
Doel LosDoel(const std::string& pad1252);
std::FILE* OpenDoel(const Doel& doel, const std::string& pad1252, const char* modus);
// Creates or truncates the file for writing without stdio: a file descriptor, or -1 (errno set).
// With `overschrijven` (a file written before in the same export) the file is not emptied but
// written over from its start, and SluitDoel cuts it where the writing ended: on ext4, closing a
// file that was emptied and written again sends it to the disk at once, ahead of everything else.
int MaakDoel(const Doel& doel, const std::string& pad1252, bool overschrijven = false);
// Closes what MaakDoel opened, cut at the position reached when `overschrijven`; false (errno
// set) when that or the close fails.
bool SluitDoel(int fd, bool overschrijven);
// Writes all of `bytes` to `fd`; false (errno set) when the disk takes less.
bool SchrijfAlles(int fd, std::string_view bytes);

// For code that creates or removes entries by their on-disk path (OpSchijf) without going
// through this unit: keeps an open CacheScope right. Harmless without one.
void MeldAangemaakt(const std::string& opSchijf, bool isMap);
void MeldVerwijderd(const std::string& opSchijf);

// A write that the disk or the folder refuses: no space or no inodes left, a read-only file
// system, no permission. Writing on is then pointless, so while a WeigeringScope is alive (one
// export) the first such failure throws this, with a Dutch message naming the file and the
// reason. It is no IOFout on purpose: the handlers that report one page and go on let it pass.
class SchrijfWeigering : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class WeigeringScope {
  public:
    WeigeringScope();
    ~WeigeringScope();
    WeigeringScope(const WeigeringScope&) = delete;
    WeigeringScope& operator=(const WeigeringScope&) = delete;
};

// For writers outside this unit: after a failed write of `pad1252` (a file, or a folder being
// made) with error number `fout`, throws SchrijfWeigering when a WeigeringScope is alive and the
// disk or folder refused.
void ControleerWeigering(const std::string& pad1252, int fout, bool isMap = false);

// Caches directory listings while alive (one read, one export). Nested scopes share one cache.
// The resolver keeps the cache right for entries the program itself creates or deletes; an
// entry made by someone else during the scope is seen only after it (or through MeldAangemaakt).
class CacheScope {
  public:
    CacheScope();
    ~CacheScope();
    CacheScope(const CacheScope&) = delete;
    CacheScope& operator=(const CacheScope&) = delete;
};

// While alive, every path at or below `map1252` (as resolved when the scope opens) is matched
// exactly, never case-insensitively: the tree an export writes fresh. Inside a CacheScope its
// existence tests are answered from the listings the export keeps up to date, without asking the
// disk. And every file there is written once: a copy of the same source to the same target, or a
// text file with the same bytes as before, is skipped (a different source or different bytes
// still overwrite). Truncating and rewriting a file costs a flush to disk on close on common
// file systems, and collections share image names and repeat cards.
class ExacteMapScope {
  public:
    explicit ExacteMapScope(const std::string& map1252);
    ~ExacteMapScope();
    ExacteMapScope(const ExacteMapScope&) = delete;
    ExacteMapScope& operator=(const ExacteMapScope&) = delete;
};

// For the text writer, which buffers what it writes below an ExacteMapScope: the bytes a file
// got earlier in this export, by size and hash. The bytes are fed in blocks of one fixed size
// (the last may be shorter), so that the same bytes give the same print however they came.
struct Inhoudsafdruk {
    std::uint64_t grootte = 0;
    std::uint64_t hash = 0;
    void VoegBlok(std::string_view blok);
    bool operator==(const Inhoudsafdruk&) const = default;
};
// True when `opSchijf` (an on-disk path, OpSchijf) lies in an export's own tree.
bool InExacteMap(const std::string& opSchijf);
// The bytes `opSchijf` got earlier in this export; none when it was not written yet.
const Inhoudsafdruk* VorigeInhoud(const std::string& opSchijf);
void MeldGeschreven(const std::string& opSchijf, const Inhoudsafdruk& afdruk);

// While alive, counts each time a file is created or rewritten, per on-disk path (for tests).
class SchrijfTeller {
  public:
    SchrijfTeller();
    ~SchrijfTeller();
    SchrijfTeller(const SchrijfTeller&) = delete;
    SchrijfTeller& operator=(const SchrijfTeller&) = delete;
    std::size_t Aantal(const std::string& opSchijf) const;
    std::size_t Totaal() const { return totaal_; }
    std::size_t Bestanden() const { return aantallen_.size(); }
    // Paths written more than once.
    std::vector<std::string> Herschreven() const;

  private:
    friend void TelSchrijving(const std::string& opSchijf);
    std::unordered_map<std::string, std::size_t> aantallen_;
    std::size_t totaal_ = 0;
};
void TelSchrijving(const std::string& opSchijf);

} // namespace gdk::fs
