#include "export/letterpaginas.h"

#include "export/sitemappen.h"
#include "export/skelet.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

#include <array>

namespace gdk {

namespace {

// The head of a letter page (SchrijfKop below) is this many lines; a failed page is reported
// with its count of lines.
constexpr std::size_t KopRegels = 19;

const char* const TdRegel = "      <TD CLASS=\"inhoud\" WIDTH=\"222\" VALIGN=\"top\">";

// A letter page is assembled before it is written, because its column breaks depend on the
// number of surname groups on it and its keyword line on the surnames: the body's lines, the
// surnames joined by "," and the number of groups.
struct Pagina {
    std::vector<std::string> regels;
    std::string trefwoorden;
    int groepen = 0;
    void Voeg(std::string regel) { regels.push_back(std::move(regel)); }
};

// The page's name below the site folder.
std::string PaginaNaam(char letter) {
    return "/inhoud" + std::string(1, AsciiKlein(letter)) + ".htm";
}

void SchrijfKop(TekstSchrijver& f, char letter, const std::string& trefwoorden) {
    const std::string l(1, letter);
    SchrijfKop(f, PaginaKop{.trefwoorden = "Velmoran,Genealogie" + trefwoorden,
                            .beschrijving = "inhoudpagina " + l + " van Velmoran Genealogie"});
    f.Regel("<TITLE>inhoud" + l + "</TITLE>");
    f.Regel("</HEAD>");
    f.Regel("");
    f.Regel("<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">");
    f.Regel("");
    f.Regel("");
    f.Regel("");
    f.Regel("   <BR><BR>");
    f.Regel("");
}

void VoegSlotToe(Pagina& p) {
    for (const char* r : {"", "      </TD>", "   </TR>", "   </TABLE>", "", "</BODY>", "", "</HTML>"})
        p.Voeg(r);
}

struct Ingang {
    std::string naam, rest, link;
    // The name equals, untrimmed, that of the entry before it on its page: it continues its group.
    bool zelfdeNaamAlsVorige = false;
};

std::string BRegel(const Ingang& i) {
    return "         <B>" + i.naam + "</B><BR>";
}
std::string ARegel(const Ingang& i) {
    return "         <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"" + SiteLink(i.link) + "\">" + i.rest +
           "</A><BR>";
}

// The name is the text of the index line before its first comma, the rest the text after it (a
// line without a comma, which no person page writes, is a name without rest); the link comes
// from the page's path.
Ingang Ontleed(const std::string& w, const IndexIngang& ingang) {
    Ingang uit;
    const std::string inhoud(ingang.Inhoud());
    const std::size_t komma = inhoud.find(',');
    uit.naam = Trim(inhoud.substr(0, komma));
    if (komma != std::string::npos) uit.rest = Trim(inhoud.substr(komma + 1));
    uit.link = MaakLink(w, Trim(std::string(ingang.Pad())));
    return uit;
}

// The untrimmed name: the text before the first comma.
std::string_view RuweNaam(const IndexIngang& ingang) {
    const std::string_view inhoud = ingang.Inhoud();
    return inhoud.substr(0, inhoud.find(','));
}

// Surname groups per column: columns 1 to 3 end when they hold their quota, column 4 takes the
// rest.
std::array<int, 4> Quota(int g) {
    const int q4 = g / 4;
    const int q3 = (g - q4) / 3;
    const int q2 = (g - q4 - q3) / 2;
    return {g - q4 - q3 - q2, q2, q3, q4};
}

bool BeginGroep(const std::string& regel) {
    return Trim(regel).starts_with("<B>");
}

// Writes the buffer with the column breaks: columns 1 to 3 end when they hold their quota of
// surname groups; column 4 takes the rest.
void SchrijfMetKolommen(TekstSchrijver& uit, const Pagina& p) {
    const std::array<int, 4> quota = Quota(p.groepen);
    const std::vector<std::string>& r = p.regels;
    int kolom = 1, telling = 0;
    const std::size_t n = r.size();
    std::size_t i = 0;
    while (i < n) {
        if (!BeginGroep(r[i])) {
            uit.Regel(r[i++]);
            continue;
        }
        uit.Regel(r[i++]);
        while (i < n && !BeginGroep(r[i]) && !Trim(r[i]).empty())
            uit.Regel(r[i++]);
        ++telling;
        if (kolom <= 3 && telling >= quota[kolom - 1]) {
            uit.Regel("");
            uit.Regel("      </TD>");
            uit.Regel(TdRegel);
            uit.Regel("");
            telling = 0;
            ++kolom;
        }
    }
}

// One letter page with entries.
void SchrijfLetterPagina(const std::string& w, char letter, const std::vector<Ingang>& ingangen) {
    Pagina p;
    p.Voeg("   <TABLE BORDER=\"0\" ALIGN=\"center\">");
    p.Voeg("   <TR>");
    p.Voeg("");
    p.Voeg(TdRegel);
    p.Voeg("");
    bool eerste = true;
    for (const Ingang& i : ingangen) {
        if (!eerste && i.zelfdeNaamAlsVorige) {
            p.Voeg(ARegel(i));
            continue;
        }
        if (!eerste) {
            p.trefwoorden += ",";
            p.Voeg("         <BR>");
            p.Voeg("");
        }
        p.trefwoorden += i.naam;
        ++p.groepen;
        p.Voeg(BRegel(i));
        p.Voeg(ARegel(i));
        eerste = false;
    }
    VoegSlotToe(p);

    SchrijfPagina(w, PaginaNaam(letter), [&](TekstSchrijver& uit) {
        // Keywords only when the surnames leave any: the fixed ones stand alone otherwise.
        SchrijfKop(uit, letter, Trim(p.trefwoorden).empty() ? std::string() : "," + p.trefwoorden);
        SchrijfMetKolommen(uit, p);
    });
}

} // namespace

bool IsHoofdletter(int code) {
    return code >= 65 && code <= 90;
}

std::string MaakLink(const std::string& siteMap, const std::string& pad) {
    std::string p = pad;
    for (char& c : p)
        if (c == '/') c = '\\';
    std::string w = siteMap;
    for (char& c : w)
        if (c == '/') c = '\\';
    p = VervangAlles(p, w + "\\", "");
    for (char& c : p)
        if (c == '\\') c = '/';
    return AsciiKleineLetters(p);
}

void SchrijfLegeLetterPagina(const std::string& siteMap, char letter) {
    if (!IsHoofdletter(static_cast<unsigned char>(letter))) return;
    SchrijfPagina(siteMap, PaginaNaam(letter), [&](TekstSchrijver& uit) {
        SchrijfKop(uit, letter, "");
        uit.Regel("         <BR>");
        uit.Regel("         <B>Voor de letter " + std::string(1, letter) +
                  " zijn geen gegevens aanwezig.</B>");
        uit.Regel("");
        uit.Regel("   <TABLE BORDER=\"0\" ALIGN=\"center\">");
        uit.Regel("   <TR>");
        uit.Regel("");
        for (int cel = 1; cel <= 4; ++cel) {
            uit.Regel(TdRegel);
            uit.Regel("");
            uit.Regel("      </TD>");
            if (cel % 2 == 0) uit.Regel("");
        }
        uit.Regel("   </TR>");
        uit.Regel("   </TABLE>");
        Pagina slot;
        VoegSlotToe(slot);
        for (const std::string& r : slot.regels)
            uit.Regel(r);
    });
}

void SchrijfLetterPaginas(const std::string& siteMap, const std::vector<IndexIngang>& regels) {
    // Every page of the site is listed: gathered per letter in sorted order, the names without a
    // letter (slot 26) going first on A's page.
    std::array<std::vector<Ingang>, 27> perLetter;
    std::array<std::string_view, 27> vorige; // the untrimmed name of the last entry of each
    for (const IndexIngang& r : regels) {
        Ingang i = Ontleed(siteMap, r);
        const char l = NaamLetter(i.naam);
        const int slot = l == 0 ? 26 : l - 'a';
        // Against the untrimmed name: "Jansen " before the comma never continues "Jansen".
        i.zelfdeNaamAlsVorige = !perLetter[slot].empty() && i.naam == vorige[slot];
        vorige[slot] = RuweNaam(r);
        perLetter[slot].push_back(std::move(i));
    }
    perLetter[0].insert(perLetter[0].begin(), std::make_move_iterator(perLetter[26].begin()),
                        std::make_move_iterator(perLetter[26].end()));
    for (int l = 0; l < 26; ++l) {
        const char letter = static_cast<char>('A' + l);
        if (perLetter[l].empty()) {
            SchrijfLegeLetterPagina(siteMap, letter);
            continue;
        }
        SchrijfLetterPagina(siteMap, letter, perLetter[l]);
    }
}

} // namespace gdk
