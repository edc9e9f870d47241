#pragma once
// The record beside a site folder of where the site was published and what of it is not there
// yet: "<site>.gdkpubliceren". Every update adds what it wrote and removed; a publish to the
// recorded target sends exactly that and then empties it. One target holds one site: a target
// that got one site type of a collection is not given another.
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace gdk {

namespace fs {
struct SiteUitkomst;
}

struct Publicatie {
    std::vector<std::string> doelen; // every target the site went to (Windows-1252), the current last
    // On the current target: paths below the site (on disk, UTF-8) not yet sent, not yet deleted.
    std::set<std::string> verzenden, verwijderen;
};

// The record of site type `type`; none when there is none or when it cannot be believed (cut
// off, edited by hand): the next publish is then a first one.
std::optional<Publicatie> LeesPublicatie(int type);
// False (errno set) when it cannot be written; the record is then as it was.
bool SchrijfPublicatie(int type, const Publicatie& publicatie);
// What an update did, added to the record of a site that was ever published. False (errno set)
// when the record cannot be written.
bool NoteerWijzigingen(int type, const fs::SiteUitkomst& uitkomst);

// The target as it is compared: without blanks around it and without a closing '/'.
std::string NormaalDoel(const std::string& doel);
// Another site type of this collection that went to `doel` (normalised), or 0.
int AnderTypeOpDoel(int type, const std::string& doel);

} // namespace gdk
