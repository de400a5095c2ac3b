// A game written and read back comes back whole at every point of its play; text that is short,
// foreign or describes no reachable game is refused.
#include <gtest/gtest.h>

#include <sstream>

#include "decks.h"
#include "game.h"
#include "recording_events.h"
#include "saved_game.h"
#include "scripted_random.h"

using namespace troven;

namespace {

std::string written(const SavedGame& game) {
    std::ostringstream out;
    writeGame(out, game);
    return out.str();
}

std::optional<SavedGame> read(const std::string& text) {
    std::istringstream in(text);
    return readGame(in);
}

}  // namespace

// Every point of many random games, the deal included, comes back whole, and silently.
TEST(SavedGame, ComesBackWholeAtEveryPointOfAGame) {
    troven::testing::SeededRandom random(20261209);
    troven::testing::RecordingEvents events;
    troven::testing::RecordingEvents resumedEvents;
    Game game(random, events);
    Game resumed(random, resumedEvents);
    EXPECT_FALSE(savedGameOf(game)) << "nothing to keep before the first deal";
    for (int n = 0; n < 300; ++n) {
        game.newGame();
        for (bool going = true; going;) {
            const auto saved = savedGameOf(game);
            ASSERT_TRUE(saved);
            const auto back = read(written(*saved));
            ASSERT_EQ(back, saved);
            resumed.resume(*back);
            ASSERT_EQ(written(*savedGameOf(resumed)), written(*saved));
            ASSERT_EQ(resumed.hand(), game.hand());
            ASSERT_EQ(resumed.pile(), game.pile());
            ASSERT_EQ(resumed.message(), game.message());
            ASSERT_EQ(resumed.count(), game.count());
            for (Card c = 0; c < kDeckSize; ++c) {
                ASSERT_EQ(resumed.tracker().cell(c), game.tracker().cell(c)) << c;
            }
            going = false;
            for (int k = 0; k < kHandSize && !going; ++k) going = game.play(k);
        }
    }
    EXPECT_EQ(resumedEvents.sounds, 0);
    EXPECT_TRUE(resumedEvents.endings.empty());
}

// Short, foreign and unreachable texts are refused; the bounds of the deck position are held on
// both sides.
TEST(SavedGame, RefusesWhatIsShortForeignOrUnreachable) {
    troven::testing::ScriptedRandom random =
        troven::testing::dealing(troven::testing::winningDeck());
    troven::testing::RecordingEvents events;
    Game game(random, events);
    game.newGame();
    ASSERT_TRUE(game.play(0));
    const std::string text = written(*savedGameOf(game));
    ASSERT_TRUE(read(text));
    for (std::size_t cut = 0; cut + 1 < text.size(); ++cut) {
        EXPECT_FALSE(read(text.substr(0, cut))) << "cut at " << cut;
    }
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return read(t);
    };
    EXPECT_FALSE(changed("troven game 1", "troven game 2"));
    EXPECT_FALSE(changed("played 1", "played 2"));
    EXPECT_FALSE(changed("next 6", "next 4"));
    EXPECT_FALSE(changed("next 6", "next 53"));
    EXPECT_FALSE(changed("next 6", "next 6 7"));
    EXPECT_FALSE(changed("emptied 0", "emptied 1"));  // cards are left to draw
    const SavedGame saved = *savedGameOf(game);
    SavedGame twice = saved;
    twice.state.Deck[1] = twice.state.Deck[0];
    EXPECT_FALSE(read(written(twice)));
    SavedGame undrawn = saved;
    undrawn.state.Hand[0] = *saved.state.Deck[40];
    EXPECT_FALSE(read(written(undrawn)));
    SavedGame playedInHand = saved;
    playedInHand.state.PlayedCard = saved.state.Hand[1];
    EXPECT_FALSE(read(written(playedInHand)));
    SavedGame lastDrawn = saved;
    lastDrawn.state.DeckPos = kDeckSize;
    EXPECT_TRUE(read(written(lastDrawn)));
    lastDrawn.state.DeckPos = Game::kDealtDeckPos;
    EXPECT_FALSE(read(written(lastDrawn))) << "a hand card not drawn yet";
}
