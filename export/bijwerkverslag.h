#pragma once
// What an update tells at its end: the counts in the status bar, and one message naming what
// it left alone (files someone else put in the site folder, names in the way, the program's own
// files changed since) and a list that was damaged.
#include <string>

namespace gdk {

namespace fs {
struct SiteUitkomst;
}

// "Bijgewerkt: 3 bestanden geschreven, 1 verwijderd, 4170 ongewijzigd".
std::string BijwerkTelling(const fs::SiteUitkomst& uitkomst, bool hersteld);

// The message about the site folder `siteMap`; empty when there is nothing to say.
std::string BijwerkMelding(const std::string& siteMap, const fs::SiteUitkomst& uitkomst,
                           bool lijstBeschadigd);

} // namespace gdk
