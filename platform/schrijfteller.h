#pragma once
// While alive, counts each time a file is created or rewritten, per on-disk path: how an export
// shows that it wrote every file once.
#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace gdk::fs {

class SchrijfTeller {
  public:
    SchrijfTeller();
    ~SchrijfTeller();
    SchrijfTeller(const SchrijfTeller&) = delete;
    SchrijfTeller& operator=(const SchrijfTeller&) = delete;
    std::size_t Aantal(const std::string& opSchijf) const;
    std::size_t Totaal() const { return totaal_; }
    std::size_t Bestanden() const { return aantallen_.size(); }
    // Paths written more than once.
    std::vector<std::string> Herschreven() const;
    // Called with the total after each count, before the bytes counted are written: where a
    // test stops the process, to see that the next export repairs what it left.
    std::function<void(std::size_t)> daarna;

  private:
    friend void TelSchrijving(const std::string& opSchijf);
    std::unordered_map<std::string, std::size_t> aantallen_;
    std::size_t totaal_ = 0;
};

} // namespace gdk::fs
