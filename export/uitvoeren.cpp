#include "export/uitvoeren.h"

#include "data/globalen.h"
#include "data/tekst.h"
#include "export/bijwerkverslag.h"
#include "export/publicatie.h"
#include "export/publiceren.h"
#include "export/sessie.h"
#include "export/sitemappen.h"
#include "export/tgdkexporttype1.h"
#include "export/tgdkexporttype2.h"
#include "export/tgdkexporttype3.h"
#include "export/type4site.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "platform/site.h"
#include "platform/weigering.h"
#include "settings/instellingen.h"

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace gdk {

namespace {

// The collection's name is the user's file name: a '\' in it is a letter, but it must name a
// folder of its own.
bool IsMapnaam(const std::string& naam) {
    return !naam.empty() && naam != "." && naam != ".." &&
           naam.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

// A site is written only where the user asked: never at the root of the file system for a blank
// output folder, never in a folder named "", "." or ".." after a collection file so named.
bool UitvoerPlekBekend() {
    if (IsLeeg(UitvoerBestanden)) {
        UI().Melding("Er is nog geen map gekozen waarin de site geschreven wordt.\n\n"
                     "Kies die onder Opties, op het tabblad Algemeen bij \"UitvoerBestanden\", "
                     "en voer daarna opnieuw uit.");
        return false;
    }
    if (!IsMapnaam(CollectieNaam)) {
        UI().Melding("De naam van het collectiebestand \"" + CollectieBestandsnaam +
                     "\" kan geen mapnaam worden.\n\n"
                     "Geef het bestand een gewone naam, bijvoorbeeld kaarten.gdk, en lees het opnieuw in.");
        return false;
    }
    return true;
}

} // namespace

bool UitvoerenLayout(UitvoerSessie& sessie) {
    try {
        switch (sessie.Type()) {
        case 1:
            return UitvoerenType1(sessie);
        case 2:
            return UitvoerenType2(sessie);
        case 3:
            return UitvoerenType3(sessie);
        case 4:
            return UitvoerenType4(sessie);
        default:
            return false;
        }
    } catch (const PaginaNietGemaakt& fout) {
        sessie.MeldReden(fout.what());
        return false;
    }
}

namespace {

enum class Opdracht { Uitvoeren, Bijwerken, Publiceren };

// Before anything is updated: the target is set and names a remote rclone knows and reaches,
// and it holds no other site type of this collection.
bool KanNaarDoel(int type, const std::string& doel) {
    if (!IsLeeg(doel))
        if (const int ander = AnderTypeOpDoel(type, doel)) {
            const std::string sub = doel + (doel.back() == ':' ? "" : "/") + "type " + std::to_string(type);
            UI().Melding(
                "Naar \"" + doel + "\" is al de site van type " + std::to_string(ander) +
                " van deze verzameling gepubliceerd. E\xE9n doel houdt \xE9\xE9n site.\n\n"
                "Kies bij \"Publiceren naar\" (onder Opties, op het tabblad Bij uitvoeren) een ander "
                "doel, of een submap ervan, bijvoorbeeld " +
                sub + ", en publiceer daarna opnieuw. Er is niets veranderd.");
            return false;
        }
    return KanPubliceren(doel);
}

// After the update: what the record says the target lacks, or for a first publish to it every
// file of the site's list; the record emptied once it arrived.
bool Verstuur(int type, UitvoerSessie& sessie, const std::string& doel) {
    std::optional<Publicatie> p = LeesPublicatie(type);
    const bool vervolg = p && !p->doelen.empty() && NormaalDoel(p->doelen.back()) == doel;
    SiteWijzigingen w;
    if (vervolg) {
        w.geschreven.assign(p->verzenden.begin(), p->verzenden.end());
        w.verwijderd.assign(p->verwijderen.begin(), p->verwijderen.end());
    } else {
        w.geschreven = sessie.Site()->Bestanden();
        w.eerste = true;
    }
    if (!Verzend(sessie.SiteMap(), doel, w)) return false;
    Publicatie nieuw = p.value_or(Publicatie{});
    std::erase_if(nieuw.doelen, [&](const std::string& d) { return NormaalDoel(d) == doel; });
    nieuw.doelen.push_back(doel);
    nieuw.verzenden.clear();
    nieuw.verwijderen.clear();
    if (SchrijfPublicatie(type, nieuw)) return true;
    UI().Melding("De site is gepubliceerd, maar Gedenkjes kan niet vastleggen wat verzonden is: " +
                 fs::Reden(errno) + ".\n\nBij het volgende publiceren wordt alles nog eens verzonden.");
    return false;
}

// The end of the kept site as the frame reports it: what could not be recorded said in its own
// message, or after the one that stopped the export.
bool RondAf(UitvoerSessie& sessie, bool volledig, std::string& afgebroken, std::string& nawoord,
            fs::SiteUitkomst& u) {
    UitvoerSessie::Einde e = sessie.RondAf(volledig);
    u = std::move(e.uitkomst);
    if (!u.fout.empty() && afgebroken.empty()) afgebroken = u.fout;
    if (e.probleem.empty()) return true;
    if (!afgebroken.empty())
        nawoord = "\n\n" + e.probleem + "; de volgende keer bijwerken herstelt dat.";
    else
        UI().Melding(
            e.probleem + ", naast de map " + sessie.SiteMap() + ": " + e.reden +
            ".\n\nDe site zelf is geschreven; werk haar opnieuw bij wanneer de oorzaak verholpen is.");
    return false;
}

bool VoerUit(int type, Opdracht opdracht) {
    if (type < 1 || type > SiteTypen) return false;
    if (!UitvoerPlekBekend()) return false;
    const std::string doel = NormaalDoel(PubliceerDoel);
    if (opdracht == Opdracht::Publiceren && !KanNaarDoel(type, doel)) return false;
    StatusLinks("");
    StatusRechts("");
    const std::uint32_t start = Tik();
    UitvoerTijd = Nu();
    StatusLinks("Gedenkjes type " + std::to_string(type) +
                (opdracht == Opdracht::Uitvoeren ? " schrijven..." : " bijwerken..."));
    StatusRechts(UitvoerTekst[ut::GestartOm] + " " + LangeTijd(Nu()));
    UI().Herteken();
    bool gelukt = false;
    {
        BezigScope bezig;
        // A full disk or a folder that refuses writing stops the export at its first failure,
        // with that one message: going on would only repeat it for every file.
        fs::WeigeringScope weigering;
        UitvoerSessie sessie(type, opdracht == Opdracht::Uitvoeren ? UitvoerSoort::Uitvoeren
                                                                   : UitvoerSoort::Bijwerken);
        std::string afgebroken, nawoord;
        try {
            gelukt = UitvoerenLayout(sessie);
            // The collector is told what the site leaves out, and which cards.
            const Achterhouding& achtergehouden = sessie.Achtergehouden();
            if (gelukt && achtergehouden.Actief()) {
                StatusLinks(StatusLinksTekst() + "; " + achtergehouden.Samenvatting());
                achtergehouden.Verslag();
            }
            if (!gelukt && !sessie.RedenGemeld()) UI().Melding(UitvoerFoutMelding);
        } catch (const fs::SchrijfWeigering& w) {
            afgebroken = w.what();
        } catch (...) {
            // What was written is listed before the failure goes on to the caller.
            fs::SiteUitkomst u;
            std::string ongezegd;
            if (sessie.Site()) RondAf(sessie, false, afgebroken, ongezegd, u);
            throw;
        }
        fs::SiteUitkomst u;
        bool vastgelegd = false;
        if (sessie.Site()) {
            // A fresh export keeps the layout's own closing text; an update shows its counts.
            const bool bijwerken = opdracht != Opdracht::Uitvoeren;
            if (bijwerken) StatusLinks("Gedenkjes type " + std::to_string(type) + " afronden...");
            const bool hersteld = sessie.Site()->Hersteld();
            vastgelegd = RondAf(sessie, gelukt && afgebroken.empty(), afgebroken, nawoord, u);
            gelukt = gelukt && afgebroken.empty() && vastgelegd;
            if (bijwerken) StatusLinks(BijwerkTelling(u, hersteld));
            const std::string melding = BijwerkMelding(sessie.SiteMap(), u, sessie.Site()->LijstBeschadigd());
            if (!melding.empty()) UI().Melding(melding);
        }
        if (!afgebroken.empty())
            UI().Melding(afgebroken + "\n\nDe uitvoer is afgebroken; wat al geschreven was, blijft staan." +
                         nawoord);
        if (gelukt && opdracht == Opdracht::Publiceren) gelukt = Verstuur(type, sessie, doel);
        StatusRechts(DuurTekst(Tik() - start));
    }
    return gelukt;
}

} // namespace

bool UitvoerenCommando(int type) {
    return VoerUit(type, Opdracht::Uitvoeren);
}

bool BijwerkenCommando(int type) {
    return VoerUit(type, Opdracht::Bijwerken);
}

bool PublicerenCommando(int type) {
    return VoerUit(type, Opdracht::Publiceren);
}

} // namespace gdk
