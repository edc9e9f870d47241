#include "platform/voorcontrole.h"

#include "platform/onder.h"
#include "platform/site_intern.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <unordered_set>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace gdk::fs {

Voorcontrole::Voorcontrole(int siteFd, std::vector<Vraag> vragen)
    : vragen_(std::move(vragen)), antwoorden_(new Antwoord[vragen_.size()]),
      staat_(new std::atomic<std::uint8_t>[vragen_.size()]) {
    for (std::size_t i = 0; i < vragen_.size(); ++i)
        staat_[i].store(Open, std::memory_order_relaxed);
    fd_ = siteFd < 0 ? -1 : ::fcntl(siteFd, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0 || vragen_.empty()) return;
    try {
        draad_ = std::thread([this] { Werk(); });
    } catch (const std::system_error&) {
        // No thread to be had: the export asks the disk for each file, as it would without.
    }
}

Voorcontrole::~Voorcontrole() {
    stop_.store(true, std::memory_order_relaxed);
    if (draad_.joinable()) draad_.join();
    if (fd_ >= 0) ::close(fd_);
}

const Voorcontrole::Antwoord* Voorcontrole::Neem(std::uint32_t i) {
    if (i >= vragen_.size()) return nullptr;
    std::uint8_t s = staat_[i].load(std::memory_order_acquire);
    if (s == Open && staat_[i].compare_exchange_strong(s, Genomen, std::memory_order_acquire)) return nullptr;
    // Two stats at most: worth the wait rather than a third.
    while (s == Bezig) {
        std::this_thread::yield();
        s = staat_[i].load(std::memory_order_acquire);
    }
    return s == Klaar ? &antwoorden_[i] : nullptr;
}

bool Voorcontrole::Wandeling(std::vector<Gezien>& gezien) {
    klaar_.store(true, std::memory_order_relaxed);
    if (draad_.joinable()) draad_.join();
    if (!gewandeld_) return false;
    gezien = std::move(gezien_);
    gewandeld_ = false;
    return true;
}

namespace {

// The order to answer in. The questions come in the list's order, by path, while an export goes
// card by card, each card's files lying in a few folders (its page here, its image there): the
// folders at the top are gone through side by side, each as far as its share, so that the answers
// stay ahead of the export in all of them.
std::vector<std::uint32_t> Volgorde(const std::vector<Voorcontrole::Vraag>& vragen) {
    struct Deel {
        std::uint32_t begin, eind, volgende;
    };
    std::vector<Deel> delen;
    // The files at the top go with each other: few parts, whatever the site holds there.
    const auto Top = [](std::string_view rel) {
        const std::size_t p = rel.find('/');
        return p == std::string_view::npos ? std::string_view() : rel.substr(0, p);
    };
    for (std::uint32_t i = 0; i < vragen.size(); ++i)
        if (delen.empty() || Top(vragen[i].rel) != Top(vragen[delen.back().begin].rel))
            delen.push_back(Deel{i, i + 1, i});
        else
            delen.back().eind = i + 1;
    std::vector<std::uint32_t> volgorde;
    volgorde.reserve(vragen.size());
    while (volgorde.size() < vragen.size()) {
        // The part least far along (as a share of its size) goes next.
        Deel* achter = nullptr;
        for (Deel& d : delen)
            if (d.volgende < d.eind &&
                (!achter ||
                 static_cast<std::uint64_t>(d.volgende - d.begin) * (achter->eind - achter->begin) <
                     static_cast<std::uint64_t>(achter->volgende - achter->begin) * (d.eind - d.begin)))
                achter = &d;
        volgorde.push_back(achter->volgende++);
    }
    return volgorde;
}

} // namespace

void Voorcontrole::Werk() {
    std::string pad;
    const std::vector<std::uint32_t> volgorde = Volgorde(vragen_);
    for (std::size_t k = 0; k < volgorde.size() && !stop_.load(std::memory_order_relaxed) &&
                            !klaar_.load(std::memory_order_relaxed);
         ++k) {
        const std::uint32_t i = volgorde[k];
        std::uint8_t open = Open;
        if (!staat_[i].compare_exchange_strong(open, Bezig, std::memory_order_acquire)) continue;
        const Vraag& v = vragen_[i];
        Antwoord& a = antwoorden_[i];
        struct stat st {};
        pad.assign(v.rel);
        a.zoalsGelijst = ::fstatat(fd_, pad.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
                         static_cast<std::uint64_t>(st.st_size) == v.grootte && MtijdNs(st) == v.mtijd &&
                         st.st_ino == v.inode;
        if (!v.bron.empty()) {
            pad.assign(v.bron);
            a.bronGezien = true;
            if (::stat(pad.c_str(), &st) != 0) {
                a.bronFout = errno;
            } else {
                a.bronIsMap = S_ISDIR(st.st_mode);
                a.bronIdentiteit = BronIdentiteit(st);
            }
        }
        staat_[i].store(Klaar, std::memory_order_release);
    }
    if (stop_.load(std::memory_order_relaxed)) return;
    std::unordered_set<std::string_view> gevraagd;
    gevraagd.reserve(vragen_.size());
    for (const Vraag& v : vragen_)
        gevraagd.insert(v.rel);
    gewandeld_ = Verken(
        fd_, [&](std::string_view rel) { return gevraagd.contains(rel); }, gezien_);
}

namespace {

void VerkenMap(int fd, const std::string& rel, const std::function<bool(std::string_view)>& bekend,
               std::vector<Gezien>& gezien) {
    DIR* d = ::fdopendir(fd);
    if (!d) {
        ::close(fd);
        return;
    }
    std::vector<std::pair<std::string, bool>> namen;
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
        bool isMap = e->d_type == DT_DIR;
        if (e->d_type == DT_UNKNOWN) {
            struct stat st {};
            isMap = ::fstatat(::dirfd(d), n, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        namen.emplace_back(n, isMap);
    }
    std::string pad;
    for (const auto& [naam, isMap] : namen) {
        pad = rel.empty() ? naam : rel + "/" + naam;
        if (!isMap) {
            if (!bekend(pad)) gezien.push_back(Gezien{pad, false});
            continue;
        }
        gezien.push_back(Gezien{pad, true});
        const int sub = ::openat(::dirfd(d), naam.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub >= 0) VerkenMap(sub, pad, bekend, gezien);
    }
    ::closedir(d);
}

} // namespace

bool Verken(int map, const std::function<bool(std::string_view)>& bekend, std::vector<Gezien>& gezien) {
    const int fd = map < 0 ? -1 : ::openat(map, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    VerkenMap(fd, "", bekend, gezien);
    return true;
}

} // namespace gdk::fs
