#include "platform/kopieren.h"

#include "platform/bestanden.h"
#include "platform/bestanden_intern.h"
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

// The `grootte` bytes of `in` to `uit` in the kernel: copy_file_range within one file system,
// sendfile across two (where copy_file_range refuses), else through a buffer. False with errno
// set on a read or write error.
bool KopieerInhoud(int in, int uit, off_t grootte) {
    off_t gedaan = 0;
    // A call that fails before copying anything copies nothing: the next way goes on from there.
    bool viaBereik = true, viaSendfile = true;
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

} // namespace

bool Kopieer(const std::string& bron1252, const std::string& doel1252) {
    const Resultaat b = Los(bron1252);
    const Resultaat d = Los(doel1252);
    const bool eenmaal = InExacteMap(d.pad);
    if (eenmaal) {
        // The same source copied to the same target again in this export: already there.
        const Schrijving* eerder = Staat().schrijvingen.Zoek(PadHash(d.pad));
        if (eerder && eerder->bron == PadHash(b.pad)) return true;
    }
    const Descriptor in(::open(b.pad.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) return false;
    struct stat sb {};
    if (::fstat(in.fd, &sb) != 0 || S_ISDIR(sb.st_mode)) return false;
    // Copying a file onto itself would truncate it first: the copy is already there.
    struct stat sd {};
    if (d.soort != Soort::Geen && ::stat(d.pad.c_str(), &sd) == 0 && sd.st_dev == sb.st_dev &&
        sd.st_ino == sb.st_ino)
        return true;
    // Only in the export's own tree is an existing target known to be a file of its own.
    const bool over = eenmaal && d.soort == Soort::Bestand;
    const int uit = MaakDoel(Doel{d.pad, d.soort != Soort::Geen}, doel1252, over);
    if (uit < 0) return false;
    bool goed = KopieerInhoud(in.fd, uit, sb.st_size);
    int schrijfFout = goed ? 0 : errno;
    if (!SluitDoel(uit, over) && goed) {
        goed = false;
        schrijfFout = errno;
    }
    if (!goed) {
        // No half copy left behind that looks like a good one.
        ::unlink(d.pad.c_str());
        MeldVerwijderd(d.pad);
        Staat().schrijvingen.Verwijder(PadHash(d.pad));
        ControleerWeigering(doel1252, schrijfFout);
        return false;
    }
    if (eenmaal) Staat().schrijvingen.Zet(PadHash(d.pad), Schrijving{{}, PadHash(b.pad)});
    return true;
}

} // namespace gdk::fs
