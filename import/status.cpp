#include "import/status.h"

#include "import/woordlijsten.h"
#include "platform/gebruiker.h"

namespace gdk {

void StatusbalkIndelen() {
    UI().StatusbalkIndelen();
}

namespace {
std::string linksTekst;
} // namespace

void StatusLinks(const std::string& tekst) {
    linksTekst = tekst;
    UI().ToonLinks("  " + (tekst.empty() ? UitvoerTekst[ut::Berichten] : tekst));
    // Long operations block the window: the text must be visible now, not at the next idle.
    UI().Herteken();
}

const std::string& StatusLinksTekst() {
    return linksTekst;
}

void StatusRechts(const std::string& tekst) {
    UI().ToonRechts("  " + (tekst.empty() ? UitvoerTekst[ut::Gezinsblad] : tekst));
    UI().Herteken();
}

} // namespace gdk
