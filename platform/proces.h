#pragma once
// Running another program and waiting for it, without a shell: every argument reaches the
// program as exactly the bytes given, so a path with blanks, quotes or a leading '-' is never
// split, expanded or read as anything but itself.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gdk {

struct ProcesUitkomst {
    bool gestart = false; // false: the program could not be started; `startfout` says why
    int startfout = 0;    // errno of the start (ENOENT: no such program in PATH)
    int code = -1;        // exit status; -1 when a signal ended the program
    std::string uit;      // standard output, bytes
};

// Runs `argumenten[0]`, looked up in PATH, with `argumenten` as its argument vector (bytes, as
// the program expects them) and the environment of this process. `invoer` is its standard
// input (then closed); each line of its standard error is handed to `perFoutregel` as it comes,
// without the line end. Returns when the program has ended. Inherits no other open file.
ProcesUitkomst VoerUit(const std::vector<std::string>& argumenten, std::string_view invoer,
                       const std::function<void(std::string_view)>& perFoutregel);

} // namespace gdk
