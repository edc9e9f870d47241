#include "platform/kopieren.h"

#include "platform/bestanden.h"
#include "platform/bestanden_intern.h"
#include "platform/onder.h"
#include "platform/site_intern.h"
#include "platform/uitvoerbestand.h"
#include "platform/weigering.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk::fs {
namespace {

// Closes a file descriptor it owns when it goes.
struct Descriptor {
    int fd;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

// The source of a copy opened for reading, as `sb` tells it, and shown to `kijk`; -1 with errno
// set (EISDIR for a folder) when it cannot be copied.
int OpenBron(const std::string& bron, struct stat& sb, const BronKijker& kijk = {}) {
    const int fd = ::open(bron.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    int fout = EISDIR;
    if (::fstat(fd, &sb) != 0)
        fout = errno;
    else if (!S_ISDIR(sb.st_mode)) {
        if (kijk) kijk(fd, sb);
        return fd;
    }
    ::close(fd);
    errno = fout;
    return -1;
}

} // namespace

// The `grootte` bytes of `in` to `uit` in the kernel: copy_file_range within one file system,
// sendfile across two (where copy_file_range refuses: not even tried when the caller knows), else
// through a buffer. False with errno set on a read or write error.
bool KopieerInhoud(int in, int uit, long long grootte, bool eenSchijf) {
    long long gedaan = 0;
    // A call that fails before copying anything copies nothing: the next way goes on from there.
    bool viaBereik = eenSchijf, viaSendfile = true;
    while (gedaan < grootte) { // the size is known: no call to learn the end
        const auto rest = static_cast<std::size_t>(grootte - gedaan);
        const ssize_t n = viaBereik ? ::copy_file_range(in, nullptr, uit, nullptr, rest, 0)
                                    : ::sendfile(uit, in, nullptr, rest);
        if (n > 0) {
            gedaan += n;
            continue;
        }
        if (n == 0) return true; // the file became shorter meanwhile
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP && errno != EBADF)
            return false;
        if (viaBereik) {
            viaBereik = false;
            continue;
        }
        viaSendfile = false;
        break;
    }
    if (viaSendfile) return true;
    // Neither kernel way: through one buffer, kept for the next copy.
    static const std::unique_ptr<char[]> buf(new char[1 << 16]);
    for (;;) {
        const ssize_t n = ::read(in, buf.get(), 1 << 16);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!SchrijfAlles(uit, std::string_view(buf.get(), static_cast<std::size_t>(n)))) return false;
    }
}

Site::Uitslag Site::KopieerOp(std::string_view rel, const std::string& bron, const std::string& pad1252,
                              bool nieuw) {
    struct stat sb {};
    const Descriptor in(OpenBron(bron, sb));
    if (in.fd < 0) return Uitslag::Mislukt;
    return KopieerVan(rel, in.fd, sb, pad1252, nieuw);
}

Site::Uitslag Site::KopieerVan(std::string_view rel, int in, const struct stat& sb,
                               const std::string& pad1252, bool nieuw) {
    struct stat st {};
    Uitslag uitslag = Uitslag::Gelukt;
    const Descriptor uit(OpenOm(rel, pad1252, nieuw, st, uitslag));
    if (uit.fd < 0) return uitslag;
    // Copying a file onto itself: it is there already.
    if (st.st_dev == sb.st_dev && st.st_ino == sb.st_ino) {
        Neem(*Zoek(rel), st, LijstSoort::Kopie, BronIdentiteit(sb));
        return Uitslag::Gelukt;
    }
    TelSchrijving(rel);
    // Written over, not emptied first (bestanden_intern.h).
    const bool goed = KopieerInhoud(in, uit.fd, sb.st_size, sb.st_dev == schijf_) &&
                      (nieuw || ::ftruncate(uit.fd, sb.st_size) == 0) && ::fstat(uit.fd, &st) == 0;
    if (!goed) {
        const int fout = errno;
        // No half copy left behind that looks like a good one.
        std::size_t naam = 0;
        const Descriptor ouder(OuderOnder(Fd(), rel, naam));
        if (ouder.fd >= 0) ::unlinkat(ouder.fd, std::string(rel.substr(naam)).c_str(), 0);
        MeldVerwijderd(pad_ + "/" + std::string(rel));
        // Gone: listed as a file that no longer stands as written.
        SiteBestand& b = *Zoek(rel);
        b.staat = BestandStaat::Oud;
        b.inode = 0;
        gewijzigd_ = true;
        ControleerWeigering(pad1252, fout);
        errno = fout;
        return Uitslag::Mislukt;
    }
    Neem(*Zoek(rel), st, LijstSoort::Kopie, BronIdentiteit(sb));
    return Uitslag::Gelukt;
}

