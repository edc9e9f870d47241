#include "platform/uitvoerbestand.h"

#include "platform/bestanden_intern.h"
#include "platform/weigering.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace gdk::fs {
namespace {

constexpr std::size_t kBlok = 1 << 16;

// Adds `tekst` to the print in blocks of the write size, however it will be written.
void DrukAf(std::string_view tekst, Inhoudsafdruk& afdruk) {
    for (std::size_t b = 0; b < tekst.size(); b += kBlok)
        afdruk.VoegBlok(tekst.substr(b, kBlok));
}

const Inhoudsafdruk* VorigeInhoud(const std::string& opSchijf) {
    const Schrijving* s = Staat().schrijvingen.Zoek(PadHash(opSchijf));
    return !s || s->bron != 0 ? nullptr : &s->afdruk;
}

} // namespace

void Inhoudsafdruk::VoegBlok(std::string_view blok) {
    grootte += blok.size();
    hash = (hash ^ std::hash<std::string_view>{}(blok)) * 0x100000001b3;
}

bool SchrijfAlles(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t w = ::write(fd, bytes.data(), bytes.size());
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(w));
    }
    return true;
}

Doel LosDoel(const std::string& pad1252) {
    Resultaat r = Los(pad1252);
    return Doel{std::move(r.pad), r.soort != Soort::Geen};
}

int OpenVoorSchrijven(const std::string& opSchijf, int vlaggen) {
    for (ExacteMap& m : Staat().exacteMappen) {
        if (m.pad.empty() || opSchijf.size() == m.pad.size() || !OpOfOnder(opSchijf, m.pad)) continue;
        if (m.fd < 0) m.fd = ::open(m.pad.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (m.fd >= 0) return ::openat(m.fd, opSchijf.c_str() + m.pad.size() + 1, vlaggen, 0666);
        break;
    }
    return ::open(opSchijf.c_str(), vlaggen, 0666);
}

int MaakDoel(const Doel& doel, const std::string& pad1252, bool overschrijven) {
    const int fd =
        OpenVoorSchrijven(doel.opSchijf, O_WRONLY | O_CREAT | (overschrijven ? 0 : O_TRUNC) | O_CLOEXEC);
    if (fd < 0) {
        const int fout = errno;
        ControleerWeigering(pad1252, fout);
        errno = fout;
        return -1;
    }
    if (!doel.bestaat) Aangemaakt(doel.opSchijf, Soort::Bestand);
    TelSchrijving(doel.opSchijf);
    return fd;
}

bool SluitDoel(int fd, bool overschrijven) {
    bool goed = true;
    if (overschrijven) {
        const off_t eind = ::lseek(fd, 0, SEEK_CUR);
        goed = eind >= 0 && ::ftruncate(fd, eind) == 0;
    }
    const int fout = errno;
    if (::close(fd) != 0) return false;
    errno = fout;
    return goed;
}

Uitvoerbestand::~Uitvoerbestand() {
    SluitStil();
}

void Uitvoerbestand::SluitStil() {
    if (fd_ >= 0) {
        SchrijfBlokken(true);
        ::close(fd_);
    }
    fd_ = -1;
    open_ = false;
}

bool Uitvoerbestand::Open(const std::string& pad1252, bool toevoegen) {
    SluitStil();
    pad_ = pad1252;
    opSchijf_.clear();
    buffer_.clear();
    afdruk_ = {};
    const Doel doel = LosDoel(pad1252);
    eenmaal_ = !toevoegen && InExacteMap(doel.opSchijf);
    if (eenmaal_) {
        opSchijf_ = doel.opSchijf;
        // Written before in this export: whether to write again is decided at Sluit.
        if (VorigeInhoud(opSchijf_)) return open_ = true;
        // Created now, so that a file that cannot be made fails here as any other would.
        fd_ = MaakDoel(doel, pad1252);
        return open_ = fd_ >= 0;
    }
    if (!toevoegen) {
        fd_ = MaakDoel(doel, pad1252);
        return open_ = fd_ >= 0;
    }
    fd_ = ::open(doel.opSchijf.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        const int fout = errno;
        ControleerWeigering(pad1252, fout);
        errno = fout;
        return false;
    }
    if (!doel.bestaat) Aangemaakt(doel.opSchijf, Soort::Bestand);
    return open_ = true;
}

bool Uitvoerbestand::SchrijfBlokken(bool totEinde) {
    const std::size_t n = totEinde ? buffer_.size() : buffer_.size() / kBlok * kBlok;
    if (n == 0) return true;
    const std::string_view klaar(buffer_.data(), n);
    if (eenmaal_) DrukAf(klaar, afdruk_);
    const bool goed = SchrijfAlles(fd_, klaar);
    const int fout = errno;
    buffer_.erase(0, n);
    errno = fout;
    return goed;
}

bool Uitvoerbestand::Schrijf(std::string_view bytes) {
    if (!open_) {
        errno = EBADF;
        return false;
    }
    buffer_.append(bytes);
    // A large file goes out a block at a time; a rewrite waits for Sluit.
    if (fd_ >= 0 && buffer_.size() >= kBlok && !SchrijfBlokken(false)) {
        const int fout = errno;
        ControleerWeigering(pad_, fout);
        errno = fout;
        return false;
    }
    return true;
}

bool Uitvoerbestand::Sluit() {
    if (!open_) return true;
    open_ = false;
    bool overschrijven = false;
    if (fd_ < 0) {
        Inhoudsafdruk afdruk;
        DrukAf(buffer_, afdruk);
        const Inhoudsafdruk* vorige = VorigeInhoud(opSchijf_);
        // The same bytes as the file already got in this export: nothing to write.
        if (vorige && *vorige == afdruk) {
            buffer_.clear();
            return true;
        }
        overschrijven = true;
        fd_ = MaakDoel(LosDoel(pad_), pad_, overschrijven);
        if (fd_ < 0) return false;
    }
    bool goed = SchrijfBlokken(true);
    int fout = errno;
    if (!SluitDoel(fd_, overschrijven) && goed) {
        goed = false;
        fout = errno;
    }
    fd_ = -1;
    if (!goed) {
        ControleerWeigering(pad_, fout);
        errno = fout;
        return false;
    }
    if (eenmaal_) Staat().schrijvingen.Zet(PadHash(opSchijf_), Schrijving{afdruk_, 0});
    return true;
}

} // namespace gdk::fs
