#pragma once

#include <string>

namespace hx::sim {

// Misbehaviour a test can switch on to see how the host copes.
struct Faults {
    bool dropAcks = false;       // acknowledgements are never sent
    bool stallReads = false;     // input reports of streams never come
    bool corruptReplies = false; // feature replies and input reports arrive with flipped bytes
};

// Something the host did that real firmware would mishandle.
struct Violation {
    std::string what;
};

} // namespace hx::sim
