#pragma once
// Names as the pages and the file-name codes spell them: capitals per word, initials, and the
// cleaning that turns a name into a part of a file name.
#include <string>

namespace gdk {

// Every word with a capital (`hoofdletters`: the whole text in capitals A-Z); blank gives "".
std::string HoofdletterWoorden(const std::string& s, bool hoofdletters);
// "Johannes Petrus" gives "J.P."; a hyphen between names is kept ("J.-P.").
std::string Initialen(const std::string& voornamen);
// Blanks and punctuation removed, accented letters (Windows-1252 and DOS code page 437) plain.
std::string BestandsnaamSchoon(const std::string& s);

} // namespace gdk
