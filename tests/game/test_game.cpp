#include <gtest/gtest.h>

#include "decks.h"
#include "game.h"
#include "recording_events.h"
#include "scripted_random.h"
#include "texts.h"

namespace troven {
namespace {

using namespace troven::testing;

constexpr Card kAceOfSpades = 0;
constexpr Card kTwoOfHearts = 14;
constexpr Card kThreeOfClubs = 28;
constexpr Card kFourOfDiamonds = 42;
constexpr Card kSixOfHearts = 18;
constexpr Card kSevenOfDiamonds = 45;
constexpr Card kKingOfClubs = 38;

// A deal whose first play (the ace of spades from slot 0) ends the game: the 7 of diamonds
// drawn into slot 0 and the rest of the hand share neither spades nor aces.
const std::array<Card, kDeckSize> kShortGame = deckStartingWith(
    {kAceOfSpades, kTwoOfHearts, kThreeOfClubs, kFourOfDiamonds, kSixOfHearts, kSevenOfDiamonds});

class GameTest : public ::testing::Test {
  protected:
    void deal(const std::array<Card, kDeckSize>& deck) {
        random = dealing(deck);
        game.mnuGameNew_Click();
    }
    const TableControls& controls() const { return game.controls(); }
    const GameState& state() const { return game.state(); }
    void playAll(std::initializer_list<int> slots) {
        for (int k : slots) ASSERT_TRUE(game.Picture2_Click(k)) << "slot " << k;
    }

