#pragma once
// The one exception type of the core: an input/output error that ends the running operation.
// Its message is Dutch, Windows-1252, ready to show; the front end catches it once.
#include <stdexcept>
#include <string>

namespace gdk {

class IOFout : public std::runtime_error {
  public:
    explicit IOFout(const std::string& melding) : std::runtime_error(melding) {}
};

} // namespace gdk
