#include "platform/onder.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/openat2.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace gdk::fs {
namespace {

bool Openat2Bestaat = true; // until the kernel says it has none (before Linux 5.6)

// The last resort without openat2: each folder on the way opened with O_NOFOLLOW.
int OpenStapVoorStap(int map, const std::string& pad, int vlaggen, mode_t modus) {
    int huidig = map;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t slash = pad.find('/', begin);
        const std::string deel =
            pad.substr(begin, slash == std::string::npos ? std::string::npos : slash - begin);
        if (deel.empty() || deel == "..") {
            if (huidig != map) ::close(huidig);
            errno = EXDEV;
            return -1;
        }
        int volgende;
        if (slash == std::string::npos)
            volgende = ::openat(huidig, deel.c_str(), vlaggen | O_NOFOLLOW, modus);
        else
            volgende = ::openat(huidig, deel.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int fout = errno;
        if (huidig != map) ::close(huidig);
        errno = fout;
        if (volgende < 0 || slash == std::string::npos) return volgende;
        huidig = volgende;
        begin = slash + 1;
    }
}

} // namespace

int OpenOnder(int map, std::string_view pad, int vlaggen, mode_t modus) {
    const std::string p(pad);
    if (Openat2Bestaat) {
        open_how hoe{};
        hoe.flags = static_cast<unsigned long long>(vlaggen | O_CLOEXEC);
        hoe.mode = (vlaggen & O_CREAT) || (vlaggen & O_TMPFILE) == O_TMPFILE ? modus : 0;
        hoe.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
        for (;;) {
            const long fd = ::syscall(SYS_openat2, map, p.c_str(), &hoe, sizeof hoe);
            if (fd >= 0) return static_cast<int>(fd);
            if (errno == EINTR || errno == EAGAIN) continue;
            if (errno != ENOSYS) return -1;
            Openat2Bestaat = false;
            break;
        }
    }
    return OpenStapVoorStap(map, p, vlaggen | O_CLOEXEC, modus);
}

int OuderOnder(int map, std::string_view pad, std::size_t& naamBegin) {
    const std::size_t slash = pad.rfind('/');
    if (slash == std::string_view::npos) {
        naamBegin = 0;
        return ::fcntl(map, F_DUPFD_CLOEXEC, 0);
    }
    naamBegin = slash + 1;
    return OpenOnder(map, pad.substr(0, slash), O_PATH | O_DIRECTORY);
}

bool StatOnder(int map, std::string_view pad, struct stat& st) {
    const std::string p(pad);
    return ::fstatat(map, p.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace gdk::fs
