#pragma once
// The command-line front end. Each command is its own function in its own file; cli.cpp parses
// the options and dispatches. Exit status: 0 done, 1 the operation returned false, 2 bad usage
// or an input/output error.
#include <string>
#include <vector>

namespace gdk::cli {

constexpr int Klaar = 0;
constexpr int Mislukt = 1;
constexpr int Fout = 2;

// Thrown for bad usage; the message is printed and the exit status is 2.
struct GebruikFout {
    std::string melding; // UTF-8
};

// Parses a whole argument as a 32-bit integer, else throws GebruikFout naming `wat`.
int GetalArgument(const std::string& tekst, const std::string& wat);

// Runs activation, then the read command on `bestand` (a path as given on the command line).
// Returns false when the read returned false.
bool ActiveerEnLees(const std::string& bestand);

int Opties(const std::vector<std::string>& args);
int Inlezen(const std::vector<std::string>& args);
int Persoon(const std::vector<std::string>& args);
int Relatie(const std::vector<std::string>& args);
int Uitvoeren(const std::vector<std::string>& args);
int Bijwerken(const std::vector<std::string>& args);
int Publiceren(const std::vector<std::string>& args);

int Hoofd(int argc, char** argv);

} // namespace gdk::cli
