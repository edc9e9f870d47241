// The end of a kept site's update: the previous export's files that this one did not write are
// removed (only while they still stand as listed), the folders left empty go, the folder is
// walked for what is not the program's, and the list is written anew (site.h).
#include "platform/bestanden_intern.h"
#include "platform/onder.h"
#include "platform/site.h"
#include "platform/site_intern.h"
#include "platform/vastleggen.h"
#include "platform/weigering.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk::fs {
namespace {

// Removes `rel` below the site folder `map` (a folder with `isMap`), never through a link.
bool VerwijderOnder(int map, std::string_view rel, bool isMap) {
    std::size_t naam = 0;
    const int ouder = OuderOnder(map, rel, naam);
    if (ouder < 0) return false;
    const bool weg = ::unlinkat(ouder, std::string(rel.substr(naam)).c_str(), isMap ? AT_REMOVEDIR : 0) == 0;
    const int fout = errno;
    ::close(ouder);
    errno = fout;
    return weg;
}

} // namespace

// What a walk of the site folder found, judged as the export ends: a folder of the program's
// that this export did not make part of the site goes when it is empty, a file the program did
// not write in a folder all of whose content is its own goes, and what is not the program's is
// named and left alone, with all it holds.
class SiteWandeling {
  public:
    SiteWandeling(Site& site, SiteUitkomst& uit) : site_(site), uit_(uit) {}

    // `ons`: everything in the site folder is the program's.
    void Verwerk(const std::vector<Gezien>& gezien, bool ons) {
        struct Boven {
            std::string_view pad;
            bool ons = false;
            bool vreemd = false; // not the program's: nothing in it is looked at
        };
        std::vector<Boven> boven; // the folders above the entry at hand
        for (const Gezien& g : gezien) {
            while (!boven.empty() && !(g.pad.size() > boven.back().pad.size() &&
                                       g.pad.compare(0, boven.back().pad.size(), boven.back().pad) == 0 &&
                                       g.pad[boven.back().pad.size()] == '/'))
                boven.pop_back();
            const bool vreemd = !boven.empty() && boven.back().vreemd;
            const bool onsHier = boven.empty() ? ons : boven.back().ons;
            if (!g.isMap) {
                if (!vreemd) Bestand(g.pad, onsHier);
                continue;
            }
            if (vreemd) {
                boven.push_back(Boven{g.pad, false, true});
                continue;
            }
            const SiteMap* m = site_.ZoekMap(g.pad);
            const bool deel = m && m->deel;
            if (!deel && !onsHier && !(m && (m->oud || m->geclaimd || m->nieuw))) {
                uit_.vreemd.push_back(g.pad + "/");
                boven.push_back(Boven{g.pad, false, true});
                continue;
            }
            boven.push_back(Boven{g.pad, onsHier || (m && (m->geclaimd || m->nieuw)), false});
            if (!deel) weg.push_back(g.pad);
        }
        // A folder comes before what it holds: backwards, the deepest go first.
        std::reverse(weg.begin(), weg.end());
    }

    std::vector<std::string> weg; // folders of the program's not in this export, deepest first

  private:
    void Bestand(const std::string& pad, bool ons) {
        if (const SiteBestand* b = site_.Zoek(pad)) {
            // Written or kept by this export, named as in the way, or dealt with as listed.
            if (b->staat != BestandStaat::Nieuw) return;
        }
        if (ons && VerwijderOnder(site_.Fd(), pad, false)) {
            uit_.verwijderd.push_back(pad);
            site_.gewijzigd_ = true;
            return;
        }
        uit_.vreemd.push_back(pad);
    }

    Site& site_;
    SiteUitkomst& uit_;
};

