#include <gtest/gtest.h>

#include "decks.h"
#include "game/game.h"
#include "scripted_random.h"

namespace troven {
namespace {

using namespace troven::testing;

constexpr Card kAceOfSpades = 0;
constexpr Card kTwoOfHearts = 14;
constexpr Card kThreeOfClubs = 28;
constexpr Card kFourOfDiamonds = 42;
constexpr Card kSixOfHearts = 18;
constexpr Card kKingOfClubs = 38;

const std::array<Card, kDeckSize> kShortGame = onePlayDeck();

constexpr PlayOutcome kRefused{};
constexpr PlayOutcome playedTo(int count) { return {.played = true, .count = count}; }
constexpr PlayOutcome endedAt(int count) {
    return {.played = true, .gameEnded = true, .count = count};
}

class GameTest : public ::testing::Test {
  protected:
    void deal(const std::array<Card, kDeckSize>& deck) {
        random = dealing(deck);
        game.newGame();
    }
    const GameState& state() const { return game.state(); }
    const HandSlot& slot(int k) const { return game.hand()[static_cast<std::size_t>(k)]; }
    const TrackerCell& cell(Card c) const { return game.tracker().cell(c); }
    void playAll(std::initializer_list<int> slots) {
        for (int k : slots) ASSERT_TRUE(game.play(k).played) << "slot " << k;
    }

