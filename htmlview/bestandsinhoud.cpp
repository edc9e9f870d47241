#include "htmlview/bestandsinhoud.h"

#include "platform/bestanden.h"

#include <cstdio>
#include <memory>

bool LeesBestandsinhoud(const std::string& pad1252, QByteArray& inhoud) {
    inhoud.clear();
    if (!gdk::fs::BestandBestaat(pad1252)) return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(gdk::fs::OpenBestand(pad1252), &std::fclose);
    if (!f) return false;
    char blok[65536];
    for (;;) {
        const std::size_t n = std::fread(blok, 1, sizeof blok, f.get());
        inhoud.append(blok, static_cast<qsizetype>(n));
        if (n < sizeof blok) break;
    }
    return std::ferror(f.get()) == 0;
}
