#include "settings/instellingen.h"

#include "platform/gebruiker.h"
#include "platform/register.h"
#include "platform/tekst1252.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace gdk {

std::string AfbeeldingBestanden;
std::int32_t NiveauAfbeeldingBestanden = -1;
std::string UitvoerBestanden;

std::string CodeFotoosVoorkant, CodeFotoosAchterkant;
std::string CodeGeboortekaartjeVoorkant, CodeGeboortekaartjeAchterkant;
std::string CodeCommunieplaatjeVoorkant, CodeCommunieplaatjeAchterkant;
std::string CodeSchoolrapportenVoorkant, CodeSchoolrapportenAchterkant;
std::string CodeIDVoorkant, CodeIDAchterkant;
std::string CodeVakantieVoorkant, CodeVakantieAchterkant;
std::string CodeTrouwkaartjeVoorkant, CodeTrouwkaartjeAchterkant;
std::string CodeDocumentatieVoorkant, CodeDocumentatieAchterkant;
std::string CodeGenealogieVoorkant, CodeGenealogieAchterkant;
std::string CodeGedenkjeVoorkant, CodeGedenkjeAchterkant;

bool ControleOpGeslacht = false, ControleOpDatum = false, ControleOpBestandsnaam = false,
     ControleOpBestandsnaamAfbeelding = false, ControleOpBestandsnaamFoto = false,
     AlleenBestandsnaamAfbeeldingInlezen = false, BestandsnaamToevoegen = false;

bool VoornamenPartnerVolledigWeergeven = false, GeslachtOnbekendNietWeergeven = false,
     ControleOpDubbeleGedenkjes = false, BeschermenTegenKopieren = false, DatumWeergeven = false,
     AantalWeergeven = false, AfbeeldingVoorEnAchterkantWeergeven = false, ZoekpaginaMaken = false;
std::string PubliceerDoel;
std::string WebAdres;
std::int32_t RecentNietPubliceren = 0;

std::string alLettertype;
std::int32_t adDatumAanpassen = -1;
bool glAfblijven = false, glRoepnaam = false, glVoornamen = false, glTussenvoegsel = false,
     glAchternaam = false, glPlaatsnamen = false;

bool LijstNamenGedenkje = false;
std::string t2InhoudCellPadd = "1", t2InhoudCellSpac = "1", t2AfbeeldingHeight = "69%",
            t2AfbeeldingWidth = "69%";
std::string t3InhoudCellPadd = "1", t3InhoudCellSpac = "1", t3AfbeeldingHeight = "69%",
            t3AfbeeldingWidth = "69%";
std::string miWidth = "40", miHeight = "30", inCols = "250", bppWidth = "35%", bppHeight = "35%";

std::string Email;
std::string Homepage;