    ScriptedRandom random;
    Game game{random};
};

TEST_F(GameTest, IsCreatedEmptyThenShowsCardBacks) {
    EXPECT_FALSE(game.isDealt());
    EXPECT_FALSE(game.isOver());
    for (const auto& entry : state().Deck) EXPECT_FALSE(entry.has_value());
    EXPECT_EQ(state().DeckPos, 0);
    EXPECT_EQ(state().PlayedCard, 0);
    EXPECT_EQ(game.message(), Message::None);
    EXPECT_TRUE(game.tracker().isAsCreated());
    for (Card c = 0; c < kDeckSize; ++c) EXPECT_EQ(cell(c), TrackerCell{}) << c;

    game.showCardBacks();
    for (const HandSlot& s : game.hand()) {
        EXPECT_EQ(s, (HandSlot{Picture::cardBack(), true, false}));
    }
    EXPECT_FALSE(game.pile().visible);
}

TEST_F(GameTest, OnlyPlayableSlotsOfTheHandArePlayed) {
    game.showCardBacks();
    for (int k = -1; k <= kHandSize; ++k) EXPECT_EQ(game.play(k), kRefused) << "before the deal";
    EXPECT_FALSE(game.pile().visible);

    deal(winningDeck());
    // Just outside the hand on either side: refused, nothing changes.
    for (int k : {-1, kHandSize}) {
        EXPECT_FALSE(game.canPlay(k));
        EXPECT_EQ(game.play(k), kRefused);
    }
    EXPECT_EQ(state().DeckPos, Game::kDealtDeckPos);
    // The first and the last slot of the hand are taken.
    EXPECT_EQ(game.play(kHandSize - 1), playedTo(1));
    EXPECT_EQ(game.play(0), playedTo(2));
}

TEST_F(GameTest, NewGameDealsTheFirstFiveCardsAndSetsTheTableForAGame) {
    game.showCardBacks();
    deal(kShortGame);
    EXPECT_EQ(state().DeckPos, 5);
    for (int k = 0; k < kHandSize; ++k) {
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(state().Hand[i], kShortGame[i]);
        EXPECT_EQ(state().Deck[i], kShortGame[i]);
        EXPECT_EQ(slot(k), (HandSlot{Picture::faceOf(kShortGame[i]), true, true}));
    }
    EXPECT_EQ(game.count(), 0);
    EXPECT_EQ(game.message(), Message::GoodLuck);
    EXPECT_EQ(game.pile(), (Pile{Picture::none(), false}));

    // Exactly the five dealt cards are in the hand, all else still to come; nothing matches.
    EXPECT_FALSE(game.tracker().isAsCreated());
    for (Card c = 0; c < kDeckSize; ++c) {
        const bool dealt =
            std::find(kShortGame.begin(), kShortGame.begin() + 5, c) != kShortGame.begin() + 5;
        EXPECT_EQ(cell(c), (TrackerCell{dealt ? CardState::InHand : CardState::ToCome, false}))
            << c;
    }
}

TEST_F(GameTest, APlayMovesTheCardToThePileAndRefillsItsSlot) {
    deal(winningDeck());
    const Card played = state().Hand[0];

    ASSERT_EQ(game.play(0), playedTo(1));
    EXPECT_EQ(state().PlayedCard, played);
    EXPECT_EQ(state().PlayedSuit, suitOf(played));
    EXPECT_EQ(state().PlayedRank, rankOf(played));
    EXPECT_EQ(state().DeckPos, 6);
    EXPECT_EQ(state().Hand[0], *state().Deck[5]);
    EXPECT_EQ(slot(0).picture, Picture::faceOf(*state().Deck[5]));
    EXPECT_EQ(game.pile(), (Pile{Picture::faceOf(played), true}));
    EXPECT_EQ(game.count(), 1);
    EXPECT_EQ(game.message(), Message::SelectACard);
}

TEST_F(GameTest, SlotsAreSelectableExactlyWhenTheyShareSuitOrRank) {
    // Hand: A spades, 2 hearts, 3 clubs, 4 diamonds, 6 hearts; playing the 2 of hearts leaves the
    // 6 of hearts (suit) playable, and the 2 of spades drawn into slot 1 (rank).
    deal(deckStartingWith(
        {kAceOfSpades, kTwoOfHearts, kThreeOfClubs, kFourOfDiamonds, kSixOfHearts, cardOf(0, 1)}));
    playAll({1});
    const std::array<bool, 5> expected = {false, true, false, false, true};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(slot(k).playable, expected[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_EQ(game.play(0), kRefused);
    EXPECT_FALSE(game.isOver());
}

TEST_F(GameTest, AHandWithNoMatchEndsTheGameOnce) {
    deal(kShortGame);
    EXPECT_EQ(game.play(0), endedAt(1));
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(game.message(), Message::GameOver);
    for (const HandSlot& s : game.hand()) EXPECT_FALSE(s.playable);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(game.play(k), kRefused);
}

TEST_F(GameTest, TheDeckRunsOutAtFortySevenAndLaterPlaysEmptyTheirSlots) {
    deal(winningDeck());
    for (int n = 0; n < 46; ++n) ASSERT_TRUE(game.play(0).played);
    // One card left to draw, then none.
    EXPECT_EQ(state().DeckPos, kDeckSize - 1);
    ASSERT_EQ(game.play(0), playedTo(47));
    EXPECT_EQ(state().DeckPos, kDeckSize);
    EXPECT_EQ(game.count(), 47);
    EXPECT_TRUE(slot(0).visible);
    const Card last = state().Hand[0];

    ASSERT_EQ(game.play(0), playedTo(47));
    EXPECT_EQ(state().DeckPos, kDeckSize);
    EXPECT_EQ(state().Hand[0], last);  // the emptied slot keeps its number
    EXPECT_EQ(game.pile().picture, Picture::faceOf(last));
    // An emptied slot holds no card: hidden, never playable.
    EXPECT_FALSE(slot(0).visible);
    EXPECT_FALSE(slot(0).playable);
    EXPECT_EQ(game.play(0), kRefused);
}

TEST_F(GameTest, PlayingAllFiftyTwoCardsWinsTheGame) {
    deal(winningDeck());
    for (int n = 0; n < 48; ++n) ASSERT_TRUE(game.play(0).played);
    for (int k : {1, 2, 3}) EXPECT_EQ(game.play(k), playedTo(47));
    EXPECT_EQ(game.message(), Message::SelectACard);
    EXPECT_EQ(game.play(4), endedAt(47));
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(game.message(), Message::Congratulation);
    for (Card c = 0; c < kDeckSize; ++c) EXPECT_EQ(cell(c).state, CardState::Played) << c;
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

    for (int p = 0; p < 47; ++p) ASSERT_EQ(game.play(0), playedTo(std::min(p + 1, 47)));
    EXPECT_EQ(game.play(0), endedAt(47));
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(game.message(), Message::GameOver);
}

TEST_F(GameTest, NewGameRestoresEverythingButKeepsThePlayedCard) {
    deal(winningDeck());
    for (int n = 0; n < 48; ++n) ASSERT_TRUE(game.play(0).played);
    const Card played = state().PlayedCard;
    const auto suit = state().PlayedSuit;
    const auto rank = state().PlayedRank;

    deal(kShortGame);
    EXPECT_EQ(state().PlayedCard, played);
    EXPECT_EQ(state().PlayedSuit, suit);
    EXPECT_EQ(state().PlayedRank, rank);
    for (const HandSlot& s : game.hand()) EXPECT_TRUE(s.visible && s.playable);
    EXPECT_FALSE(game.pile().visible);
    EXPECT_EQ(game.count(), 0);
    EXPECT_EQ(game.message(), Message::GoodLuck);
    EXPECT_EQ(cell(kKingOfClubs), TrackerCell{});
    // The first play of the new game is free again, whatever was played last.
    EXPECT_TRUE(game.play(2).played);
}

}  // namespace
}  // namespace troven
