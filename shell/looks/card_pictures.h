#pragma once

#include <optional>

#include "art/artwork.h"
#include "game/table_contents.h"

namespace troven {

// The artwork a hand slot or the pile shows for the picture the game gave it: a face, the card
// back, or nothing.
std::optional<art::Artwork> artworkOf(Picture picture);

}  // namespace troven
