#include "platform/klok.h"

#include <ctime>

namespace gdk {
namespace {

std::optional<DatumTijd> vasteTijd;

bool IsSchrikkeljaar(int j) {
    return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

int DagenInMaand(int jaar, int maand) {
    static const int dagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return maand == 2 && IsSchrikkeljaar(jaar) ? 29 : dagen[maand - 1];
}

// Digits only, at least one, at most `max`; the value as written (leading zeros allowed).
bool Getal(std::string_view s, std::size_t van, std::size_t tot, std::size_t max, int& waarde) {
    if (tot <= van || tot - van > max) return false;
    waarde = 0;
    for (std::size_t i = van; i < tot; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        waarde = waarde * 10 + (s[i] - '0');
    }
    return true;
}

bool InKalender(const DatumTijd& d) {
    return d.jaar >= 1 && d.maand >= 1 && d.maand <= 12 && d.dag >= 1 &&
           d.dag <= DagenInMaand(d.jaar, d.maand);
}

} // namespace

std::uint32_t Tik() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const auto ms =
        static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

DatumTijd Nu() {
    if (vasteTijd) return *vasteTijd;
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return DatumTijd{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void ZetVasteTijd(std::optional<DatumTijd> vast) {
    vasteTijd = vast;
}

namespace {

// `waarde` as printf's %0<breedte>d writes it (the sign counts in the width), without printf:
// every type 1 page carries a date or two.
std::string& Getal(std::string& uit, int waarde, int breedte) {
    const std::string cijfers = std::to_string(waarde < 0 ? -static_cast<long long>(waarde) : waarde);
    if (waarde < 0) {
        uit += '-';
        --breedte;
    }
    if (static_cast<int>(cijfers.size()) < breedte) uit.append(breedte - cijfers.size(), '0');
    return uit += cijfers;
}

std::string Drie(int a, int b, int c, char scheiding, int breedte, int breedteC) {
    std::string uit;
    Getal(uit, a, breedte) += scheiding;
    Getal(uit, b, breedte) += scheiding;
    return Getal(uit, c, breedteC);
}

} // namespace

std::string LangeTijd(const DatumTijd& t) {
    return Drie(t.uur, t.minuut, t.seconde, ':', 2, 2);
}

std::string KorteDatum(const DatumTijd& t) {
    return Drie(t.dag, t.maand, t.jaar, '-', 0, 4);
}

std::string DatumDDMMJJJJ(const DatumTijd& t) {
    return Drie(t.dag, t.maand, t.jaar, '-', 2, 4);
}

std::optional<DatumTijd> TekstNaarDatum(const std::string& tekst) {
    std::size_t van = 0, tot = tekst.size();
    while (van < tot && static_cast<unsigned char>(tekst[van]) <= 32)
        ++van;
    while (tot > van && static_cast<unsigned char>(tekst[tot - 1]) <= 32)
        --tot;
    const std::size_t s1 = tekst.find('-', van);
    if (s1 == std::string::npos || s1 >= tot) return std::nullopt;
    const std::size_t s2 = tekst.find('-', s1 + 1);
    if (s2 == std::string::npos || s2 >= tot) return std::nullopt;
    DatumTijd d;
    // A third '-' makes the year part non-numeric, so it fails below.
    if (!Getal(tekst, van, s1, 9, d.dag) || !Getal(tekst, s1 + 1, s2, 9, d.maand) ||
        !Getal(tekst, s2 + 1, tot, 4, d.jaar))
        return std::nullopt;
    if (!InKalender(d)) return std::nullopt;
    return d;
}

std::optional<DatumTijd> IsoDatum(std::string_view tekst) {
    while (!tekst.empty() && static_cast<unsigned char>(tekst.front()) <= 32)
        tekst.remove_prefix(1);
    while (!tekst.empty() && static_cast<unsigned char>(tekst.back()) <= 32)
        tekst.remove_suffix(1);
    if (tekst.size() != 10 || tekst[4] != '-' || tekst[7] != '-') return std::nullopt;
    DatumTijd d;
    if (!Getal(tekst, 0, 4, 4, d.jaar) || !Getal(tekst, 5, 7, 2, d.maand) || !Getal(tekst, 8, 10, 2, d.dag))
        return std::nullopt;
    if (!InKalender(d)) return std::nullopt;
    return d;
}

} // namespace gdk
