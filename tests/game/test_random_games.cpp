// Plays many random games with random legal choices and checks the whole table after every play.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game.h"
#include "recording_events.h"
#include "scripted_random.h"

namespace troven {
namespace {

using namespace troven::testing;

enum class Where { Deck, Hand, Played };

class Referee {
  public:
    explicit Referee(const Game& game) : game_(game) {}

    void played(Card c) { played_.push_back(c); }

    void check() const {
        const GameState& s = game_.state();
        const TableControls& t = game_.controls();
        ASSERT_EQ(t.Label6, std::to_string(s.DeckPos - 5));
        std::array<int, kDeckSize> places{};
        for (int i = s.DeckPos; i < kDeckSize; ++i) ++places[index(*s.Deck[at(i)])];
        for (std::size_t k = 0; k < kHandSize; ++k) {
            if (!t.Picture2[k].visible) continue;
            ++places[index(s.Hand[k])];
            ASSERT_EQ(t.Picture2[k].picture, Picture::faceOf(s.Hand[k]));
        }
        for (Card c : played_) ++places[index(c)];
        for (Card c = 0; c < kDeckSize; ++c) {
            ASSERT_EQ(places[index(c)], 1) << "card " << c << " is not in exactly one place";
            checkLabel(c, whereIs(c));
        }
        for (std::size_t k = 0; k < kHandSize; ++k) {
            const bool matches =
                suitOf(s.Hand[k]) == s.PlayedSuit || rankOf(s.Hand[k]) == s.PlayedRank;
            ASSERT_EQ(t.Picture2[k].enabled, t.Picture2[k].visible && matches);
            ASSERT_EQ(t.Label5[k].empty(), !t.Picture2[k].enabled);
        }
    }

  private:
    static std::size_t index(Card c) { return static_cast<std::size_t>(c); }
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    Where whereIs(Card c) const {
        if (std::find(played_.begin(), played_.end(), c) != played_.end()) return Where::Played;
        const auto& deck = game_.state().Deck;
        const auto pos = std::find(deck.begin(), deck.end(), c) - deck.begin();
        return pos >= game_.state().DeckPos ? Where::Deck : Where::Hand;
    }

    void checkLabel(Card c, Where where) const {
        const TrackerLabel& l = game_.controls().tracker.label(c);
        ASSERT_EQ(l.caption.empty(), where == Where::Played) << c;
        ASSERT_EQ(l.foreColour, where == Where::Deck ? suitColour(suitOf(c)) : colour::kBlue) << c;
        const Card last = played_.back();
        const bool matches = c != last && (suitOf(c) == suitOf(last) || rankOf(c) == rankOf(last));
        ASSERT_EQ(l.backColour, matches ? colour::kPink : colour::kWindowBackground) << c;
    }

    const Game& game_;
    std::vector<Card> played_;
};

TEST(RandomGames, EveryPlayLeavesAConsistentTableAndEveryGameEndsOnce) {
    SeededRandom random(20261207);
    RecordingEvents events;
    Game game(random, events);
    game.showCardBacks();
    int wins = 0;
    for (int n = 0; n < 20000; ++n) {
        game.mnuGameNew_Click();
        events.endings.clear();
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
            ASSERT_TRUE(game.Picture2_Click(k));
            referee.played(card);
            ASSERT_NO_FATAL_FAILURE(referee.check());
            ASSERT_LE(++plays, kDeckSize);
            ASSERT_EQ(events.endings.size(), game.isOver() ? 1u : 0u);
        }
        ASSERT_EQ(events.endings.front(), game.count());
        wins += plays == kDeckSize ? 1 : 0;
    }
    RecordProperty("wins", wins);
}

}  // namespace
}  // namespace troven
