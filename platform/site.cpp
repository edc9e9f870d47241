#include "platform/site.h"

#include "platform/bestanden_intern.h"
#include "platform/onder.h"
#include "platform/site_intern.h"
#include "platform/tekst1252.h"
#include "platform/uitvoerbestand.h"
#include "platform/vastleggen.h"
#include "platform/weigering.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdk::fs {
namespace {

// New names wait for one sync of their claims: at most this many, or this many bytes.
constexpr std::size_t MaxWachtend = 1000;
constexpr std::size_t MaxWachtendeBytes = 16 << 20;
// Rewrites of listed files wait for the end, up to this many bytes.
constexpr std::size_t MaxUitgesteldeBytes = 64 << 20;

constexpr std::string_view JournaalKopBegin = "GEDENKJES-JOURNAAL 1\t";

std::string_view OuderVanRel(std::string_view rel) {
    const std::size_t p = rel.rfind('/');
    return p == std::string_view::npos ? std::string_view() : rel.substr(0, p);
}

bool LeesFd(int fd, std::string& inhoud) {
    inhoud.clear();
    char buf[1 << 16];
    for (off_t plek = 0;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, plek);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        inhoud.append(buf, static_cast<std::size_t>(n));
        plek += n;
    }
}

SiteBestand Geclaimd() {
    SiteBestand b;
    b.staat = BestandStaat::Geclaimd;
    return b;
}

std::string NaamVan(const std::string& opSchijf) {
    const std::size_t p = opSchijf.find_last_of('/');
    return p == std::string::npos ? opSchijf : opSchijf.substr(p + 1);
}

// The journal's head: the site it is of, and the list it started from (a journal that names
// another list than the one beside the site is left over from an update that did end).
std::string JournaalKop(std::string_view naam, std::string_view lijst) {
    return std::string(JournaalKopBegin) + CodeerPad(naam) + "\t" +
           (lijst.empty() ? std::string("-") : AlsHex(HashVan(lijst))) + "\n";
}

} // namespace

// ---------------------------------------------------------------- the site's tables

Site::Site(std::string pad, bool bijhouden) : pad_(std::move(pad)), bijhouden_(bijhouden) {}

Site::~Site() {
    VergeetFd();
    if (journaal_ >= 0) ::close(journaal_);
}

bool Site::OpOfOnderMap(std::string_view opSchijf) const {
    return OpOfOnder(opSchijf, pad_);
}

std::string_view Site::Relatief(std::string_view opSchijf) const {
    if (opSchijf.size() <= pad_.size() + 1 || opSchijf[pad_.size()] != '/' ||
        opSchijf.compare(0, pad_.size(), pad_) != 0)
        return {};
    return opSchijf.substr(pad_.size() + 1);
}

