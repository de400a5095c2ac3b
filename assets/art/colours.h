#pragma once

#include <QColor>

// The fixed colours of the windows and of the card table the pictures are drawn for, each named
// for what it colours. The desktop's own colours come from its palette.
namespace troven::colours {

// The card table: the main window's ground, the pile's, and the corners outside a card.
inline constexpr QColor kTable(0, 128, 0);
// The ink of a suit on the cards, its pips and its ranks; the emblem's two figures wear them too.
inline constexpr QColor kBlackSuitInk(0, 0, 0);
inline constexpr QColor kRedSuitInk(224, 0, 0);

// The count: white figures in a black box.
inline constexpr QColor kCountBox(0, 0, 0);
inline constexpr QColor kCountFigures(255, 255, 255);
// "SELECTABLE" under a hand card that may be played.
inline constexpr QColor kSelectable(255, 255, 0);
// The message line.
inline constexpr QColor kMessage(255, 128, 0);
// The frame round the control the keyboard has reached, in the message's orange.
inline constexpr QColor kKeyboardFocus = kMessage;

// The card tracker: its panel, the boxes of its suit symbols, and its labels before the first deal.
inline constexpr QColor kTrackerGround(255, 255, 255);
// A rank still to come, in its row's colour: black spades and clubs, red hearts and diamonds.
inline constexpr QColor kBlackSuitToCome(0, 0, 0);
inline constexpr QColor kRedSuitToCome(255, 0, 0);
constexpr QColor rankToCome(int suit) { return suit % 2 == 0 ? kBlackSuitToCome : kRedSuitToCome; }
// A rank dealt into the hand (a played card's label has no caption).
inline constexpr QColor kRankDealt(0, 0, 255);
// Behind a card that shares the suit or the rank of the card played last.
inline constexpr QColor kMatchesLastPlay(255, 192, 255);

// The ranking window: white places, names and scores on black.
inline constexpr QColor kRankingGround(0, 0, 0);
inline constexpr QColor kRankingText(255, 255, 255);

// The splash: light orange, the emblem in a white box.
inline constexpr QColor kSplashGround(255, 192, 128);
inline constexpr QColor kEmblemBox(255, 255, 255);

// A picture box's border: a flat black frame, or the classic sunken edge, grey and white outside,
// black and light grey inside.
inline constexpr QColor kFlatFrame(0, 0, 0);
inline constexpr QColor kSunkenOuterShadow(128, 128, 128);
inline constexpr QColor kSunkenOuterLight(255, 255, 255);
inline constexpr QColor kSunkenInnerShadow(0, 0, 0);
inline constexpr QColor kSunkenInnerLight(192, 192, 192);

// The desktop's background of a window's content (white in the standard scheme): behind the hand
// slots, and behind the tracker's labels once a game has been dealt.
QColor desktopWindowBackground();

}  // namespace troven::colours
