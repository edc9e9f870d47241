#include "export/tfileman.h"

#include "platform/bestanden.h"
#include "platform/fout.h"
#include "platform/gebruiker.h"
#include "platform/kopieren.h"
#include "platform/tekst1252.h"

#include <cstdio>
#include <memory>

namespace gdk {
namespace {

// The folder part of a path: everything up to and including its last separator.
std::string MapDeel(const std::string& pad) {
    const std::size_t p = LaatsteVan(pad, "/\\");
    return p == std::string::npos ? std::string() : pad.substr(0, p + 1);
}

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
    // The copy itself is the file layer's: in the kernel, written once per export, a half copy
    // removed. A refused write stops the export there (SchrijfWeigering); any other failure ends
    // it as an input/output error, as a failed copy always did.
    if (!fs::Kopieer(bron, doel)) {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> lezen(fs::OpenBestand(bron), &std::fclose);
        if (!lezen) throw IOFout("Het bestand " + bron + " kan niet gelezen worden.");
        throw IOFout("Het bestand " + doel + " kan niet geschreven worden.");
    }
    return true;
}

} // namespace gdk
