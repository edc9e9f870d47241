#pragma once
// The page of one person as a complete HTML document in memory, for the viewer: a two-column
// table of labelled fields, links to parents, partners and the card image, and a footer.
// Lines end in CR LF. Links use three forms in their HREF: "%" and a person index (that
// person's page), "#" and a person index (the image window for that card), and a bare family
// index (that relation's page).
#include <cstdint>
#include <string>

namespace gdk {

// The page composed last, person or relation; the window hands it to the viewer.
extern std::string PaginaHtml;

// The five indentation runs of the composed pages, and their line end.
namespace pagina {
inline constexpr const char* I1 = "   ";
inline constexpr const char* I2 = "      ";
inline constexpr const char* I3 = "         ";
inline constexpr const char* I4 = "            ";
inline constexpr const char* I5 = "               ";
inline constexpr const char* CRLF = "\r\n";
} // namespace pagina

// Composes the page of the person into PaginaHtml. False when the person has no surname
// (PaginaHtml is then empty) or when composing failed (PaginaHtml holds the part built).
bool PersoonPagina(std::int32_t persoon);

// The links to father and mother, joined by "<BR>".
std::string OudersTekst(std::int32_t persoon);
// The links to all partners, joined by "<BR>".
std::string PartnersTekst(std::int32_t persoon);

// "<HTML>" and the head and body start of the person page.
std::string PersoonKop();
// The footer: source when given, and the date of last update - the export time when `datum`
// is blank. False when `datum` is no calendar date; `tekst` then holds the lines up to it.
bool PaginaVoet(const std::string& insprong, const std::string& bron, const std::string& datum,
                std::string& tekst);
// "</BODY>" and "</HTML>".
std::string PaginaEinde();

// The one-line link that opens the card image window, without indentation; empty when the
// person has no card image on disk or the button picture is missing beside the program.
std::string AfbeeldingKnop(std::int32_t persoon);

} // namespace gdk