int Site::Fd() {
    if (fd_ < 0) {
        fd_ = ::open(pad_.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat st {};
        schijf_ = fd_ >= 0 && ::fstat(fd_, &st) == 0 ? st.st_dev : 0;
    }
    return fd_;
}

void Site::VergeetFd() {
    // What was seen ahead was seen in the folder that is let go of.
    vooraf_.reset();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

SiteBestand& Site::Voeg(std::string_view rel, const SiteBestand& b) {
    const std::string_view sleutel = opslag_.Bewaar(rel);
    bestanden_.Voeg(sleutel, b);
    return *bestanden_.Zoek(sleutel);
}

SiteMap& Site::VoegMap(std::string_view rel) {
    vorigeGeldig_ = false;
    if (SiteMap* m = mappen_.Zoek(rel)) return *m;
    const std::string_view sleutel = opslag_.Bewaar(rel);
    mappen_.Voeg(sleutel, SiteMap{});
    return *mappen_.Zoek(sleutel);
}

// The folders above a file are asked for every file: the answer for the previous file's folder
// is kept, as an export writes a folder's files one after another.
bool Site::InNieuweMap(std::string_view rel) {
    if (allesNieuw_) return true;
    OuderIsDeel(rel);
    return vorigeNieuw_;
}

bool Site::InGeclaimdeMap(std::string_view rel) {
    if (allesGeclaimd_) return true;
    OuderIsDeel(rel);
    return vorigeGeclaimd_;
}

bool Site::OuderIsDeel(std::string_view rel) {
    const std::string_view ouder = OuderVanRel(rel);
    if (vorigeGeldig_ && ouder == vorigeOuder_) return vorigeDeel_;
    vorigeOuder_.assign(ouder);
    vorigeGeldig_ = true;
    vorigeNieuw_ = vorigeGeclaimd_ = false;
    vorigeDeel_ = ouder.empty();
    for (std::string_view map = ouder; !map.empty(); map = OuderVanRel(map)) {
        const SiteMap* m = mappen_.Zoek(map);
        if (!m) continue;
        if (map.size() == ouder.size()) vorigeDeel_ = m->deel;
        vorigeNieuw_ = vorigeNieuw_ || m->nieuw;
        vorigeGeclaimd_ = vorigeGeclaimd_ || m->geclaimd;
    }
    return vorigeDeel_;
}

bool Site::StatKlopt(std::string_view rel, const SiteBestand& b) {
    if (vooraf_ && b.vooraf)
        if (const Voorcontrole::Antwoord* a = vooraf_->Neem(b.vooraf - 1)) return a->zoalsGelijst;
    struct stat st {};
    return StatOnder(Fd(), rel, st) && S_ISREG(st.st_mode) &&
           static_cast<std::uint64_t>(st.st_size) == b.grootte && MtijdNs(st) == b.mtijd &&
           st.st_ino == b.inode;
}

bool Site::BronIdentiteitNu(const SiteBestand* b, const std::string& bron, Hash128& id) {
    if (vooraf_ && b && b->vooraf && vooraf_->VraagVan(b->vooraf - 1).bron == bron)
        if (const Voorcontrole::Antwoord* a = vooraf_->Neem(b->vooraf - 1); a && a->bronGezien) {
            errno = a->bronFout ? a->bronFout : EISDIR;
            if (a->bronFout || a->bronIsMap) return false;
            id = a->bronIdentiteit;
            return true;
        }
    struct stat sb {};
    if (::stat(bron.c_str(), &sb) != 0) return false;
    if (S_ISDIR(sb.st_mode)) {
        errno = EISDIR;
        return false;
    }
    id = BronIdentiteit(sb);
    return true;
}

void Site::BeginVoorcontrole() {
    std::vector<Voorcontrole::Vraag> vragen;
    vragen.reserve(bestanden_.Grootte());
    bestanden_.VoorElk([&](std::string_view rel, SiteBestand& b) {
        if (b.staat != BestandStaat::Oud) return;
        b.vooraf = static_cast<std::uint32_t>(vragen.size() + 1);
        vragen.push_back(
            {rel, b.grootte, b.mtijd, b.inode, b.soort == LijstSoort::Kopie ? b.bron : std::string_view()});
    });
    if (!vragen.empty()) vooraf_ = std::make_unique<Voorcontrole>(Fd(), std::move(vragen));
}

void Site::Neem(SiteBestand& b, const struct stat& st, LijstSoort soort, const Hash128& inhoud) {
    b.soort = soort;
    b.staat = BestandStaat::Geschreven;
    b.grootte = static_cast<std::uint64_t>(st.st_size);
    b.mtijd = MtijdNs(st);
    b.inode = st.st_ino;
    b.inhoud = inhoud;
    gewijzigd_ = true;
}

void Site::Claim(char soort, std::string_view rel) {
    wachtendeClaims_ += soort;
    wachtendeClaims_ += '\t';
    wachtendeClaims_ += CodeerPad(rel);
    wachtendeClaims_ += '\n';
}

void Site::TelSchrijving(std::string_view rel) {
    if (Staat().teller) fs::TelSchrijving(pad_ + "/" + std::string(rel));
}

void Site::InDeWeg(std::string_view rel, SiteBestand& b) {
    b.staat = BestandStaat::InDeWeg;
    inDeWeg_.emplace_back(rel);
}

// ---------------------------------------------------------------- writing on disk

int Site::OpenOm(std::string_view rel, const std::string& pad1252, bool nieuw, struct stat& st,
                 Uitslag& uitslag) {
    const int fd = OpenOnder(Fd(), rel, O_WRONLY | O_CREAT | O_NONBLOCK | (nieuw ? O_EXCL : 0));
    if (fd < 0) {
        const int fout = errno;
        if (fout == ELOOP || fout == EISDIR || fout == ENOTDIR || fout == EXDEV || fout == ENXIO ||
            (nieuw && fout == EEXIST)) {
            uitslag = Uitslag::InDeWeg;
            return -1;
        }
        ControleerWeigering(pad1252, fout);
        errno = fout;
        uitslag = Uitslag::Mislukt;
        return -1;
    }
    // A name made just now (O_EXCL) is a regular file of this export's: nothing to look at.
    if (nieuw) {
        st = {};
        return fd;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        uitslag = Uitslag::InDeWeg;
        return -1;
    }
    return fd;
}

Site::Uitslag Site::SchrijfOp(std::string_view rel, const std::string& pad1252, std::string_view bytes,
                              const Hash128& inhoud, bool nieuw) {
    // Written over, not emptied first (bestanden_intern.h).
    struct stat st {};
    Uitslag uitslag = Uitslag::Gelukt;
    const int fd = OpenOm(rel, pad1252, nieuw, st, uitslag);
    if (fd < 0) return uitslag;
    TelSchrijving(rel);
    bool goed = SchrijfAlles(fd, bytes) &&
                (nieuw || ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0) && ::fstat(fd, &st) == 0;
    int fout = errno;
    if (::close(fd) != 0 && goed) {
        goed = false;
        fout = errno;
    }
    if (!goed) {
        ControleerWeigering(pad1252, fout);
        errno = fout;
        return Uitslag::Mislukt;
    }
    Neem(*Zoek(rel), st, LijstSoort::Bestand, inhoud);
    return Uitslag::Gelukt;
}

bool Site::GelijkOpSchijf(std::string_view rel, std::string_view bytes, struct stat& st) {
    const int fd = OpenOnder(Fd(), rel, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    bool gelijk =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) == bytes.size();
    char buf[1 << 16];
    std::size_t gelezen = 0;
    while (gelijk) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            gelijk = n == 0 && gelezen == bytes.size();
            break;
        }
        const auto m = static_cast<std::size_t>(n);
        gelijk = gelezen + m <= bytes.size() && bytes.compare(gelezen, m, std::string_view(buf, m)) == 0;
        gelezen += m;
    }
    ::close(fd);
    return gelijk;
}

