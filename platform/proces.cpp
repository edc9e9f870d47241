#include "platform/proces.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace gdk {

namespace {

// A file descriptor closed with its owner, so that no early return leaks one into the next child.
class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { Sluit(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int* adres() { return &fd_; }
    void Sluit() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_ = -1;
};

bool Pijp(Fd& lees, Fd& schrijf) {
    int p[2];
    if (::pipe2(p, O_CLOEXEC) != 0) return false;
    *lees.adres() = p[0];
    *schrijf.adres() = p[1];
    return true;
}

// Standard error in lines as they complete; the last, unterminated, one at the end.
class Regels {
  public:
    explicit Regels(const std::function<void(std::string_view)>& perRegel) : perRegel_(perRegel) {}
    void Voeg(std::string_view stuk) {
        rest_.append(stuk);
        std::size_t begin = 0;
        for (std::size_t eind; (eind = rest_.find('\n', begin)) != std::string::npos; begin = eind + 1)
            Geef(std::string_view(rest_).substr(begin, eind - begin));
        rest_.erase(0, begin);
    }
    void Einde() {
        if (!rest_.empty()) Geef(rest_);
        rest_.clear();
    }

  private:
    void Geef(std::string_view regel) {
        if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
        if (perRegel_) perRegel_(regel);
    }
    const std::function<void(std::string_view)>& perRegel_;
    std::string rest_;
};

} // namespace

ProcesUitkomst VoerUit(const std::vector<std::string>& argumenten, std::string_view invoer,
                       const std::function<void(std::string_view)>& perFoutregel) {
    ProcesUitkomst u;
    if (argumenten.empty()) {
        u.startfout = EINVAL;
        return u;
    }
    // Standard input is a socket, not a pipe: a program that exits without reading all of it
    // must give this process an error to handle (send with MSG_NOSIGNAL), not a SIGPIPE.
    Fd inKind, inOuder, uitLees, uitKind, foutLees, foutKind;
    {
        int s[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s) != 0) {
            u.startfout = errno;
            return u;
        }
        *inKind.adres() = s[0];
        *inOuder.adres() = s[1];
    }
    if (!Pijp(uitLees, uitKind) || !Pijp(foutLees, foutKind)) {
        u.startfout = errno;
        return u;
    }

    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, inKind.get(), 0);
    posix_spawn_file_actions_adddup2(&acties, uitKind.get(), 1);
    posix_spawn_file_actions_adddup2(&acties, foutKind.get(), 2);
    // Files this program holds open (the registry, a half-written page) are not the child's.
    posix_spawn_file_actions_addclosefrom_np(&acties, 3);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t leeg, alles;
    sigemptyset(&leeg);
    sigfillset(&alles);
    // A window toolkit may block or ignore signals in this thread; the child starts as from a shell.
    posix_spawnattr_setsigmask(&attr, &leeg);
    posix_spawnattr_setsigdefault(&attr, &alles);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    for (const std::string& a : argumenten)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int r = ::posix_spawnp(&pid, argv[0], &acties, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    posix_spawnattr_destroy(&attr);
    if (r != 0) {
        u.startfout = r;
        return u;
    }
    u.gestart = true;
    inKind.Sluit();
    uitKind.Sluit();
    foutKind.Sluit();

    Regels regels(perFoutregel);
    std::size_t geschreven = 0;
    if (invoer.empty()) inOuder.Sluit();
    char buf[65536];
    while (uitLees.get() >= 0 || foutLees.get() >= 0) {
        pollfd p[3];
        nfds_t n = 0;
        const auto voeg = [&](Fd& fd, short wat) {
            if (fd.get() >= 0) p[n++] = {fd.get(), wat, 0};
        };
        voeg(uitLees, POLLIN);
        voeg(foutLees, POLLIN);
        voeg(inOuder, POLLOUT);
        if (::poll(p, n, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (nfds_t i = 0; i < n; ++i) {
            if (p[i].revents == 0) continue;
            if (p[i].fd == inOuder.get()) {
                const ssize_t w = ::send(inOuder.get(), invoer.data() + geschreven,
                                         invoer.size() - geschreven, MSG_NOSIGNAL | MSG_DONTWAIT);
                if (w > 0) geschreven += static_cast<std::size_t>(w);
                // Done, or the program stopped reading: either way it gets no more.
                if (geschreven == invoer.size() || (w < 0 && errno != EAGAIN && errno != EINTR))
                    inOuder.Sluit();
                continue;
            }
            const ssize_t g = ::read(p[i].fd, buf, sizeof buf);
            if (g < 0 && errno == EINTR) continue;
            Fd& fd = p[i].fd == uitLees.get() ? uitLees : foutLees;
            if (g <= 0) {
                fd.Sluit();
                continue;
            }
            if (&fd == &uitLees)
                u.uit.append(buf, static_cast<std::size_t>(g));
            else
                regels.Voeg(std::string_view(buf, static_cast<std::size_t>(g)));
        }
    }
    inOuder.Sluit();
    regels.Einde();

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    u.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return u;
}

} // namespace gdk