bool Site::GelijkAanBron(std::string_view rel, const std::string& bron, struct stat& st) {
    const Descriptor a(::open(bron.c_str(), O_RDONLY | O_CLOEXEC));
    const Descriptor b(OpenOnder(Fd(), rel, O_RDONLY | O_NONBLOCK));
    struct stat sa {};
    if (a.fd < 0 || b.fd < 0 || ::fstat(a.fd, &sa) != 0 || ::fstat(b.fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        sa.st_size != st.st_size)
        return false;
    std::string x(1 << 16, '\0'), y(1 << 16, '\0');
    for (;;) {
        const ssize_t n = ::read(a.fd, x.data(), x.size());
        if (n < 0) return false;
        if (n == 0) return ::read(b.fd, y.data(), 1) == 0;
        std::size_t m = 0;
        while (m < static_cast<std::size_t>(n)) {
            const ssize_t k = ::read(b.fd, y.data() + m, static_cast<std::size_t>(n) - m);
            if (k <= 0) return false;
            m += static_cast<std::size_t>(k);
        }
        if (x.compare(0, m, y, 0, m) != 0) return false;
    }
}

bool Site::Kopieer(std::string_view rel, const std::string& opSchijf, const Resultaat& bron,
                   const std::string& doel1252, const BronKijker& kijk) {
    if (bijhouden_ && !OuderIsDeel(rel)) {
        errno = ENOENT;
        return false;
    }
    SiteBestand* b = Zoek(rel);
    if (!b && (!bijhouden_ || InNieuweMap(rel))) {
        // A new name in a folder this export made: copied now, the source opened once.
        struct stat sb {};
        const Descriptor in(OpenBron(bron.pad, sb, kijk));
        if (in.fd < 0) return false;
        Aangemaakt(opSchijf, Soort::Bestand);
        SiteBestand n;
        n.staat = BestandStaat::Geschreven;
        if (bijhouden_) n.bron = opslag_.Bewaar(bron.pad);
        Voeg(rel, n);
        return KopieerVan(rel, in.fd, sb, doel1252, bijhouden_) == Uitslag::Gelukt;
    }
    // The source's identity decides, as its stat tells it: nothing is read to skip a copy.
    Hash128 id;
    if (!BronIdentiteitNu(b, bron.pad, id)) return false;
    Aangemaakt(opSchijf, Soort::Bestand);
    if (!b) {
        SiteBestand n;
        struct stat st {};
        if (InGeclaimdeMap(rel))
            n.staat = BestandStaat::Geclaimd;
        else if (StatOnder(Fd(), rel, st))
            n.staat = BestandStaat::Bezet;
        b = &Voeg(rel, n);
    }
    // Where the list will say the copy came from, for the next update to look at ahead.
    if (b->bron != bron.pad) b->bron = opslag_.Bewaar(bron.pad);
    const bool zelfde = b->soort == LijstSoort::Kopie && b->inhoud == id;
    Uitslag u = Uitslag::Gelukt;
    if (b->staat == BestandStaat::Uitgesteld) {
        // A page waiting to be written where the copy goes: the copy comes later, and stands.
        const auto h = herschrijven_.find(std::string(rel));
        herschrijfBytes_ -= h->second.bytes.size();
        b->staat = h->second.kanTerug ? h->second.terug : BestandStaat::Oud;
        herschrijven_.erase(h);
    }
    switch (b->staat) {
    case BestandStaat::Uitgesteld: // (not left)
    case BestandStaat::Geschreven:
    case BestandStaat::Ongewijzigd:
        // The same source copied to the same target again in this export: already there.
        if (zelfde) return true;
        u = KopieerOp(rel, bron.pad, doel1252, false);
        break;
    case BestandStaat::Oud:
        if (zelfde && StatKlopt(rel, *b)) {
            b->staat = BestandStaat::Ongewijzigd;
            return true;
        }
        u = KopieerOp(rel, bron.pad, doel1252, false);
        break;
    case BestandStaat::Geclaimd:
        u = KopieerOp(rel, bron.pad, doel1252, false);
        break;
    case BestandStaat::Nieuw: {
        // A new name: made once its claim is on disk.
        Uitstel& w = Wacht(rel, *b, opSchijf, doel1252);
        w.bron = bron.pad;
        w.kopie = true;
        w.bytes.clear();
        WachtrijVol();
        return true;
    }
    case BestandStaat::Bezet: {
        // Already a copy of this source (a list cut off lost its line): taken in, untouched.
        struct stat st {};
        if (GelijkAanBron(rel, bron.pad, st)) {
            Neem(*b, st, LijstSoort::Kopie, id);
            return true;
        }
        InDeWeg(rel, *b);
        return true;
    }
    case BestandStaat::InDeWeg:
        return true;
    }
    if (u == Uitslag::InDeWeg) InDeWeg(rel, *Zoek(rel));
    return u != Uitslag::Mislukt;
}

bool Kopieer(const std::string& bron1252, const std::string& doel1252, const BronKijker& kijk) {
    const Resultaat b = Los(bron1252);
    const Resultaat d = Los(doel1252);
    if (Site* site = SiteVan(d.pad)) return site->Kopieer(site->Relatief(d.pad), d.pad, b, doel1252, kijk);
    struct stat sb {};
    const Descriptor in(OpenBron(b.pad, sb, kijk));
    if (in.fd < 0) return false;
    // Copying a file onto itself would truncate it first: the copy is already there.
    struct stat sd {};
    if (d.soort != Soort::Geen && ::stat(d.pad.c_str(), &sd) == 0 && sd.st_dev == sb.st_dev &&
        sd.st_ino == sb.st_ino)
        return true;
    const int uit = MaakDoel(Doel{d.pad, d.soort != Soort::Geen}, doel1252);
    if (uit < 0) return false;
    bool goed = KopieerInhoud(in.fd, uit, sb.st_size);
    int schrijfFout = goed ? 0 : errno;
    if (!SluitDoel(uit, false) && goed) {
        goed = false;
        schrijfFout = errno;
    }
    if (!goed) {
        // No half copy left behind that looks like a good one.
        ::unlink(d.pad.c_str());
        MeldVerwijderd(d.pad);
        ControleerWeigering(doel1252, schrijfFout);
        return false;
    }
    return true;
}

} // namespace gdk::fs
