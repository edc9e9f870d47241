#pragma once
// The page of one relation (a family: two partners) as a complete HTML document in PaginaHtml:
// each partner in bold with a link and the image button, a summary of each partner's life
// events, the line that joins them, and the page footer.
#include <cstdint>
#include <string>

namespace gdk {

// Composes the page of the family into PaginaHtml. False when the family's first partner
// (Man) has no surname (PaginaHtml is then empty) or when composing failed (PaginaHtml holds
// the part built).
bool RelatiePagina(std::int32_t gezin);

// "<HTML>" and the head and body start of the relation page.
std::string RelatieKop();

// One partner's name line: first names, then particle and surname - inside a link to
// `linkGezin` when `toonLink` - and the image button on a line of its own when there is one.
std::string RelatiePersoonRegel(std::int32_t persoon, std::int32_t linkGezin, bool toonLink);

} // namespace gdk
