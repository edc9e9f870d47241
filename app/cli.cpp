#include "app/cli.h"

#include "platform/fout.h"
#include "platform/gebruiker_stderr.h"
#include "platform/register.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <new>

namespace gdk::cli {
namespace {

// The first line names the program and what it does; the build makes the manual page from this text.
const char* const HulpTekst =
    "Gedenkjes - bidprentjes en gedachtenisprentjes lezen, controleren en als web site uitvoeren.\n"
    "\n"
    "gebruik: gedenkjes-cli [--register BESTAND] [--programmamap MAP] OPDRACHT ...\n"
    "\n"
    "opdrachten:\n"
    "  inlezen   BESTAND.gdk          lees de collectie in, met de controles en het verschillenbestand\n"
    "  persoon   BESTAND.gdk N        lees in, schrijf de HTML-pagina van persoon N naar standaarduitvoer\n"
    "  relatie   BESTAND.gdk N        lees in, schrijf de HTML-pagina van relatie N naar standaarduitvoer\n"
    "  uitvoeren BESTAND.gdk 1|2|3|4  lees in, schrijf de web site van dat type in een nieuwe map\n"
    "  bijwerken BESTAND.gdk 1|2|3|4  lees in, breng de web site van dat type bij tot wat uitvoeren\n"
    "                                 nu zou schrijven: alleen wat anders is wordt geschreven, wat\n"
    "                                 niet meer bij de site hoort verwijderd; bestanden die iemand\n"
    "                                 anders in de map zette blijven staan en worden genoemd\n"
    "  publiceren BESTAND.gdk 1|2|3|4 werk bij en zet de site met rclone op \"Publiceren naar\"\n"
    "                                 (PubliceerDoel); alleen wat veranderde wordt verzonden\n"
    "  opties                         toon elke instelling zoals de activering ze leest\n"
    "\n"
    "opties:\n"
    "  --register BESTAND     het registerbestand (anders $GEDENKJES_REGISTRY, anders\n"
    "                         $XDG_CONFIG_HOME/gedenkjes/HKEY_CURRENT_USER.reg): REGEDIT4, of\n"
    "                         \"Windows Registry Editor Version 5.00\" in UTF-16 of UTF-8\n"
    "  --programmamap MAP     de programmamap met Tussenvoegsel.txt, UitvoerTekst.txt en tool/\n"
    "                         (anders $GEDENKJES_PROGRAMMAMAP, anders de map van het programma)\n"
    "  --help                 deze tekst\n"
    "\n"
    "BESTAND en MAP gelden zoals ze gegeven zijn: een \\ is daarin een teken van de naam, geen\n"
    "scheiding tussen mappen (in de verzameling en de instellingen wel, zoals onder Windows).\n"
    "\n"
    "Elke opdracht voert eerst de activering uit (woordlijsten, voorinstellingen, instellingen);\n"
    "een registerbestand dat niet te lezen is, wordt eerst in een melding genoemd en blijft\n"
    "ongewijzigd; de instellingen krijgen dan hun standaardwaarde.\n"
    "Statusteksten gaan als 'links: ' en 'rechts: ' regels naar standaardfout, meldingen als\n"
    "'melding: '. Pagina's gaan ongewijzigd (Windows-1252) naar standaarduitvoer.\n"
    "\n"
    "Naast de map van een site (\"type N\") houdt het programma de lijst \"type N.gdklijst\" bij\n"
    "van wat het daar schreef, en \"type N.gdkpubliceren\" van wat nog verzonden moet worden.\n"
    "\n"
    "afsluitstatus: 0 klaar; 1 de bewerking lukte niet (bestand ontbreekt of is geen collectie,\n"
    "geen pagina, uitvoer geweigerd of mislukt, publiceren mislukt); 2 verkeerd gebruik of een\n"
    "invoer/uitvoerfout.\n";

using Opdracht = int (*)(const std::vector<std::string>&);

const std::map<std::string, Opdracht>& Opdrachten() {
    static const std::map<std::string, Opdracht> opdrachten = {
        {"inlezen", Inlezen},     {"persoon", Persoon}, {"relatie", Relatie},       {"uitvoeren", Uitvoeren},
        {"bijwerken", Bijwerken}, {"opties", Opties},   {"publiceren", Publiceren},
    };
    return opdrachten;
}

} // namespace

int GetalArgument(const std::string& tekst, const std::string& wat) {
    char* eind = nullptr;
    errno = 0;
    const long waarde = std::strtol(tekst.c_str(), &eind, 10);
    if (tekst.empty() || *eind != '\0' || errno != 0 || waarde < INT32_MIN || waarde > INT32_MAX)
        throw GebruikFout{wat + " moet een geheel getal zijn, niet '" + tekst + "'."};
    return static_cast<int>(waarde);
}

namespace {

int VoerOpdrachtUit(const std::vector<std::string>& args) {
    try {
        std::size_t i = 0;
        for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
            const std::string& optie = args[i];
            if (optie == "--help") {
                std::cout << HulpTekst;
                return Klaar;
            }
            if ((optie == "--register" || optie == "--programmamap") && i + 1 < args.size()) {
                if (optie == "--register")
                    reg::ZetRegisterBestand(args[++i]);
                else
                    setenv("GEDENKJES_PROGRAMMAMAP", args[++i].c_str(), 1);
                continue;
            }
            throw GebruikFout{"Onbekende optie '" + optie + "' (of de waarde ontbreekt)."};
        }
        if (i == args.size()) throw GebruikFout{"Geef een opdracht; zie gedenkjes-cli --help."};
        const auto gevonden = Opdrachten().find(args[i]);
        if (gevonden == Opdrachten().end()) throw GebruikFout{"Onbekende opdracht '" + args[i] + "'."};
        const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
        MeldOnleesbareInstellingen();
        return gevonden->second(rest);
    } catch (const GebruikFout& f) {
        std::cerr << "gedenkjes-cli: " << f.melding << "\n";
        return Fout;
    } catch (const IOFout& f) {
        std::cerr << "gedenkjes-cli: " << NaarUtf8(f.what()) << "\n";
        return Fout;
    } catch (const std::bad_alloc&) {
        std::cerr << "gedenkjes-cli: er is niet genoeg geheugen om deze opdracht uit te voeren.\n";
        return Fout;
    }
}

} // namespace

int Hoofd(int argc, char** argv) {
    StderrGebruiker gebruiker;
    ZetUI(&gebruiker);
    int status = VoerOpdrachtUit(std::vector<std::string>(argv + 1, argv + argc));
    ZetUI(nullptr);
    // Output that never arrived (a full disk, a closed pipe, /dev/full) is no success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "gedenkjes-cli: de uitvoer kan niet naar de standaarduitvoer geschreven worden.\n";
        status = Fout;
    }
    return status;
}

} // namespace gdk::cli
