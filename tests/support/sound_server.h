#pragma once

#include <QtGlobal>

namespace troven::testing {

// Whether the test runs under with_pulse.sh, which starts a real sound server and records it.
inline bool underSoundServer() { return qEnvironmentVariableIsSet("TROVEN_PULSE_CAPTURE"); }

}  // namespace troven::testing