namespace {

const char* const Velmoran = "Software\\Velmoran\\";

// The key of base path + section, without the closing backslash the registry file's key names
// do not carry ("Software\Velmoran\" + "" is the key Software\Velmoran).
std::string Sleutel(const std::string& basis, const std::string& sectie) {
    std::string s = basis + sectie;
    while (!s.empty() && s.back() == '\\')
        s.pop_back();
    return s;
}

// ---- the store: every setting once, in the order of its section's table

enum class Soort { Tekst, Getal, Schakelaar };

struct Instelling {
    const char* sectie;
    const char* naam;
    Soort soort;
    std::string* tekst = nullptr;
    std::int32_t* getal = nullptr;
    bool* schakelaar = nullptr;
    // For a number with a range: what is read is brought into 0..hoogste.
    std::int32_t hoogste = -1;
};

Instelling T(const char* sectie, const char* naam, std::string& v) {
    return {sectie, naam, Soort::Tekst, &v};
}
Instelling G(const char* sectie, const char* naam, std::int32_t& v) {
    return {sectie, naam, Soort::Getal, nullptr, &v};
}
// A number of 0 to `hoogste`: a stray registry value must not switch on what it guards.
Instelling B(const char* sectie, const char* naam, std::int32_t& v, std::int32_t hoogste) {
    return {sectie, naam, Soort::Getal, nullptr, &v, nullptr, hoogste};
}
Instelling S(const char* sectie, const char* naam, bool& v) {
    return {sectie, naam, Soort::Schakelaar, nullptr, nullptr, &v};
}

// The sections the options dialog saves.
const std::vector<Instelling>& Opties() {
    static const std::vector<Instelling> opties = {
        T("OptiesAlgemeen", "AfbeeldingBestanden", AfbeeldingBestanden),
        G("OptiesAlgemeen", "NiveauAfbeeldingBestanden", NiveauAfbeeldingBestanden),
        T("OptiesAlgemeen", "UitvoerBestanden", UitvoerBestanden),

        T("OptiesCode", "CodeFotoosVoorkant", CodeFotoosVoorkant),
        T("OptiesCode", "CodeFotoosAchterkant", CodeFotoosAchterkant),
        T("OptiesCode", "CodeGeboortekaartjeVoorkant", CodeGeboortekaartjeVoorkant),
        T("OptiesCode", "CodeGeboortekaartjeAchterkant", CodeGeboortekaartjeAchterkant),
        T("OptiesCode", "CodeCommunieplaatjeVoorkant", CodeCommunieplaatjeVoorkant),
        T("OptiesCode", "CodeCommunieplaatjeAchterkant", CodeCommunieplaatjeAchterkant),
        T("OptiesCode", "CodeSchoolrapportenVoorkant", CodeSchoolrapportenVoorkant),
        T("OptiesCode", "CodeSchoolrapportenAchterkant", CodeSchoolrapportenAchterkant),
        T("OptiesCode", "CodeIDVoorkant", CodeIDVoorkant),
        T("OptiesCode", "CodeIDAchterkant", CodeIDAchterkant),
        T("OptiesCode", "CodeVakantieVoorkant", CodeVakantieVoorkant),
        T("OptiesCode", "CodeVakantieAchterkant", CodeVakantieAchterkant),
        T("OptiesCode", "CodeTrouwkaartjeVoorkant", CodeTrouwkaartjeVoorkant),
        T("OptiesCode", "CodeTrouwkaartjeAchterkant", CodeTrouwkaartjeAchterkant),
        T("OptiesCode", "CodeDocumentatieVoorkant", CodeDocumentatieVoorkant),
        T("OptiesCode", "CodeDocumentatieAchterkant", CodeDocumentatieAchterkant),
        T("OptiesCode", "CodeGenealogieVoorkant", CodeGenealogieVoorkant),
        T("OptiesCode", "CodeGenealogieAchterkant", CodeGenealogieAchterkant),
        T("OptiesCode", "CodeGedenkjeVoorkant", CodeGedenkjeVoorkant),
        T("OptiesCode", "CodeGedenkjeAchterkant", CodeGedenkjeAchterkant),

        S("OptiesBijInlezen", "ControleOpGeslacht", ControleOpGeslacht),
        S("OptiesBijInlezen", "ControleOpDatum", ControleOpDatum),
        S("OptiesBijInlezen", "ControleOpBestandsnaam", ControleOpBestandsnaam),
        S("OptiesBijInlezen", "ControleOpBestandsnaamAfbeelding", ControleOpBestandsnaamAfbeelding),
        S("OptiesBijInlezen", "ControleOpBestandsnaamFoto", ControleOpBestandsnaamFoto),
        S("OptiesBijInlezen", "AlleenBestandsnaamAfbeeldingInlezen", AlleenBestandsnaamAfbeeldingInlezen),
        S("OptiesBijInlezen", "BestandsnaamToevoegen", BestandsnaamToevoegen),

        S("OptiesBijUitvoeren", "VoornamenPartnerVolledigWeergeven", VoornamenPartnerVolledigWeergeven),
        S("OptiesBijUitvoeren", "GeslachtOnbekendNietWeergeven", GeslachtOnbekendNietWeergeven),
        S("OptiesBijUitvoeren", "ControleOpDubbeleGedenkjes", ControleOpDubbeleGedenkjes),
        S("OptiesBijUitvoeren", "BeschermenTegenKopieren", BeschermenTegenKopieren),
        S("OptiesBijUitvoeren", "DatumWeergeven", DatumWeergeven),
        S("OptiesBijUitvoeren", "AantalWeergeven", AantalWeergeven),
        S("OptiesBijUitvoeren", "AfbeeldingVoorEnAchterkantWeergeven", AfbeeldingVoorEnAchterkantWeergeven),
        S("OptiesBijUitvoeren", "ZoekpaginaMaken", ZoekpaginaMaken),
        T("OptiesBijUitvoeren", "PubliceerDoel", PubliceerDoel),
        T("OptiesBijUitvoeren", "WebAdres", WebAdres),
        B("OptiesBijUitvoeren", "RecentNietPubliceren", RecentNietPubliceren, RecentNietPublicerenHoogste),

        T("OptiesWeergave", "alLettertype", alLettertype),
        G("OptiesWeergave", "adDatumAanpassen", adDatumAanpassen),
        S("OptiesWeergave", "glAfblijven", glAfblijven),
        S("OptiesWeergave", "glRoepnaam", glRoepnaam),
        S("OptiesWeergave", "glVoornamen", glVoornamen),
        S("OptiesWeergave", "glTussenvoegsel", glTussenvoegsel),
        S("OptiesWeergave", "glAchternaam", glAchternaam),
        S("OptiesWeergave", "glPlaatsnamen", glPlaatsnamen),
    };
    return opties;
}

struct ExtraTekst {
    const char* naam;
    std::string* waarde;
    const char* standaard;
};

const std::vector<ExtraTekst>& ExtraTeksten() {
    static const std::vector<ExtraTekst> extra = {
        {"t2InhoudCellPadd", &t2InhoudCellPadd, "1"},
        {"t2InhoudCellSpac", &t2InhoudCellSpac, "1"},
        {"t2AfbeeldingHeight", &t2AfbeeldingHeight, "69%"},
        {"t2AfbeeldingWidth", &t2AfbeeldingWidth, "69%"},
        {"t3InhoudCellPadd", &t3InhoudCellPadd, "1"},
        {"t3InhoudCellSpac", &t3InhoudCellSpac, "1"},
        {"t3AfbeeldingHeight", &t3AfbeeldingHeight, "69%"},
        {"t3AfbeeldingWidth", &t3AfbeeldingWidth, "69%"},
        {"miWidth", &miWidth, "40"},
        {"miHeight", &miHeight, "30"},
        {"inCols", &inCols, "250"},
        {"bppWidth", &bppWidth, "35%"},
        {"bppHeight", &bppHeight, "35%"},
    };
    return extra;
}

} // namespace

