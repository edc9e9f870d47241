#include "platform/register.h"

#include "platform/bestanden.h"
#include "platform/register_vorm.h"
#include "platform/tekst1252.h"
#include "platform/uitvoerbestand.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <memory>
#include <optional>
#include <unistd.h>
#include <utility>
#include <vector>

namespace gdk::reg {
namespace {

const char kKop[] = "REGEDIT4";
// What Windows' registry editor heads its exports with since it writes them in UTF-16; the keys
// and values below it are written as below "REGEDIT4".
const char kKop5[] = "Windows Registry Editor Version 5.00";
const char kHive[] = "HKEY_CURRENT_USER";

std::string vasteBestand;

enum class Soort { Kop, Sleutel, String, Dword, Anders };

struct Regel {
    std::string tekst; // the line as on disk, without its line end
    Soort soort = Soort::Anders;
    std::string sleutel; // Sleutel: the key below the hive, normalised and folded
    std::string naam;    // String/Dword: value name as written (Windows-1252)
    std::string gevouwen;
    std::string waarde; // String: Windows-1252
    std::uint32_t dword = 0;
    int sectie = -1; // index of the key line a value belongs to; -1: none of ours
};

struct Inhoud {
    bool leesbaar = true;      // false: not read, or not a registry file; never written over
    bool geenRegister = false; // read, but in no form of a registry file
    bool heeftKop = false;
    Codering codering = Codering::Utf8; // kept for the editor that wrote it
    std::string regeleinde = "\n";
    std::vector<Regel> regels;
};

// "Software\\Velmoran\\" and "Software\Velmoran" are one key: no empty parts.
std::string SleutelPad(std::string_view s) {
    std::string uit;
    std::string deel;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == '\\') {
            if (!deel.empty()) {
                if (!uit.empty()) uit += '\\';
                uit += deel;
            }
            deel.clear();
        } else {
            deel += s[i];
        }
    }
    return uit;
}

// Keys compare without regard to case.
std::string NormaliseerSleutel(std::string_view s) {
    return KleineLetters1252(SleutelPad(s));
}

Regel RegelVan(std::string tekst) {
    Regel r;
    r.tekst = std::move(tekst);
    return r;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A quoted text from `i` (at the opening quote) with \\ and \" escapes; i ends past the close.
bool LeesAanhaling(std::string_view s, std::size_t& i, std::string& uit) {
    if (i >= s.size() || s[i] != '"') return false;
    uit.clear();
    for (++i; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c == '\\' && i + 1 < s.size()) {
            const char v = s[i + 1];
            if (v == '\\' || v == '"') {
                uit += v;
                ++i;
                continue;
            }
            if (v == 'n' || v == 'r') { // line breaks, which a line of this file cannot hold
                uit += v == 'n' ? '\n' : '\r';
                ++i;
                continue;
            }
        }
        uit += c;
    }
    return false;
}

std::string Aanhaling(std::string_view s1252) {
    std::string uit = "\"";
    for (char c : NaarUtf8(s1252)) {
        if (c == '\\' || c == '"') uit += '\\';
        if (c == '\n')
            uit += "\\n";
        else if (c == '\r')
            uit += "\\r";
        else
            uit += c;
    }
    uit += '"';
    return uit;
}

