#include "export/uitvoeren.h"

#include "data/globalen.h"
#include "data/ufuncties.h"
#include "export/tgdkexporttype1.h"
#include "export/tgdkexporttype2.h"
#include "export/tgdkexporttype3.h"
#include "import/woordlijsten.h"
#include "platform/gebruiker.h"
#include "platform/klok.h"

#include <string>

namespace gdk {

bool UitvoerenCommando(int type) {
    if (type < 1 || type > 3) return false;
    StatusLinks("");
    StatusRechts("");
    const std::uint32_t start = Tik();
    UitvoerTijd = Nu();
    StatusLinks("Gedenkjes type " + std::to_string(type) + " schrijven...");
    StatusRechts(UitvoerTekst[111] + " " + LangeTijd(Nu()));
    UI().Herteken();
    bool gelukt = false;
    {
        BezigScope bezig;
        switch (type) {
        case 1:
            gelukt = UitvoerenType1();
            break;
        case 2:
            gelukt = UitvoerenType2();
            break;
        default:
            gelukt = UitvoerenType3();
            break;
        }
        if (!gelukt) UI().Melding(UitvoerFoutMelding);
        StatusRechts(DuurTekst(Tik() - start));
    }
    return gelukt;
}

} // namespace gdk