    ScriptedRandom random;
    RecordingEvents events;
    Game game{random, events};
};

TEST_F(GameTest, IsCreatedEmptyWithEveryControlAsTheWindowCreatesIt) {
    EXPECT_FALSE(game.isDealt());
    for (const auto& entry : state().Deck) EXPECT_FALSE(entry.has_value());
    EXPECT_EQ(state().DeckPos, 0);
    EXPECT_EQ(state().PlayedCard, 0);
    for (const PictureBox& slot : controls().Picture2) {
        EXPECT_EQ(slot.picture, Picture::none());
        EXPECT_TRUE(slot.visible && slot.enabled);
        EXPECT_EQ(slot.width, 57);
        EXPECT_EQ(slot.height, 73);
    }
    EXPECT_EQ(controls().tracker.at(1, 9), (TrackerLabel{"10", colour::kRed, colour::kWhite}));
    EXPECT_EQ(controls().tracker.at(2, 0), (TrackerLabel{"A", colour::kBlack, colour::kWhite}));

    game.showCardBacks();
    for (const PictureBox& slot : controls().Picture2) {
        EXPECT_EQ(slot.picture, Picture::cardBack());
        EXPECT_EQ(slot.width, 50);  // a 48 x 68 picture in a flat box
        EXPECT_EQ(slot.height, 70);
    }
    EXPECT_FALSE(controls().Picture3.visible);
}

TEST_F(GameTest, PlaysBeforeTheFirstDealAreRefused) {
    game.showCardBacks();
    const TableControls before = controls();
    for (int k = -1; k <= 5; ++k) EXPECT_FALSE(game.Picture2_Click(k));
    EXPECT_EQ(events.sounds, 0);
    EXPECT_EQ(state().DeckPos, 0);
    EXPECT_EQ(controls().Label6, before.Label6);
    EXPECT_EQ(controls().Picture3.visible, before.Picture3.visible);
}

TEST_F(GameTest, NewGameDealsTheFirstFiveCardsAndSetsTheTableForAGame) {
    game.showCardBacks();
    deal(kShortGame);
    EXPECT_EQ(state().DeckPos, 5);
    for (int k = 0; k < kHandSize; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(state().Hand[i], kShortGame[i]);
        EXPECT_EQ(state().Deck[i], kShortGame[i]);
        EXPECT_EQ(controls().Picture2[i].picture, Picture::faceOf(kShortGame[i]));
        EXPECT_TRUE(controls().Picture2[i].visible && controls().Picture2[i].enabled);
        EXPECT_EQ(controls().Label5[i], "SELECTABLE");
    }
    EXPECT_EQ(controls().Label6, "0");
    EXPECT_EQ(controls().Label7, "GOOD LUCK!");
    const PictureBox& pile = controls().Picture3;
    EXPECT_FALSE(pile.visible);
    EXPECT_EQ(pile.picture, Picture::none());
    EXPECT_EQ(pile.width, 0);
    EXPECT_EQ(pile.height, 0);

    // Exactly the five dealt cards are blue; all else shows its rank in its row colour.
    for (Card c = 0; c < kDeckSize; ++c) {
        const bool dealt =
            std::find(kShortGame.begin(), kShortGame.begin() + 5, c) != kShortGame.begin() + 5;
        const TrackerLabel& l = controls().tracker.label(c);
        EXPECT_EQ(l.caption, kRankCaptions[static_cast<std::size_t>(rankOf(c))]) << c;
        EXPECT_EQ(l.foreColour, dealt ? colour::kBlue : suitColour(suitOf(c))) << c;
        EXPECT_EQ(l.backColour, colour::kWindowBackground) << c;
    }
}

TEST_F(GameTest, APlayMovesTheCardToThePileAndRefillsItsSlot) {
    deal(winningDeck());
    const Card played = state().Hand[0];
    int soundsBeforeChange = 0;
    events.onSound = [&] { soundsBeforeChange += state().DeckPos == 5 ? 1 : 0; };

    ASSERT_TRUE(game.Picture2_Click(0));
    EXPECT_EQ(soundsBeforeChange, 1);  // the sound starts before the state changes
    EXPECT_EQ(state().PlayedCard, played);
    EXPECT_EQ(state().PlayedSuit, suitOf(played));
    EXPECT_EQ(state().PlayedRank, rankOf(played));
    EXPECT_EQ(state().DeckPos, 6);
    EXPECT_EQ(state().Hand[0], *state().Deck[5]);
    EXPECT_EQ(controls().Picture2[0].picture, Picture::faceOf(*state().Deck[5]));
    const PictureBox& pile = controls().Picture3;
    EXPECT_TRUE(pile.visible);
    EXPECT_EQ(pile.picture, Picture::faceOf(played));
    EXPECT_EQ(pile.width, 50);
    EXPECT_EQ(pile.height, 70);
    EXPECT_EQ(controls().Label6, "1");
    EXPECT_EQ(controls().Label7, "Select a Card");
}

TEST_F(GameTest, TheTrackerShowsPlayedCardsAndHighlightsTheMatchesOfTheLastOne) {
    deal(winningDeck());
    playAll({0, 0, 0});  // plays A, 2 and 3 of spades
    const Card last = state().PlayedCard;
    ASSERT_EQ(last, cardOf(0, 2));
    for (Card c = 0; c < kDeckSize; ++c) {
        const TrackerLabel& l = controls().tracker.label(c);
        const bool played = c <= last;
        const bool inHand =
            std::find(state().Hand.begin(), state().Hand.end(), c) != state().Hand.end();
        const bool matches = (suitOf(c) == suitOf(last) || rankOf(c) == rankOf(last)) && c != last;
        EXPECT_EQ(l.caption.empty(), played) << c;
        EXPECT_EQ(l.foreColour == colour::kBlue, played || inHand) << c;
        EXPECT_EQ(l.backColour, matches ? colour::kPink : colour::kWindowBackground) << c;
    }
}

TEST_F(GameTest, SlotsAreSelectableExactlyWhenTheyShareSuitOrRank) {
    // Hand: A spades, 2 hearts, 3 clubs, 4 diamonds, 6 hearts; playing the 2 of hearts leaves the
    // 6 of hearts (suit) playable, and the 2 of spades drawn into slot 1 (rank).
    deal(deckStartingWith(
        {kAceOfSpades, kTwoOfHearts, kThreeOfClubs, kFourOfDiamonds, kSixOfHearts, cardOf(0, 1)}));
    playAll({1});
    const std::array<bool, 5> expected = {false, true, false, false, true};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(controls().Picture2[k].enabled, expected[k]) << k;
        EXPECT_EQ(controls().Label5[k], expected[k] ? "SELECTABLE" : "") << k;
    }
    EXPECT_FALSE(game.Picture2_Click(0));  // disabled: refused, no sound
    EXPECT_EQ(events.sounds, 1);
    EXPECT_FALSE(game.isOver());
}

TEST_F(GameTest, AHandWithNoMatchEndsTheGameOnce) {
    deal(kShortGame);
    playAll({0});
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(controls().Label7, "ＧＡＭＥ　ＯＶＥＲ・・・");
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_FALSE(controls().Picture2[k].enabled);
        EXPECT_EQ(controls().Label5[k], "");
    }
    EXPECT_EQ(events.endings, std::vector<int>{1});
    for (int k = 0; k < 5; ++k) EXPECT_FALSE(game.Picture2_Click(k));
    EXPECT_EQ(events.endings.size(), 1u);
    EXPECT_EQ(events.sounds, 1);
}

