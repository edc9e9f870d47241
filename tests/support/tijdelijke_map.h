#pragma once
// A fresh temporary folder per test, removed afterwards, with small helpers to write files.
#include <filesystem>
#include <string>

namespace gdk::test {

class TijdelijkeMap {
  public:
    TijdelijkeMap();
    ~TijdelijkeMap();
    TijdelijkeMap(const TijdelijkeMap&) = delete;
    TijdelijkeMap& operator=(const TijdelijkeMap&) = delete;

    const std::filesystem::path& pad() const { return pad_; }
    // The folder as a Windows-1252 path text for the core (ASCII, so the same bytes).
    std::string tekst() const { return pad_.string(); }
    // Writes `inhoud` byte for byte to `relatief` (parents created); returns the full path.
    std::string Schrijf(const std::string& relatief, const std::string& inhoud) const;

  private:
    std::filesystem::path pad_;
};

// The whole file as bytes; empty when it cannot be read.
std::string LeesBestand(const std::filesystem::path& pad);

} // namespace gdk::test
