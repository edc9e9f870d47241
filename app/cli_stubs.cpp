// Commands not built yet. Each moves to a file of its own when it is built.
#include "app/cli.h"

namespace gdk::cli {
int Uitvoeren(const std::vector<std::string>&) { throw GebruikFout{"Deze opdracht bestaat nog niet."}; }
} // namespace gdk::cli
