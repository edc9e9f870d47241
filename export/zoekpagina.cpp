#include "export/zoekpagina.h"

#include "export/sitemappen.h"
#include "export/skelet.h"
#include "export/zoekindex.h"
#include "export/zoekvouw.h"
#include "platform/fout.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"
#include "settings/instellingen.h"

#include <cstdio>
#include <string_view>

namespace gdk {
namespace {

// The table the script folds typed text with: every non-ASCII Windows-1252 letter with its
// folded form, so that a visitor's "Zoë" becomes the "zoe" the index holds.
std::string VouwTabelJs() {
    std::string uit = "var GDK_VOUW = {";
    bool eerste = true;
    for (int c = 0x80; c <= 0xFF; ++c) {
        const std::string_view v = VouwTeken(static_cast<unsigned char>(c));
        if (v.empty()) continue;
        if (!eerste) uit += ",";
        eerste = false;
        uit += JsTekst(std::string(1, static_cast<char>(c))) + ":" + JsTekst(v);
    }
    return uit + "};";
}

// The characters of the bytes 80-9F, for a query a form of this Windows-1252 page sent as bytes.
std::string C1TabelJs() {
    std::string uit = "var GDK_C1 = [";
    for (int c = 0x80; c <= 0x9F; ++c) {
        if (c > 0x80) uit += ",";
        uit += std::to_string(static_cast<unsigned>(Unicode1252(static_cast<char>(c))));
    }
    return uit + "];";
}

} // namespace

void SchrijfZoekScript(const std::string& map, const std::string& bestand) {
    TekstSchrijver f;
    try {
        if (!f.Open(map + bestand)) throw IOFout(map + bestand);
        f.Regel(VouwTabelJs());
        f.Regel(C1TabelJs());
        std::string_view code = ZoekScriptCode();
        while (!code.empty()) {
            const std::size_t eind = code.find('\n');
            f.Regel(code.substr(0, eind));
            if (eind == std::string_view::npos) break;
            code.remove_prefix(eind + 1);
        }
        f.Sluit();
    } catch (const IOFout&) {
        SluitStil(f);
        StopNietAangemaakt(map, bestand);
    }
}

void SchrijfZoekpagina(const std::string& map, const std::string& bestand) {
    return VervolgIndexPagina(map, bestand, [](TekstSchrijver& f) {
        f.Regel("<TITLE>Zoeken</TITLE>");
        f.Regel("</HEAD>");
        f.Regel("");
        f.Regel("<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">");
        f.Regel("");
        SchrijfBeveiliging(f);
        f.Regel("   <BR>");
        f.Regel("   <TABLE BORDER=\"0\" CELLSPACING=\"1\" CELLPADDING=\"6\" ALIGN=\"center\" width=\"80%\">");
        f.Regel("   <TR>");
        f.Regel("      <TD ALIGN=\"left\">");
        f.Regel("         <font face=\"Verdana\" size=\"3\">");
        f.Regel("            <B>Zoeken</B>");
        f.Regel("         </font>");
        f.Regel("         <BR><BR>");
        f.Regel("         <FORM ID=\"zoekformulier\" ACTION=\"zoeken.htm\" METHOD=\"get\">");
        f.Regel("         <INPUT ID=\"zoekveld\" TYPE=\"search\" NAME=\"q\" SIZE=\"40\" MAXLENGTH=\"200\" "
                "AUTOCOMPLETE=\"off\" AUTOFOCUS>");
        f.Regel("         <INPUT ID=\"zoekknop\" TYPE=\"submit\" VALUE=\"Zoeken\">");
        f.Regel("         </FORM>");
        f.Regel(
            "         <H6 CLASS=\"copyright\">Typ een of meer woorden uit de naam, de plaats van overlijden "
            "of een geboorte- of sterfjaar, bijvoorbeeld <I>van der berg</I> of <I>leuven 2004</I>. "
            "Hoofdletters en accenten maken niet uit.</H6>");
        f.Regel("         <BR>");
        f.Regel("         <H6 CLASS=\"standaard\" ID=\"zoekaantal\"></H6>");
        f.Regel("         <OL ID=\"zoekresultaten\" CLASS=\"vtekst\"></OL>");
        f.Regel("         <NOSCRIPT>Zoeken werkt alleen als JavaScript aan staat.</NOSCRIPT>");
        f.Regel("      </TD>");
        f.Regel("   </TR>");
        f.Regel("   </TABLE>");
        f.Regel("");
        f.Regel("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
                "SRC=\"tool/script/zoeken.js\"></SCRIPT>");
        f.Regel("</BODY>");
        f.Regel("");
        f.Regel("</HTML>");
    });
}

} // namespace gdk
