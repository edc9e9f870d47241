#include "export/letterpaginas.h"

#include "import/woordlijsten.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"
#include "platform/tekstbestand.h"

#include <array>

namespace gdk {

std::vector<std::string> Regelbuffer;
std::string Trefwoorden;

namespace {

const char* const TdRegel = "      <TD CLASS=\"inhoud\" WIDTH=\"222\" VALIGN=\"top\">";

int Groepen = 0;
std::array<int, 4> Quota{};

void Wis() {
    Regelbuffer.clear();
    Trefwoorden.clear();
    Groepen = 0;
    Quota = {};
}

void Voeg(std::string regel) {
    Regelbuffer.push_back(std::move(regel));
}

std::string PaginaPad(const std::string& w, char letter) {
    return w + "/inhoud" + std::string(1, AsciiKlein(letter)) + ".htm";
}

void VoegKopToe(char letter) {
    const std::string l(1, letter);
    Voeg("<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 5.0//EN\">");
    Voeg("<HTML>");
    Voeg("<HEAD>");
    Voeg("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
    Voeg("<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie\">");
    Voeg("<META NAME=\"description\" CONTENT=\"inhoudpagina " + l + " van Velmoran Genealogie\">");
    Voeg("<META NAME=\"robots\" CONTENT=\"index, follow\">");
    Voeg("<META NAME=\"generator\" CONTENT=\"Gedenkjes van Velmoran\">");
    Voeg("<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"javascript\" "
         "SRC=\"tool/script/genealogie.js\"></SCRIPT>");
    Voeg("<LINK REL=\"STYLESHEET\" TYPE=\"text/css\" HREF=\"tool/script/genealogie.css\">");
    Voeg("<TITLE>inhoud" + l + "</TITLE>");
    Voeg("</HEAD>");
    Voeg("");
    Voeg("<BODY BACKGROUND=\"tool/achtergrond/achtergrond.jpg\">");
    Voeg("");
    Voeg("");
    Voeg("");
    Voeg("   <BR><BR>");
    Voeg("");
}

void VoegSlotToe() {
    Voeg("");
    Voeg("      </TD>");
    Voeg("   </TR>");
    Voeg("   </TABLE>");
    Voeg("");
    Voeg("</BODY>");
    Voeg("");
    Voeg("</HTML>");
}

struct Ingang {
    std::string naam, rest, link;
    // The name equals that of the entry directly before it in the sorted list, whether or not
    // that one is on a page: an entry left out between two of one surname splits their group.
    bool zelfdeNaamAlsVorige = false;
};

std::string BRegel(const Ingang& i) {
    return "         <B>" + i.naam + "</B><BR>";
}
std::string ARegel(const Ingang& i) {
    return "         <A CLASS=\"1\" TARGET=\"inhoudindex\" HREF=\"" + i.link + "\">" + i.rest + "</A><BR>";
}

// Where an entry's parts end: the first comma, and the first ";" after it (before the path). A
// line without a comma (no person page writes one) is read as a name without rest, up to the ";".
struct Grenzen {
    std::size_t komma, puntkomma;
    explicit Grenzen(std::string_view regel) {
        komma = regel.find(',');
        puntkomma = regel.find(';', komma == std::string_view::npos ? 0 : komma + 1);
        if (komma == std::string_view::npos || komma > puntkomma) komma = puntkomma;
    }
};

// The untrimmed name: the text before the first comma.
std::string_view RuweNaam(std::string_view regel) {
    return regel.substr(0, Grenzen(regel).komma);
}

// Name before the first comma, rest up to the first ";" after it, link from the path after that.
Ingang Ontleed(const std::string& w, const std::string& regel) {
    Ingang uit;
    const auto [komma, puntkomma] = Grenzen(regel);
    uit.naam = Trim(regel.substr(0, komma));
    if (komma != std::string::npos && komma < puntkomma)
        uit.rest = Trim(regel.substr(komma + 1, puntkomma == std::string::npos ? std::string::npos
                                                                               : puntkomma - komma - 1));
    if (puntkomma != std::string::npos) uit.link = MaakLink(w, Trim(regel.substr(puntkomma + 1)));
    return uit;
}

// Only names that start with a letter A to Z belong on a letter page, and a surname that reads
// "onbekend" (output text 57) belongs on none.
bool Telt(const std::string& regel) {
    if (regel.empty() || !IsHoofdletter(static_cast<unsigned char>(AsciiGroot(regel[0])))) return false;
    const std::string& onbekend = UitvoerTekst[57];
    if (onbekend.empty()) return true; // an emptied output text must not empty the whole index
    return !GelijkZonderHoofdletters(std::string_view(regel).substr(0, onbekend.size()), onbekend);
}

void BerekenQuota() {
    const int g = Groepen;
    const int q4 = g / 4;
    const int q3 = (g - q4) / 3;
    const int q2 = (g - q4 - q3) / 2;
    Quota = {g - q4 - q3 - q2, q2, q3, q4};
}

bool BeginGroep(const std::string& regel) {
    return Trim(regel).starts_with("<B>");
}

// Writes the buffer with the column breaks: columns 1 to 3 end when they hold their quota of
// surname groups; column 4 takes the rest.
void SchrijfMetKolommen(TekstSchrijver& uit) {
    int kolom = 1, telling = 0;
    const std::size_t n = Regelbuffer.size();
    std::size_t i = 0;
    while (i < n) {
        if (!BeginGroep(Regelbuffer[i])) {
            uit.Regel(Regelbuffer[i++]);
            continue;
        }
        uit.Regel(Regelbuffer[i++]);
        while (i < n && !BeginGroep(Regelbuffer[i]) && !Trim(Regelbuffer[i]).empty())
            uit.Regel(Regelbuffer[i++]);
        ++telling;
        if (kolom <= 3 && telling >= Quota[kolom - 1]) {
            uit.Regel("");
            uit.Regel("      </TD>");
            uit.Regel(TdRegel);
            uit.Regel("");
            telling = 0;
            ++kolom;
        }
    }
}

// One letter page with entries. False (after the message) when it could not be written.
bool SchrijfLetterPagina(const std::string& w, char letter, const std::vector<Ingang>& ingangen) {
    Wis();
    VoegKopToe(letter);
    Voeg("   <TABLE BORDER=\"0\" ALIGN=\"center\">");
    Voeg("   <TR>");
    Voeg("");
    Voeg(TdRegel);
    Voeg("");
    bool eerste = true;
    for (const Ingang& i : ingangen) {
        if (!eerste && i.zelfdeNaamAlsVorige) {
            Voeg(ARegel(i));
            continue;
        }
        if (!eerste) {
            Trefwoorden += ",";
            Voeg("         <BR>");
            Voeg("");
        }
        Trefwoorden += i.naam;
        ++Groepen;
        Voeg(BRegel(i));
        Voeg(ARegel(i));
        eerste = false;
    }
    VoegSlotToe();
    if (!Trim(Trefwoorden).empty())
        Regelbuffer[4] = "<META NAME=\"keywords\" CONTENT=\"Velmoran,Genealogie," + Trefwoorden + "\">";
    BerekenQuota();

    bool gelukt = false;
    TekstSchrijver uit;
    try {
        if (uit.Open(PaginaPad(w, letter))) {
            SchrijfMetKolommen(uit);
            uit.Sluit();
            gelukt = true;
        }
    } catch (const IOFout&) {
    }
    if (!gelukt)
        UI().Melding("Verschillen in bestand (" + std::to_string(Regelbuffer.size() + 1) + ") :\n\n" +
                         (ingangen.empty() ? std::string() : ingangen.back().link),
                     "Html Afbeelding");
    Wis();
    return gelukt;
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
    Regelbuffer.clear();
    VoegKopToe(letter);
    Voeg("         <BR>");
    Voeg("         <B>Voor de letter " + std::string(1, letter) + " zijn geen gegevens aanwezig.</B>");
    Voeg("");
    Voeg("   <TABLE BORDER=\"0\" ALIGN=\"center\">");
    Voeg("   <TR>");
    Voeg("");
    for (int cel = 1; cel <= 4; ++cel) {
        Voeg(TdRegel);
        Voeg("");
        Voeg("      </TD>");
        if (cel % 2 == 0) Voeg("");
    }
    Voeg("   </TR>");
    Voeg("   </TABLE>");
    VoegSlotToe();
    Trefwoorden.clear();
    try {
        TekstSchrijver uit;
        if (uit.Open(PaginaPad(siteMap, letter))) {
            for (const std::string& r : Regelbuffer)
                uit.Regel(r);
            uit.Sluit();
        }
    } catch (const IOFout&) {
    }
    Regelbuffer.clear();
}

bool SchrijfLetterPaginas(const std::string& siteMap, const std::vector<std::string>& regels) {
    Wis();
    // The entries come sorted, so the letter only moves forward; gathering them per letter first
    // keeps every entry even if a collation ever placed a letter out of order.
    std::array<std::vector<Ingang>, 26> perLetter;
    for (std::size_t k = 0; k < regels.size(); ++k) {
        const std::string& r = regels[k];
        if (!Telt(r)) continue;
        Ingang i = Ontleed(siteMap, r);
        if (i.naam.empty()) continue;
        // Against the previous entry's untrimmed name: "Jansen " before the comma never continues.
        i.zelfdeNaamAlsVorige = k > 0 && i.naam == RuweNaam(regels[k - 1]);
        perLetter[AsciiGroot(i.naam[0]) - 'A'].push_back(std::move(i));
    }
    for (int l = 0; l < 26; ++l) {
        const char letter = static_cast<char>('A' + l);
        if (perLetter[l].empty()) {
            SchrijfLegeLetterPagina(siteMap, letter);
            continue;
        }
        if (!SchrijfLetterPagina(siteMap, letter, perLetter[l])) return false;
    }
    Wis();
    return true;
}

} // namespace gdk