// ---------------------------------------------------------------- text files

bool Site::BeginBestand(std::string_view rel, const std::string& opSchijf, const std::string& pad1252,
                        BestandPlan& plan) {
    plan = {};
    // The file made now, so that one that cannot be made fails here as any other would.
    const auto maak = [&](int vlaggen) {
        plan.fd = OpenOnder(Fd(), rel, O_WRONLY | O_CREAT | vlaggen);
        if (plan.fd < 0) {
            const int fout = errno;
            ControleerWeigering(pad1252, fout);
            errno = fout;
            return false;
        }
        TelSchrijving(rel);
        return true;
    };
    if (!bijhouden_) {
        Aangemaakt(opSchijf, Soort::Bestand);
        if (Zoek(rel)) return plan.verzamel = true; // written before in this export: decided at its close
        return maak(O_TRUNC);
    }
    // As in a fresh export, a file can only be made in a folder the export made.
    if (!OuderIsDeel(rel)) {
        errno = ENOENT;
        return false;
    }
    Aangemaakt(opSchijf, Soort::Bestand);
    if (Zoek(rel)) return plan.verzamel = true;
    if (InNieuweMap(rel)) {
        // In a folder this export made nothing is there but its own: written as it comes.
        return maak(O_EXCL);
    }
    SiteBestand b;
    struct stat st {};
    if (InGeclaimdeMap(rel))
        b.staat = BestandStaat::Geclaimd;
    else if (StatOnder(Fd(), rel, st))
        b.staat = BestandStaat::Bezet; // something the list does not know has the name
    Voeg(rel, b);
    return plan.verzamel = true;
}

