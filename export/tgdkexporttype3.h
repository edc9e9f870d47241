#pragma once
// The type 3 site: the content of the type 2 site under a tall banner that carries the letter
// links, with one content frame below it, and its own table and image settings.
// May throw IOFout, as type23::Uitvoeren does.
#include "export/type23.h"

#include <string>

namespace gdk {

class UitvoerSessie;

SiteOpmaak Type3Opmaak(); // from the t3 settings at the time of the call

bool UitvoerenType3(UitvoerSessie& sessie);
// The root pages: frame set, banner with the letter bar, welcome page.
void SchrijfHoofdpaginasType3(const std::string& siteMap);
void SchrijfFramesetType3(const std::string& map, const std::string& bestand);
void SchrijfKopIndexType3(const std::string& map, const std::string& bestand);

} // namespace gdk
