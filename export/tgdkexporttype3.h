#pragma once
// The type 3 site: the content of the type 2 site under a tall banner that carries the letter
// links, with one content frame below it, and its own table and image settings.
// May throw IOFout: UitvoerenType3 and SchrijfSiteType3, as their type 2 counterparts do.
#include "export/tgdkexporttype2.h"

#include <string>
#include <vector>

namespace gdk {

SiteOpmaak Type3Opmaak(); // from the t3 settings at the time of the call

bool UitvoerenType3();
bool SchrijfSiteType3(const std::vector<std::string>& regels);
bool SchrijfFramesetType3(const std::string& map, const std::string& bestand);
bool SchrijfKopIndexType3(const std::string& map, const std::string& bestand);

} // namespace gdk
