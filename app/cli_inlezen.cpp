// The read command of the command line, and the activation-plus-read step every command that
// names a collection starts with.
#include "app/cli.h"

#include "import/inlezen.h"
#include "opstart/activering.h"
#include "platform/tekst1252.h"

#include <filesystem>
#include <system_error>

namespace gdk::cli {
namespace {

// The core wants the full path in Windows-1252; the command line gives what the shell got,
// UTF-8 and perhaps relative. Bytes that are no UTF-8 pass as they are.
std::string VolledigPad1252(const std::string& bestand) {
    std::string pad = bestand;
    if (!pad.empty() && pad.front() != '/') {
        std::error_code ec;
        const std::filesystem::path hier = std::filesystem::current_path(ec);
        if (!ec) pad = hier.string() + "/" + pad;
    }
    return VanUtf8(pad);
}

} // namespace

bool ActiveerEnLees(const std::string& bestand) {
    Activering();
    return InlezenCommando(VolledigPad1252(bestand));
}

int Inlezen(const std::vector<std::string>& args) {
    if (args.size() != 1) throw GebruikFout{"gebruik: gedenkjes-cli inlezen BESTAND.gdk"};
    return ActiveerEnLees(args[0]) ? Klaar : Mislukt;
}

} // namespace gdk::cli
