#include "import/inlezen.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "import/codering.h"
#include "import/tgdkimport.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"

namespace gdk {

bool CollectieGeweigerd(const std::string& pad) {
    const std::string weigering = CollectieWeigering(pad);
    if (weigering.empty()) return false;
    UI().Melding(weigering);
    return true;
}

bool InlezenCommando(const std::string& pad) {
    if (CollectieGeweigerd(pad)) return false;
    // The name is the user's, not the collection's: only '/' separates in it.
    CollectiePad = VanUtf8(pad);
    CollectieBestandsnaam = OsBestandsnaamDeel(CollectiePad);
    CollectieMap =
        OsZonderSlotScheiding(CollectiePad.substr(0, CollectiePad.size() - CollectieBestandsnaam.size()));
    CollectieNaam = OsExtensieVervangen(CollectieBestandsnaam, "");
    VerschillenBestand = OsExtensieVervangen(CollectiePad, "_Verschillen.txt");
    fs::ZetLetterlijk(fs::Letterlijk::Collectie, CollectiePad, pad);
    fs::ZetLetterlijk(fs::Letterlijk::Verslag, VerschillenBestand,
                      OsExtensieVervangen(pad, "_Verschillen.txt"));
    // A report belongs to one read. Should the old one resist deletion, the first finding of
    // this read empties it anyway. A link planted under the report's name (a collection folder
    // from someone else) goes too, dangling or not, so the report is never written through it.
    fs::Verwijder(VerschillenBestand);
    return LeesGedenkjes();
}

} // namespace gdk