void LeesRegel(Regel& r, int& sectie, int index) {
    const std::string_view t = Trim(r.tekst);
    if (t.empty()) return;
    if (t.front() == '[') {
        // A key line cut short (no closing bracket) still names its key: the values after it
        // are not handed to the key before it.
        std::string_view binnen = t.substr(1);
        if (!binnen.empty() && binnen.back() == ']') binnen.remove_suffix(1);
        const std::string naam = VanUtf8(binnen);
        const std::size_t n = sizeof(kHive) - 1;
        sectie = -1;
        if (naam.size() >= n && GelijkZonderHoofdletters(std::string_view(naam).substr(0, n), kHive) &&
            (naam.size() == n || naam[n] == '\\')) {
            r.soort = Soort::Sleutel;
            r.sleutel = NormaliseerSleutel(std::string_view(naam).substr(n));
            sectie = index;
        }
        return;
    }
    if (t.front() != '"') return;
    std::size_t i = 0;
    std::string naam;
    if (!LeesAanhaling(t, i, naam)) return;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    if (i >= t.size() || t[i] != '=') return;
    ++i;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    const std::string_view rest = t.substr(i);
    if (!rest.empty() && rest.front() == '"') {
        std::size_t j = 0;
        std::string waarde;
        if (!LeesAanhaling(rest, j, waarde) || j != rest.size()) return;
        r.soort = Soort::String;
        r.waarde = VanUtf8(waarde);
    } else if (rest.size() > 6 && GelijkZonderHoofdletters(rest.substr(0, 6), "dword:")) {
        const std::string_view hex = rest.substr(6);
        if (hex.size() > 8) return;
        std::uint32_t v = 0;
        for (char c : hex) {
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return;
            v = (v << 4) | static_cast<std::uint32_t>(d);
        }
        r.soort = Soort::Dword;
        r.dword = v;
    } else {
        return;
    }
    r.naam = VanUtf8(naam);
    r.gevouwen = KleineLetters1252(r.naam);
    r.sectie = sectie;
}

Inhoud Ontleed(const std::string& bytes) {
    Inhoud in;
    const std::optional<Tekst> tekst = Decodeer(bytes);
    if (!tekst) {
        in.leesbaar = false;
        in.geenRegister = true;
        return in;
    }
    in.codering = tekst->codering;
    const std::string_view s = tekst->utf8;
    // Lines end at LF, CR LF or a lone CR (old Mac editors); the file keeps the first one's kind.
    const std::size_t eersteEinde = s.find_first_of("\r\n");
    if (eersteEinde != std::string_view::npos && s[eersteEinde] == '\r')
        in.regeleinde = s.substr(eersteEinde, 2) == "\r\n" ? "\r\n" : "\r";
    std::size_t van = 0;
    while (van < s.size()) {
        std::size_t tot = s.find_first_of("\r\n", van);
        if (tot == std::string_view::npos) tot = s.size();
        in.regels.push_back(RegelVan(std::string(s.substr(van, tot - van))));
        van = tot + (s.substr(tot, 2) == "\r\n" ? 2 : 1);
    }
    int sectie = -1;
    for (std::size_t i = 0; i < in.regels.size(); ++i) {
        Regel& r = in.regels[i];
        if (!in.heeftKop) {
            const std::string_view t = Trim(r.tekst);
            if (t.empty()) continue;
            if (t != kKop && t != kKop5) {
                // Something else than a registry file: it holds what it holds, untouched.
                in.leesbaar = false;
                in.geenRegister = true;
                in.regels.clear();
                return in;
            }
            in.heeftKop = true;
            r.soort = Soort::Kop;
            continue;
        }
        LeesRegel(r, sectie, static_cast<int>(i));
    }
    return in;
}

struct Geheugen {
    bool geldig = false;
    std::string pad;
    dev_t dev = 0;
    ino_t ino = 0;
    std::int64_t mtime = 0;
    off_t grootte = 0;
    Inhoud inhoud;
};
Geheugen geheugen;

