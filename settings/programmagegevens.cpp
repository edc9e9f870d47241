#include "settings/programmagegevens.h"

#include "platform/register.h"
#include "settings/instellingen.h"

#include <exception>
#include <initializer_list>
#include <string>
#include <utility>

namespace gdk {

namespace {

const std::string ProgrammaSleutel = std::string(RegisterBasis) + "Programma";
const char* const MakerSleutel = "Software\\Velmoran";

using Waarden = std::initializer_list<std::pair<const char*, const char*>>;

void Schrijf(const std::string& sleutel, Waarden waarden) {
    for (const auto& [naam, waarde] : waarden)
        reg::SchrijfString(sleutel, naam, waarde);
}

bool EenBestaat(const std::string& sleutel, Waarden waarden) {
    for (const auto& w : waarden)
        if (reg::LeesString(sleutel, w.first) || reg::LeesInteger(sleutel, w.first)) return true;
    return false;
}

} // namespace

void ProgrammagegevensInstalleren() {
    const Waarden programma = {{"Naam", ProgrammaNaam},
                               {"Versie", ProgrammaVersie},
                               {"Datum", ProgrammaDatum},
                               {"Email", ProgrammaEmail}};
    const Waarden maker = {{"Naam", MakerNaam},         {"Adres", MakerAdres},
                           {"PostCode", MakerPostCode}, {"Plaats", MakerPlaats},
                           {"Telefoon", MakerTelefoon}, {"Logo", MakerLogo},
                           {"Homepage", MakerHomepage}};
    try {
        // The option sections live below Software\Velmoran too, so the maker's key "exists" on
        // any used system; its own values are what an installer would have put there.
        if (!reg::SleutelBestaat(ProgrammaSleutel)) Schrijf(ProgrammaSleutel, programma);
        if (!EenBestaat(MakerSleutel, maker)) Schrijf(MakerSleutel, maker);
    } catch (const std::exception&) {
        // As every registry access of the program: a registry that cannot be written stays as it is.
    }
}

} // namespace gdk
