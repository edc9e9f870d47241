#include "export/tgdkexporttype3.h"

#include "data/html.h"
#include "export/skelet.h"
#include "settings/instellingen.h"

namespace gdk {

SiteOpmaak Type3Opmaak() {
    // The settings go into attribute values: a '"' in a traded settings file must not end one.
    SiteOpmaak o;
    o.type = 3;
    o.cellPadd = HtmlAttribuut(t3InhoudCellPadd);
    o.cellSpac = HtmlAttribuut(t3InhoudCellSpac);
    o.hoogte = HtmlAttribuut(t3AfbeeldingHeight);
    o.breedte = HtmlAttribuut(t3AfbeeldingWidth);
    o.tweedeAfbeelding = AfbeeldingVoorEnAchterkantWeergeven;
    o.geenGegevensUitlijning = "center";
    return o;
}

void SchrijfFramesetType3(const std::string& map, const std::string& bestand) {
    return VervolgIndexPagina(map, bestand, [](TekstSchrijver& f) {
        f.Regel("<TITLE>Gedenkjes</TITLE>");
        f.Regel("</HEAD>");
        f.Regel("");
        f.Regel("<FRAMESET FRAMEBORDER=\"0\" FRAMESPACING=\"0\" BORDER=\"0\" ROWS=\"200,*\">");
        f.Regel("   <FRAME NAME=\"kopindex\" SRC=\"kopindex.htm\" SCROLLING=\"no\" NORESIZE>");
        f.Regel("      <FRAMESET FRAMEBORDER=\"0\" FRAMESPACING=\"0\" BORDER=\"0\">");
        f.Regel("         <FRAME NAME=\"inhoudindex\" SRC=\"inhoudindex.htm\" SCROLLING=\"auto\">");
        SchrijfFramesetSlot(f);
    });
}

void SchrijfKopIndexType3(const std::string& map, const std::string& bestand) {
    return VervolgIndexPagina(map, bestand, [](TekstSchrijver& f) {
        SchrijfBannerBegin(f);
        f.Regel("   <BR>");
        f.Regel("");
        f.Regel("   <TABLE BORDER=\"1\" ALIGN=\"center\">");
        // One row without TR lines: the welcome link and the 26 letters form a single bar.
        f.Regel("   <TD WIDTH=\"90\" HEIGHT=\"" + HtmlAttribuut(miHeight) + "\" ALIGN=\"center\">");
        f.Regel("      <H6 CLASS=\"standaard\">");
        f.Regel("      <A TARGET=\"inhoudindex\" HREF=\"inhoudindex.htm\">Gedenkjes</A>");
        f.Regel("      </H6>");
        f.Regel("   </TD>");
        for (char x = 'A'; x <= 'Z'; ++x) {
            f.Regel("   <TD WIDTH=\"" + HtmlAttribuut(miWidth) + "\" HEIGHT=\"" + HtmlAttribuut(miHeight) +
                    "\" ALIGN=\"center\">");
            f.Regel("      <H6 CLASS=\"standaard\">");
            f.Regel(std::string("      <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"inhoud") +
                    static_cast<char>(x - 'A' + 'a') + ".htm\"><B>" + x + "</B></A>");
            f.Regel("      </H6>");
            f.Regel("   </TD>");
        }
        if (ZoekpaginaMaken) {
            f.Regel("   <TD WIDTH=\"90\" HEIGHT=\"" + HtmlAttribuut(miHeight) + "\" ALIGN=\"center\">");
            f.Regel("      <H6 CLASS=\"standaard\">");
            f.Regel("      <A TARGET=\"inhoudindex\" HREF=\"zoeken.htm\">Zoeken</A>");
            f.Regel("      </H6>");
            f.Regel("   </TD>");
        }
        f.Regel("   </TABLE>");
        f.Regel("");
        f.Regel("   <BR><BR><BR>");
        f.Regel("");
        f.Regel("</BODY>");
        f.Regel("");
        f.Regel("</HTML>");
    });
}

void SchrijfHoofdpaginasType3(const std::string& siteMap) {
    SchrijfFramesetType3(siteMap, "/index.htm");
    SchrijfKopIndexType3(siteMap, "/kopindex.htm");
    SchrijfInhoudIndex(siteMap, "/inhoudindex.htm");
}

bool UitvoerenType3(UitvoerSessie& sessie) {
    return type23::Uitvoeren(sessie, Type3Opmaak(), SchrijfHoofdpaginasType3);
}

} // namespace gdk