std::int64_t Mtime(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

bool LeesAlles(const std::string& pad, std::string& uit) {
    std::FILE* f = std::fopen(pad.c_str(), "rb");
    if (!f) return false;
    uit.clear();
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        uit.append(buf, n);
    const bool goed = !std::ferror(f);
    std::fclose(f);
    return goed;
}

// The parsed file, re-read only when it changed on disk (settings read ~80 values at a time).
const Inhoud& Laad() {
    const std::string pad = RegisterBestand();
    struct stat st {};
    if (::stat(pad.c_str(), &st) != 0) {
        geheugen = Geheugen{};
        // Missing: empty and free to create. Present but unreachable: never written over.
        geheugen.inhoud.leesbaar = errno == ENOENT;
        return geheugen.inhoud;
    }
    if (geheugen.geldig && geheugen.pad == pad && geheugen.dev == st.st_dev && geheugen.ino == st.st_ino &&
        geheugen.mtime == Mtime(st) && geheugen.grootte == st.st_size)
        return geheugen.inhoud;
    geheugen = Geheugen{};
    std::string bytes;
    // Only a regular file is read: opening a pipe would wait for a writer at every start.
    if (!S_ISREG(st.st_mode) || !LeesAlles(pad, bytes)) {
        geheugen.inhoud.leesbaar = false;
        return geheugen.inhoud;
    }
    geheugen.inhoud = Ontleed(bytes);
    geheugen.geldig = true;
    geheugen.pad = pad;
    geheugen.dev = st.st_dev;
    geheugen.ino = st.st_ino;
    geheugen.mtime = Mtime(st);
    geheugen.grootte = st.st_size;
    return geheugen.inhoud;
}

const Regel* ZoekWaarde(const Inhoud& in, const std::string& sleutel, const std::string& naam) {
    const std::string s = NormaliseerSleutel(sleutel);
    const std::string n = KleineLetters1252(naam);
    for (const Regel& r : in.regels) {
        if ((r.soort == Soort::String || r.soort == Soort::Dword) && r.sectie >= 0 && r.gevouwen == n &&
            in.regels[static_cast<std::size_t>(r.sectie)].sleutel == s)
            return &r;
    }
    return nullptr;
}

// The settings are the user's own: a folder made for them is private.
bool MaakMapVoor(const std::string& pad) {
    const std::size_t p = pad.find_last_of('/');
    return p == std::string::npos || p == 0 || fs::MaakMappenOpSchijf(pad.substr(0, p), 0700);
}

// The whole file to a temporary file beside it, to disk, then renamed into place: a crash
// leaves either the old file or the new one, never half of one.
// The file a settings path stands for: a symbolic link (a settings file kept elsewhere, in a
// synced folder say) is written through, so the link stays and its target gets the values.
std::string Doelbestand(const std::string& pad) {
    std::string doel = pad;
    for (int stap = 0; stap < 40; ++stap) {
        struct stat st {};
        if (::lstat(doel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return doel;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(doel.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return doel;
        link.resize(static_cast<std::size_t>(n));
        const std::size_t p = doel.find_last_of('/');
        doel = link[0] == '/' || p == std::string::npos ? link : doel.substr(0, p + 1) + link;
    }
    return doel;
}

// Only its owner replaces the file, and only while the mode lets the owner write: a file made
// read-only stays as it is, and another user's file (root's, say) never becomes the writer's.
// Root is held to the mode as well, not to what it could override.
bool MagVervangen(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & S_IWUSR) != 0;
}

// The new file gets the old one's owner, group and mode before it takes its place; a file
// whose group cannot be kept is not replaced.
bool NeemEigenaarEnModusOver(int fd, const struct stat& oud) {
    struct stat nieuw {};
    if (::fstat(fd, &nieuw) != 0) return false;
    if ((nieuw.st_uid != oud.st_uid || nieuw.st_gid != oud.st_gid) &&
        ::fchown(fd, oud.st_uid, oud.st_gid) != 0)
        return false;
    return ::fchmod(fd, oud.st_mode & 07777) == 0;
}

bool SchrijfBestand(const std::string& registerPad, const std::string& inhoud) {
    const std::string pad = Doelbestand(registerPad);
    struct stat oud {};
    const bool bestaat = ::stat(pad.c_str(), &oud) == 0;
    if (bestaat ? !MagVervangen(oud) : errno != ENOENT) return false;
    if (!MaakMapVoor(pad)) return false;
    const std::size_t p = pad.find_last_of('/');
    const std::string map = p == std::string::npos ? "." : (p == 0 ? "/" : pad.substr(0, p));
    std::string tijdelijk = map + "/.HKEY_CURRENT_USER.reg.XXXXXX";
    const int fd = ::mkstemp(tijdelijk.data());
    if (fd < 0) return false;
    bool goed = fs::SchrijfAlles(fd, inhoud);
    if (goed && bestaat) goed = NeemEigenaarEnModusOver(fd, oud);
    if (goed && ::fsync(fd) != 0) goed = false;
    if (::close(fd) != 0) goed = false;
    if (goed && ::rename(tijdelijk.c_str(), pad.c_str()) != 0) goed = false;
    if (!goed) {
        ::unlink(tijdelijk.c_str());
        return false;
    }
    // The folder is not synced as well: after a crash it holds the old file or the new one, both
    // whole, and the options dialog writes dozens of values in a row.
    fs::MeldAangemaakt(pad, false);
    return true;
}

void ZetWaarde(Regel& r, Soort soort, const std::string& tekst, std::uint32_t dword) {
    r.soort = soort;
    r.waarde = soort == Soort::String ? tekst : std::string();
    r.dword = dword;
}

// Sets one value in `in`; false when it held that value already.
bool Wijzig(Inhoud& in, const std::string& sleutel, const std::string& naam, const std::string& regelNaWaarde,
            Soort soort, const std::string& tekst, std::uint32_t dword) {
    const std::string s = NormaliseerSleutel(sleutel);

    if (const Regel* r = ZoekWaarde(in, sleutel, naam)) {
        // Nothing to do when the value is there already (the options dialog writes them all).
        if (r->soort == soort && (soort == Soort::String ? r->waarde == tekst : r->dword == dword))
            return false;
        Regel& w = in.regels[static_cast<std::size_t>(r - in.regels.data())];
        w.tekst = Aanhaling(w.naam) + "=" + regelNaWaarde;
        ZetWaarde(w, soort, tekst, dword);
    } else {
        Regel nieuw = RegelVan(Aanhaling(naam) + "=" + regelNaWaarde);
        nieuw.naam = naam;
        nieuw.gevouwen = KleineLetters1252(naam);
        ZetWaarde(nieuw, soort, tekst, dword);
        std::size_t plek = in.regels.size();
        bool gevonden = false;
        for (std::size_t i = 0; i < in.regels.size() && !gevonden; ++i) {
            if (in.regels[i].soort != Soort::Sleutel || in.regels[i].sleutel != s) continue;
            // After the last non-blank line of the key's section.
            plek = i + 1;
            for (std::size_t j = i + 1; j < in.regels.size(); ++j) {
                const std::string_view t = Trim(in.regels[j].tekst);
                if (!t.empty() && t.front() == '[') break;
                if (!t.empty()) plek = j + 1;
            }
            gevonden = true;
        }
        // The parse stays right for the writes that follow in the same bundle: every line that
        // moves keeps pointing at its own key line.
        const auto schuif = [&in](std::size_t vanaf) {
            for (Regel& regel : in.regels)
                if (regel.sectie >= static_cast<int>(vanaf)) ++regel.sectie;
        };
        if (gevonden) {
            nieuw.sectie = static_cast<int>(plek) - 1;
            while (in.regels[static_cast<std::size_t>(nieuw.sectie)].soort != Soort::Sleutel)
                --nieuw.sectie;
            schuif(plek);
            in.regels.insert(in.regels.begin() + static_cast<std::ptrdiff_t>(plek), std::move(nieuw));
        } else {
            if (!in.heeftKop) {
                schuif(0);
                // A file in UTF-16 is one of the registry editor's, which heads those so.
                const bool utf16 = in.codering == Codering::Utf16Le || in.codering == Codering::Utf16Be;
                in.regels.insert(in.regels.begin(), RegelVan(utf16 ? kKop5 : kKop));
                in.regels.front().soort = Soort::Kop;
                in.heeftKop = true;
            }
            if (!Trim(in.regels.back().tekst).empty()) in.regels.push_back(RegelVan(""));
            Regel kop = RegelVan("[" + NaarUtf8(std::string(kHive) + "\\" + SleutelPad(sleutel)) + "]");
            kop.soort = Soort::Sleutel;
            kop.sleutel = s;
            in.regels.push_back(std::move(kop));
            nieuw.sectie = static_cast<int>(in.regels.size()) - 1;
            in.regels.push_back(std::move(nieuw));
        }
    }
    return true;
}

bool SchrijfInhoud(const Inhoud& in) {
    // A file cut short may end without a line end; every line gets one now.
    std::string tekst;
    for (const Regel& r : in.regels)
        tekst += r.tekst + in.regeleinde;
    const std::optional<std::string> bytes = Codeer(tekst, in.codering);
    geheugen.geldig = false;
    return bytes && SchrijfBestand(RegisterBestand(), *bytes);
}

// The content a SchrijfBundel gathers, from its first write on.
struct Bundel {
    std::optional<Inhoud> inhoud;
    bool gewijzigd = false;
    bool mislukt = false;
};
Bundel* bundel = nullptr;

bool Schrijf(const std::string& sleutel, const std::string& naam, const std::string& regelNaWaarde,
             Soort soort, const std::string& tekst, std::uint32_t dword) {
    if (bundel) {
        if (!bundel->inhoud) bundel->inhoud = Laad();
        if (!bundel->inhoud->leesbaar) return false;
        if (Wijzig(*bundel->inhoud, sleutel, naam, regelNaWaarde, soort, tekst, dword))
            bundel->gewijzigd = true;
        return true;
    }
    const Inhoud& huidig = Laad();
    if (!huidig.leesbaar) return false;
    Inhoud in = huidig; // a copy: the remembered content changes only when the file did
    if (!Wijzig(in, sleutel, naam, regelNaWaarde, soort, tekst, dword)) return true;
    return SchrijfInhoud(in);
}

std::string ThuisMap() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid())) return pw->pw_dir ? pw->pw_dir : "";
    return {};
}

} // namespace

