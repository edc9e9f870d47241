// The commands that print one composed page: `persoon FILE.gdk N` and `relatie FILE.gdk N`.
#include "app/cli.h"

#include "pages/tpersoonpagina.h"
#include "pages/trelatiepagina.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"

#include <iostream>

namespace gdk::cli {
namespace {

int Pagina(const std::vector<std::string>& args, const std::string& soort, bool (*componeer)(std::int32_t)) {
    if (args.size() != 2) throw GebruikFout{"gebruik: gedenkjes-cli " + soort + " BESTAND.gdk N"};
    // The number is checked before the collection is read: bad usage costs no read.
    const int nummer = GetalArgument(args[1], "Het nummer van de " + soort);
    if (!ActiveerEnLees(args[0])) return Mislukt;
    if (!componeer(nummer)) {
        UI().Melding("Geen pagina voor " + soort + " " + std::to_string(nummer) + ".");
        return Mislukt;
    }
    // The page goes out as its exact Windows-1252 bytes with its CR LF line ends.
    std::cout.write(PaginaHtml.data(), static_cast<std::streamsize>(PaginaHtml.size()));
    std::cout.flush();
    if (!std::cout) throw IOFout("De pagina kon niet naar de standaarduitvoer worden geschreven.");
    return Klaar;
}

} // namespace

int Persoon(const std::vector<std::string>& args) {
    return Pagina(args, "persoon", PersoonPagina);
}
int Relatie(const std::vector<std::string>& args) {
    return Pagina(args, "relatie", RelatiePagina);
}

} // namespace gdk::cli
