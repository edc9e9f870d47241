#include "export/tgdkexporttype2.h"

#include "export/skelet.h"
#include "settings/instellingen.h"

namespace gdk {

SiteOpmaak Type2Opmaak() {
    SiteOpmaak o;
    o.type = 2;
    o.cellPadd = t2InhoudCellPadd;
    o.cellSpac = t2InhoudCellSpac;
    o.hoogte = t2AfbeeldingHeight;
    o.breedte = t2AfbeeldingWidth;
    o.tweedeAfbeelding = false;
    o.geenGegevensUitlijning = "left";
    return o;
}

void SchrijfHoofdpaginasType2(const std::string& siteMap) {
    SchrijfFrameset(siteMap, "/index.htm");
    SchrijfKopIndex(siteMap, "/kopindex.htm");
    SchrijfMenuIndex(siteMap, "/menuindex.htm", "Gedenkjes");
    SchrijfInhoudIndex(siteMap, "/inhoudindex.htm");
}

bool UitvoerenType2(UitvoerSessie& sessie) {
    return type23::Uitvoeren(sessie, Type2Opmaak(), SchrijfHoofdpaginasType2);
}

} // namespace gdk