bool Site::SluitGestroomd(std::string_view rel, int fd, const Hash128& inhoud, const std::string& pad1252) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ControleerWeigering(pad1252, errno);
        return false;
    }
    SiteBestand* b = Zoek(rel);
    Neem(b ? *b : Voeg(rel, SiteBestand{}), st, LijstSoort::Bestand, inhoud);
    return true;
}

bool Site::SluitVerzameld(std::string_view rel, const std::string& opSchijf, const std::string& pad1252,
                          std::string_view bytes, bool stil) {
    SiteBestand* b = Zoek(rel);
    if (!b) return true;
    const Hash128 inhoud = HashVan(bytes);
    const bool zelfde = b->soort == LijstSoort::Bestand && b->inhoud == inhoud && b->grootte == bytes.size();
    const auto Schrijf = [&] {
        const Uitslag u = SchrijfOp(rel, pad1252, bytes, inhoud, false);
        if (u == Uitslag::InDeWeg) InDeWeg(rel, *Zoek(rel));
        return u != Uitslag::Mislukt;
    };
    struct stat st {};
    switch (b->staat) {
    case BestandStaat::Geschreven:
    case BestandStaat::Ongewijzigd:
        // Written before in this export: the same bytes are there; a rewrite not closed is
        // dropped, as it was only ever in memory.
        if (stil || zelfde) return true;
        // Found as listed, now written over: remembered as listed (see below).
        if (b->staat == BestandStaat::Ongewijzigd && b->soort == LijstSoort::Bestand)
            herschreven_.emplace(std::string(rel), *b);
        // A plain site has no end that would write what waits: written now.
        if (!bijhouden_) return Schrijf();
        StelUit(rel, *b, bytes, inhoud, pad1252, true);
        return true;
    case BestandStaat::Uitgesteld: {
        if (stil) return true;
        const auto h = herschrijven_.find(std::string(rel));
        if (h->second.kanTerug && zelfde) {
            // Back to the bytes the file holds: nothing to write after all.
            herschrijfBytes_ -= h->second.bytes.size();
            b->staat = h->second.terug;
            herschrijven_.erase(h);
            return true;
        }
        herschrijfBytes_ += bytes.size() - h->second.bytes.size();
        h->second.bytes.assign(bytes);
        h->second.inhoud = inhoud;
        return true;
    }
    case BestandStaat::Oud: {
        const bool zoalsGelijst = StatKlopt(rel, *b);
        if (zelfde && zoalsGelijst) {
            b->staat = BestandStaat::Ongewijzigd;
            return true;
        }
        // Two cards can give one page: an earlier one may write it over before the later one
        // writes back what the list holds. Remembered, so that the file then counts as it was.
        if (b->soort == LijstSoort::Bestand && zoalsGelijst) herschreven_.emplace(std::string(rel), *b);
        // Listed with these bytes but changed since (an update cut off while it wrote it): the
        // bytes decide, and the file counts as written either way.
        if (zelfde && GelijkOpSchijf(rel, bytes, st)) {
            Neem(*b, st, LijstSoort::Bestand, inhoud);
            return true;
        }
        StelUit(rel, *b, bytes, inhoud, pad1252, zoalsGelijst && b->soort == LijstSoort::Bestand);
        return true;
    }
    case BestandStaat::Geclaimd:
        if (GelijkOpSchijf(rel, bytes, st)) {
            Neem(*b, st, LijstSoort::Bestand, inhoud);
            return true;
        }
        // Made or not yet made by the update that claimed it: written either way. (Whether it
        // exists cannot be told from errno here: a read that went well leaves an older one.)
        return Schrijf();
    case BestandStaat::Nieuw: {
        Uitstel& u = Wacht(rel, *b, opSchijf, pad1252);
        uitstelBytes_ += bytes.size();
        u.bytes.assign(bytes);
        u.inhoud = inhoud;
        u.kopie = false;
        WachtrijVol();
        return true;
    }
    case BestandStaat::Bezet:
        // Already these bytes (a list cut off lost its line): the program's again, untouched.
        if (!stil && GelijkOpSchijf(rel, bytes, st)) {
            Neem(*b, st, LijstSoort::Bestand, inhoud);
            return true;
        }
        InDeWeg(rel, *b);
        return true;
    case BestandStaat::InDeWeg:
        return true;
    }
    return true;
}

