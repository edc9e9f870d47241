#include "platform/gebruiker.h"

#include <algorithm>

namespace gdk {
namespace {

class StilleGebruiker : public Gebruiker {
  public:
    void ToonLinks(const std::string&) override {}
    void ToonRechts(const std::string&) override {}
    void Melding(const std::string&, const std::string&) override {}
    void BezigCursor(bool) override {}
    void Herteken() override {}
    void Voortgang(long, long) override {}
};

StilleGebruiker stil;
Gebruiker* huidige = &stil;

} // namespace

Gebruiker& UI() {
    return *huidige;
}
void ZetUI(Gebruiker* ui) {
    huidige = ui ? ui : &stil;
}

VoortgangMelder::VoortgangMelder(long totaal)
    : totaal_(totaal), stap_(std::max(1L, totaal / 300)), volgende_(0) {}

VoortgangMelder::~VoortgangMelder() {
    if (totaal_ > 0) UI().Voortgang(totaal_, 0);
}

void VoortgangMelder::Stap(long gedaan) {
    if (gedaan < volgende_ || totaal_ <= 0) return;
    volgende_ = gedaan + stap_;
    UI().Voortgang(gedaan, totaal_);
}

} // namespace gdk
