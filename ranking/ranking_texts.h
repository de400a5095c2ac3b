#pragma once

#include <QStringView>

namespace troven::text {

inline constexpr QStringView kNamePrompt = u"10文字（全角５文字）以内で入力してください。";
inline constexpr QStringView kNameTitle = u"おめでとう！ Top10へ名前の登録です。";
inline constexpr QStringView kClearQuestion = u"ランキングをクリアしますか？";

}  // namespace troven::text
