#include "export/tgdkexporttype2.h"

#include "data/html.h"
#include "export/skelet.h"
#include "settings/instellingen.h"

namespace gdk {

SiteOpmaak Type2Opmaak() {
    // The settings go into attribute values: a '"' in a traded settings file must not end one.
    SiteOpmaak o;
    o.type = 2;
    o.cellPadd = HtmlAttribuut(t2InhoudCellPadd);
    o.cellSpac = HtmlAttribuut(t2InhoudCellSpac);
    o.hoogte = HtmlAttribuut(t2AfbeeldingHeight);
    o.breedte = HtmlAttribuut(t2AfbeeldingWidth);
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
