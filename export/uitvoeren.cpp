#include "export/uitvoeren.h"

#include "data/globalen.h"
#include "data/tekst.h"
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
#include "platform/weigering.h"
#include "settings/instellingen.h"

#include <string>

namespace gdk {

namespace {

// A site is written only where the user asked: never at the root of the file system for a blank
// output folder, never in a folder named "", "." or ".." after a collection file so named.
bool UitvoerPlekBekend() {
    if (IsLeeg(UitvoerBestanden)) {
        UI().Melding("Er is nog geen map gekozen waarin de site geschreven wordt.\n\n"
                     "Kies die onder Opties, op het tabblad Algemeen bij \"UitvoerBestanden\", "
                     "en voer daarna opnieuw uit.");
        return false;
    }
    if (!IsVeiligeNaam(CollectieNaam)) {
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

bool UitvoerenCommando(int type) {
    if (type < 1 || type > 4) return false;
    if (!UitvoerPlekBekend()) return false;
    StatusLinks("");
    StatusRechts("");
    const std::uint32_t start = Tik();
    UitvoerTijd = Nu();
    StatusLinks("Gedenkjes type " + std::to_string(type) + " schrijven...");
    StatusRechts(UitvoerTekst[ut::GestartOm] + " " + LangeTijd(Nu()));
    UI().Herteken();
    bool gelukt = false;
    {
        BezigScope bezig;
        // A full disk or a folder that refuses writing stops the export at its first failure,
        // with that one message: going on would only repeat it for every file.
        fs::WeigeringScope weigering;
        try {
            UitvoerSessie sessie(type);
            gelukt = UitvoerenLayout(sessie);
            // The collector is told what the site leaves out, and which cards.
            const Achterhouding& achtergehouden = sessie.Achtergehouden();
            if (gelukt && achtergehouden.Actief()) {
                StatusLinks(StatusLinksTekst() + "; " + achtergehouden.Samenvatting());
                achtergehouden.Verslag();
            }
            if (!gelukt && !sessie.RedenGemeld()) UI().Melding(UitvoerFoutMelding);
        } catch (const fs::SchrijfWeigering& w) {
            UI().Melding(std::string(w.what()) +
                         "\n\nDe uitvoer is afgebroken; wat al geschreven was, blijft staan.");
        }
        StatusRechts(DuurTekst(Tik() - start));
    }
    return gelukt;
}

} // namespace gdk
