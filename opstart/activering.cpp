#include "opstart/activering.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "platform/bestanden.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace gdk {
namespace {

// The folder of the running program as the operating system names it. The environment may name
// another one (a test, or a program installed apart from its data files).
std::string ProgrammaMapBepalen() {
    if (const char* map = std::getenv("GEDENKJES_PROGRAMMAMAP"); map && *map) return map;
    std::error_code ec;
    const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return programma.parent_path().string();
}

} // namespace

void Activering() {
    StatusbalkIndelen();
    StatusLinks("");
    StatusRechts("");
    // A '\' in the folder's name is a letter of it; the core knows the folder by its
    // Windows-1252 text, the file system finds it by the name given.
    const std::string programmaMap = OsZonderSlotScheiding(ProgrammaMapBepalen());
    ProgrammaMap = VanUtf8(programmaMap);
    fs::ZetLetterlijk(fs::Letterlijk::Programma, ProgrammaMap, programmaMap);
    LeesTussenvoegsels();
    LeesUitvoerTekst();
    UitvoerTijd = Nu();
    InstellingenVoorinstellen();
    LeesInstellingen();
    LeesExtraInstellingen();
}

} // namespace gdk
