#pragma once
// Large generated collections for the benchmarks: a .gdk file of invented cards and, when
// asked, an image folder (level 0: scans/<first letter>/<name>) with one small file a card.
// Dates are written as dd-mm-jjjj, so every date setting stores them unchanged; the image
// names are the names the reader expects, so the checks report only the planned oddities.
#include <filesystem>
#include <string>

namespace gdk::bench {

struct GenereerOpties {
    int personen = 200000;     // main persons and partners together (at most 200000)
    int gezinnen = 100000;     // lines with a partner (at most personen / 2 and 150000)
    bool afbeeldingen = false; // write the card images (and a photo for every card "ja")
    // Every this-many-th card carries an oddity a check reports (no sex, a long date, an image
    // name in other letter case, a missing image); 0 for none.
    int afwijkingElke = 50;
    // As in real collections: about one card in ten takes its image from 20 common names (a
    // scanner's scan0001.jpg, a bidprent.png; .png, .jpeg and names without extension among
    // them), and about one in fifty is a second copy of an earlier card line.
    bool gedeeldeAfbeeldingen = false;
    bool dubbeleKaarten = false;
    unsigned zaad = 1;
};

struct Collectie {
    std::filesystem::path gdk;   // the collection file
    std::filesystem::path scans; // the image folder (exists only with afbeeldingen)
    int regels = 0, personen = 0, gezinnen = 0;
};

// Writes the collection into `map` (created when missing). Code page: Windows-1252, CR LF.
Collectie GenereerCollectie(const std::filesystem::path& map, const GenereerOpties& opties = {});

// The settings the export benchmarks share: a fresh installation's, no checks while reading, the
// collection's scans at level 0, date and count under the letter pages, the program folder.
void ExportInstellingen(const Collectie& c, const std::filesystem::path& programmaMap);

// A temporary folder removed again with its contents when the object goes.
class TijdelijkeBenchMap {
  public:
    TijdelijkeBenchMap();
    ~TijdelijkeBenchMap();
    TijdelijkeBenchMap(const TijdelijkeBenchMap&) = delete;
    TijdelijkeBenchMap& operator=(const TijdelijkeBenchMap&) = delete;
    const std::filesystem::path& pad() const { return pad_; }

  private:
    std::filesystem::path pad_;
};

} // namespace gdk::bench