void Site::StelUit(std::string_view rel, SiteBestand& b, std::string_view bytes, const Hash128& inhoud,
                   const std::string& pad1252, bool kanTerug) {
    Herschrijving h;
    h.bytes.assign(bytes);
    h.pad1252 = pad1252;
    h.inhoud = inhoud;
    h.kanTerug = kanTerug;
    h.terug = b.staat == BestandStaat::Geschreven ? BestandStaat::Geschreven : BestandStaat::Ongewijzigd;
    herschrijfBytes_ += bytes.size();
    herschrijven_.insert_or_assign(std::string(rel), std::move(h));
    b.staat = BestandStaat::Uitgesteld;
    if (herschrijfBytes_ >= MaxUitgesteldeBytes) SchrijfUitgesteld();
}

void Site::SchrijfUitgesteld() {
    // One at a time out of the table: a file still waiting is always in it.
    while (!herschrijven_.empty()) {
        auto knoop = herschrijven_.extract(herschrijven_.begin());
        const std::string& rel = knoop.key();
        const Herschrijving& h = knoop.mapped();
        herschrijfBytes_ -= h.bytes.size();
        SiteBestand* b = Zoek(rel);
        if (!b || b->staat != BestandStaat::Uitgesteld) continue;
        const Uitslag u = SchrijfOp(rel, h.pad1252, h.bytes, h.inhoud, false);
        if (u == Uitslag::InDeWeg) {
            InDeWeg(rel, *Zoek(rel));
        } else if (u == Uitslag::Mislukt) {
            // Written over in part, perhaps: listed as it was known, the next update finds it changed.
            const int fout = errno;
            Zoek(rel)->staat = BestandStaat::Oud;
            StopNaFout(h.pad1252, fout);
        } else {
            TerugZoalsGelijst(rel);
        }
    }
}

