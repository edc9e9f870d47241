#include "export/publiceren.h"

#include "export/rclonelog.h"
#include "import/status.h"
#include "platform/bestanden.h"
#include "platform/gebruiker.h"
#include "platform/proces.h"
#include "platform/tekst1252.h"

#include <cerrno>
#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace gdk {

namespace {

constexpr int NietGevonden = 3; // rclone's exit status for a folder that is not there

const std::string Voorbeeld = "bijvoorbeeld mijnsite:public_html/gedenkjes";
const std::string Instelling = "(onder Opties, op het tabblad Bij uitvoeren)";

// Every call: a locked configuration fails instead of waiting for a password no one types,
// errors and statistics come as JSON lines, statistics every second without -v (whose line
// per file would be 270000 lines for a large site).
const std::vector<std::string> Gemeen = {"--ask-password=false", "--use-json-log", "--stats", "1s",
                                         "--stats-log-level",    "NOTICE"};

std::string Aantal(std::int64_t n, const char* een, const char* meer) {
    return std::to_string(n) + " " + (n == 1 ? een : meer);
}

// 1234567 -> "1,2 MB", as a Dutch reader writes it.
std::string Omvang(std::int64_t bytes) {
    if (bytes < 1024) return Aantal(bytes, "byte", "bytes");
    const char* eenheden[] = {"KB", "MB", "GB", "TB"};
    double n = static_cast<double>(bytes) / 1024;
    int e = 0;
    for (; n >= 1024 && e < 3; ++e)
        n /= 1024;
    const long tienden = static_cast<long>(n * 10 + 0.5);
    return std::to_string(tienden / 10) + "," + std::to_string(tienden % 10) + " " + eenheden[e];
}

// A relative path the remote may be given: no line break (it would be two names in rclone's
// list), nothing absolute, no ".." that leaves the target.
bool IsVeiligRelatief(const std::string& pad) {
    if (pad.empty() || pad.front() == '/' || EersteVan(pad, "\r\n") != std::string::npos) return false;
    for (std::size_t begin = 0; begin <= pad.size();) {
        const std::size_t eind = std::min(pad.find('/', begin), pad.size());
        if (pad.compare(begin, eind - begin, "..") == 0) return false;
        begin = eind + 1;
    }
    return true;
}

// `doel` + "/" + `pad`, for a target that is a remote's root ("naam:") or a folder.
std::string Onder(const std::string& doel, const std::string& pad) {
    const char slot = doel.back();
    return doel + (slot == ':' || slot == '/' ? "" : "/") + pad;
}

// What rclone said last about a failure, short enough for a message box, Windows-1252.
std::string Uitleg(const std::string& utf8) {
    std::string t = utf8;
    // "Failed to lsf with 2 errors: last error was: <the cause>"
    const std::string laatste = "last error was: ";
    if (const std::size_t p = t.rfind(laatste); p != std::string::npos) t.erase(0, p + laatste.size());
    if (t.size() > 400) t = t.substr(0, 400) + "...";
    return t.empty() ? "(geen uitleg)" : VanUtf8(t);
}

// What the status bar shows of a run's statistics.
enum class Toon { Niets, Verzenden, Verwijderen };

// One run of rclone at a time, with the status bar following its statistics and the counts of
// all runs added up.
class Rclone {
  public:
    explicit Rclone(Verzonden& verzonden) : verzonden_(verzonden) {}

    // False when rclone could not be started at all.
    bool Voer(const std::string& opdracht, const std::vector<std::string>& argumenten,
              std::string_view invoer = {}, Toon toon = Toon::Niets) {
        std::vector<std::string> argv = {"rclone", opdracht};
        argv.insert(argv.end(), Gemeen.begin(), Gemeen.end());
        argv.insert(argv.end(), argumenten.begin(), argumenten.end());
        fout_.clear();
        foutBestand_.clear();
        eerder_ = verzonden_;
        const ProcesUitkomst u = VoerUit(argv, invoer, [&](std::string_view regel) { Regel(regel, toon); });
        code_ = u.gestart ? u.code : -1;
        uit_ = u.uit;
        return u.gestart;
    }
    int Code() const { return code_; }
    const std::string& Uit() const { return uit_; }
    std::string Fout() const { return Uitleg(foutBestand_.empty() ? fout_ : foutBestand_); }

