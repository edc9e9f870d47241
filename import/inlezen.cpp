#include "import/inlezen.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "import/tgdkimport.h"
#include "platform/bestanden.h"

namespace gdk {

bool InlezenCommando(const std::string& pad) {
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