void Site::TerugZoalsGelijst(std::string_view rel) {
    const auto v = herschreven_.find(std::string(rel));
    SiteBestand* b = Zoek(rel);
    if (v == herschreven_.end() || !b || b->staat != BestandStaat::Geschreven) return;
    const SiteBestand& gelijst = v->second;
    if (b->inhoud != gelijst.inhoud || b->grootte != gelijst.grootte || b->inode != gelijst.inode) return;
    // Written over in place: only its time differs from the list's, and it gets that back.
    const int fd = OpenOnder(Fd(), rel, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return;
    struct timespec tijden[2] = {
        {0, UTIME_OMIT},
        {static_cast<time_t>(gelijst.mtijd / 1000000000), static_cast<long>(gelijst.mtijd % 1000000000)}};
    const bool gezet = ::futimens(fd, tijden) == 0;
    ::close(fd);
    if (!gezet) return;
    b->mtijd = gelijst.mtijd;
    b->staat = BestandStaat::Ongewijzigd;
}

Site::Uitstel& Site::Wacht(std::string_view rel, SiteBestand& b, const std::string& opSchijf,
                           const std::string& pad1252) {
    if (b.wachtrij == 0) {
        Claim('N', rel);
        Uitstel u;
        u.rel = rel;
        u.opSchijf = opSchijf;
        u.pad1252 = pad1252;
        uitstel_.push_back(std::move(u));
        b.wachtrij = static_cast<std::uint32_t>(uitstel_.size());
    }
    return uitstel_[b.wachtrij - 1];
}

void Site::WachtrijVol() {
    if (uitstel_.size() >= MaxWachtend || uitstelBytes_ >= MaxWachtendeBytes) Synchroniseer();
}

void Site::Synchroniseer() {
    if (!wachtendeClaims_.empty()) {
        // The claims reach the disk before any of the names they claim exists.
        if (!SchrijfAlles(journaal_, wachtendeClaims_) || ::fdatasync(journaal_) != 0) {
            StopNaFout(VanUtf8(pad_ + ".gdkjournaal"), errno);
            return;
        }
        wachtendeClaims_.clear();
    }
    std::vector<Uitstel> wachtend = std::move(uitstel_);
    uitstel_.clear();
    uitstelBytes_ = 0;
    for (Uitstel& u : wachtend) {
        SiteBestand* b = Zoek(u.rel);
        if (!b || b->staat != BestandStaat::Nieuw) continue;
        b->wachtrij = 0;
        const Uitslag r = u.kopie ? KopieerOp(u.rel, u.bron, u.pad1252, true)
                                  : SchrijfOp(u.rel, u.pad1252, u.bytes, u.inhoud, true);
        if (r == Uitslag::InDeWeg)
            InDeWeg(u.rel, *Zoek(u.rel));
        else if (r == Uitslag::Mislukt)
            StopNaFout(u.pad1252, errno);
        u.bytes = {};
    }
    SchrijfUitgesteld();
}

// ---------------------------------------------------------------- folders

bool Site::MaakMap(std::string_view rel, const std::string& opSchijf) {
    if (rel.empty()) {
        // The site folder itself; its claim (the whole folder) reached the disk when the
        // update began.
        if (Fd() >= 0) return true;
        if (::mkdir(pad_.c_str(), 0777) != 0 && errno != EEXIST) {
            ControleerWeigering(VanUtf8(pad_), errno, true);
            return false;
        }
        Aangemaakt(pad_, Soort::Map);
        gewijzigd_ = true;
        return Fd() >= 0;
    }
    if (const SiteMap* m = ZoekMap(rel); m && m->deel) return true;
    if (!OuderIsDeel(rel)) {
        errno = ENOENT;
        return false;
    }
    const auto Gemaakt = [&] {
        SiteMap& m = VoegMap(rel);
        m.deel = m.nieuw = true;
        Aangemaakt(opSchijf, Soort::Map);
        gewijzigd_ = true;
        return true;
    };
    // In a folder this export made there are only its own names and no link: made at once, and
    // only a name already taken goes the careful way below.
    const bool inNieuweMap = InNieuweMap(rel);
    if (inNieuweMap && ::mkdirat(Fd(), std::string(rel).c_str(), 0777) == 0) return Gemaakt();
    struct stat st {};
    if (StatOnder(Fd(), rel, st)) {
        if (!S_ISDIR(st.st_mode)) {
            inDeWeg_.push_back(std::string(rel) + "/");
            errno = ENOTDIR;
            return false;
        }
        VoegMap(rel).deel = true;
        Aangemaakt(opSchijf, Soort::Map);
        return true;
    }
    if (errno != ENOENT) {
        ControleerWeigering(VanUtf8(opSchijf), errno, true);
        return false;
    }
    if (!inNieuweMap) {
        Claim('M', rel);
        Synchroniseer();
    }
    std::size_t naam = 0;
    const int ouder = OuderOnder(Fd(), rel, naam);
    const int gemaakt = ouder < 0 ? -1 : ::mkdirat(ouder, std::string(rel.substr(naam)).c_str(), 0777);
    const int fout = errno;
    if (ouder >= 0) ::close(ouder);
    if (gemaakt != 0) {
        ControleerWeigering(VanUtf8(opSchijf), fout, true);
        errno = fout;
        return false;
    }
    return Gemaakt();
}

// ---------------------------------------------------------------- the sites being written

Site* SiteVan(std::string_view opSchijf) {
    std::vector<Site*>& sites = Staat().sites;
    for (auto it = sites.rbegin(); it != sites.rend(); ++it)
        if (!(*it)->Relatief(opSchijf).empty()) return *it;
    return nullptr;
}

bool InBijgehoudenSite(std::string_view opSchijf) {
    for (const Site* s : Staat().sites)
        if (s->Bijhouden() && s->IsOnder(opSchijf)) return true;
    return false;
}

Hash128 BronIdentiteit(const struct stat& st) {
    const std::uint64_t delen[4] = {static_cast<std::uint64_t>(st.st_ino),
                                    static_cast<std::uint64_t>(st.st_size),
                                    static_cast<std::uint64_t>(MtijdNs(st)),
                                    static_cast<std::uint64_t>(st.st_ctim.tv_sec) * 1000000000 +
                                        static_cast<std::uint64_t>(st.st_ctim.tv_nsec)};
    return HashVan(std::string_view(reinterpret_cast<const char*>(delen), sizeof delen));
}

// ---------------------------------------------------------------- opening a kept site

SiteScope::SiteScope(const std::string& map1252) {
    Open(map1252);
}

SiteScope::~SiteScope() {
    if (!site_) return;
    std::vector<Site*>& sites = Staat().sites;
    sites.erase(std::remove(sites.begin(), sites.end(), site_.get()), sites.end());
    // The listings below it were this export's view, not the disk's.
    if (Cache* c = Staat().cache.get())
        std::erase_if(c->mappen, [&](const auto& m) { return site_->IsOnder(m.first); });
    VergeetOpgeloste();
}

const std::string& SiteScope::Map() const {
    static const std::string geen;
    return site_ ? site_->Pad() : geen;
}

void SiteScope::Open(const std::string& map1252) {
    const std::string map = OpSchijf(map1252);
    const std::string naam = NaamVan(map);
    lijst_ = map + ".gdklijst";
    journaal_ = map + ".gdkjournaal";
    const auto Mis = [&](SiteOpening o, int fout = 0) {
        site_.reset();
        opening_ = o;
        fout_ = fout;
    };
    struct stat st {};
    const bool bestaat = ::lstat(map.c_str(), &st) == 0;
    if (!bestaat && errno != ENOENT) return Mis(SiteOpening::Mislukt, errno);
    if (bestaat && !S_ISDIR(st.st_mode)) return Mis(SiteOpening::GeenMap);
    // The folder above it holds the list and the journal.
    if (!MaakMappenOpSchijf(OuderVan(map))) return Mis(SiteOpening::Mislukt, errno);

    // The journal is the lock: one update of a site at a time, the lock gone with the process.
    int fd = -1;
    for (;;) {
        fd = ::open(journaal_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) return Mis(SiteOpening::Mislukt, errno);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int fout = errno;
            ::close(fd);
            return Mis(fout == EWOULDBLOCK ? SiteOpening::Bezet : SiteOpening::Mislukt, fout);
        }
        // Locked, but the one that held it may have removed it meanwhile: then again.
        struct stat a {
        }, b{};
        if (::fstat(fd, &a) == 0 && ::stat(journaal_.c_str(), &b) == 0 && a.st_ino == b.st_ino &&
            a.st_dev == b.st_dev)
            break;
        ::close(fd);
    }
    site_ = std::make_unique<Site>(map, true);
    site_->journaal_ = fd;

    std::string journaal, lijst;
    if (!LeesFd(fd, journaal)) return Mis(SiteOpening::Mislukt, errno);
    lijstBestond_ = LeesHeel(lijst_, lijst);
    const std::string kop = JournaalKop(naam, lijst);
    const auto Weiger = [&](SiteOpening o) {
        // A journal this attempt made and nothing else: gone again.
        if (journaal.empty()) ::unlink(journaal_.c_str());
        Mis(o);
    };
    if (lijstBestond_ && LeesGecontroleerd(lijst).kop != LijstKop(naam))
        return Weiger(SiteOpening::AndereLijst);
    const bool journaalVanNu = !journaal.empty() && journaal.compare(0, kop.size(), kop) == 0;
    if (!journaal.empty() && journaal.compare(0, JournaalKopBegin.size(), JournaalKopBegin) != 0)
        return Weiger(SiteOpening::AndereLijst);
    if (bestaat && !lijstBestond_ && !journaalVanNu) return Weiger(SiteOpening::Vreemd);

    if (lijstBestond_) LaadLijst(lijst);
    if (journaalVanNu) {
        hersteld_ = true;
        LaadJournaal(std::string_view(journaal).substr(kop.size()));
    } else if (!journaal.empty()) {
        // Left over from an update that ended: its list beside it holds all it made.
        hersteld_ = true;
        if (::ftruncate(fd, 0) != 0) return Mis(SiteOpening::Mislukt, errno);
        journaal.clear();
    }
    std::string begin = journaal.empty() ? kop : std::string();
    if (!bestaat) {
        site_->allesNieuw_ = true;
        begin += "ALLES\n";
    }
    if (!begin.empty() && (::lseek(fd, 0, SEEK_END) < 0 || !SchrijfAlles(fd, begin) ||
                           (!bestaat ? ::fdatasync(fd) != 0 : false)))
        return Mis(SiteOpening::Mislukt, errno);
    if (hersteld_ || beschadigd_) site_->gewijzigd_ = true;
    opening_ = bestaat ? SiteOpening::Bestaand : SiteOpening::Nieuw;
    // Below it the resolver sees what this export made, nothing else yet.
    if (Cache* c = Staat().cache.get())
        std::erase_if(c->mappen, [&](const auto& m) { return site_->IsOnder(m.first); });
    Staat().sites.push_back(site_.get());
    VergeetOpgeloste();
    if (bestaat && lijstBestond_) site_->BeginVoorcontrole();
}

