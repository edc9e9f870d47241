#include "data/html.h"

#include <gtest/gtest.h>

namespace gdk {
namespace {

// Markup in card fields: simple formatting stays, anything else is shown as text.
TEST(HtmlVeld, AlleenEenvoudigeOpmaakBlijftOpmaak) {
    struct {
        const char *veld, *tekst, *attribuut;
    } const gevallen[] = {
        {"Jansen", "Jansen", "Jansen"},
        {"<b>vet</b> en <I>schuin</I>", "<b>vet</b> en <I>schuin</I>", "<b>vet</b> en <I>schuin</I>"},
        {"a<br>b<BR/>c<br />d", "a<br>b<BR/>c<br />d", "a<br>b<BR/>c<br />d"},
        {"<em><strong><u><sup>1</sup><sub>2</sub></u></strong></em>",
         "<em><strong><u><sup>1</sup><sub>2</sub></u></strong></em>",
         "<em><strong><u><sup>1</sup><sub>2</sub></u></strong></em>"},
        {"<script>alert(1)</script>", "&lt;script>alert(1)&lt;/script>", "&lt;script>alert(1)&lt;/script>"},
        {"Xavier\" onmouseover=\"alert(2)", "Xavier\" onmouseover=\"alert(2)",
         "Xavier&quot; onmouseover=&quot;alert(2)"},
        {"<b onclick=x>", "&lt;b onclick=x>", "&lt;b onclick=x>"},
        {"<bx>", "&lt;bx>", "&lt;bx>"},
        {"a < b <", "a &lt; b &lt;", "a &lt; b &lt;"},
        {"<img src=x onerror=y>", "&lt;img src=x onerror=y>", "&lt;img src=x onerror=y>"},
        {"& &amp;", "& &amp;", "& &amp;"},
    };
    for (const auto& g : gevallen) {
        EXPECT_EQ(HtmlTekst(g.veld), g.tekst) << g.veld;
        EXPECT_EQ(HtmlAttribuut(g.veld), g.attribuut) << g.veld;
    }
}

} // namespace
} // namespace gdk
