#pragma once
// Windows-1252 text: the case pairs the system means by "ignoring case", and the conversions
// to and from UTF-8 at the edges (terminal, GUI, file names on disk, registry file).
#include <string>
#include <string_view>

namespace gdk {

// ASCII only: A-Z <-> a-z ("in capitals", "small letters").
char AsciiKlein(char c);
char AsciiGroot(char c);
std::string AsciiKleineLetters(std::string_view s);
std::string AsciiHoofdletters(std::string_view s);

// Full Windows-1252 case pairs: A-Z/a-z, C0-DE/E0-FE except D7/F7, 8A/9A, 8C/9C, 8E/9E, 9F/FF.
char KleinLetter1252(char c);
char HoofdLetter1252(char c);
std::string KleineLetters1252(std::string_view s);
bool GelijkZonderHoofdletters(std::string_view a, std::string_view b);
// Position of the first occurrence of `naald` in `hooi` from `vanaf`, ignoring case, or npos.
std::size_t ZoekZonderHoofdletters(std::string_view hooi, std::string_view naald, std::size_t vanaf = 0);
// Every occurrence of `oud` replaced by `nieuw`, ignoring case (left to right, non-overlapping).
std::string VervangAlles(std::string_view s, std::string_view oud, std::string_view nieuw);
// The position of the first (last) byte of `s` that is one of `tekens`, or npos; as std's
// find_first_of (find_last_of), which asks memchr once for every byte of `s`; here memchr scans
// `s` once for each of the few `tekens`.
std::size_t EersteVan(std::string_view s, std::string_view tekens, std::size_t vanaf = 0);
std::size_t LaatsteVan(std::string_view s, std::string_view tekens);

// Trimmed: every character of code 32 and below removed at both ends.
std::string Trim(const std::string& s);
// The same as a part of `s`, without a copy.
std::string_view TrimDeel(std::string_view s);
// True when nothing is left after trimming; checked without building the trimmed copy, as the
// exports ask this per field and person.
bool IsLeeg(std::string_view s);

// The Unicode code point of one Windows-1252 byte (undefined codes: their C1 control).
char16_t Unicode1252(char c);

// Windows-1252 -> UTF-8 (the five undefined codes 81 8D 8F 90 9D map to U+0081 etc.).
std::string NaarUtf8(std::string_view s1252);
// UTF-8 -> Windows-1252. Characters without a Windows-1252 form become '?'.
// Returns false (and leaves `uit` as far as converted) when `s` is not valid UTF-8.
bool VanUtf8(std::string_view utf8, std::string& uit);
// UTF-8 -> Windows-1252 in place, for a text that is meant to be UTF-8 but need not be
// throughout: a byte that begins no valid sequence is taken as the Windows-1252 character it is.
// What comes before `vanaf` (a byte-order mark) is dropped. Returns how many characters became '?'.
std::size_t VanUtf8Of1252(std::string& tekst, std::size_t vanaf = 0);
// Convenience: invalid UTF-8 is returned byte for byte.
std::string VanUtf8(std::string_view utf8);
bool IsGeldigUtf8(std::string_view s);
// The position of the first byte from `vanaf` that is no ASCII (0x80 and up), or the size of `s`.
std::size_t EersteNietAscii(std::string_view s, std::size_t vanaf = 0);
// UTF-8 -> Windows-1252 only when every character has a Windows-1252 form (false otherwise):
// for names on disk, where a '?' in place of a lost character must not match a real '?'.
bool VanUtf8Verliesvrij(std::string_view utf8, std::string& uit);

} // namespace gdk
