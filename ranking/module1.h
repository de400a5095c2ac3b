#pragma once

#include <QByteArray>
#include <cstdint>

namespace troven {

// The variables the windows share for the whole run. The application owns one and hands it by
// reference to the game end, the ranking window and the three accesses to "score.dat".
struct Module1 {
    // The result the ranking window is to enter: set by a qualifying game end, 0 from the menu.
    std::int32_t NewScore = 0;
    // The record buffer every record of "score.dat" passes through, one record at a time. The
    // name is held as the file's own code page 932 bytes, so a name goes back to the file
    // byte for byte, even one that is not valid code page 932.
    QByteArray RecName;
    std::int16_t RecScore = 0;
};

}  // namespace troven
