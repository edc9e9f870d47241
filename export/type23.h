#pragma once
// What the type 2 and type 3 sites share: the card images copied per first letter with a page
// each, the entry list with its report lines, the table page per initial letter a-z with a row
// per card, and the skeleton. Each layout adds its own root pages (tgdkexporttype2.h,
// tgdkexporttype3.h) and a few settings (SiteOpmaak).
// May throw IOFout: type23::Uitvoeren and type23::SchrijfToolMappen, when a card image or a
// program file cannot be copied or the report file cannot be written; the export ends there. The
// page writers report a page that cannot be written and go on.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

class UitvoerSessie;

// What differs between the type 2 and type 3 sites besides their root pages.
struct SiteOpmaak {
    int type = 2;
    std::string cellPadd, cellSpac;              // letter-page table
    std::string hoogte, breedte;                 // card image on its page
    bool tweedeAfbeelding = false;               // a second image block below the first
    std::string geenGegevensUitlijning = "left"; // table of the page of a letter without entries
};

// The entry of one card: its 12 fields, kept as the one line they make joined by ";" (what the
// letter pages sort on, the doubles are found by and the report lists) with where each begins.
class KaartIngang {
  public:
    explicit KaartIngang(std::int32_t persoon) : persoon_(persoon) {}
    std::int32_t Persoon() const { return persoon_; }
    const std::string& Regel() const { return regel_; }
    // Field k (0 to 11) as stored, not trimmed.
    std::string_view Veld(int k) const;
    // Appends the next field.
    void Veld(std::string_view tekst);

  private:
    std::int32_t persoon_;
    std::string regel_;
    std::array<std::uint32_t, 12> begin_{};
    int velden_ = 0;
};

// The entry of person i; `afbeelding` is the image file name found for the person, empty when
// none (field 9 then empty).
KaartIngang MaakKaartIngang(int i, const std::string& afbeelding);

// The page folder-letter of an image file name: its first character, A-Z lower-cased.
char AfbeeldingLetter(const std::string& afbeelding);

// Writes the page of one card image into folder `p`: p + "/" + n lower-cased + ".htm". `n` is the
// site's name of the image (SiteNaam) without extension, `a` the card's own (the title and the
// alternative text); `afbeelding` is the whole image file name as the card gives it, whose copy
// the page shows; `achterkant` the file name of the back, whose copy beside it the second block
// shows when there is one. StopNietAangemaakt when the page cannot be made.
void SchrijfAfbeeldingPagina(const SiteOpmaak& opmaak, const std::string& p, const std::string& n,
                             const std::string& a, const std::string& afbeelding,
                             const std::string& achterkant);

// Writes the page of a letter without entries, siteMap + "/inhoud" + letter + ".htm".
void SchrijfGeenGegevensPagina(const SiteOpmaak& opmaak, const std::string& siteMap, char letter);

namespace type23 {

// A layout's own root pages, written into the site folder given.
using Hoofdpaginas = std::function<void(const std::string& siteMap)>;

// The whole export of type 2 or 3: the root check, folders, card images and their pages, entry
// list, report lines, the skeleton with the layout's root pages, the letter pages and, with
// ZoekpaginaMaken on, the search page with the index collected while the image pages were written.
bool Uitvoeren(UitvoerSessie& sessie, const SiteOpmaak& opmaak, const Hoofdpaginas& hoofdpaginas);

// Appends `regels` to the difference report of the collection (nothing when there are none).
// Throws IOFout when the report cannot be written.
void VoegToeAanVerschillen(const std::vector<std::string>& regels);

// The report lines of the sorted entries in the difference report: "dubbel opgenomen: " and the
// line for each entry equal to the next (ControleOpDubbeleGedenkjes), then every line
// (LijstNamenGedenkje). May throw IOFout when the report cannot be written.
void Verslag(const std::vector<KaartIngang>& lijst);

// The tool folders with their copies and the script files.
void SchrijfToolMappen(const std::string& siteMap);
// The letter pages a-z from the sorted entry list; every letter ends with a page.
void SchrijfLetterPaginas(const SiteOpmaak& opmaak, const std::string& siteMap,
                          const std::vector<KaartIngang>& regels);

} // namespace type23
} // namespace gdk