TEST_F(GameTest, TheDeckRunsOutAtFortySevenAndLaterPlaysEmptyTheirSlots) {
    deal(winningDeck());
    for (int n = 0; n < 47; ++n) ASSERT_TRUE(game.Picture2_Click(0));
    EXPECT_EQ(state().DeckPos, 52);
    EXPECT_EQ(controls().Label6, "47");
    const Card last = state().Hand[0];

    ASSERT_TRUE(game.Picture2_Click(0));
    EXPECT_EQ(state().DeckPos, 52);
    EXPECT_EQ(controls().Label6, "47");
    EXPECT_EQ(state().Hand[0], last);  // the emptied slot keeps its number
    EXPECT_EQ(controls().Picture3.picture, Picture::faceOf(last));
    EXPECT_FALSE(controls().Picture2[0].visible);
    // An emptied slot holds no card: never playable, no mark under it.
    EXPECT_FALSE(controls().Picture2[0].enabled);
    EXPECT_EQ(controls().Label5[0], "");
    EXPECT_FALSE(game.Picture2_Click(0));
}

TEST_F(GameTest, PlayingAllFiftyTwoCardsWinsTheGame) {
    deal(winningDeck());
    for (int n = 0; n < 48; ++n) ASSERT_TRUE(game.Picture2_Click(0));
    playAll({1, 2, 3});
    EXPECT_TRUE(events.endings.empty());
    EXPECT_EQ(controls().Label7, "Select a Card");
    playAll({4});
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(controls().Label7, "CONGRATULATION ! ");
    EXPECT_EQ(events.endings, std::vector<int>{47});
    for (Card c = 0; c < kDeckSize; ++c) EXPECT_EQ(controls().tracker.label(c).caption, "");
}

TEST_F(GameTest, AGameEndsWhenNoVisibleSlotMatchesEvenIfAnEmptiedOneWould) {
    // Slot 0 walks 48 cards ending on the ace of diamonds; slots 1..4 hold the 2 to 5 of hearts.
    std::array<Card, kDeckSize> path{};
    std::size_t n = 0;
    for (int r = 0; r < 13; ++r) path[n++] = cardOf(0, r);
    for (int r = 12; r >= 5; --r) path[n++] = cardOf(1, r);
    path[n++] = cardOf(1, 0);
    for (int r = 0; r < 13; ++r) path[n++] = cardOf(2, r);
    for (int r = 12; r >= 0; --r) path[n++] = cardOf(3, r);
    ASSERT_EQ(n, 48u);
    std::array<Card, kDeckSize> deck{};
    deck[0] = path[0];
    for (std::size_t k = 1; k <= 4; ++k) deck[k] = cardOf(1, static_cast<int>(k));
    for (std::size_t i = 5; i < kDeckSize; ++i) deck[i] = path[i - 4];
    deal(deck);

    for (int p = 0; p < 48; ++p) ASSERT_TRUE(game.Picture2_Click(0));
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(controls().Label7, "ＧＡＭＥ　ＯＶＥＲ・・・");
    EXPECT_EQ(events.endings, std::vector<int>{47});
}

TEST_F(GameTest, NewGameRestoresEverythingButKeepsThePlayedCard) {
    deal(winningDeck());
    for (int n = 0; n < 48; ++n) ASSERT_TRUE(game.Picture2_Click(0));
    const Card played = state().PlayedCard;
    const auto suit = state().PlayedSuit;
    const auto rank = state().PlayedRank;

    deal(kShortGame);
    EXPECT_EQ(state().PlayedCard, played);
    EXPECT_EQ(state().PlayedSuit, suit);
    EXPECT_EQ(state().PlayedRank, rank);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_TRUE(controls().Picture2[k].visible && controls().Picture2[k].enabled);
        EXPECT_EQ(controls().Label5[k], "SELECTABLE");
    }
    EXPECT_FALSE(controls().Picture3.visible);
    EXPECT_EQ(controls().Label6, "0");
    EXPECT_EQ(controls().Label7, "GOOD LUCK!");
    EXPECT_EQ(controls().tracker.label(kKingOfClubs),
              (TrackerLabel{"K", colour::kBlack, colour::kWindowBackground}));
    // The first play of the new game is free again, whatever was played last.
    EXPECT_TRUE(game.Picture2_Click(2));
}

}  // namespace
}  // namespace troven
