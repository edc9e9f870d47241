#pragma once
// The addresses of the type 4 site: every name in it is lowercase ASCII letters, digits and
// hyphens, so that it reads the same on every web server, file system and in every link.
// A card's address is made from its names and years and stays the same from export to export
// while they do; its folder is chosen by a hash of that address, so that no folder of the site
// holds more than a few thousand entries even when a collection is one surname.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace gdk::type4 {

// The longest part an address takes from a text (a name of 100000 characters too).
inline constexpr std::size_t MaxAdresDeel = 80;

// `tekst` (Windows-1252) as an address part: letters with their accents folded ("Zoë" "zoe",
// "Æ" "ae"), digits kept, apostrophes dropped ("D'Hondt" "dhondt"), every other run of
// characters one hyphen, none at either end, at most `max` characters (cut at a hyphen where
// one is near). Empty when nothing is left.
std::string AdresDeel(std::string_view tekst, std::size_t max = MaxAdresDeel);

// Hands out each address once: a name taken before gets "-2", "-3" ... in the order asked, and so
// does a device name of Windows ("nul" gives "nul-2"), which no Windows disk holds.
class UniekeAdressen {
  public:
    std::string Uniek(const std::string& basis);

  private:
    std::unordered_map<std::string, int> gezien_;
};

// The folder (two hexadecimal digits, 256 of them) of an address: its place is fixed by the
// address alone, so it stays while the address does.
std::string MapVan(std::string_view adres);

} // namespace gdk::type4
