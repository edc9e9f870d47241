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

// Adds `tekst` to the print in blocks of the write size, however it will be written.
void DrukAf(std::string_view tekst, fs::Inhoudsafdruk& afdruk) {
    for (std::size_t b = 0; b < tekst.size(); b += kBuffer)
        afdruk.VoegBlok(tekst.substr(b, kBuffer));
}

[[noreturn]] void NietGelezen(const std::string& pad) {
    throw IOFout("Het bestand " + pad + " kan niet gelezen worden.");
}

[[noreturn]] void NietGeschreven(const std::string& pad, int fout = 0) {
    fs::ControleerWeigering(pad, fout);
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

TekstSchrijver::~TekstSchrijver() {
    SluitZonderMelding();
}

void TekstSchrijver::SluitZonderMelding() {
    if (bestand_) std::fclose(bestand_);
    bestand_ = nullptr;
    // What was gathered goes to the file as stdio would have flushed it; a rewrite not decided
    // at Sluit is dropped, as it was only ever in memory.
    if (fd_ >= 0) {
        SchrijfBlokken(true);
        ::close(fd_);
    }
    fd_ = -1;
}

bool TekstSchrijver::Open(const std::string& pad1252, bool toevoegen) {
    SluitZonderMelding();
    pad_ = pad1252;
    opSchijf_.clear();
    verzamelen_ = false;
    buffer_.clear();
    afdruk_ = {};
    const fs::Doel doel = fs::LosDoel(pad1252);
    if (!toevoegen && fs::InExacteMap(doel.opSchijf)) {
        opSchijf_ = doel.opSchijf;
        verzamelen_ = true;
        // Written before in this export: whether to write again is decided at Sluit.
        if (fs::VorigeInhoud(opSchijf_)) return true;
        // Created now, so that a file that cannot be made fails here as any other would.
        fd_ = fs::MaakDoel(doel, pad1252);
        verzamelen_ = fd_ >= 0;
        return verzamelen_;
    }
    bestand_ = fs::OpenDoel(doel, pad1252, toevoegen ? "ab" : "wb");
    if (!bestand_) return false;
    std::setvbuf(bestand_, nullptr, _IOFBF, kBuffer);
    return true;
}

bool TekstSchrijver::SchrijfBlokken(bool totEinde) {
    const std::size_t n = totEinde ? buffer_.size() : buffer_.size() / kBuffer * kBuffer;
    if (n == 0) return true;
    const std::string_view klaar(buffer_.data(), n);
    DrukAf(klaar, afdruk_);
    const bool goed = fs::SchrijfAlles(fd_, klaar);
    const int fout = errno;
    buffer_.erase(0, n);
    errno = fout;
    return goed;
}

void TekstSchrijver::Schrijf(std::string_view tekst) {
    if (verzamelen_) {
        buffer_.append(tekst);
        // A large file goes out a block at a time, as through stdio.
        if (fd_ >= 0 && buffer_.size() >= kBuffer && !SchrijfBlokken(false)) NietGeschreven(pad_, errno);
        return;
    }
    if (!bestand_) NietGeschreven(pad_);
    if (!tekst.empty() && std::fwrite(tekst.data(), 1, tekst.size(), bestand_) != tekst.size())
        NietGeschreven(pad_, errno);
}

void TekstSchrijver::Regel(std::string_view regel) {
    Schrijf(regel);
    Schrijf("\r\n");
}

void TekstSchrijver::Sluit() {
    if (verzamelen_) {
        verzamelen_ = false;
        bool overschrijven = false;
        if (fd_ < 0) {
            fs::Inhoudsafdruk afdruk;
            DrukAf(buffer_, afdruk);
            const fs::Inhoudsafdruk* vorige = fs::VorigeInhoud(opSchijf_);
            // The same bytes as the file already got in this export: nothing to write.
            if (vorige && *vorige == afdruk) {
                buffer_.clear();
                return;
            }
            overschrijven = true;
            fd_ = fs::MaakDoel(fs::LosDoel(pad_), pad_, overschrijven);
            if (fd_ < 0) NietGeschreven(pad_, errno);
        }
        bool goed = SchrijfBlokken(true);
        int fout = errno;
        if (!fs::SluitDoel(fd_, overschrijven) && goed) {
            goed = false;
            fout = errno;
        }
        fd_ = -1;
        if (!goed) NietGeschreven(pad_, fout);
        fs::MeldGeschreven(opSchijf_, afdruk_);
        return;
    }
    if (!bestand_) return;
    std::FILE* f = bestand_;
    bestand_ = nullptr;
    const bool fout = std::ferror(f) != 0;
    if (std::fclose(f) != 0 || fout) NietGeschreven(pad_, errno);
}

} // namespace gdk
