#pragma once
// A folder's tree as tests compare it (names as the disk has them, '/' between parts).
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace gdk::test {

// Every file below `map` by its relative path, with its bytes.
std::map<std::string, std::string> Boom(const std::filesystem::path& map);
// Every file and folder below `map` with its modification time.
std::map<std::string, std::filesystem::file_time_type> Tijden(const std::filesystem::path& map);
// The relative paths of the folders below `map`, sorted.
std::vector<std::string> Mappen(const std::filesystem::path& map);

} // namespace gdk::test
