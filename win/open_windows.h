// SPDX-License-Identifier: MIT
#pragma once

namespace zq::win {

// The program runs while any of its windows is open, as the calculator and the fee-rules window
// each may outlive the other: every top-level window counts itself in when it is created and out
// when it is destroyed, and the last one out ends the message loop.
void CountWindowIn();
void CountWindowOut();

}  // namespace zq::win
