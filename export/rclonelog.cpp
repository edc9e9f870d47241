#include "export/rclonelog.h"

#include <charconv>

namespace gdk {

namespace {

// The position just after `"sleutel":` in `s` from `vanaf`, or npos. The quotes keep "bytes"
// apart from "totalBytes".
std::size_t NaSleutel(std::string_view s, std::string_view sleutel, std::size_t vanaf = 0) {
    const std::string naald = "\"" + std::string(sleutel) + "\":";
    const std::size_t p = s.find(naald, vanaf);
    return p == std::string_view::npos ? p : p + naald.size();
}

std::int64_t Getal(std::string_view s, std::string_view sleutel, std::size_t vanaf) {
    const std::size_t p = NaSleutel(s, sleutel, vanaf);
    std::int64_t n = 0;
    if (p != std::string_view::npos) std::from_chars(s.data() + p, s.data() + s.size(), n);
    return n;
}

void Utf8(std::string& uit, std::uint32_t c) {
    if (c < 0x80) {
        uit += static_cast<char>(c);
    } else if (c < 0x800) {
        uit += static_cast<char>(0xC0 | (c >> 6));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uit += static_cast<char>(0xE0 | (c >> 12));
        uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The JSON string value of `sleutel`, its escapes read. rclone writes other than ASCII as UTF-8
// bytes; it escapes only control characters and the few that JSON reserves.
std::string Tekst(std::string_view s, std::string_view sleutel) {
    std::size_t p = NaSleutel(s, sleutel);
    std::string uit;
    if (p == std::string_view::npos || p >= s.size() || s[p] != '"') return uit;
    for (++p; p < s.size() && s[p] != '"'; ++p) {
        if (s[p] != '\\' || p + 1 >= s.size()) {
            uit += s[p];
            continue;
        }
        const char e = s[++p];
        switch (e) {
        case 'n':
            uit += '\n';
            break;
        case 't':
            uit += '\t';
            break;
        case 'r':
        case 'b':
        case 'f':
            break;
        case 'u': {
            std::uint32_t c = 0;
            if (p + 4 < s.size()) std::from_chars(s.data() + p + 1, s.data() + p + 5, c, 16);
            Utf8(uit, c);
            p += 4;
            break;
        }
        default:
            uit += e; // \" \\ \/
            break;
        }
    }
    return uit;
}

} // namespace

RcloneRegel LeesRcloneRegel(std::string_view regel) {
    RcloneRegel r;
    if (regel.empty()) return r;
    if (regel.front() != '{') {
        // "2026/12/09 23:07:03 Failed to copy: ..." : the date and time go.
        constexpr std::size_t datum = 20;
        const bool metDatum = regel.size() > datum && regel[4] == '/' && regel[7] == '/' &&
                              regel[13] == ':' && regel[19] == ' ';
        r.isFout = true;
        r.tekst = std::string(metDatum ? regel.substr(datum) : regel);
        return r;
    }
    const std::size_t stats = NaSleutel(regel, "stats");
    if (stats != std::string_view::npos) {
        r.heeftStatistiek = true;
        r.statistiek.bytes = Getal(regel, "bytes", stats);
        r.statistiek.totaalBytes = Getal(regel, "totalBytes", stats);
        r.statistiek.bestanden = Getal(regel, "transfers", stats);
        r.statistiek.totaalBestanden = Getal(regel, "totalTransfers", stats);
        r.statistiek.verwijderd = Getal(regel, "deletes", stats);
        return r;
    }
    r.isFout = Tekst(regel, "level") == "error";
    r.tekst = Tekst(regel, "msg");
    r.bestand = Tekst(regel, "object");
    return r;
}

} // namespace gdk
