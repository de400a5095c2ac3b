// Plays many random games with random legal choices and checks the whole table after every play.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/game.h"
#include "scripted_random.h"

namespace troven {
namespace {

using namespace troven::testing;

class Referee {
  public:
    explicit Referee(const Game& game) : game_(game) {}

    void played(Card c) { played_.push_back(c); }

    void check() const {
        const GameState& s = game_.state();
        const auto& hand = game_.hand();
        ASSERT_EQ(game_.count(), s.DeckPos - 5);
        std::array<int, kDeckSize> places{};
        for (int i = s.DeckPos; i < kDeckSize; ++i) ++places[index(*s.Deck[at(i)])];
        for (std::size_t k = 0; k < kHandSize; ++k) {
            if (!hand[k].visible) continue;
            ++places[index(s.Hand[k])];
            ASSERT_EQ(hand[k].picture, Picture::faceOf(s.Hand[k]));
        }
        for (Card c : played_) ++places[index(c)];
        for (Card c = 0; c < kDeckSize; ++c) {
            ASSERT_EQ(places[index(c)], 1) << "card " << c << " is not in exactly one place";
            checkCell(c, whereIs(c));
        }
        for (std::size_t k = 0; k < kHandSize; ++k) {
            const bool matches =
                suitOf(s.Hand[k]) == s.PlayedSuit || rankOf(s.Hand[k]) == s.PlayedRank;
            ASSERT_EQ(hand[k].playable, hand[k].visible && matches);
        }
    }

  private:
    static std::size_t index(Card c) { return static_cast<std::size_t>(c); }
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    CardState whereIs(Card c) const {
        if (std::find(played_.begin(), played_.end(), c) != played_.end()) return CardState::Played;
        const auto& deck = game_.state().Deck;
        const auto pos = std::find(deck.begin(), deck.end(), c) - deck.begin();
        return pos >= game_.state().DeckPos ? CardState::ToCome : CardState::InHand;
    }

    void checkCell(Card c, CardState where) const {
        const Card last = played_.back();
        const bool matches = c != last && (suitOf(c) == suitOf(last) || rankOf(c) == rankOf(last));
        ASSERT_EQ(game_.tracker().cell(c), (TrackerCell{where, matches})) << c;
    }

    const Game& game_;
    std::vector<Card> played_;
};

TEST(RandomGames, EveryPlayLeavesAConsistentTableAndEveryGameEndsOnce) {
    SeededRandom random(20261207);
    Game game(random);
    game.showCardBacks();
    int wins = 0;
    for (int n = 0; n < 20000; ++n) {
        game.newGame();
        Referee referee(game);
        int plays = 0;
        while (!game.isOver()) {
            std::vector<int> legal;
            for (int k = 0; k < kHandSize; ++k) {
                if (game.canPlay(k)) legal.push_back(k);
            }
            ASSERT_FALSE(legal.empty()) << "a game that is not over must have a legal play";
            const int k = legal[random.engine()() % legal.size()];
            const Card card = game.state().Hand[static_cast<std::size_t>(k)];
            const PlayOutcome outcome = game.play(k);
            ASSERT_EQ(outcome, (PlayOutcome{true, game.isOver(), game.count()}));
            referee.played(card);
            ASSERT_NO_FATAL_FAILURE(referee.check());
            ASSERT_LE(++plays, kDeckSize);
        }
        wins += plays == kDeckSize ? 1 : 0;
    }
    RecordProperty("wins", wins);
}

}  // namespace
}  // namespace troven
