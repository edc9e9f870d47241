// The settings command: every setting as activation reads it, for checking a registry file.
#include "app/cli.h"

#include "opstart/activering.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <iostream>

namespace gdk::cli {

int Opties(const std::vector<std::string>& args) {
    if (!args.empty()) throw GebruikFout{"gebruik: gedenkjes-cli opties (zonder verdere argumenten)"};
    Activering();
    std::cout << NaarUtf8(InstellingenOverzicht()) << std::flush;
    return Klaar;
}

} // namespace gdk::cli
