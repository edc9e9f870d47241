#include "platform/mapinhoud.h"

#include "platform/tekst1252.h"

#include <dirent.h>
#include <sys/stat.h>

namespace gdk::fs {
namespace {

Soort SoortVan(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return Soort::Map;
    if (S_ISREG(st.st_mode)) return Soort::Bestand;
    return Soort::Anders;
}

} // namespace

Soort StatSoort(const std::string& pad) {
    struct stat st {};
    if (::stat(pad.empty() ? "/" : pad.c_str(), &st) != 0) return Soort::Geen;
    return SoortVan(st);
}

Soort UitDirent(const dirent* e) {
    switch (e->d_type) {
    case DT_DIR:
        return Soort::Map;
    case DT_REG:
        return Soort::Bestand;
    case DT_UNKNOWN:
    case DT_LNK:
        return Soort::Onbekend; // a link takes the kind of its target, found when asked
    default:
        return Soort::Anders;
    }
}

bool Vouwsleutel(std::string_view opSchijf, std::string& sleutel) {
    bool ascii = true;
    for (char c : opSchijf)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        // Most names: no conversion needed, one copy folded in place.
        sleutel = opSchijf;
        for (char& c : sleutel)
            c = AsciiKlein(c);
        return true;
    }
    if (IsGeldigUtf8(opSchijf)) {
        if (!VanUtf8Verliesvrij(opSchijf, sleutel)) return false;
    } else {
        sleutel = opSchijf;
    }
    sleutel = KleineLetters1252(sleutel);
    return true;
}

void LeesMapInhoud(const std::string& map, MapInhoud& m) {
    DIR* d = ::opendir(map.empty() ? "/" : map.c_str());
    if (!d) return;
    m.leesbaar = true;
    // Collected first so the table is sized once, not rehashed all the way up.
    std::vector<Naam> namen;
    while (const dirent* e = ::readdir(d)) {
        const char* naam = e->d_name;
        if (naam[0] == '.' && (naam[1] == 0 || (naam[1] == '.' && naam[2] == 0))) continue;
        namen.push_back(Naam{m.opslag.Bewaar(naam), UitDirent(e)});
    }
    ::closedir(d);
    m.namen.Reserveer(namen.size());
    for (const Naam& n : namen)
        m.Voegtoe(n.opSchijf, n.soort, true);
}

} // namespace gdk::fs
