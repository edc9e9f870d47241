#pragma once
// One file being written through the resolver, without stdio: bytes gathered in a buffer and
// written a block at a time. A file of a site (site_intern.h) is written as the site decides:
// at once as its bytes come when it is new, else gathered in memory and written at Sluit only
// when its bytes differ from what the file holds (truncating and rewriting a file costs a flush
// to disk on close on common file systems, and collections share image names and repeat cards).
// A write the disk refuses throws SchrijfWeigering while a WeigeringScope is alive (weigering.h).
#include "platform/hash128.h"

#include <string>
#include <string_view>

namespace gdk::fs {

class Site;

class Uitvoerbestand {
  public:
    Uitvoerbestand() = default;
    ~Uitvoerbestand(); // SluitStil
    Uitvoerbestand(const Uitvoerbestand&) = delete;
    Uitvoerbestand& operator=(const Uitvoerbestand&) = delete;

    // Creates (or truncates) the file; `toevoegen` appends instead. False (errno set) when it
    // cannot be made.
    bool Open(const std::string& pad1252, bool toevoegen = false);
    bool IsOpen() const { return open_; }
    // False (errno set) when the disk takes less; what failed is dropped.
    bool Schrijf(std::string_view bytes);
    // Writes what is left and closes; false (errno set) when the data did not reach the disk.
    bool Sluit();
    // Closes what is open, its bytes written as far as the disk takes them, without a word; a
    // rewrite of a file written before in the same export is dropped, as it was only in memory.
    void SluitStil();

  private:
    // Writes the whole blocks gathered so far (`totEinde`: all of it) to fd_.
    bool SchrijfBlokken(bool totEinde);
    std::string_view Relatief() const;

    std::string pad_;      // as given, Windows-1252
    std::string opSchijf_; // set when the file lies in a site
    Site* site_ = nullptr;
    bool open_ = false;
    bool verzamel_ = false; // in a site: gathered, decided at Sluit
    int fd_ = -1;
    std::string buffer_;
    Hasher128 hash_; // of what went to fd_ in a site
};

// Writes all of `bytes` to `fd`; false (errno set) when the disk takes less.
bool SchrijfAlles(int fd, std::string_view bytes);

} // namespace gdk::fs