std::string RegisterBestand() {
    if (!vasteBestand.empty()) return vasteBestand;
    if (const char* e = std::getenv("GEDENKJES_REGISTRY"); e && *e) return e;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && x[0] == '/')
        return std::string(x) + "/gedenkjes/HKEY_CURRENT_USER.reg";
    return ThuisMap() + "/.config/gedenkjes/HKEY_CURRENT_USER.reg";
}

void ZetRegisterBestand(const std::string& pad) {
    vasteBestand = pad;
    geheugen.geldig = false;
}

SchrijfBundel::SchrijfBundel() {
    if (!bundel) {
        bundel = new Bundel;
        eigen_ = true;
    }
}

SchrijfBundel::~SchrijfBundel() {
    Sluit();
}

bool SchrijfBundel::Sluit() {
    if (!eigen_) return true;
    eigen_ = false;
    const std::unique_ptr<Bundel> b(std::exchange(bundel, nullptr));
    return !b->gewijzigd || SchrijfInhoud(*b->inhoud);
}

Leesbaarheid RegisterLeesbaarheid() {
    const Inhoud& in = Laad();
    if (in.leesbaar) return Leesbaarheid::Gelezen;
    return in.geenRegister ? Leesbaarheid::GeenRegister : Leesbaarheid::NietTeLezen;
}

