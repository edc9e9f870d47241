#pragma once
// The type 2 site: the content of type23.h under the frame set, banner, letter menu and welcome
// page of the skeleton, with the t2 settings. May throw IOFout, as type23::Uitvoeren does.
#include "export/type23.h"

#include <string>

namespace gdk {

class UitvoerSessie;

SiteOpmaak Type2Opmaak(); // from the t2 settings at the time of the call

bool UitvoerenType2(UitvoerSessie& sessie);
// The root pages: frame set, banner, letter menu and welcome page.
void SchrijfHoofdpaginasType2(const std::string& siteMap);

} // namespace gdk