  private:
    void Regel(std::string_view regel, Toon toon) {
        const RcloneRegel r = LeesRcloneRegel(regel);
        // The last error about a file says more than rclone's closing summary of the run.
        if (r.isFout && !r.bestand.empty())
            foutBestand_ = r.bestand + ": " + r.tekst;
        else if (r.isFout)
            fout_ = r.tekst;
        if (!r.heeftStatistiek) return;
        // Each run counts from zero; its statistics are totals of the run so far.
        const RcloneStatistiek& s = r.statistiek;
        verzonden_.bestanden = eerder_.bestanden + s.bestanden;
        verzonden_.bytes = eerder_.bytes + s.bytes;
        verzonden_.verwijderd = eerder_.verwijderd + s.verwijderd;
        if (toon == Toon::Verzenden) {
            StatusLinks("Publiceren: " + std::to_string(s.bestanden) + " van " +
                        Aantal(s.totaalBestanden, "bestand", "bestanden") + " verzonden");
            StatusRechts(Omvang(s.bytes) + " van " + Omvang(s.totaalBytes));
        } else if (toon == Toon::Verwijderen) {
            StatusLinks("Publiceren: " + Aantal(s.verwijderd, "oud bestand", "oude bestanden") +
                        " verwijderd");
        }
    }

