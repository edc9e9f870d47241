#include "platform/sitelijst.h"

#include <array>
#include <charconv>
#include <span>

namespace gdk::fs {
namespace {

bool MoetCoderen(unsigned char c) {
    return c == '%' || c < 0x20 || c == 0x7f;
}

// Where the run of bytes from `begin` that need no escape ends: a list's paths are nearly all one run.
std::size_t EindeVanGewoon(std::string_view tekst, std::size_t begin) {
    while (begin < tekst.size() && !MoetCoderen(static_cast<unsigned char>(tekst[begin])))
        ++begin;
    return begin;
}

int HexWaarde(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

template <typename T> bool Getal(std::string_view tekst, T& waarde) {
    const auto [eind, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde);
    return fout == std::errc() && eind == tekst.data() + tekst.size() && !tekst.empty();
}

void VoegGetal(std::string& tekst, std::uint64_t n) {
    char buf[24];
    const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, n);
    tekst.append(buf, eind);
}

} // namespace

void VoegGecodeerd(std::string& uit, std::string_view tekst) {
    static const char cijfers[] = "0123456789ABCDEF";
    for (std::size_t begin = 0; begin < tekst.size();) {
        const std::size_t eind = EindeVanGewoon(tekst, begin);
        uit.append(tekst.data() + begin, eind - begin);
        if (eind == tekst.size()) break;
        const auto u = static_cast<unsigned char>(tekst[eind]);
        const char code[3] = {'%', cijfers[u >> 4], cijfers[u & 15]};
        uit.append(code, 3);
        begin = eind + 1;
    }
}

std::string CodeerPad(std::string_view pad) {
    std::string uit;
    uit.reserve(pad.size());
    VoegGecodeerd(uit, pad);
    return uit;
}

bool Decodeer(std::string_view tekst, std::string& uit) {
    uit.clear();
    for (std::size_t i = 0; i < tekst.size();) {
        const std::size_t eind = EindeVanGewoon(tekst, i);
        uit.append(tekst.data() + i, eind - i);
        if (eind == tekst.size()) break;
        if (tekst[eind] != '%' || eind + 2 >= tekst.size()) return false;
        const int h = HexWaarde(tekst[eind + 1]), l = HexWaarde(tekst[eind + 2]);
        if (h < 0 || l < 0) return false;
        uit += static_cast<char>(h * 16 + l);
        i = eind + 3;
    }
    return true;
}

bool DecodeerPad(std::string_view tekst, std::string& pad) {
    if (!Decodeer(tekst, pad)) return false;
    if (pad.empty() || pad.front() == '/') return false;
    for (std::size_t begin = 0; begin <= pad.size();) {
        const std::size_t eind = std::min(pad.find('/', begin), pad.size());
        const std::string_view deel(pad.data() + begin, eind - begin);
        if (deel.empty() || deel == "." || deel == ".." || deel.find('\0') != std::string_view::npos)
            return false;
        begin = eind + 1;
    }
    return true;
}

std::vector<std::string_view> Velden(std::string_view regel) {
    std::vector<std::string_view> velden;
    for (std::size_t begin = 0;;) {
        const std::size_t tab = regel.find('\t', begin);
        velden.push_back(
            regel.substr(begin, tab == std::string_view::npos ? std::string_view::npos : tab - begin));
        if (tab == std::string_view::npos) return velden;
        begin = tab + 1;
    }
}

void VoegLijstRegel(std::string& tekst, LijstSoort soort, std::string_view pad, std::uint64_t grootte,
                    std::int64_t mtijd, std::uint64_t inode, const Hash128& inhoud, std::string_view bron) {
    tekst += static_cast<char>(soort);
    tekst += '\t';
    VoegGecodeerd(tekst, pad);
    if (soort == LijstSoort::Map) return;
    tekst += '\t';
    VoegGetal(tekst, grootte);
    tekst += '\t';
    VoegGetal(tekst, static_cast<std::uint64_t>(mtijd));
    tekst += '\t';
    VoegGetal(tekst, inode);
    tekst += '\t';
    tekst += AlsHex(inhoud);
    if (soort != LijstSoort::Kopie || bron.empty()) return;
    tekst += '\t';
    VoegGecodeerd(tekst, bron);
}

void VoegLijstRegel(std::string& tekst, const LijstIngang& ingang) {
    VoegLijstRegel(tekst, ingang.soort, ingang.pad, ingang.grootte, ingang.mtijd, ingang.inode, ingang.inhoud,
                   ingang.bron);
}

bool LeesLijstRegel(std::string_view regel, LijstIngang& ingang) {
    // At most seven fields: split in place, as this runs for every line of a long list.
    std::array<std::string_view, 8> velden;
    std::size_t n = 0;
    for (std::size_t begin = 0; n < velden.size();) {
        const std::size_t tab = regel.find('\t', begin);
        velden[n++] =
            regel.substr(begin, tab == std::string_view::npos ? std::string_view::npos : tab - begin);
        if (tab == std::string_view::npos) break;
        begin = tab + 1;
    }
    const std::span<const std::string_view> v(velden.data(), n == velden.size() ? 0 : n);
    if (v.empty() || v[0].size() != 1) return false;
    const char soort = v[0][0];
    if (soort == 'M') {
        ingang = LijstIngang{};
        ingang.soort = LijstSoort::Map;
        return v.size() == 2 && DecodeerPad(v[1], ingang.pad);
    }
    // A copy may say where it came from: a path on disk, any text but a control byte.
    if (soort == 'K' && v.size() == 7) {
        if (!Decodeer(v[6], ingang.bron) || ingang.bron.empty()) return false;
    } else {
        ingang.bron.clear();
        if ((soort != 'B' && soort != 'K') || v.size() != 6) return false;
    }
    ingang.soort = static_cast<LijstSoort>(soort);
    std::uint64_t mtijd = 0;
    if (!DecodeerPad(v[1], ingang.pad) || !Getal(v[2], ingang.grootte) || !Getal(v[3], mtijd) ||
        !Getal(v[4], ingang.inode) || !UitHex(v[5], ingang.inhoud))
        return false;
    ingang.mtijd = static_cast<std::int64_t>(mtijd);
    return true;
}

void SluitAf(std::string& tekst, std::size_t regels) {
    const Hash128 h = HashVan(tekst);
    tekst += "EINDE\t";
    VoegGetal(tekst, regels);
    tekst += '\t';
    tekst += AlsHex(h);
    tekst += '\n';
}

GecontroleerdeTekst LeesGecontroleerd(std::string_view tekst) {
    GecontroleerdeTekst uit;
    std::size_t begin = 0;
    bool eersteRegel = true;
    while (begin < tekst.size()) {
        const std::size_t lf = tekst.find('\n', begin);
        if (lf == std::string_view::npos) break; // a line cut off: not believed
        const std::string_view regel = tekst.substr(begin, lf - begin);
        if (eersteRegel) {
            uit.kop = regel;
            eersteRegel = false;
        } else if (regel.substr(0, 6) == "EINDE\t") {
            const std::vector<std::string_view> v = Velden(regel);
            std::size_t aantal = 0;
            Hash128 h;
            uit.heel = lf + 1 == tekst.size() && v.size() == 3 && Getal(v[1], aantal) &&
                       aantal == uit.regels.size() && UitHex(v[2], h) && h == HashVan(tekst.substr(0, begin));
            if (uit.heel) return uit;
        } else {
            uit.regels.push_back(regel);
        }
        begin = lf + 1;
    }
    uit.heel = false;
    return uit;
}

std::string LijstKop(std::string_view siteNaam) {
    return std::string(LijstKopBegin) + "1\t" + CodeerPad(siteNaam);
}

} // namespace gdk::fs
