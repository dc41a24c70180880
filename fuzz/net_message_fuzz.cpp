// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the readers of the network messages, as a guest
// and as a host would receive them: each must return, give a sentence for
// every refusal, and a message it accepts must encode to a frame that reads
// back to the same encoding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "net/protocol.h"

namespace {

template <typename Decoded, typename Decode>
void Check(const Decoded& decoded, Decode decode) {
    if (!decoded.Ok()) {
        if (decoded.Problem().empty()) std::abort();
        return;
    }
    const std::string frame = vaeloric::net::EncodeMessage(decoded.Message());
    if (frame.size() > vaeloric::net::kMaxMessageBytes) std::abort();
    const auto again = decode(frame);
    if (!again.Ok() || vaeloric::net::EncodeMessage(again.Message()) != frame) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string frame(reinterpret_cast<const char*>(data), size);
    Check(vaeloric::net::DecodeGuestMessage(frame), vaeloric::net::DecodeGuestMessage);
    Check(vaeloric::net::DecodeHostMessage(frame), vaeloric::net::DecodeHostMessage);
    return 0;
}
