#include "import/inlezen.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "import/codering.h"
#include "import/tgdkimport.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"

namespace gdk {

bool CollectieGeweigerd(const std::string& pad) {
    const std::string weigering = CollectieWeigering(pad);
    if (weigering.empty()) return false;
    UI().Melding(weigering);
    return true;
}

bool InlezenCommando(const std::string& pad) {
    if (CollectieGeweigerd(pad)) return false;
    CollectiePad = pad;
    CollectieBestandsnaam = BestandsnaamDeel(pad);
    CollectieMap = ZonderSlotBackslash(pad.substr(0, pad.size() - CollectieBestandsnaam.size()));
    CollectieNaam = ExtensieVervangen(CollectieBestandsnaam, "");
    VerschillenBestand = ExtensieVervangen(pad, "_Verschillen.txt");
    // A report belongs to one read. Should the old one resist deletion, the first finding of
    // this read empties it anyway. A link planted under the report's name (a collection folder
    // from someone else) goes too, dangling or not, so the report is never written through it.
    fs::Verwijder(VerschillenBestand);
    return LeesGedenkjes();
}

} // namespace gdk
