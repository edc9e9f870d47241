#include "support/uitvoer.h"

#include "export/sessie.h"
#include "export/uitvoeren.h"

namespace gdk::test {

bool Exporteer(int type) {
    UitvoerSessie sessie(type);
    return UitvoerenLayout(sessie);
}

} // namespace gdk::test
