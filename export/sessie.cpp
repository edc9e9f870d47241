#include "export/sessie.h"

#include "export/sitemappen.h"

namespace gdk {

UitvoerSessie::UitvoerSessie(int type) : type_(type), siteMap_(SiteMapVan(type)) {}

void UitvoerSessie::BeginSite() {
    if (!eigen_) eigen_.emplace(siteMap_);
}

} // namespace gdk
