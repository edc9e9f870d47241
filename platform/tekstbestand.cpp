#include "platform/tekstbestand.h"

#include "platform/bestanden.h"
#include "platform/fout.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk {
namespace {

constexpr std::size_t kBuffer = 1 << 16;

[[noreturn]] void NietGelezen(const std::string& pad) {
    throw IOFout("Het bestand " + pad + " kan niet gelezen worden.");
}

// The file layer has already checked for a refusal that ends an export.
[[noreturn]] void NietGeschreven(const std::string& pad) {
    throw IOFout("Het bestand " + pad + " kan niet geschreven worden.");
}

} // namespace

TekstLezer::~TekstLezer() {
    if (bestand_) std::fclose(bestand_);
}

bool TekstLezer::Open(const std::string& pad1252) {
    if (bestand_) std::fclose(bestand_);
    bestand_ = nullptr;
    pad_ = pad1252;
    begin_ = eind_ = positie_ = grootte_ = 0;
    klaar_ = false;
    crGezien_ = false;

    const std::string opSchijf = fs::OpSchijf(pad1252);
    struct stat st {};
    if (::stat(opSchijf.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        NietGelezen(pad1252);
    }
    if (S_ISDIR(st.st_mode)) NietGelezen(pad1252);
    bestand_ = std::fopen(opSchijf.c_str(), "rb");
    if (!bestand_) NietGelezen(pad1252);
    // Our own buffer does the buffering; stdio's would only copy twice.
    std::setvbuf(bestand_, nullptr, _IONBF, 0);
    grootte_ = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    buffer_.resize(kBuffer);
    return true;
}

bool TekstLezer::OpenGeheel(const std::string& pad1252) {
    if (!Open(pad1252)) return false;
    // The size from the directory is a guess only: a file still being written, or no regular file.
    buffer_.resize(grootte_ + 1);
    std::size_t n = 0;
    for (;;) {
        if (n == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        const std::size_t stuk = std::fread(buffer_.data() + n, 1, buffer_.size() - n, bestand_);
        if (stuk == 0) {
            if (std::ferror(bestand_)) NietGelezen(pad_);
            break;
        }
        n += stuk;
    }
    buffer_.resize(n);
    begin_ = 0;
    eind_ = grootte_ = n;
    klaar_ = true;
    return true;
}

bool TekstLezer::Vul() {
    if (klaar_ || !bestand_) return false;
    const std::size_t n = std::fread(buffer_.data(), 1, buffer_.size(), bestand_);
    if (n == 0) {
        if (std::ferror(bestand_)) NietGelezen(pad_);
        klaar_ = true;
        return false;
    }
    begin_ = 0;
    eind_ = n;
    return true;
}

bool TekstLezer::LeesRegel(std::string& regel) {
    regel.clear();
    bool iets = false; // a byte or a terminator of this line seen
    for (;;) {
        if (begin_ == eind_ && !Vul()) return iets;
        if (crGezien_) {
            // The LF of a CR LF that straddled the previous call.
            crGezien_ = false;
            if (buffer_[begin_] == '\n') {
                ++begin_;
                ++positie_;
                continue;
            }
        }
        const char* p = buffer_.data() + begin_;
        const char* e = buffer_.data() + eind_;
        const char* q = p;
        while (q < e && *q != '\n' && *q != '\r' && *q != '\x1a')
            ++q;
        regel.append(p, q);
        positie_ += static_cast<std::size_t>(q - p);
        begin_ += static_cast<std::size_t>(q - p);
        if (q == e) {
            iets = iets || q != p;
            continue;
        }
        const char c = *q;
        ++begin_;
        ++positie_;
        if (c == '\x1a') {
            // DOS end of file: nothing after it counts.
            klaar_ = true;
            begin_ = eind_;
            return iets || !regel.empty();
        }
        if (c == '\r') crGezien_ = true;
        return true;
    }
}

bool TekstSchrijver::Open(const std::string& pad1252, bool toevoegen) {
    pad_ = pad1252;
    return bestand_.Open(pad1252, toevoegen);
}

void TekstSchrijver::Schrijf(std::string_view tekst) {
    if (!bestand_.Schrijf(tekst)) NietGeschreven(pad_);
}

void TekstSchrijver::Regel(std::string_view regel) {
    Schrijf(regel);
    Schrijf("\r\n");
}

void TekstSchrijver::Sluit() {
    if (!bestand_.Sluit()) NietGeschreven(pad_);
}

} // namespace gdk
