// A game written and read back comes back whole, silently, at every point of its play; text that
// is short, foreign or no game the rules can reach is refused.
#include <gtest/gtest.h>

#include <sstream>

#include "decks.h"
#include "game/saved_game.h"
#include "scripted_random.h"

namespace troven {
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

TEST(SavedGame, ComesBackWholeAtEveryPointOfAGame) {
    testing::SeededRandom random(20261209);
    Game game(random), resumed(random);
    EXPECT_FALSE(savedGameOf(game)) << "nothing to keep before the first deal";
    for (int n = 0; n < 300; ++n) {
        game.newGame();
        do {
            const auto back = read(written(*savedGameOf(game)));
            ASSERT_EQ(back, savedGameOf(game));
            resumed.resume(*back);
            ASSERT_EQ(savedGameOf(resumed), back);
            ASSERT_TRUE(resumed.hand() == game.hand() && resumed.pile() == game.pile());
            ASSERT_EQ(resumed.message(), game.message());
            for (Card c = 0; c < kDeckSize; ++c)
                ASSERT_EQ(resumed.tracker().cell(c), game.tracker().cell(c));
        } while (game.play(0).played || game.play(1).played || game.play(2).played ||
                 game.play(3).played || game.play(4).played);
    }
}

TEST(SavedGame, RefusesWhatIsShortForeignOrUnreachable) {
    testing::ScriptedRandom random = testing::dealing(testing::winningDeck());
    Game game(random);
    game.newGame();
    ASSERT_TRUE(game.play(0).played);
    const std::string text = written(*savedGameOf(game));
    for (std::size_t cut = 0; cut + 1 < text.size(); ++cut) EXPECT_FALSE(read(text.substr(0, cut)));
    const auto changed = [&](const std::string& from, const std::string& to) {
        return read(std::string(text).replace(text.find(from), from.size(), to));
    };
    EXPECT_TRUE(changed("next 6", "next 52"));  // every card drawn
    for (const auto& [from, to] : {std::pair{"troven game 1", "troven game 2"},
                                   {"played 1", "played 2"},
                                   {"next 6", "next 4"},
                                   {"next 6", "next 53"},
                                   {"next 6", "next 6 7"},
                                   {"emptied 0", "emptied 1"},
                                   {"deck 0 42", "deck 42 42"},
                                   {"hand 1", "hand 2"},
                                   {"played 1 0", "played 1 42"}}) {
        EXPECT_FALSE(changed(from, to)) << to;
    }
}

}  // namespace
}  // namespace troven
