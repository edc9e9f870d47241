#include "support/rclone_proef.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace gdk::test {

namespace {

sockaddr_in Adres(int poort) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(poort));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A port that was free a moment ago: the system picks it for a socket bound to port 0.
int VrijePoort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = Adres(0);
    socklen_t n = sizeof a;
    int poort = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), n) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0)
        poort = ntohs(a.sin_port);
    ::close(s);
    return poort;
}

bool Luistert(int poort) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = Adres(poort);
    const bool ja = ::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ja;
}

} // namespace

RcloneProef::RcloneProef() : config_((map_.pad() / "rclone.conf").string()) {
    if (const char* c = std::getenv("RCLONE_CONFIG")) {
        hadConfig_ = true;
        vorigeConfig_ = c;
    }
    map_.Schrijf("rclone.conf", "");
    ::setenv("RCLONE_CONFIG", config_.c_str(), 1);
}

RcloneProef::~RcloneProef() {
    for (const pid_t pid : servers_) {
        ::kill(pid, SIGTERM);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (hadConfig_)
        ::setenv("RCLONE_CONFIG", vorigeConfig_.c_str(), 1);
    else
        ::unsetenv("RCLONE_CONFIG");
}

void RcloneProef::Voeg(const std::string& naam, int poort) {
    const std::string sectie =
        "[" + naam + "]\ntype = webdav\nurl = http://127.0.0.1:" + std::to_string(poort) + "/\n\n";
    map_.Schrijf("rclone.conf", LeesBestand(config_) + sectie);
}

std::filesystem::path RcloneProef::Serveer(const std::string& naam, bool alleenLezen) {
    const std::filesystem::path map = map_.pad() / ("server-" + naam);
    std::filesystem::create_directories(map);
    const int poort = VrijePoort();
    // No directory cache: a test that puts a file on the server by hand sees it served at once.
    std::vector<std::string> argumenten = {"rclone",           "serve",  "webdav",
                                           map.string(),       "--addr", "127.0.0.1:" + std::to_string(poort),
                                           "--dir-cache-time", "0s"};
    if (alleenLezen) argumenten.push_back("--read-only");
    std::vector<char*> argv;
    for (std::string& a : argumenten)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string log = (map_.pad() / ("server-" + naam + ".log")).string();
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_addopen(&acties, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acties, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&acties, 1, 2);
    pid_t pid = -1;
    const int r = ::posix_spawnp(&pid, "rclone", &acties, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    if (r != 0) {
        ADD_FAILURE() << "rclone serve webdav did not start (errno " << r << ")";
        return map;
    }
    servers_.push_back(pid);
    // Ready when it accepts a connection; it takes a fraction of a second, ten at the very most.
    bool klaar = false;
    for (int i = 0; i < 1000 && !(klaar = Luistert(poort)); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!klaar)
        ADD_FAILURE() << "rclone serve webdav does not listen on port " << poort << ":\n" << LeesBestand(log);
    Voeg(naam, poort);
    return map;
}

void RcloneProef::Onbereikbaar(const std::string& naam) {
    Voeg(naam, VrijePoort());
}

} // namespace gdk::test
