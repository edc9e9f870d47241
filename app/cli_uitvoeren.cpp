// The site commands of the command line: read the collection, then export, update or publish
// one site type as the menu commands do.
#include "app/cli.h"

#include "export/uitvoeren.h"

namespace gdk::cli {
namespace {

// "1|2|3" and "1, 2 of 3" for the site types there are.
std::string Typen(const char* tussen, const char* laatste) {
    std::string uit;
    for (int t = 1; t <= SiteTypen; ++t)
        uit += (t == 1 ? "" : t == SiteTypen ? laatste : tussen) + std::to_string(t);
    return uit;
}

int SiteOpdracht(const char* naam, const std::vector<std::string>& args, bool (*commando)(int)) {
    if (args.size() != 2)
        throw GebruikFout{std::string("gebruik: gedenkjes-cli ") + naam + " BESTAND.gdk " + Typen("|", "|")};
    const int type = GetalArgument(args[1], "het type");
    if (type < 1 || type > SiteTypen)
        throw GebruikFout{"Het type moet " + Typen(", ", " of ") + " zijn, niet " + args[1] + "."};
    if (!ActiveerEnLees(args[0])) return Mislukt;
    return commando(type) ? Klaar : Mislukt;
}

} // namespace

int Uitvoeren(const std::vector<std::string>& args) {
    return SiteOpdracht("uitvoeren", args, UitvoerenCommando);
}

int Bijwerken(const std::vector<std::string>& args) {
    return SiteOpdracht("bijwerken", args, BijwerkenCommando);
}

int Publiceren(const std::vector<std::string>& args) {
    return SiteOpdracht("publiceren", args, PublicerenCommando);
}

} // namespace gdk::cli
