#include "ui/lijstregels.h"

#include "data/tekst.h"
#include "data/tvars.h"
#include "platform/sorteren.h"
#include "platform/tekst1252.h"

#include <QListWidget>

std::string LijstDatum(std::int32_t persoon) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    auto datum = [](const char* teken, const std::string& d, const std::string& plaats) {
        std::string t = teken + d;
        if (!plaats.empty()) t += " " + plaats;
        return t;
    };
    if (!p.GeboorteDatum.empty()) return datum("* ", p.GeboorteDatum, p.GeboortePlaats);
    if (!p.OverlijdensDatum.empty()) return datum("+ ", p.OverlijdensDatum, p.OverlijdensPlaats);
    if (!p.BegraafDatum.empty()) return datum("[] ", p.BegraafDatum, p.BegraafPlaats);
    return {};
}

namespace {

std::string NaamDeel(const gdk::recPersoon& p, bool achternaamEerst) {
    return achternaamEerst ? p.Achternaam + ", " + p.Voornamen : p.Voornamen + ", " + p.Achternaam;
}

} // namespace

std::string PersoonRegel(std::int32_t persoon, bool achternaamEerst) {
    return NaamDeel(gdk::Personen[persoon], achternaamEerst) + " " + LijstDatum(persoon) + " %" +
           std::to_string(persoon);
}

std::string RelatieRegel(std::int32_t persoon, bool achternaamEerst) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    return NaamDeel(p, achternaamEerst) + " " + LijstDatum(persoon) + " #" + std::to_string(p.Gezinnen[1]);
}

bool InPersoonLijst(std::int32_t persoon) {
    const gdk::recPersoon& p = gdk::Personen[persoon];
    return !p.Voornamen.empty() && !p.Achternaam.empty();
}

bool InRelatieLijst(std::int32_t persoon) {
    return InPersoonLijst(persoon) && gdk::Personen[persoon].Gezinnen[1] > 0;
}

std::vector<std::string> LetterRegels(char letter, bool relaties) {
    std::vector<std::string> regels;
    // Slots past the filled part of the store read as empty records and list nothing.
    const std::int32_t tot = gdk::Personen.Gevuld();
    for (std::int32_t n = 1; n <= tot; ++n) {
        if (!(relaties ? InRelatieLijst(n) : InPersoonLijst(n))) continue;
        if (gdk::AsciiGroot(gdk::Personen[n].Achternaam[0]) != letter) continue;
        regels.push_back(relaties ? RelatieRegel(n, true) : PersoonRegel(n, true));
    }
    gdk::SorteerRegels(regels);
    return regels;
}

std::vector<std::string> AlleRegels(bool relaties, bool achternaamEerst) {
    std::vector<std::string> regels;
    const std::int32_t tot = gdk::Personen.Gevuld();
    for (std::int32_t n = 1; n <= tot; ++n) {
        if (!(relaties ? InRelatieLijst(n) : InPersoonLijst(n))) continue;
        regels.push_back(relaties ? RelatieRegel(n, achternaamEerst) : PersoonRegel(n, achternaamEerst));
    }
    gdk::SorteerRegels(regels);
    return regels;
}

void VulLijst(QListWidget* lijst, const std::vector<std::string>& regels) {
    QStringList teksten;
    teksten.reserve(static_cast<qsizetype>(regels.size()));
    for (const std::string& r : regels)
        teksten.append(QString::fromUtf8(gdk::NaarUtf8(r)));
    lijst->setUpdatesEnabled(false);
    lijst->clear();
    lijst->addItems(teksten);
    lijst->setUpdatesEnabled(true);
}

bool RegelNummer(const std::string& regel, char marker, std::int32_t& nummer) {
    // The marker that ends the line is its last one: a name or place may hold the same sign.
    const std::size_t plek = regel.rfind(marker);
    if (plek == std::string::npos) return false;
    return gdk::TekstNaarGetal(regel.substr(plek + 1), nummer);
}