    Verzonden& verzonden_;
    Verzonden eerder_;
    std::string fout_, foutBestand_, uit_;
    int code_ = -1;
};

bool Meld(const std::string& tekst) {
    UI().Melding(tekst);
    return false;
}

bool GeenRclone() {
    return Meld("Het programma rclone, dat de site naar de server verzendt, is niet gevonden.\n\n"
                "Installeer het (bijvoorbeeld met: sudo apt install rclone), richt met rclone config de "
                "verbinding in en publiceer daarna opnieuw.");
}

// The remote's name as `rclone config` stores it: before the colon, without the options a
// connection string may add ("naam,optie=waarde:map").
std::string Verbinding(const std::string& doel) {
    const std::string voor = doel.substr(0, doel.find(':'));
    return voor.substr(0, voor.find(','));
}

// Does rclone know the remote? Its own list, so remotes from the environment count too.
bool VerbindingBekend(Rclone& rclone, const std::string& doel) {
    const std::string naam = Verbinding(doel);
    if (!rclone.Voer("listremotes", {})) return GeenRclone();
    if (rclone.Code() != 0)
        return Meld("rclone kan zijn instellingen niet lezen.\n\nrclone meldt: " + rclone.Fout() +
                    "\n\nControleer ze met rclone config en publiceer daarna opnieuw.");
    const std::string gezocht = NaarUtf8(naam) + ":";
    const std::string& lijst = rclone.Uit();
    for (std::size_t begin = 0; begin < lijst.size();) {
        const std::size_t eind = std::min(lijst.find('\n', begin), lijst.size());
        if (lijst.compare(begin, eind - begin, gezocht) == 0) return true;
        begin = eind + 1;
    }
    return Meld("De verbinding \"" + naam +
                "\" van \"Publiceren naar\" is bij rclone niet bekend.\n\n"
                "Richt haar in met rclone config, of kies bij \"Publiceren naar\" " +
                Instelling + " een verbinding die rclone listremotes noemt.");
}

// One quick listing with few retries: a server that is down or refuses the login says so in
// seconds, before anything is sent. A target folder that does not exist yet is fine.
bool Bereikbaar(Rclone& rclone, const std::string& doel) {
    if (!rclone.Voer("lsf", {"--max-depth", "1", "--retries", "1", "--low-level-retries", "1", "--contimeout",
                             "15s", "--timeout", "30s", "--", NaarUtf8(doel)}))
        return GeenRclone();
    if (rclone.Code() == 0 || rclone.Code() == NietGevonden) return true;
    return Meld("De server van \"" + doel + "\" is niet bereikbaar.\n\nrclone meldt: " + rclone.Fout() +
                "\n\nControleer de internetverbinding en de instellingen van de verbinding (rclone config), "
                "en publiceer daarna opnieuw. Er is niets verzonden.");
}

bool Mislukt(Rclone& rclone, const std::string& wat) {
    return Meld(wat + " is mislukt.\n\nrclone meldt: " + rclone.Fout() +
                "\n\nDe site op deze computer is ongewijzigd. Publiceer opnieuw wanneer de oorzaak verholpen "
                "is; wat nog niet op de server staat, wordt dan verzonden.");
}

// One name a line, as rclone's --files-from-raw reads it: no comment or blank rules.
std::string Lijst(const std::vector<std::string>& paden) {
    std::string uit;
    for (const std::string& p : paden)
        uit += p + "\n";
    return uit;
}

// The folders that the removals emptied and the update removed: of each removed file the
// highest folder that is gone here. rclone removes below it only folders left empty, so a file
// put there on the server by hand keeps its folder.
std::vector<std::string> WeggevallenMappen(const std::string& bron,
                                           const std::vector<std::string>& verwijderd) {
    std::set<std::string> mappen;
    for (const std::string& pad : verwijderd) {
        for (std::size_t p = pad.find('/'); p != std::string::npos; p = pad.find('/', p + 1)) {
            const std::string map = pad.substr(0, p);
            struct stat st {};
            if (::stat((bron + "/" + map).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
                mappen.insert(map);
                break;
            }
        }
    }
    return {mappen.begin(), mappen.end()};
}

} // namespace

bool KanPubliceren(const std::string& doel) {
    if (IsLeeg(doel))
        return Meld("Er is nog geen doel gekozen waarheen de site gepubliceerd wordt.\n\n"
                    "Vul het in bij \"Publiceren naar\" " +
                    Instelling +
                    ": de naam van een verbinding die u met rclone config hebt ingericht, een dubbele punt "
                    "en de map, " +
                    Voorbeeld + ".");
    if (IsLeeg(Verbinding(doel)) || doel.find(':') == std::string::npos)
        return Meld("\"" + doel +
                    "\" bij \"Publiceren naar\" noemt geen verbinding van rclone.\n\n"
                    "Schrijf daar " +
                    Instelling +
                    " de naam van een verbinding die u met rclone config hebt ingericht, een dubbele punt en "
                    "de map, " +
                    Voorbeeld + ".");
    Verzonden telling;
    Rclone rclone(telling);
    return VerbindingBekend(rclone, doel) && Bereikbaar(rclone, doel);
}

bool Verzend(const std::string& siteMap, const std::string& doel, const SiteWijzigingen& wijzigingen,
             Verzonden* verzonden) {
    Verzonden eigen;
    Verzonden& telling = verzonden ? *verzonden : eigen;
    telling = {};
    if (!fs::MapBestaat(siteMap))
        return Meld("De map van de site, " + siteMap +
                    ", bestaat niet.\n\nWerk de site eerst bij en publiceer daarna opnieuw.");
    Rclone rclone(telling);
    // A name the list of names cannot carry (a line break in it) goes on its own.
    std::vector<std::string> geschreven, los, verwijderd;
    for (const std::string& p : wijzigingen.geschreven)
        (IsVeiligRelatief(p) ? geschreven : los).push_back(p);
    // A first publish deletes nothing; a name that is not safe is kept there, never guessed at.
    if (!wijzigingen.eerste)
        for (const std::string& p : wijzigingen.verwijderd)
            if (IsVeiligRelatief(p)) verwijderd.push_back(p);
    if (geschreven.empty() && los.empty() && verwijderd.empty()) {
        StatusLinks("Publiceren: niets veranderd, niets te verzenden");
        return true;
    }
    StatusLinks("Publiceren naar " + doel + "...");
    StatusRechts("");

    // An absolute path, so that rclone never reads a folder named "x: y" as the remote "x".
    const std::string bron = std::filesystem::absolute(fs::OpSchijf(siteMap)).string();
    const std::string naar = NaarUtf8(doel);
    const std::string verzenden = "Het verzenden naar \"" + doel + "\"";
    // The files sent are sent whatever the server holds (--ignore-times): a page that changed but
    // kept its size looks the same to a server that keeps neither times nor checksums.
    if (!geschreven.empty()) {
        // Only the listed files, without listing the server's tree (--no-traverse).
        if (!rclone.Voer("copy",
                         {"--files-from-raw", "-", "--no-traverse", "--ignore-times", "--", bron, naar},
                         Lijst(geschreven), Toon::Verzenden))
            return GeenRclone();
        if (rclone.Code() != 0) return Mislukt(rclone, verzenden);
    }
    for (const std::string& p : los) {
        if (p.empty() || p.front() == '/') continue;
        if (!rclone.Voer("copyto", {"--ignore-times", "--", bron + "/" + p, Onder(naar, p)}, {},
                         Toon::Verzenden))
            return GeenRclone();
        if (rclone.Code() != 0) return Mislukt(rclone, verzenden);
    }
    // Removed only after everything new is there: when sending fails, the server keeps a site
    // whose links all still lead somewhere.
    const std::string opruimen = "Het verwijderen van oude bestanden op \"" + doel + "\"";
    if (!verwijderd.empty()) {
        if (!rclone.Voer("delete", {"--files-from-raw", "-", "--", naar}, Lijst(verwijderd),
                         Toon::Verwijderen))
            return GeenRclone();
        if (rclone.Code() != 0) return Mislukt(rclone, opruimen);
        for (const std::string& map : WeggevallenMappen(bron, verwijderd)) {
            if (!rclone.Voer("rmdirs", {"--retries", "1", "--", Onder(naar, map)})) return GeenRclone();
            if (rclone.Code() != 0 && rclone.Code() != NietGevonden) return Mislukt(rclone, opruimen);
        }
    }
    StatusLinks("Gepubliceerd naar " + doel + ": " + Aantal(telling.bestanden, "bestand", "bestanden") +
                " verzonden, " + std::to_string(telling.verwijderd) + " verwijderd");
    StatusRechts(Omvang(telling.bytes));
    return true;
}

bool Publiceren(const std::string& siteMap, const std::string& doel, const SiteWijzigingen& wijzigingen,
                Verzonden* verzonden) {
    if (verzonden) *verzonden = {};
    return KanPubliceren(doel) && Verzend(siteMap, doel, wijzigingen, verzonden);
}

} // namespace gdk
