#include "import/status.h"

#include "import/woordlijsten.h"
#include "platform/gebruiker.h"

namespace gdk {

void StatusbalkIndelen() {
    UI().StatusbalkIndelen();
}

void StatusLinks(const std::string& tekst) {
    UI().ToonLinks("  " + (tekst.empty() ? UitvoerTekst[ut::Berichten] : tekst));
    // Long operations block the window: the text must be visible now, not at the next idle.
    UI().Herteken();
}

void StatusRechts(const std::string& tekst) {
    UI().ToonRechts("  " + (tekst.empty() ? UitvoerTekst[ut::Gezinsblad] : tekst));
    UI().Herteken();
}

} // namespace gdk
