#pragma once
// The character encoding of a collection file. The program's text is Windows-1252, as the
// collections were always written; current editors save UTF-8, which is read and converted.
// A file that plainly holds something else (a family tree, UTF-16 text) is refused as a whole.
#include <cstddef>
#include <string>
#include <string_view>

namespace gdk {

class TekstLezer;

// Why a file that begins with the bytes `begin` is no collection, in Dutch and naming the file
// `pad`; empty when it may be read. Refused are a family-tree file (first line "0 HEAD", with or
// without a byte-order mark) and UTF-16 text (its byte-order mark).
std::string Weigering(std::string_view begin, const std::string& pad);
// The same for the file at `pad` (as the operating system names it: the user chose it), of which
// only the first bytes are read. A file that is missing
// or cannot be read is not refused here: the read itself says so.
std::string CollectieWeigering(const std::string& pad);

// True when the bytes are read as UTF-8: they begin with its byte-order mark, or they are UTF-8 as
// a whole, with at least one character of more than one byte and no NUL byte (which no text has).
bool IsUtf8(std::string_view inhoud);

struct Omzetting {
    bool utf8 = false;
    std::size_t vervangen = 0; // characters Windows-1252 cannot hold, now '?'
};
// The whole file in `lezer` (opened with OpenGeheel) made Windows-1252 when it is UTF-8, its
// byte-order mark dropped; anything else stays byte for byte.
Omzetting CoderingOmzetten(TekstLezer& lezer);
// The difference report's first line after a UTF-8 file was read.
std::string Utf8Verschilregel(std::size_t vervangen);

} // namespace gdk
