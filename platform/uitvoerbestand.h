#pragma once
// One file being written through the resolver, without stdio: bytes gathered in a buffer and
// written a block at a time. Below a folder an export writes fresh (ExacteMapScope) every file is
// written once: the text is gathered in memory and, for a file written before in the same export,
// written at Sluit only when its bytes differ (truncating and rewriting a file costs a flush to
// disk on close on common file systems, and collections share image names and repeat cards).
// A write the disk refuses throws SchrijfWeigering while a WeigeringScope is alive (weigering.h).
#include <cstdint>
#include <string>
#include <string_view>

namespace gdk::fs {

// The bytes a file got, by size and hash. The bytes are fed in blocks of one fixed size (the last
// may be shorter), so that the same bytes give the same print however they came.
struct Inhoudsafdruk {
    std::uint64_t grootte = 0;
    std::uint64_t hash = 0;
    void VoegBlok(std::string_view blok);
    bool operator==(const Inhoudsafdruk&) const = default;
};

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
    // rewrite not decided at Sluit is dropped, as it was only ever in memory.
    void SluitStil();

  private:
    // Writes the whole blocks gathered so far (`totEinde`: all of it) to fd_.
    bool SchrijfBlokken(bool totEinde);

    std::string pad_;      // as given, Windows-1252
    std::string opSchijf_; // set when the file lies in an export's own tree
    bool open_ = false;
    bool eenmaal_ = false; // in an export's own tree: written once
    int fd_ = -1;          // -1 while a rewrite waits for Sluit
    std::string buffer_;
    Inhoudsafdruk afdruk_; // of what went to fd_ already
};

// Writes all of `bytes` to `fd`; false (errno set) when the disk takes less.
bool SchrijfAlles(int fd, std::string_view bytes);

} // namespace gdk::fs