bool SleutelBestaat(const std::string& sleutel) {
    const Inhoud& in = Laad();
    const std::string s = NormaliseerSleutel(sleutel);
    for (const Regel& r : in.regels) {
        if (r.soort != Soort::Sleutel) continue;
        // A key exists when it or a key below it is listed, as in the registry itself.
        if (s.empty() || r.sleutel == s ||
            (r.sleutel.size() > s.size() && r.sleutel.compare(0, s.size(), s) == 0 &&
             r.sleutel[s.size()] == '\\'))
            return true;
    }
    return false;
}

std::optional<std::string> LeesString(const std::string& sleutel, const std::string& naam) {
    const Regel* r = ZoekWaarde(Laad(), sleutel, naam);
    if (!r || r->soort != Soort::String) return std::nullopt;
    return r->waarde;
}

std::optional<std::int32_t> LeesInteger(const std::string& sleutel, const std::string& naam) {
    const Regel* r = ZoekWaarde(Laad(), sleutel, naam);
    if (!r || r->soort != Soort::Dword) return std::nullopt;
    return static_cast<std::int32_t>(r->dword);
}

bool SchrijfString(const std::string& sleutel, const std::string& naam, const std::string& waarde) {
    return Schrijf(sleutel, naam, Aanhaling(waarde), Soort::String, waarde, 0);
}

bool SchrijfInteger(const std::string& sleutel, const std::string& naam, std::int32_t waarde) {
    char hex[16];
    const auto v = static_cast<std::uint32_t>(waarde);
    std::snprintf(hex, sizeof hex, "%08x", v);
    return Schrijf(sleutel, naam, std::string("dword:") + hex, Soort::Dword, {}, v);
}

} // namespace gdk::reg
