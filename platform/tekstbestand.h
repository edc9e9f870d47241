#pragma once
// Sequential text files as the system reads and writes them: 8-bit, no conversion.
// Reading: a line ends at LF, CR LF or a lone CR; Ctrl-Z (0x1A) ends the file; a final line
// without terminator is a line; a final terminator adds no empty line. NUL bytes are kept.
// Writing: lines end in CR LF, buffered, the file written once sequentially.
// Paths are Windows-1252 texts and go through the resolver (bestanden.h).
#include "platform/uitvoerbestand.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace gdk {

class TekstLezer {
  public:
    // Opens the file. Throws IOFout when it exists but cannot be read (a folder, no permission).
    // Returns false from Open when the file does not exist.
    TekstLezer() = default;
    ~TekstLezer();
    TekstLezer(const TekstLezer&) = delete;
    TekstLezer& operator=(const TekstLezer&) = delete;
    bool Open(const std::string& pad1252);
    // Open, and the whole file read into memory in one go: for a reader that must see every
    // byte before it takes the first line. LeesRegel then splits the lines from memory.
    bool OpenGeheel(const std::string& pad1252);
    // What lies in memory and is not yet read as lines: after OpenGeheel, the whole file.
    std::string_view Inhoud() const { return std::string_view(buffer_).substr(begin_, eind_ - begin_); }
    // After OpenGeheel, before the first line: `bewerk` may rewrite the bytes in memory; the
    // lines, and the size, then come from what it leaves.
    template <class F> void BewerkInhoud(F&& bewerk) {
        bewerk(buffer_);
        begin_ = 0;
        eind_ = grootte_ = buffer_.size();
    }
    // Next line into `regel` (without terminator); false at end of file. Throws IOFout on a read error.
    bool LeesRegel(std::string& regel);
    // Bytes consumed so far and the file size, for progress reports.
    std::size_t Gelezen() const { return positie_; }
    std::size_t Grootte() const { return grootte_; }

  private:
    bool Vul();
    std::FILE* bestand_ = nullptr;
    std::string pad_;
    std::string buffer_;
    std::size_t begin_ = 0, eind_ = 0;
    std::size_t positie_ = 0, grootte_ = 0;
    bool klaar_ = false;
    bool crGezien_ = false; // last line ended in CR: a LF right after it belongs to it
};

class TekstSchrijver {
  public:
    TekstSchrijver() = default;
    TekstSchrijver(const TekstSchrijver&) = delete;
    TekstSchrijver& operator=(const TekstSchrijver&) = delete;
    // Creates (or truncates) the file; `toevoegen` appends instead. Returns false when it cannot.
    // Below an export's own tree (fs::ExacteMapScope) a file written before in the same export
    // is written again only when its bytes differ (uitvoerbestand.h).
    bool Open(const std::string& pad1252, bool toevoegen = false);
    bool IsOpen() const { return bestand_.IsOpen(); }
    // Writes `regel` and CR LF. Throws IOFout on a write error (disk full...).
    void Regel(std::string_view regel);
    // Writes bytes as they are, no line end.
    void Schrijf(std::string_view tekst);
    // Flushes and closes; throws IOFout when the data did not reach the disk.
    void Sluit();

  private:
    fs::Uitvoerbestand bestand_; // closes without a word when the writer goes
    std::string pad_;
};

} // namespace gdk