void SiteScope::LaadLijst(std::string_view tekst) {
    const GecontroleerdeTekst t = LeesGecontroleerd(tekst);
    beschadigd_ = !t.heel;
    Site& s = *site_;
    s.bestanden_.Reserveer(t.regels.size());
    LijstIngang e;
    for (const std::string_view regel : t.regels) {
        // Claims an update that did not end passed on: the program's, bytes unknown.
        if (regel == "ALLES") {
            s.allesGeclaimd_ = true;
            continue;
        }
        if (regel.size() > 2 && (regel[0] == 'N' || regel[0] == 'D') && regel[1] == '\t') {
            if (!DecodeerPad(regel.substr(2), e.pad)) {
                beschadigd_ = true;
            } else if (regel[0] == 'D') {
                s.VoegMap(e.pad).geclaimd = true;
            } else if (!s.Zoek(e.pad)) {
                s.Voeg(e.pad, Geclaimd());
            }
            continue;
        }
        if (!LeesLijstRegel(regel, e)) {
            beschadigd_ = true;
            continue;
        }
        if (e.soort == LijstSoort::Map) {
            s.VoegMap(e.pad).oud = true;
            continue;
        }
        if (s.Zoek(e.pad)) {
            beschadigd_ = true;
            continue;
        }
        s.Voeg(e.pad, SiteBestand{e.soort, BestandStaat::Oud, e.grootte, e.mtijd, e.inode, e.inhoud,
                                  e.bron.empty() ? std::string_view() : s.opslag_.Bewaar(e.bron)});
    }
}

void SiteScope::LaadJournaal(std::string_view tekst) {
    Site& s = *site_;
    std::string pad;
    // Only whole lines: a line cut off never reached the disk before what it claims.
    for (std::size_t begin = 0; begin < tekst.size();) {
        const std::size_t lf = tekst.find('\n', begin);
        if (lf == std::string_view::npos) break;
        const std::string_view regel = tekst.substr(begin, lf - begin);
        begin = lf + 1;
        if (regel == "ALLES") {
            s.allesGeclaimd_ = true;
        } else if (regel.size() > 2 && regel[1] == '\t' && DecodeerPad(regel.substr(2), pad)) {
            if (regel[0] == 'M') s.VoegMap(pad).geclaimd = true;
            if (regel[0] == 'N' && !s.Zoek(pad)) s.Voeg(pad, Geclaimd());
        }
    }
}

} // namespace gdk::fs
