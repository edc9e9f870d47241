#include "export/publicatie.h"

#include "export/sitemappen.h"
#include "export/uitvoeren.h"
#include "platform/bestanden.h"
#include "platform/site.h"
#include "platform/sitelijst.h"
#include "platform/tekst1252.h"
#include "platform/vastleggen.h"

namespace gdk {
namespace {

constexpr std::string_view Kop = "GEDENKJES-PUBLICEREN 1";

std::string Pad(int type) {
    return fs::OpSchijf(SiteMapVan(type)) + ".gdkpubliceren";
}

} // namespace

std::string NormaalDoel(const std::string& doel) {
    std::string d = Trim(doel);
    while (d.size() > 1 && d.back() == '/' && d[d.size() - 2] != ':')
        d.pop_back();
    return d;
}

std::optional<Publicatie> LeesPublicatie(int type) {
    std::string tekst;
    if (!fs::LeesHeel(Pad(type), tekst)) return std::nullopt;
    const fs::GecontroleerdeTekst t = fs::LeesGecontroleerd(tekst);
    if (!t.heel || t.kop != Kop) return std::nullopt;
    Publicatie p;
    std::string waarde;
    for (const std::string_view regel : t.regels) {
        const std::vector<std::string_view> v = fs::Velden(regel);
        if (v.size() != 2) return std::nullopt;
        if (v[0] == "DOEL" && fs::Decodeer(v[1], waarde))
            p.doelen.push_back(VanUtf8(waarde));
        else if (v[0] == "S" && fs::DecodeerPad(v[1], waarde))
            p.verzenden.insert(waarde);
        else if (v[0] == "V" && fs::DecodeerPad(v[1], waarde))
            p.verwijderen.insert(waarde);
        else
            return std::nullopt;
    }
    return p;
}

bool SchrijfPublicatie(int type, const Publicatie& p) {
    std::string tekst = std::string(Kop) + "\n";
    for (const std::string& d : p.doelen)
        tekst += "DOEL\t" + fs::CodeerPad(NaarUtf8(d)) + "\n";
    for (const std::string& s : p.verzenden)
        tekst += "S\t" + fs::CodeerPad(s) + "\n";
    for (const std::string& v : p.verwijderen)
        tekst += "V\t" + fs::CodeerPad(v) + "\n";
    fs::SluitAf(tekst, p.doelen.size() + p.verzenden.size() + p.verwijderen.size());
    return fs::VervangHeel(Pad(type), tekst);
}

bool NoteerWijzigingen(int type, const fs::SiteUitkomst& u) {
    if (u.geschreven.empty() && u.verwijderd.empty()) return true;
    std::optional<Publicatie> p = LeesPublicatie(type);
    if (!p || p->doelen.empty()) return true; // never published: a first publish sends all
    // Each path is to be sent or to be deleted, as the last update left it.
    for (const std::string& pad : u.geschreven) {
        p->verwijderen.erase(pad);
        p->verzenden.insert(pad);
    }
    for (const std::string& pad : u.verwijderd) {
        p->verzenden.erase(pad);
        p->verwijderen.insert(pad);
    }
    return SchrijfPublicatie(type, *p);
}

int AnderTypeOpDoel(int type, const std::string& doel) {
    const std::string gezocht = NormaalDoel(doel);
    for (int ander = 1; ander <= SiteTypen; ++ander) {
        if (ander == type) continue;
        if (const std::optional<Publicatie> p = LeesPublicatie(ander))
            for (const std::string& d : p->doelen)
                if (NormaalDoel(d) == gezocht) return ander;
    }
    return 0;
}

} // namespace gdk
