#pragma once
// HKEY_CURRENT_USER as a registry text file, Windows-1252 at this interface. On disk: headed
// "REGEDIT4" or "Windows Registry Editor Version 5.00", in UTF-8 or, as Windows' registry editor
// writes it, UTF-16 with its byte-order mark; a rewrite keeps the file's header and encoding.
// Key and value names compare case-insensitively; a value of the wrong type reads as absent.
// Unknown lines (hex: values, comments) are kept on rewrite; writes go to a temporary file that
// takes the old file's owner, group and mode and is renamed into place. A file that cannot be
// parsed at all reads as empty and is never overwritten; neither is a file its owner may not
// write, nor one of another user.
// Location: ZetRegisterBestand (the CLI's --register), else $GEDENKJES_REGISTRY, else
// $XDG_CONFIG_HOME/gedenkjes/HKEY_CURRENT_USER.reg (default ~/.config/...).
#include <cstdint>
#include <optional>
#include <string>

namespace gdk::reg {

std::string RegisterBestand();
void ZetRegisterBestand(const std::string& pad); // empty: back to the environment rule

// What the last read found. Gelezen also when the file is missing or empty (free to fill);
// NietTeLezen: something is there that cannot be opened (a folder, a pipe, no permission);
// GeenRegister: read, but in no form of a registry file. The last two read as empty.
enum class Leesbaarheid { Gelezen, NietTeLezen, GeenRegister };
Leesbaarheid RegisterLeesbaarheid();

// `sleutel` is the path below HKEY_CURRENT_USER, e.g. "Software\\Velmoran\\Gedenkje\\4.00\\OptiesCode".
bool SleutelBestaat(const std::string& sleutel);
std::optional<std::string> LeesString(const std::string& sleutel, const std::string& naam);
std::optional<std::int32_t> LeesInteger(const std::string& sleutel, const std::string& naam);
// Create the key when missing, write the one value. False (silently) when the file cannot be written.
bool SchrijfString(const std::string& sleutel, const std::string& naam, const std::string& waarde);
bool SchrijfInteger(const std::string& sleutel, const std::string& naam, std::int32_t waarde);

// While one is alive, writes gather in memory and the file is rewritten once, when it closes:
// saving the options sets some eighty values, and each rewrite of a large file costs. Reads in
// the meantime see the file as it was. Nested bundles join the outer one.
class SchrijfBundel {
  public:
    SchrijfBundel();
    ~SchrijfBundel();
    SchrijfBundel(const SchrijfBundel&) = delete;
    SchrijfBundel& operator=(const SchrijfBundel&) = delete;
    // Writes what was gathered; false (silently) when the file cannot be written.
    bool Sluit();

  private:
    bool eigen_ = false;
};

} // namespace gdk::reg
