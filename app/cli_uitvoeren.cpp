// The export command of the command line: read the collection, then export one site type as the
// menu command does.
#include "app/cli.h"

#include "export/uitvoeren.h"

namespace gdk::cli {

int Uitvoeren(const std::vector<std::string>& args) {
    if (args.size() != 2) throw GebruikFout{"gebruik: gedenkjes-cli uitvoeren BESTAND.gdk 1|2|3|4"};
    const int type = GetalArgument(args[1], "het type");
    if (type < 1 || type > 4) throw GebruikFout{"Het type moet 1, 2, 3 of 4 zijn, niet " + args[1] + "."};
    if (!ActiveerEnLees(args[0])) return Mislukt;
    return UitvoerenCommando(type) ? Klaar : Mislukt;
}

} // namespace gdk::cli
