#include "export/sessie.h"

#include "export/publicatie.h"
#include "export/sitemappen.h"
#include "import/status.h"
#include "platform/gebruiker.h"
#include "platform/weigering.h"

#include <cerrno>

namespace gdk {

UitvoerSessie::UitvoerSessie(int type, UitvoerSoort soort)
    : type_(type), soort_(soort), siteMap_(SiteMapVan(type)) {}

void UitvoerSessie::MeldReden(const std::string& tekst) {
    UI().Melding(tekst);
    redenGemeld_ = true;
}

bool UitvoerSessie::BeginSite() {
    if (zonderLijst_) return true;
    if (site_) return site_->IsOpen();
    if (soort_ == UitvoerSoort::Uitvoeren && SiteBestaatAl(siteMap_)) return false;
    site_.emplace(siteMap_);
    if (site_->IsOpen()) return true;
    if (soort_ == UitvoerSoort::Uitvoeren && site_->Opening() == fs::SiteOpening::Mislukt) {
        zonderLijst_.emplace(siteMap_);
        return true;
    }
    StatusLinks("");
    StatusRechts("");
    MeldReden(SiteGeweigerdMelding(siteMap_, *site_));
    return false;
}

UitvoerSessie::Einde UitvoerSessie::RondAf(bool volledig) {
    Einde e;
    fs::SiteScope* site = Site();
    if (!site) return e;
    e.uitkomst = site->Afronden(volledig);
    if (!NoteerWijzigingen(type_, e.uitkomst))
        e.probleem = "Gedenkjes kan niet vastleggen wat er nog gepubliceerd moet worden";
    else if (!site->Vastleggen())
        e.probleem = "De lijst van wat Gedenkjes in de site schreef kan niet bijgewerkt worden";
    if (!e.probleem.empty()) e.reden = fs::Reden(errno);
    return e;
}

} // namespace gdk
