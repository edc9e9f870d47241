#pragma once
// The lines of the browsing lists. Every line ends in a marker and a number that the
// double-click handlers read back: " %" and the person index for a person line, " #" and the
// person's first family for a relation line.
#include <QStringList>

#include <cstdint>
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

// The sorted lines of one letter tab (surnames whose first character in capitals is `letter`).
std::vector<std::string> LetterRegels(char letter, bool relaties);
// The sorted lines of every listed person.
std::vector<std::string> AlleRegels(bool relaties, bool achternaamEerst);

// Replaces the list's lines; the lines are in their order already, the list does not sort.
void VulLijst(QListWidget* lijst, const std::vector<std::string>& regels);

// The number after the last `marker` of a line; false when there is none.
bool RegelNummer(const std::string& regel, char marker, std::int32_t& nummer);
