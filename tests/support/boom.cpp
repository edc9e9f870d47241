#include "support/boom.h"

#include "support/tijdelijke_map.h"

#include <algorithm>

namespace gdk::test {

std::map<std::string, std::string> Boom(const std::filesystem::path& map) {
    std::map<std::string, std::string> boom;
    for (const auto& e : std::filesystem::recursive_directory_iterator(map))
        if (e.is_regular_file() && !e.is_symlink())
            boom[std::filesystem::relative(e.path(), map).string()] = LeesBestand(e.path());
    return boom;
}

std::map<std::string, std::filesystem::file_time_type> Tijden(const std::filesystem::path& map) {
    std::map<std::string, std::filesystem::file_time_type> tijden;
    for (const auto& e : std::filesystem::recursive_directory_iterator(map))
        tijden[std::filesystem::relative(e.path(), map).string()] = e.last_write_time();
    return tijden;
}

std::vector<std::string> Mappen(const std::filesystem::path& map) {
    std::vector<std::string> mappen;
    for (const auto& e : std::filesystem::recursive_directory_iterator(map))
        if (e.is_directory() && !e.is_symlink())
            mappen.push_back(std::filesystem::relative(e.path(), map).string());
    std::sort(mappen.begin(), mappen.end());
    return mappen;
}

} // namespace gdk::test