SiteUitkomst SiteScope::Afronden(bool volledig) {
    SiteUitkomst uit;
    if (!site_ || afgerond_) return uit;
    afgerond_ = true;
    Site& s = *site_;
    // The walk the look ahead made of the folder; from here on each file is asked as it stands now.
    std::vector<Gezien> gezien;
    const bool gewandeld = s.vooraf_ && s.vooraf_->Wandeling(gezien);
    s.vooraf_.reset();
    volledig_ = volledig;
    try {
        s.Synchroniseer();
    } catch (const SchrijfWeigering& w) {
        // What could not be made stays unmade; its claim passes on to the next update.
        volledig_ = false;
        s.uitstel_.clear();
        uit.fout = w.what();
    }
    if (volledig_ && s.Fd() >= 0) {
        // The previous export's files that this one did not write: removed where they still
        // stand as written, kept and named where someone changed them since.
        s.bestanden_.VoorElk([&](std::string_view rel, SiteBestand& b) {
            struct stat st {};
            if (b.staat == BestandStaat::Oud) {
                s.gewijzigd_ = true;
                if (!StatOnder(s.Fd(), rel, st) && errno == ENOENT) {
                    uit.verwijderd.emplace_back(rel);
                } else if (s.StatKlopt(rel, b) && VerwijderOnder(s.Fd(), rel, false)) {
                    uit.verwijderd.emplace_back(rel);
                } else {
                    uit.veranderd.emplace_back(rel);
                }
                b.staat = BestandStaat::InDeWeg; // no longer the program's
            } else if (b.staat == BestandStaat::Geclaimd) {
                s.gewijzigd_ = true;
                if (StatOnder(s.Fd(), rel, st) && !S_ISDIR(st.st_mode) && VerwijderOnder(s.Fd(), rel, false))
                    uit.verwijderd.emplace_back(rel);
                b.staat = BestandStaat::Nieuw; // gone, or someone's: the walk names it
            }
        });
        // A folder this export made holds nothing but what it wrote: no walk needed.
        SiteWandeling wandeling(s, uit);
        if (!(s.allesNieuw_ && !s.allesGeclaimd_)) {
            const auto Bekend = [&](std::string_view rel) {
                const SiteBestand* b = s.Zoek(rel);
                return b && b->staat != BestandStaat::Nieuw;
            };
            if (gewandeld || Verken(s.Fd(), Bekend, gezien))
                wandeling.Verwerk(gezien, s.allesGeclaimd_ || s.allesNieuw_);
        }
        for (const std::string& map : wandeling.weg) {
            SiteMap* m = s.ZoekMap(map);
            if (VerwijderOnder(s.Fd(), map, true)) {
                s.gewijzigd_ = true;
                if (m) *m = SiteMap{};
            } else if (m) {
                // Still holding something not the program's: kept, and still its own.
                m->oud = true;
                m->geclaimd = m->nieuw = false;
            } else {
                s.VoegMap(map).oud = true;
            }
        }
        // Claims are settled now; folders of the program's no longer in the site stay listed
        // only while they stand (holding something not its own).
        s.mappen_.VoorElk([&](std::string_view rel, SiteMap& m) {
            m.geclaimd = m.nieuw = false;
            struct stat st {};
            if (!m.deel && m.oud && !(StatOnder(s.Fd(), rel, st) && S_ISDIR(st.st_mode))) {
                m.oud = false;
                s.gewijzigd_ = true;
            }
        });
        s.allesGeclaimd_ = s.allesNieuw_ = false;
    }
    s.bestanden_.VoorElk([&](std::string_view rel, const SiteBestand& b) {
        if (b.staat == BestandStaat::Geschreven) uit.geschreven.emplace_back(rel);
        if (b.staat == BestandStaat::Ongewijzigd) ++uit.ongewijzigd;
    });
    uit.inDeWeg = s.inDeWeg_;
    for (auto* lijst : {&uit.geschreven, &uit.verwijderd, &uit.vreemd, &uit.inDeWeg, &uit.veranderd})
        std::sort(lijst->begin(), lijst->end());
    return uit;
}

bool SiteScope::Vastleggen() {
    if (!site_ || !afgerond_) return false;
    Site& s = *site_;
    if (s.gewijzigd_ || !lijstBestond_ || !volledig_) {
        // The lines in the order of their paths (a folder's claim before the folder), each
        // written straight into the text: a site of 270000 files is as many lines.
        enum Vorm : char { Claim = 'N', MapClaim = 'D', Ingang = 'I', MapIngang = 'M' };
        struct Regel {
            std::string_view pad;
            Vorm vorm;
            const SiteBestand* b;
        };
        std::vector<Regel> regels;
        regels.reserve(s.bestanden_.Grootte() + s.mappen_.Grootte());
        std::size_t lengte = 0;
        s.bestanden_.VoorElk([&](std::string_view rel, const SiteBestand& b) {
            // A rewrite the end never made leaves the file as it was known.
            const bool lijst =
                b.staat == BestandStaat::Geschreven || b.staat == BestandStaat::Ongewijzigd ||
                (!volledig_ && (b.staat == BestandStaat::Oud || b.staat == BestandStaat::Uitgesteld));
            if (lijst)
                regels.push_back(Regel{rel, Ingang, &b});
            else if (!volledig_ && b.staat == BestandStaat::Geclaimd)
                regels.push_back(Regel{rel, Claim, nullptr}); // passed on to the next update
            else
                return;
            lengte += rel.size() + b.bron.size() + 80;
        });
        s.mappen_.VoorElk([&](std::string_view rel, const SiteMap& m) {
            if (!(m.deel || m.oud || (!volledig_ && m.geclaimd))) return;
            regels.push_back(Regel{rel, MapIngang, nullptr});
            if (!volledig_ && (m.geclaimd || m.nieuw)) regels.push_back(Regel{rel, MapClaim, nullptr});
            lengte += 2 * rel.size() + 8;
        });
        std::sort(regels.begin(), regels.end(), [](const Regel& a, const Regel& b) {
            return a.pad != b.pad ? a.pad < b.pad : a.vorm < b.vorm;
        });
        std::string tekst = LijstKop(s.Pad().substr(s.Pad().find_last_of('/') + 1)) + "\n";
        tekst.reserve(lengte + 128);
        const bool alles = !volledig_ && (s.allesGeclaimd_ || s.allesNieuw_);
        if (alles) tekst += "ALLES\n";
        for (const Regel& r : regels) {
            if (r.vorm == Ingang) {
                const SiteBestand& b = *r.b;
                VoegLijstRegel(tekst, b.soort, r.pad, b.grootte, b.mtijd, b.inode, b.inhoud, b.bron);
            } else {
                tekst += static_cast<char>(r.vorm);
                tekst += '\t';
                VoegGecodeerd(tekst, r.pad);
            }
            tekst += '\n';
        }
        SluitAf(tekst, regels.size() + (alles ? 1 : 0));
        if (!VervangHeel(lijst_, tekst)) return false;
    }
    // The list now holds all the journal claimed.
    if (::unlink(journaal_.c_str()) != 0 && errno != ENOENT) return false;
    SynchroniseerMap(OuderVan(journaal_));
    return true;
}

std::vector<std::string> SiteScope::Bestanden() const {
    std::vector<std::string> uit;
    if (!site_) return uit;
    site_->bestanden_.VoorElk([&](std::string_view rel, const SiteBestand& b) {
        if (b.staat == BestandStaat::Geschreven || b.staat == BestandStaat::Ongewijzigd)
            uit.emplace_back(rel);
    });
    std::sort(uit.begin(), uit.end());
    return uit;
}

} // namespace gdk::fs