// ---- single registry accesses; every failure is silent

void TRegWrite::WriteString(const std::string& basis, const std::string& waarde, const std::string& naam,
                            const std::string& sectie) {
    try {
        reg::SchrijfString(Sleutel(basis, sectie), naam, waarde);
    } catch (const std::exception&) {
    }
}

void TRegWrite::WriteInteger(const std::string& basis, std::int32_t waarde, const std::string& naam,
                             const std::string& sectie) {
    try {
        reg::SchrijfInteger(Sleutel(basis, sectie), naam, waarde);
    } catch (const std::exception&) {
    }
}

void TRegWrite::WriteBool(const std::string& basis, bool waarde, const std::string& naam,
                          const std::string& sectie) {
    WriteInteger(basis, waarde ? 1 : 0, naam, sectie);
}

std::string TRegRead::ReadString(const std::string& basis, const std::string& naam,
                                 const std::string& sectie) {
    try {
        return reg::LeesString(Sleutel(basis, sectie), naam).value_or(std::string());
    } catch (const std::exception&) {
        return {};
    }
}

std::int32_t TRegRead::ReadInteger(const std::string& basis, const std::string& naam,
                                   const std::string& sectie) {
    try {
        return reg::LeesInteger(Sleutel(basis, sectie), naam).value_or(-1);
    } catch (const std::exception&) {
        return -1;
    }
}

