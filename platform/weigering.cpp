#include "platform/weigering.h"

#include "platform/bestanden_intern.h"

#include <cerrno>

namespace gdk::fs {
namespace {

// The reason in the user's words, for the refusals that end an export.
const char* Weigeringsreden(int fout) {
    switch (fout) {
    case ENOSPC:
        return "de schijf is vol (geen ruimte of geen plaats voor nieuwe bestanden meer)";
    case EDQUOT:
        return "de schijfruimte die u mag gebruiken is op";
    case EROFS:
        return "de schijf is alleen te lezen";
    case EACCES:
    case EPERM:
        return "u hebt geen toestemming om daar te schrijven";
    default:
        return nullptr;
    }
}

} // namespace

void ControleerWeigering(const std::string& pad1252, int fout, bool isMap) {
    if (Staat().weigeringDiepte == 0) return;
    if (const char* reden = Weigeringsreden(fout))
        throw SchrijfWeigering((isMap ? "De map " + pad1252 + " kan niet aangemaakt worden: "
                                      : "Het bestand " + pad1252 + " kan niet geschreven worden: ") +
                               reden + ".");
}

std::string Reden(int fout) {
    if (const char* reden = Weigeringsreden(fout)) return reden;
    if (fout == ENOENT) return "een map op de weg ernaartoe ontbreekt";
    if (fout == ENAMETOOLONG) return "de naam is te lang";
    if (fout == ENOTDIR) return "een deel van de weg ernaartoe is een bestand, geen map";
    return "foutcode " + std::to_string(fout);
}

void StopNaFout(const std::string& pad1252, int fout, bool isMap) {
    ControleerWeigering(pad1252, fout, isMap);
    if (Staat().weigeringDiepte == 0) return;
    throw SchrijfWeigering((isMap ? "De map " + pad1252 + " kan niet aangemaakt worden: "
                                  : "Het bestand " + pad1252 + " kan niet geschreven worden: ") +
                           Reden(fout) + ".");
}

WeigeringScope::WeigeringScope() {
    ++Staat().weigeringDiepte;
}

WeigeringScope::~WeigeringScope() {
    --Staat().weigeringDiepte;
}

} // namespace gdk::fs
