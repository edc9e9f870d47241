#include "opstart/activering.h"

#include "data/globalen.h"
#include "data/paden.h"
#include "import/status.h"
#include "import/woordlijsten.h"
#include "platform/klok.h"
#include "platform/tekst1252.h"
#include "settings/instellingen.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace gdk {
namespace {

// The folder of the running program, in Windows-1252 like every path of the core. The
// environment may name another one (a test, or a program installed apart from its data files).
std::string ProgrammaMapBepalen() {
    if (const char* map = std::getenv("GEDENKJES_PROGRAMMAMAP"); map && *map) return VanUtf8(map);
    std::error_code ec;
    const std::filesystem::path programma = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return VanUtf8(programma.parent_path().string());
}

} // namespace

void Activering() {
    StatusbalkIndelen();
    StatusLinks("");
    StatusRechts("");
    ProgrammaMap = ZonderSlotBackslash(ProgrammaMapBepalen());
    LeesTussenvoegsels();
    LeesUitvoerTekst();
    UitvoerTijd = Nu();
    InstellingenVoorinstellen();
    LeesInstellingen();
    LeesExtraInstellingen();
}

} // namespace gdk
