#pragma once
// The record store: the persons and families of the one collection that is loaded.
// Numbered from 1; 0 means "none" in every reference. Only the reader writes it.
// Capacity limits are counted, not preallocated: the tables grow as a read fills them, and the
// fields the reader never fills live in an extra record made only when something sets them.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace gdk {

constexpr int MaxPersonen = 200000;
constexpr int MaxGezinnen = 150000;

struct recPersoonExtra {
    std::string GeboorteAantekening, GeboorteToevoeging;
    std::string OverlijdensAantekening, OverlijdensToevoeging;
    std::string BegraafDetail, BegraafAantekening, BegraafToevoeging;
    std::string CrematieDetail, CrematieAantekening, CrematieToevoeging;
    std::int32_t OudersGezin = 0;
};

struct recPersoon {
    std::int32_t Nummer = 0;
    std::string Voornamen, Tussenvoegsel, Achternaam, Geslacht;
    std::string GeboorteDatum, GeboortePlaats;
    std::string Aantekening;
    std::string OverlijdensDatum, OverlijdensPlaats;
    std::string MetFoto;
    std::string BegraafDatum, BegraafPlaats;
    std::string CrematieDatum, CrematiePlaats;
    std::string AfbeeldingExtensie, AfbeeldingBestand;
    // Slots 1 to 6 (slot 0 unused): families in which the person is a partner.
    std::array<std::int32_t, 7> Gezinnen{};

    // The never-filled fields read as empty/0 unless a caller (a test) set them.
    const recPersoonExtra& Extra() const { return extra_ ? *extra_ : Leeg(); }
    recPersoonExtra& ExtraWijzigen();
    const std::string& GeboorteAantekening() const { return Extra().GeboorteAantekening; }
    const std::string& GeboorteToevoeging() const { return Extra().GeboorteToevoeging; }
    const std::string& OverlijdensAantekening() const { return Extra().OverlijdensAantekening; }
    const std::string& OverlijdensToevoeging() const { return Extra().OverlijdensToevoeging; }
    const std::string& BegraafDetail() const { return Extra().BegraafDetail; }
    const std::string& BegraafAantekening() const { return Extra().BegraafAantekening; }
    const std::string& BegraafToevoeging() const { return Extra().BegraafToevoeging; }
    const std::string& CrematieDetail() const { return Extra().CrematieDetail; }
    const std::string& CrematieAantekening() const { return Extra().CrematieAantekening; }
    const std::string& CrematieToevoeging() const { return Extra().CrematieToevoeging; }
    std::int32_t OudersGezin() const { return Extra().OudersGezin; }

    recPersoon() = default;
    recPersoon(const recPersoon& o);
    recPersoon& operator=(const recPersoon& o);
    recPersoon(recPersoon&&) noexcept = default;
    recPersoon& operator=(recPersoon&&) noexcept = default;

  private:
    static const recPersoonExtra& Leeg();
    std::unique_ptr<recPersoonExtra> extra_;
};

struct recHuwelijk {
    std::string Ongebruikt; // the first text of the record, read by nothing
    std::string HuwelijkSoort, HuwelijkDatum, HuwelijkPlaats, HuwelijkAantekening, HuwelijkToevoeging;
};

struct recFamilieExtra {
    std::array<recHuwelijk, 7> Huwelijken{}; // slots 1 to 6
    std::string Bron, LaatstBijgewerkt;
};

struct recFamilie {
    std::int32_t Nummer = 0;
    std::int32_t Man = 0;
    std::int32_t Vrouw = 0;

    const recFamilieExtra& Extra() const { return extra_ ? *extra_ : Leeg(); }
    recFamilieExtra& ExtraWijzigen();
    const recHuwelijk& Huwelijken(int slot) const; // slot 1..6; other slots read empty
    const std::string& Bron() const { return Extra().Bron; }
    const std::string& LaatstBijgewerkt() const { return Extra().LaatstBijgewerkt; }

    recFamilie() = default;
    recFamilie(const recFamilie& o);
    recFamilie& operator=(const recFamilie& o);
    recFamilie(recFamilie&&) noexcept = default;
    recFamilie& operator=(recFamilie&&) noexcept = default;

  private:
    static const recFamilieExtra& Leeg();
    std::unique_ptr<recFamilieExtra> extra_;
};

// A 1-based table. Reading an index outside 1..filled gives an empty record, so a reference of
// 0 (or a stray number) never reaches past the store.
template <class T, int Capaciteit> class Tabel {
  public:
    static constexpr int capaciteit = Capaciteit;
    const T& operator[](std::int32_t i) const {
        return (i >= 1 && i < static_cast<std::int32_t>(rijen_.size())) ? rijen_[i] : leeg_;
    }
    // Mutable access for the reader and for tests; i must be 1..Gevuld().
    T& Wijzig(std::int32_t i) { return rijen_.at(static_cast<std::size_t>(i)); }
    // Appends an empty record numbered Gevuld()+1; false when the capacity is reached.
    bool Nieuw() {
        if (Gevuld() >= Capaciteit) return false;
        rijen_.emplace_back();
        rijen_.back().Nummer = Gevuld();
        return true;
    }
    std::int32_t Gevuld() const { return static_cast<std::int32_t>(rijen_.size()) - 1; }
    void Leeg() {
        rijen_.clear();
        rijen_.shrink_to_fit();
        rijen_.emplace_back();
    }
    void Reserveer(std::size_t n) { rijen_.reserve(n + 1); }

  private:
    std::vector<T> rijen_ = std::vector<T>(1);
    T leeg_{};
};

extern Tabel<recPersoon, MaxPersonen> Personen;
extern Tabel<recFamilie, MaxGezinnen> Gezinnen;
extern std::int32_t AantalPersonen;
extern std::int32_t AantalGezinnen;

// Empties both tables and sets both counters to 0 (the reader's first step).
void LeegOpslag();

} // namespace gdk
