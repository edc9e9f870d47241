#include "export/sessie.h"

#include "export/sitemappen.h"
#include "platform/gebruiker.h"

namespace gdk {

UitvoerSessie::UitvoerSessie(int type) : type_(type), siteMap_(SiteMapVan(type)) {}

void UitvoerSessie::MeldReden(const std::string& tekst) {
    UI().Melding(tekst);
    redenGemeld_ = true;
}

void UitvoerSessie::BeginSite() {
    if (!eigen_) eigen_.emplace(siteMap_);
}

} // namespace gdk
