#include "support/tijdelijke_map.h"

#include <fstream>
#include <random>
#include <sstream>

namespace gdk::test {

TijdelijkeMap::TijdelijkeMap() {
    std::random_device rd;
    const auto basis = std::filesystem::temp_directory_path();
    do {
        pad_ = basis / ("gdk-test-" + std::to_string(rd()));
    } while (std::filesystem::exists(pad_));
    std::filesystem::create_directories(pad_);
}

TijdelijkeMap::~TijdelijkeMap() {
    std::error_code ec;
    std::filesystem::permissions(pad_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ec);
    std::filesystem::remove_all(pad_, ec);
}

std::string TijdelijkeMap::Schrijf(const std::string& relatief, const std::string& inhoud) const {
    const auto vol = pad_ / relatief;
    std::filesystem::create_directories(vol.parent_path());
    std::ofstream uit(vol, std::ios::binary);
    uit << inhoud;
    return vol.string();
}

std::string LeesBestand(const std::filesystem::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace gdk::test
