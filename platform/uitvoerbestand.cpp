#include "platform/uitvoerbestand.h"

#include "platform/bestanden_intern.h"
#include "platform/site_intern.h"
#include "platform/weigering.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace gdk::fs {
namespace {

constexpr std::size_t kBlok = 1 << 16;

} // namespace

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

int MaakDoel(const Doel& doel, const std::string& pad1252) {
    const int fd = ::open(doel.opSchijf.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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

std::string_view Uitvoerbestand::Relatief() const {
    return std::string_view(opSchijf_).substr(site_->Pad().size() + 1);
}

void Uitvoerbestand::SluitStil() {
    // Called while unwinding too: what the site says about a failure is not heard here.
    try {
        if (open_ && verzamel_) {
            site_->SluitVerzameld(Relatief(), opSchijf_, pad_, buffer_, true);
        } else if (fd_ >= 0) {
            if (SchrijfBlokken(true) && site_) site_->SluitGestroomd(Relatief(), fd_, hash_.Klaar(), pad_);
        }
    } catch (...) {
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    open_ = verzamel_ = false;
}

bool Uitvoerbestand::Open(const std::string& pad1252, bool toevoegen) {
    SluitStil();
    pad_ = pad1252;
    opSchijf_.clear();
    site_ = nullptr;
    buffer_.clear();
    hash_ = {};
    Doel doel = LosDoel(pad1252);
    if (!toevoegen) {
        if (Site* site = SiteVan(doel.opSchijf)) {
            site_ = site;
            opSchijf_ = std::move(doel.opSchijf);
            BestandPlan plan;
            if (!site->BeginBestand(Relatief(), opSchijf_, pad1252, plan)) return false;
            fd_ = plan.fd;
            verzamel_ = plan.verzamel;
            return open_ = true;
        }
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
    if (site_) hash_.Voeg(klaar);
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
    // A large file goes out a block at a time; a file gathered waits for Sluit.
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
    if (verzamel_) {
        verzamel_ = false;
        const std::string bytes = std::move(buffer_);
        buffer_.clear();
        return site_->SluitVerzameld(Relatief(), opSchijf_, pad_, bytes, false);
    }
    bool goed = SchrijfBlokken(true);
    int fout = errno;
    if (goed && site_) {
        goed = site_->SluitGestroomd(Relatief(), fd_, hash_.Klaar(), pad_);
        fout = errno;
    }
    if (!SluitDoel(fd_, false) && goed) {
        goed = false;
        fout = errno;
    }
    fd_ = -1;
    if (!goed) {
        ControleerWeigering(pad_, fout);
        errno = fout;
        return false;
    }
    return true;
}

} // namespace gdk::fs
