#pragma once

#include <QString>

#include <cstdint>

#include "ranking/ranking_table.h"

namespace troven::accessible {

// What a screen reader says when the ranking window opens or is cleared: the new entry's row,
// when a name was just entered at `entered` (kNotEntered otherwise), then the ten rows.
// "登録しました。3位 B 5。ランキング 1位 XYZ 50、2位 AAA 0、…、10位 MMM 0"
QString rankingAnnouncement(const DisplayedTable& table, std::uint8_t entered);

}  // namespace troven::accessible