bool TRegRead::ReadBool(const std::string& basis, const std::string& naam, const std::string& sectie) {
    // Absent reads as off, not as the integer default -1 (which would be non-zero).
    try {
        const auto v = reg::LeesInteger(Sleutel(basis, sectie), naam);
        return v && *v != 0;
    } catch (const std::exception&) {
        return false;
    }
}

// ---- the store

void InstellingenVoorinstellen() {
    NiveauAfbeeldingBestanden = 0;
    alLettertype = "Verdana";
    adDatumAanpassen = 1;
    glAfblijven = true;
}

void LeesInstellingen() {
    TRegRead lees;
    for (const Instelling& i : Opties()) {
        switch (i.soort) {
        case Soort::Tekst:
            *i.tekst = lees.ReadString(RegisterBasis, i.naam, i.sectie);
            break;
        case Soort::Getal:
            *i.getal = lees.ReadInteger(RegisterBasis, i.naam, i.sectie);
            if (i.hoogste >= 0) *i.getal = std::clamp(*i.getal, 0, i.hoogste);
            break;
        case Soort::Schakelaar:
            *i.schakelaar = lees.ReadBool(RegisterBasis, i.naam, i.sectie);
            break;
        }
    }
    Email = lees.ReadString(RegisterBasis, "Email", "Programma");
    Homepage = lees.ReadString(Velmoran, "Homepage", "");
}

void SchrijfInstellingen() {
    reg::SchrijfBundel bundel; // one rewrite of the settings file, not one per value
    TRegWrite schrijf;
    for (const Instelling& i : Opties()) {
        switch (i.soort) {
        case Soort::Tekst:
            schrijf.WriteString(RegisterBasis, *i.tekst, i.naam, i.sectie);
            break;
        case Soort::Getal:
            schrijf.WriteInteger(RegisterBasis, *i.getal, i.naam, i.sectie);
            break;
        case Soort::Schakelaar:
            schrijf.WriteBool(RegisterBasis, *i.schakelaar, i.naam, i.sectie);
            break;
        }
    }
}

void LeesExtraInstellingen() {
    TRegRead lees;
    LijstNamenGedenkje = lees.ReadBool(RegisterBasis, "LijstNamenGedenkje", "OptiesExtra");
    for (const ExtraTekst& e : ExtraTeksten()) {
        const std::string waarde = lees.ReadString(RegisterBasis, e.naam, "OptiesExtra");
        *e.waarde = IsLeeg(waarde) ? std::string(e.standaard) : waarde;
    }
}

void MeldOnleesbareInstellingen() {
    const reg::Leesbaarheid staat = reg::RegisterLeesbaarheid();
    if (staat == reg::Leesbaarheid::Gelezen) return;
    const std::string reden =
        staat == reg::Leesbaarheid::GeenRegister
            ? "het is geen registerbestand (REGEDIT4 of Windows Registry Editor Version 5.00)"
            : "het is geen gewoon bestand of u mag het niet lezen";
    UI().Melding("Het instellingenbestand " + VanUtf8(reg::RegisterBestand()) + " kon niet gelezen worden: " +
                 reden + ". De standaardinstellingen worden gebruikt en het bestand blijft ongewijzigd.");
}

std::string InstellingenOverzicht() {
    std::string uit;
    const auto regel = [&uit](const std::string& sectie, const std::string& naam, const std::string& waarde) {
        uit += sectie + "\\" + naam + "=" + waarde + "\n";
    };
    for (const Instelling& i : Opties()) {
        switch (i.soort) {
        case Soort::Tekst:
            regel(i.sectie, i.naam, *i.tekst);
            break;
        case Soort::Getal:
            regel(i.sectie, i.naam, std::to_string(*i.getal));
            break;
        case Soort::Schakelaar:
            regel(i.sectie, i.naam, *i.schakelaar ? "1" : "0");
            break;
        }
    }
    regel("OptiesExtra", "LijstNamenGedenkje", LijstNamenGedenkje ? "1" : "0");
    for (const ExtraTekst& e : ExtraTeksten())
        regel("OptiesExtra", e.naam, *e.waarde);
    regel("Programma", "Email", Email);
    regel("Velmoran", "Homepage", Homepage);
    return uit;
}

} // namespace gdk
