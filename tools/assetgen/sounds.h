#pragma once

#include <cstdint>
#include <vector>

namespace troven::assetgen {

inline constexpr int kSampleRate = 22050;

// Both sounds end in this much digital silence: an output that stops a play a little early
// loses only silence.
inline constexpr double kTrailingSilenceSeconds = 0.35;

// The snap of a card put down: a burst of band-passed noise that dies away within 0.1 s.
std::vector<std::int16_t> synthesizeCardSnap();

// A cheerful rising arpeggio of four notes that ring on into a major chord.
std::vector<std::int16_t> synthesizeFanfare();

}  // namespace troven::assetgen
