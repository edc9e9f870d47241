#pragma once
// Error messages are part of the contract: a throw is asserted with its exact text, in one way.
//   EXPECT_THAT([&] { lezer.Open(pad); }, GooitIOFout("Het bestand " + pad + " kan niet gelezen worden."));
#include "platform/fout.h"

#include <string>

#include <gmock/gmock.h>

namespace gdk::test {

// Matches a callable that throws IOFout with exactly `melding` as its text.
inline auto GooitIOFout(const std::string& melding) {
    return ::testing::ThrowsMessage<IOFout>(::testing::StrEq(melding));
}

} // namespace gdk::test
