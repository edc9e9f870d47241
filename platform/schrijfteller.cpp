#include "platform/schrijfteller.h"

#include "platform/bestanden_intern.h"

#include <algorithm>

namespace gdk::fs {

SchrijfTeller::SchrijfTeller() {
    Staat().teller = this;
}

SchrijfTeller::~SchrijfTeller() {
    Staat().teller = nullptr;
}

std::size_t SchrijfTeller::Aantal(const std::string& opSchijf) const {
    const auto it = aantallen_.find(opSchijf);
    return it == aantallen_.end() ? 0 : it->second;
}

std::vector<std::string> SchrijfTeller::Herschreven() const {
    std::vector<std::string> uit;
    for (const auto& [pad, n] : aantallen_)
        if (n > 1) uit.push_back(pad);
    std::sort(uit.begin(), uit.end());
    return uit;
}

void TelSchrijving(const std::string& opSchijf) {
    SchrijfTeller* teller = Staat().teller;
    if (!teller) return;
    ++teller->aantallen_[opSchijf];
    ++teller->totaal_;
    if (teller->daarna) teller->daarna(teller->totaal_);
}

} // namespace gdk::fs
