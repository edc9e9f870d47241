#pragma once
// Opening, testing and removing names below a folder descriptor without ever following a link
// (inside the file layer only): a site folder holds what users may have put there, and a link
// to elsewhere in it must never be written through, read through or removed through.
#include <string_view>
#include <sys/stat.h>

namespace gdk::fs {

// openat(2) of `pad` (relative, '/' between parts) below `map`, refused (ELOOP) where any part
// is a link and (EXDEV) where it would leave `map`. -1 with errno set.
int OpenOnder(int map, std::string_view pad, int vlaggen, mode_t modus = 0666);
// The folder that holds `pad` below `map`, opened for *at calls, and the last part's place in
// `pad`; -1 (errno set) when it cannot be. `pad` without a '/' gives a copy of `map` itself.
int OuderOnder(int map, std::string_view pad, std::size_t& naamBegin);
// lstat of `pad` below `map`, for tests only (a link on the way is followed, the last part never);
// false (errno set) when it cannot be.
bool StatOnder(int map, std::string_view pad, struct stat& st);

// The modification time of a stat in nanoseconds.
inline long long MtijdNs(const struct stat& st) {
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

} // namespace gdk::fs
