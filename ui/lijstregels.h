#pragma once
// The lines of the browsing lists. Every line ends in a marker and a number that the
// double-click handlers read back: " %" and the person index for a person line, " #" and the
// person's first family for a relation line.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

class QListWidget;

// "* " birth date (and place), else "+ " death date, else "[] " burial date; fields as stored.
std::string LijstDatum(std::int32_t persoon);

// The name part: surname first ("Achternaam, Voornamen") or first names first.
std::string PersoonRegel(std::int32_t persoon, bool achternaamEerst);
std::string RelatieRegel(std::int32_t persoon, bool achternaamEerst);

// Listed at all: first names and surname non-empty (and, for relations, a first family).
bool InPersoonLijst(std::int32_t persoon);
bool InRelatieLijst(std::int32_t persoon);

// The listed persons in the order of their lines, sorted once for the collection read and kept:
// a letter tab, a sort order and the search then take their lines from an order, and a list of
// 200000 costs its filling, not a sort.
class LijstVolgorden {
  public:
    // Forgets every order: they belong to the collection read before.
    void Wis();
    // The persons of the person lines (`relaties`: of the relation lines) in the order of those
    // lines with the surname or the first names first; sorted on first use.
    const std::vector<std::int32_t>& Volgorde(bool relaties, bool achternaamEerst);
    // The persons of a letter tab, in order: their surname's first character in capitals is `letter`.
    std::vector<std::int32_t> Letter(bool relaties, char letter);

  private:
    struct Lijst {
        std::vector<std::int32_t> personen;
        std::vector<char> letters; // the first character of each line, in capitals (A-Z only)
    };
    const Lijst& Maak(bool relaties, bool achternaamEerst);
    Lijst lijsten_[2][2];
    bool gemaakt_[2][2] = {};
};

// The lines of `personen`, in their order.
std::vector<std::string> LijstRegels(const std::vector<std::int32_t>& personen, bool relaties,
                                     bool achternaamEerst);
// Replaces the list's lines by those of the first `hoogstens` of `personen`, in their order; the
// list does not sort.
void VulLijst(QListWidget* lijst, const std::vector<std::int32_t>& personen, bool relaties,
              bool achternaamEerst, std::size_t hoogstens = std::numeric_limits<std::size_t>::max());

// The number after the last `marker` of a line; false when there is none.
bool RegelNummer(const std::string& regel, char marker, std::int32_t& nummer);
