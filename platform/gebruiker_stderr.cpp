#include "platform/gebruiker_stderr.h"

#include "platform/tekst1252.h"

#include <cstdio>
#include <unistd.h>

namespace gdk {
namespace {

// Every CR, LF or CR LF becomes one '\n': the text continues on a new line without prefix.
std::string Regeleinden(const std::string& utf8) {
    std::string uit;
    uit.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            uit += '\n';
        } else {
            uit += utf8[i];
        }
    }
    return uit;
}

} // namespace

StderrGebruiker::StderrGebruiker() : terminal_(isatty(STDERR_FILENO) == 1) {}

static void Regel(bool& voortgangZichtbaar, const char* voor, const std::string& tekst) {
    if (voortgangZichtbaar) {
        std::fputs("\r\033[K", stderr);
        voortgangZichtbaar = false;
    }
    // Written as bytes: a NUL inside a text must not cut the line short.
    const std::string regel = voor + Regeleinden(NaarUtf8(tekst)) + "\n";
    std::fwrite(regel.data(), 1, regel.size(), stderr);
    std::fflush(stderr);
}

void StderrGebruiker::ToonLinks(const std::string& t) {
    Regel(voortgangZichtbaar_, "links: ", t);
}
void StderrGebruiker::ToonRechts(const std::string& t) {
    Regel(voortgangZichtbaar_, "rechts: ", t);
}
void StderrGebruiker::Melding(const std::string& t, const std::string&) {
    Regel(voortgangZichtbaar_, "melding: ", t);
}

void StderrGebruiker::Voortgang(long gedaan, long totaal) {
    if (!terminal_) return;
    if (totaal <= 0) {
        if (voortgangZichtbaar_) std::fputs("\r\033[K", stderr);
        voortgangZichtbaar_ = false;
    } else {
        std::fprintf(stderr, "\r%ld van %ld (%ld%%)", gedaan, totaal, gedaan * 100 / totaal);
        voortgangZichtbaar_ = true;
    }
    std::fflush(stderr);
}

} // namespace gdk
