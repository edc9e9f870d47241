#pragma once
// The file-system resolver. Every access of the program to the files of a collection, its scans
// and its sites goes through here (copying: kopieren.h; writing: uitvoerbestand.h; refused
// writes: weigering.h); only the settings file, named by the operating system's path, is
// written as it is (register.cpp).
// Paths given in are Windows-1252 texts with '/' (or '\') separators; they are converted to
// UTF-8 where they reach the disk, and names read from a listing come back as Windows-1252.
// Each component that exists is matched exactly first, else case-insensitively (first match in
// byte order, Windows-1252 case pairs); a name on disk that is not valid UTF-8 also matches byte
// for byte. Only a missing tail is created, with the case given.
// Below a folder registered with ExacteMapScope names are matched exactly only.
// A path the user gave (ZetLetterlijk) is found as the operating system names it.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace gdk::fs {

// The path on disk (UTF-8 bytes) for a Windows-1252 path: existing components resolved, the
// missing tail converted as given. '\' is read as '/' (outside a path the user gave).
std::string OpSchijf(const std::string& pad1252);

bool Bestaat(const std::string& pad1252);        // file or folder
bool BestandBestaat(const std::string& pad1252); // a file (not a folder)
bool MapBestaat(const std::string& pad1252);
// Creates the folder with its missing parents (ForceDirectories). True when it exists afterwards.
bool MaakMappen(const std::string& pad1252);
// The same for a path on disk as the operating system takes it (not resolved), each folder made
// with `modus`.
bool MaakMappenOpSchijf(const std::string& opSchijf, unsigned modus = 0777);
// Deletes a file, or a link (dangling or not) without touching its target; true when it is gone
// afterwards.
bool Verwijder(const std::string& pad1252);
std::uintmax_t Grootte(const std::string& pad1252);

// A regular file: no folder, device or pipe (a link to one is followed).
bool GewoonBestandBestaat(const std::string& pad1252);
// Does a part of the path on disk `opSchijf` after its first `vanaf` bytes name a symbolic link?
// Inside a CacheScope the listings answer for the names whose kind they hold, so a check made for
// every card costs no disk access where no link is on the way; any other part is asked (lstat).
bool LinkOpWeg(const std::string& opSchijf, std::size_t vanaf);

struct Item {
    std::string naam; // Windows-1252
    bool isMap = false;
};
// Entries of a folder (without "." and ".."), in byte order of their names on disk.
std::vector<Item> Lijst(const std::string& map1252);
// Does `naam` match the DOS mask (`*`, `?`), ignoring case? "*.*" and "*" match everything.
bool PastOpMasker(const std::string& naam, const std::string& masker);

// Opens a file through the resolver for reading (binary); nullptr (errno set) when it cannot.
std::FILE* OpenBestand(const std::string& pad1252);

// Paths the user gives (the command line, the open dialog, the program folder, the site folder
// named after the collection file) are the operating system's own: a '\' in them is a letter,
// and their bytes and letter case are taken as given. The core knows such a path by its
// Windows-1252 text `tekst1252`; from here on, that text, and every path that starts with it and
// a '/', finds `opSchijf` on disk (a relative one below the working folder), and only the part
// after it is resolved as above. One path of each kind at a time: a new one replaces the old.
enum class Letterlijk { Collectie, Verslag, Programma, Site };
void ZetLetterlijk(Letterlijk soort, const std::string& tekst1252, const std::string& opSchijf);

// For code that creates or removes entries by their on-disk path (OpSchijf) without going
// through this unit: keeps an open CacheScope right. Harmless without one.
void MeldAangemaakt(const std::string& opSchijf, bool isMap);
void MeldVerwijderd(const std::string& opSchijf);

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

class Site;

// While alive, every path at or below `map1252` (as resolved when the scope opens) is matched
// exactly, never case-insensitively: a tree an export writes fresh. Inside a CacheScope its
// existence tests are answered from the listings the export keeps up to date, without asking the
// disk. And every file there is written once: a copy of the same source to the same target, or a
// text file with the same bytes as before, is skipped (a different source or different bytes
// still overwrite): uitvoerbestand.h. A site kept up to date in place: site.h.
class ExacteMapScope {
  public:
    explicit ExacteMapScope(const std::string& map1252);
    ~ExacteMapScope();
    ExacteMapScope(const ExacteMapScope&) = delete;
    ExacteMapScope& operator=(const ExacteMapScope&) = delete;

  private:
    std::unique_ptr<Site> site_;
};

} // namespace gdk::fs
