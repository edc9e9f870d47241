// The read command of the command line, and the activation-plus-read step every command that
// names a collection starts with.
#include "app/cli.h"

#include "import/inlezen.h"
#include "opstart/activering.h"

#include <filesystem>
#include <system_error>

namespace gdk::cli {
namespace {

// The file as the shell gave it, made absolute: a relative path would name another file once
// the working folder changes. The bytes stay as they are; the core takes its text from them.
std::string VolledigPad(const std::string& bestand) {
    if (bestand.empty() || bestand.front() == '/') return bestand;
    std::error_code ec;
    const std::filesystem::path hier = std::filesystem::current_path(ec);
    return ec ? bestand : hier.string() + "/" + bestand;
}

} // namespace

bool ActiveerEnLees(const std::string& bestand) {
    Activering();
    return InlezenCommando(VolledigPad(bestand));
}

int Inlezen(const std::vector<std::string>& args) {
    if (args.size() != 1) throw GebruikFout{"gebruik: gedenkjes-cli inlezen BESTAND.gdk"};
    return ActiveerEnLees(args[0]) ? Klaar : Mislukt;
}

} // namespace gdk::cli
