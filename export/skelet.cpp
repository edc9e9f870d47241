#include "export/skelet.h"

#include "data/html.h"
#include "data/tekst.h"
#include "export/sitemappen.h"
#include "import/woordlijsten.h"
#include "platform/fout.h"
#include "settings/instellingen.h"

#include <functional>

namespace gdk {

void SluitStil(TekstSchrijver& f) {
    try {
        f.Sluit();
    } catch (const IOFout&) {
        // The writer that failed has already said so.
    }
}

namespace {

std::string ToolPad(const char* map) {
    return VervangEnVerklein(map, "\\", "/");
}

// The style sheet as rules of property lines; "blok" stands for the four spacing lines.
struct Regel {
    const char* selector;
    std::vector<const char*> eigenschappen;
};

constexpr const char* kArial = "font-family: Arial;";
constexpr const char* kNormal = "font-weight: normal;";
constexpr const char* kLight = "font-weight: light;";
constexpr const char* kBold = "font-weight: bold;";
constexpr const char* k8 = "font-size: 8pt;";
constexpr const char* k10 = "font-size: 10pt;";
constexpr const char* k13 = "font-size: 13pt;";
constexpr const char* k14 = "font-size: 14pt;";
constexpr const char* kBlauw = "color: #0000FF;";
constexpr const char* kRood = "color: #FF3300;";
constexpr const char* kPaars = "color: #FF00FF;";
constexpr const char* kBlok = "";

const std::vector<Regel>& Stijlregels() {
    static const std::vector<Regel> regels = {
        {"BODY", {kArial, kNormal, k10, kBlok}},
        {"H6.kop", {kArial, kNormal, k14, kBlok}},
        {"H6.standaard", {kArial, kNormal, k10, kBlok}},
        {"H6.vader", {kArial, kNormal, k13, kBlok}},
        {"OL.vtekst", {kArial, kNormal, k10, kBlok}},
        {"OL.vmhuwelijk", {kArial, kNormal, k10, kBlok}},
        {"H6.moeder", {kArial, kNormal, k13, kBlok}},
        {"OL.mtekst", {kArial, kNormal, k10, kBlok}},
        {"H6.kinderen", {kArial, kNormal, k10}},
        {"OL.kinderen", {kArial, kNormal, k10, kBlok}},
        {"LI.kinderen", {kArial, kNormal, k10, kBlok}},
        {"LI.aantekening", {kArial, kNormal, k8, kBlok}},
        {"H6.copyright", {kArial, kNormal, k8, kBlok}},
        {"H6.foto", {kArial, kLight, k10}},
        {"TD.inhoud", {kArial, kLight, k10}},
        {"TD.medewerker", {kArial, kLight, k8}},
        {"A:link", {kBlauw, kArial, kBold}},
        {"A:visited", {kRood, kArial, kBold}},
        {"A:active", {kRood, kArial, kBold}},
        {"A:hover", {kRood, kArial, kBold}},
        {"A:link.1", {kBlauw, kArial, kNormal, kBlok}},
        {"A:visited.1", {kRood, kArial, kNormal, kBlok}},
        // The one rule whose last property has no semicolon; browsers accept it.
        {"A:active.1",
         {kRood, kArial, kNormal, "word-spacing: 0;", "line-height: 110%;", "margin-top: 0;",
          "margin-bottom: 0"}},
        {"A:hover.1", {kRood, kArial, kNormal, kBlok}},
        {"A:link.2", {kBlauw, kArial, kNormal, kBlok}},
        {"A:visited.2", {kPaars, kArial, kNormal, kBlok}},
        {"A:active.2", {kPaars, kArial, kNormal, kBlok}},
        {"A:hover.2", {kPaars, kArial, kNormal, kBlok}},
    };
    return regels;
}

const std::vector<std::string>& BeveiligingsScriptRegels() {
    static const std::vector<std::string> regels = {
        "<script>",
        "<!--",
        "if (window.Event)",
        "document.captureEvents(Event.MOUSEUP);",
        "function nocontextmenu()",
        "{",
        "event.cancelBubble = true",
        "event.returnValue = false;",
        "return false;",
        "}",
        "function norightclick(e)",
        "{",
        "if (window.Event)",
        "{",
        "if (e.which == 2 || e.which == 3)",
        "return false;",
        "}",
        "else",
        "if (event.button == 2 || event.button == 3)",
        "{",
        "event.cancelBubble = true",
        "event.returnValue = false;",
        "return false;",
        "}",
        "}",
        "document.oncontextmenu = nocontextmenu;",
        "document.onmousedown = norightclick;",
        "function disableselect(e){",
        "return false",
        "}",
        "function reEnable(){",
        "return true",
        "}",
        "document.onselectstart=new Function (\"return false\")",
        "if (window.sidebar){",
        "document.onmousedown=disableselect",
        "document.onclick=reEnable",
        "}",
        "//-->",
        "</script>",
    };
    return regels;
}

} // namespace

void SchrijfStijlblad(const std::string& map, const std::string& bestand) {
    return SchrijfPagina(map, bestand, [](TekstSchrijver& f) {
        const auto& regels = Stijlregels();
        for (std::size_t i = 0; i < regels.size(); ++i) {
            f.Regel(regels[i].selector);
            f.Regel("   {");
            for (const char* e : regels[i].eigenschappen) {
                if (*e == '\0') {
                    for (const char* b :
                         {"word-spacing: 0;", "line-height: 110%;", "margin-top: 0;", "margin-bottom: 0;"})
                        f.Regel(std::string("      ") + b);
                } else {
                    f.Regel(std::string("      ") + e);
                }
            }
            if (i + 1 < regels.size()) {
                f.Regel("   }");
                f.Regel("");
            } else {
                f.Regel("   }");
            }
        }
    });
}

void SchrijfScript(const std::string& map, const std::string& bestand) {
    return SchrijfPagina(map, bestand, [](TekstSchrijver& f) {
        const std::pair<const char*, const char*> functies[] = {
            {"indexeendir()", "../"}, {"indextweedir()", "../../"}, {"indexdriedir()", "../../../"}};
        for (const auto& [naam, terug] : functies) {
            f.Regel("");
            f.Regel(std::string("function ") + naam);
            f.Regel("{");
            f.Regel("   if( document.location == top.location)");
            f.Regel("   {");
            f.Regel(std::string("      top.location.replace(\"") + terug + "index.htm\");");
            f.Regel("   }");
            f.Regel("}");
        }
    });
}

void SchrijfDoorverwijzing(int diepte, const std::string& map, const std::string& bestand) {
    if (diepte < 1) diepte = 1;
    if (diepte > 3) diepte = 3;
    std::string p;
    for (int i = 0; i < diepte; ++i)
        p += "../";
    const char* f = diepte == 1 ? "indexeendir()" : diepte == 2 ? "indextweedir()" : "indexdriedir()";
    return SchrijfPagina(map, bestand, [&](TekstSchrijver& w) {
        w.Regel("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">");
        w.Regel("<HTML>");
        w.Regel("<HEAD>");
        w.Regel("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" SRC=\"" + p +
                "tool/script/genealogie.js\"></SCRIPT>");
        w.Regel("</HEAD>");
        w.Regel("<BODY BACKGROUND=\"" + p + "tool/achtergrond/achtergrond.jpg\" ONLOAD=\"" + f + "\">");
        w.Regel("</BODY>");
        w.Regel("</HTML>");
    });
}

void SchrijfKop(TekstSchrijver& f, const PaginaKop& kop) {
    f.Regel("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">");
    f.Regel("<HTML>");
    f.Regel("<HEAD>");
    f.Regel("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
    f.Regel("<META NAME=\"keywords\" CONTENT=\"" + kop.trefwoorden + "\">");
    if (!kop.extra.empty()) f.Regel(kop.extra);
    f.Regel("<META NAME=\"description\" CONTENT=\"" + kop.beschrijving + "\">");
    f.Regel("<META NAME=\"robots\" CONTENT=\"index, follow\">");
    if (kop.generator) f.Regel("<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">");
    const std::string script = kop.terug + ToolPad("tool\\script");
    f.Regel("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" SRC=\"" + script +
            "/genealogie.js\"></SCRIPT>");
    f.Regel("<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"" + script + "/genealogie.css\">");
}

void SchrijfBeveiliging(TekstSchrijver& f) {
    if (!BeschermenTegenKopieren) return;
    for (const std::string& r : BeveiligingsScriptRegels())
        f.Regel(r);
    f.Regel("");
}

void SchrijfPagina(const std::string& map, const std::string& bestand,
                   const std::function<void(TekstSchrijver&)>& schrijf) {
    TekstSchrijver f;
    if (f.Open(map + bestand)) {
        try {
            schrijf(f);
            f.Sluit();
            return;
        } catch (const IOFout&) {
            SluitStil(f);
        }
    }
    StopNietAangemaakt(map, bestand);
}

void SchrijfIndexKop(TekstSchrijver& f) {
    SchrijfKop(f, PaginaKop{.trefwoorden = SiteTrefwoorden,
                            .beschrijving = "Velmoran voor Genealogie en Software",
                            .generator = false});
}

void VervolgIndexPagina(const std::string& map, const std::string& bestand,
                        const std::function<void(TekstSchrijver&)>& schrijf) {
    return SchrijfPagina(map, bestand, [&](TekstSchrijver& f) {
        SchrijfIndexKop(f);
        schrijf(f);
    });
}

void SchrijfFrameset(const std::string& map, const std::string& bestand) {
    return VervolgIndexPagina(map, bestand, [](TekstSchrijver& f) {
        f.Regel("<TITLE>Gedenkjes</TITLE>");
        f.Regel("</HEAD>");
        f.Regel("");
        f.Regel("<FRAMESET FRAMEBORDER=\"0\" FRAMESPACING=\"0\" BORDER=\"0\" ROWS=\"125,*\">");
        f.Regel("   <FRAME NAME=\"kopindex\" SRC=\"kopindex.htm\" SCROLLING=\"no\" NORESIZE>");
        // Settings inside attribute values are escaped as card fields are.
        f.Regel("      <FRAMESET COLS=\"" + HtmlAttribuut(inCols) + ",*\">");
        f.Regel("         <FRAME NAME=\"menuindex\" SRC=\"menuindex.htm\" SCROLLING=\"auto\">");
        f.Regel("         <FRAME NAME=\"inhoudindex\" SRC=\"inhoudindex.htm\" SCROLLING=\"auto\">");
        SchrijfFramesetSlot(f);
    });
}

void SchrijfFramesetSlot(TekstSchrijver& f) {
    f.Regel("      </FRAMESET>");
    f.Regel("   <NOFRAMES>");
    f.Regel("      <BODY>");
    f.Regel(
        "         <P>Op deze pagina worden frames gebruikt, maar uw browser ondersteunt geen frames.</P>");
    f.Regel("      </BODY>");
    f.Regel("   </NOFRAMES>");
    f.Regel("</FRAMESET>");
    f.Regel("");
    f.Regel("</HTML>");
}

void SchrijfBannerBegin(TekstSchrijver& f) {
    f.Regel("<TITLE>KopIndex</TITLE>");
    f.Regel("<BASE TARGET=\"kopindex\">");
    f.Regel("</HEAD>");
    f.Regel("");
    SchrijfBeveiliging(f);
    f.Regel("<BODY BACKGROUND=\"" + ToolPad("tool\\achtergrond") + "/achtergrond.jpg\">");
    f.Regel("");
    f.Regel("   <BR>");
    f.Regel("   <P ALIGN=\"center\">");
    f.Regel("   <IMG BORDER=\"0\" SRC=\"" + ToolPad("tool\\image") +
            "/afbeelding.jpg\" ALT=\"Gedenkjes\" HSPACE=\"30\" WIDTH=\"600\" HEIGHT=\"60\">");
    f.Regel("   </P>");
    f.Regel("");
}

void SchrijfKopIndex(const std::string& map, const std::string& bestand) {
    return VervolgIndexPagina(map, bestand, [](TekstSchrijver& f) {
        SchrijfBannerBegin(f);
        f.Regel("</BODY>");
        f.Regel("");
        f.Regel("</HTML>");
    });
}

void SchrijfMenuIndex(const std::string& map, const std::string& bestand, const std::string& linktekst) {
    return VervolgIndexPagina(map, bestand, [&](TekstSchrijver& f) {
        f.Regel("<TITLE>menuIndex</TITLE>");
        f.Regel("<BASE TARGET=\"menuindex\">");
        f.Regel("</HEAD>");
        f.Regel("");
        SchrijfBeveiliging(f);
        f.Regel("<BODY BACKGROUND=\"" + ToolPad("tool\\achtergrond") + "/achtergrond.jpg\">");
        f.Regel("");
        f.Regel("   <TABLE BORDER=\"0\" WIDTH=\"100\" CELLSPACING=\"6\" CELLPADDING=\"0\">");
        f.Regel("      <TR>");
        f.Regel("         <TD WIDTH=\"100%\">");
        f.Regel("         <A TARGET=\"inhoudindex\" HREF=\"inhoudindex.htm\">" + linktekst + "</A>");
        f.Regel("         </TD>");
        f.Regel("      </TR>");
        if (ZoekpaginaMaken) {
            f.Regel("      <TR>");
            f.Regel("         <TD WIDTH=\"100%\">");
            f.Regel("         <A TARGET=\"inhoudindex\" HREF=\"zoeken.htm\">Zoeken</A>");
            f.Regel("         </TD>");
            f.Regel("      </TR>");
        }
        f.Regel("   </TABLE>");
        f.Regel("   <BR><BR>");
        f.Regel("   <TABLE BORDER=\"1\" ALIGN=\"center\">");
        for (int rij = 0; rij < 9; ++rij) {
            f.Regel("   <TR>");
            for (int kolom = 0; kolom < 3; ++kolom) {
                const int n = rij * 3 + kolom; // 0..26; the 27th cell stays empty
                f.Regel("      <TD WIDTH=\"" + HtmlAttribuut(miWidth) + "\" HEIGHT=\"" +
                        HtmlAttribuut(miHeight) + "\" ALIGN=\"center\">");
                f.Regel("      <H6 CLASS=\"standaard\">");
                if (n < 26) {
                    const char groot = static_cast<char>('A' + n);
                    const char klein = static_cast<char>('a' + n);
                    f.Regel(std::string("      <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"inhoud") + klein +
                            ".htm\"><B>" + groot + "</B></A>");
                } else {
                    f.Regel("      ");
                }
                f.Regel("      </H6>");
                f.Regel("      </TD>");
            }
            f.Regel("   </TR>");
        }
        f.Regel("   </TABLE>");
        f.Regel("");
        f.Regel("</BODY>");
        f.Regel("");
        f.Regel("</HTML>");
    });
}

void SchrijfInhoudIndex(const std::string& map, const std::string& bestand) {
    return VervolgIndexPagina(map, bestand, [](TekstSchrijver& f) {
        f.Regel("<TITLE>inhoudIndex</TITLE>");
        f.Regel("<BASE TARGET=\"inhoudindex\">");
        f.Regel("");
        f.Regel("</HEAD>");
        f.Regel("");
        f.Regel("<BODY BACKGROUND=\"" + ToolPad("tool\\achtergrond") + "/achtergrond.jpg\">");
        f.Regel("");
        SchrijfBeveiliging(f); // here after the BODY line
        f.Regel("   <BR>");
        f.Regel("   <TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"center\" width=\"60%\" "
                "height=\"60%\">");
        f.Regel("   <TR>");
        f.Regel("      <TD ALIGN=\"left\">");
        f.Regel("         <BR><BR>");
        f.Regel("         <font face=\"Verdana\" size=\"3\">");
        f.Regel("            <B>" + UitvoerTekst[ut::Inleiding] + "</B>");
        f.Regel("            <BR><BR>");
        f.Regel("            " + UitvoerTekst[ut::InleidingTekst]);
        f.Regel("         </font>");
        f.Regel("         <BR><BR>");
        f.Regel("      </TD>");
        f.Regel("   </TR>");
        f.Regel("   </TABLE>");
        f.Regel("");
        f.Regel("   <BR>");
        f.Regel("");
        f.Regel("</BODY>");
        f.Regel("");
        f.Regel("</HTML>");
    });
}

} // namespace gdk
