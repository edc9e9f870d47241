#include "platform/vastleggen.h"

#include "platform/uitvoerbestand.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk::fs {

bool LeesHeel(const std::string& opSchijf, std::string& inhoud) {
    inhoud.clear();
    const int fd = ::open(opSchijf.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) inhoud.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int fout = errno;
            ::close(fd);
            errno = fout;
            return false;
        }
        if (n == 0) break;
        inhoud.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

std::string OuderVan(const std::string& opSchijf) {
    const std::size_t p = opSchijf.find_last_of('/');
    if (p == std::string::npos) return ".";
    return p == 0 ? std::string("/") : opSchijf.substr(0, p);
}

bool SynchroniseerMap(const std::string& opSchijf) {
    const int fd = ::open(opSchijf.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool goed = ::fsync(fd) == 0 || errno == EINVAL; // a file system that cannot sync folders
    const int fout = errno;
    ::close(fd);
    errno = fout;
    return goed;
}

bool VervangHeel(const std::string& opSchijf, std::string_view bytes) {
    const std::string nieuw = opSchijf + ".nieuw";
    const int fd = ::open(nieuw.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return false;
    bool goed = SchrijfAlles(fd, bytes) && ::fsync(fd) == 0;
    int fout = errno;
    if (::close(fd) != 0 && goed) {
        goed = false;
        fout = errno;
    }
    if (goed && ::rename(nieuw.c_str(), opSchijf.c_str()) != 0) {
        goed = false;
        fout = errno;
    }
    if (!goed) {
        ::unlink(nieuw.c_str());
        errno = fout;
        return false;
    }
    return SynchroniseerMap(OuderVan(opSchijf));
}

} // namespace gdk::fs
