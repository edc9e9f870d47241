#include "support/uitvoer.h"

#include "export/sessie.h"
#include "export/uitvoeren.h"

namespace gdk::test {

bool Exporteer(int type) {
    UitvoerSessie sessie(type);
    const bool gelukt = UitvoerenLayout(sessie);
    sessie.RondAf(gelukt);
    return gelukt;
}

} // namespace gdk::test
