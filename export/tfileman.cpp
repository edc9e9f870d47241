#include "export/tfileman.h"

#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/tekst1252.h"

#include <cerrno>
#include <cstdio>
#include <vector>

namespace gdk {
namespace {

// The folder part of a path: everything up to and including its last separator.
std::string MapDeel(const std::string& pad) {
    const std::size_t p = LaatsteVan(pad, "/\\");
    return p == std::string::npos ? std::string() : pad.substr(0, p + 1);
}

struct Bestand {
    std::FILE* f = nullptr;
    ~Bestand() {
        if (f) std::fclose(f);
    }
};

} // namespace

bool TFileMan::KopieerBestand(const std::string& bron, const std::string& doel) {
    if (!fs::BestandBestaat(bron)) {
        UI().Melding("Het bestand " + bron + " is niet aanwezig.");
        return false;
    }
    const std::string map = MapDeel(doel);
    if (!map.empty() && !fs::MapBestaat(map)) {
        // The full target path is named, as the message always did.
        UI().Melding("De directorie " + doel + " is niet aanwezig.");
        return false;
    }
    Bestand in, uit;
    in.f = fs::OpenBestand(bron, "rb");
    if (!in.f) throw IOFout("Het bestand " + bron + " kan niet gelezen worden.");
    uit.f = fs::OpenBestand(doel, "wb");
    if (!uit.f) throw IOFout("Het bestand " + doel + " kan niet aangemaakt worden.");
    std::vector<char> blok(KopieerBlok);
    for (;;) {
        const std::size_t gelezen = std::fread(blok.data(), 1, blok.size(), in.f);
        if (gelezen == 0) {
            if (std::ferror(in.f)) throw IOFout("Het bestand " + bron + " kan niet gelezen worden.");
            break;
        }
        if (std::fwrite(blok.data(), 1, gelezen, uit.f) < gelezen) {
            fs::ControleerWeigering(doel, errno);
            throw IOFout("Het bestand " + doel + " kan niet geschreven worden.");
        }
    }
    std::FILE* f = uit.f;
    uit.f = nullptr;
    if (std::fclose(f) != 0) {
        fs::ControleerWeigering(doel, errno);
        throw IOFout("Het bestand " + doel + " kan niet geschreven worden.");
    }
    return true;
}

} // namespace gdk
