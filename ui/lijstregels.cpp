#include "ui/lijstregels.h"

#include "data/tekst.h"
#include "data/tvars.h"
#include "platform/delen.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"
#include "ui/tsbrgedenkjes.h"

#include <QListWidget>
#include <QStringList>

#include <algorithm>

namespace {

// Below this many lines a list is made on one thread.
constexpr std::size_t DeelMinimum = 20000;

// The date part appended to `uit`; the lists make 200000 lines at a time.
void VoegDatumToe(std::string& uit, const gdk::recPersoon& p) {
    const auto datum = [&uit](const char* teken, const std::string& d, const std::string& plaats) {
        uit += teken;
        uit += d;
        if (!plaats.empty()) {
            uit += ' ';
            uit += plaats;
        }
    };
    if (!p.GeboorteDatum.empty())
        datum("* ", p.GeboorteDatum, p.GeboortePlaats);
    else if (!p.OverlijdensDatum.empty())
        datum("+ ", p.OverlijdensDatum, p.OverlijdensPlaats);
    else if (!p.BegraafDatum.empty())
        datum("[] ", p.BegraafDatum, p.BegraafPlaats);
}

void VoegRegelToe(std::string& uit, std::int32_t persoon, bool relatie, bool achternaamEerst) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    uit += achternaamEerst ? p.Achternaam : p.Voornamen;
    uit += ", ";
    uit += achternaamEerst ? p.Voornamen : p.Achternaam;
    uit += ' ';
    VoegDatumToe(uit, p);
    uit += relatie ? " #" : " %";
    uit += std::to_string(relatie ? p.Gezinnen[1] : persoon);
}

// The lines of a list are made in the list's order, which jumps through the store: each record
// read is a wait on memory. Asking for the record some lines ahead lets those waits overlap.
constexpr std::size_t Vooruit = 8;

void HaalVoor(const std::vector<std::int32_t>& personen, std::size_t i) {
    if (i + Vooruit >= personen.size()) return;
    const gdk::recPersoon& p = gdk::Personen[personen[i + Vooruit]];
    for (const void* veld :
         {static_cast<const void*>(&p.Achternaam), static_cast<const void*>(&p.Voornamen),
          static_cast<const void*>(&p.GeboorteDatum), static_cast<const void*>(&p.OverlijdensDatum),
          static_cast<const void*>(&p.Gezinnen[1])})
        __builtin_prefetch(veld);
}

} // namespace

std::string LijstDatum(std::int32_t persoon) {
    std::string t;
    VoegDatumToe(t, gdk::Personen[persoon]);
    return t;
}

std::string PersoonRegel(std::int32_t persoon, bool achternaamEerst) {
    std::string regel;
    VoegRegelToe(regel, persoon, false, achternaamEerst);
    return regel;
}

std::string RelatieRegel(std::int32_t persoon, bool achternaamEerst) {
    std::string regel;
    VoegRegelToe(regel, persoon, true, achternaamEerst);
    return regel;
}

bool InPersoonLijst(std::int32_t persoon) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    return !p.Voornamen.empty() && !p.Achternaam.empty();
}

bool InRelatieLijst(std::int32_t persoon) {
    return InPersoonLijst(persoon) && gdk::Personen[persoon].Gezinnen[1] > 0;
}

void LijstVolgorden::Wis() {
    for (auto& rij : lijsten_)
        for (Lijst& l : rij)
            l = {};
    for (auto& rij : gemaakt_)
        for (bool& g : rij)
            g = false;
}

const LijstVolgorden::Lijst& LijstVolgorden::Maak(bool relaties, bool achternaamEerst) {
    Lijst& lijst = lijsten_[relaties][achternaamEerst];
    if (gemaakt_[relaties][achternaamEerst]) return lijst;
    {
        std::vector<std::int32_t> personen;
        // Slots past the filled part of the store read as empty records and list nothing.
        const std::int32_t tot = gdk::Personen.Gevuld();
        for (std::int32_t n = 1; n <= tot; ++n)
            if (relaties ? InRelatieLijst(n) : InPersoonLijst(n)) personen.push_back(n);
        // The order that is kept is given its room before the lines that are not.
        lijst.personen.reserve(personen.size());
        lijst.letters.reserve(personen.size());
        const std::vector<std::string> regels = LijstRegels(personen, relaties, achternaamEerst);
        for (std::size_t i :
             gdk::Sorteervolgorde(std::vector<std::string_view>(regels.begin(), regels.end()))) {
            lijst.personen.push_back(personen[i]);
            // A line begins with the name that comes first: with the surname, its letter tab.
            lijst.letters.push_back(gdk::AsciiGroot(regels[i][0]));
        }
    }
    gemaakt_[relaties][achternaamEerst] = true;
    return lijst;
}

const std::vector<std::int32_t>& LijstVolgorden::Volgorde(bool relaties, bool achternaamEerst) {
    return Maak(relaties, achternaamEerst).personen;
}

std::vector<std::int32_t> LijstVolgorden::Letter(bool relaties, char letter) {
    const Lijst& lijst = Maak(relaties, true);
    std::vector<std::int32_t> personen;
    for (std::size_t i = 0; i < lijst.personen.size(); ++i)
        if (lijst.letters[i] == letter) personen.push_back(lijst.personen[i]);
    return personen;
}

std::vector<std::string> LijstRegels(const std::vector<std::int32_t>& personen, bool relaties,
                                     bool achternaamEerst) {
    std::vector<std::string> regels(personen.size());
    gdk::InDelen(personen.size(), DeelMinimum, [&](std::size_t, std::size_t begin, std::size_t eind) {
        for (std::size_t i = begin; i < eind; ++i) {
            HaalVoor(personen, i);
            VoegRegelToe(regels[i], personen[i], relaties, achternaamEerst);
        }
    });
    return regels;
}

void VulLijst(QListWidget* lijst, const std::vector<std::int32_t>& personen, bool relaties,
              bool achternaamEerst, std::size_t hoogstens) {
    const std::size_t aantal = std::min(personen.size(), hoogstens);
    lijst->setUpdatesEnabled(false);
    // The old lines go before the new are made: a list of 200000 is never held twice.
    lijst->clear();
    QStringList teksten;
    teksten.reserve(static_cast<qsizetype>(aantal));
    std::string regel;
    for (std::size_t i = 0; i < aantal; ++i) {
        regel.clear();
        HaalVoor(personen, i);
        VoegRegelToe(regel, personen[i], relaties, achternaamEerst);
        teksten.append(Q1252(regel));
    }
    lijst->addItems(teksten);
    lijst->setUpdatesEnabled(true);
}

bool RegelNummer(const std::string& regel, char marker, std::int32_t& nummer) {
    // The marker that ends the line is its last one: a name or place may hold the same sign.
    const std::size_t plek = regel.rfind(marker);
    if (plek == std::string::npos) return false;
    return gdk::TekstNaarGetal(regel.substr(plek + 1), nummer);
}
