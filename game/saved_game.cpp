#include "game/saved_game.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

namespace troven {

namespace {

constexpr const char* kFirstLine = "troven game 1";

std::size_t at(int i) { return static_cast<std::size_t>(i); }

template <typename Each>
void writeLine(std::ostream& out, const char* key, int count, Each each) {
    out << key;
    for (int i = 0; i < count; ++i) out << ' ' << each(i);
    out << '\n';
}

// Reads "KEY n1 n2 ..." with exactly `count` numbers in [low, high] on one line.
template <std::size_t N>
bool readLine(std::istream& in, const char* key, std::array<int, N>& numbers, int low, int high) {
    std::string line;
    if (!std::getline(in, line)) return false;
    std::istringstream fields(line);
    std::string word;
    if (!(fields >> word) || word != key) return false;
    for (int& n : numbers) {
        if (!(fields >> n) || n < low || n > high) return false;
    }
    return (fields >> std::ws).eof();
}

bool reachable(const SavedGame& game) {
    const GameState& s = game.state;
    if (s.DeckPos < Game::kDealtDeckPos || s.DeckPos > kDeckSize) return false;
    std::array<int, kDeckSize> positionOf{};
    positionOf.fill(-1);
    for (int i = 0; i < kDeckSize; ++i) {
        int& position = positionOf[at(*s.Deck[at(i)])];
        if (position >= 0) return false;  // a card twice
        position = i;
    }
    const auto drawn = [&](Card c) { return positionOf[at(c)] < s.DeckPos; };
    std::array<bool, kDeckSize> inHand{};
    for (int k = 0; k < kHandSize; ++k) {
        const Card c = s.Hand[at(k)];
        if (!drawn(c) || inHand[at(c)]) return false;
        if (game.emptied[at(k)] && s.DeckPos < kDeckSize) return false;
        inHand[at(c)] = !game.emptied[at(k)];
    }
    if (!game.pileShown) {
        // Before the first play: the hand is the first five cards, in their order.
        return s.DeckPos == Game::kDealtDeckPos &&
               std::equal(s.Hand.begin(), s.Hand.end(), s.Deck.begin(),
                          [](Card h, const std::optional<Card>& d) { return h == *d; });
    }
    return drawn(s.PlayedCard) && !inHand[at(s.PlayedCard)];
}

}  // namespace

std::optional<SavedGame> savedGameOf(const Game& game) {
    if (!game.isDealt()) return std::nullopt;
    SavedGame saved{game.state(), {}, game.pile().visible};
    for (int k = 0; k < kHandSize; ++k) saved.emptied[at(k)] = !game.hand()[at(k)].visible;
    return saved;
}

void writeGame(std::ostream& out, const SavedGame& game) {
    const GameState& s = game.state;
    out << kFirstLine << '\n';
    writeLine(out, "deck", kDeckSize, [&](int i) { return *s.Deck[at(i)]; });
    out << "next " << s.DeckPos << '\n';
    writeLine(out, "hand", kHandSize, [&](int k) { return s.Hand[at(k)]; });
    writeLine(out, "emptied", kHandSize, [&](int k) { return int{game.emptied[at(k)]}; });
    out << "played " << int{game.pileShown} << ' ' << s.PlayedCard << '\n';
}

std::optional<SavedGame> readGame(std::istream& in) {
    std::string first;
    if (!std::getline(in, first) || first != kFirstLine) return std::nullopt;
    std::array<int, kDeckSize> deck{};
    std::array<int, 1> next{};
    std::array<int, kHandSize> hand{};
    std::array<int, kHandSize> emptied{};
    std::array<int, 2> played{};
    if (!readLine(in, "deck", deck, 0, kDeckSize - 1) ||
        !readLine(in, "next", next, 0, kDeckSize) ||
        !readLine(in, "hand", hand, 0, kDeckSize - 1) || !readLine(in, "emptied", emptied, 0, 1) ||
        !readLine(in, "played", played, 0, kDeckSize - 1) || played[0] > 1) {
        return std::nullopt;
    }
    SavedGame game;
    GameState& s = game.state;
    for (int i = 0; i < kDeckSize; ++i) s.Deck[at(i)] = static_cast<Card>(deck[at(i)]);
    s.DeckPos = static_cast<std::int16_t>(next[0]);
    for (int k = 0; k < kHandSize; ++k) {
        s.Hand[at(k)] = static_cast<Card>(hand[at(k)]);
        game.emptied[at(k)] = emptied[at(k)] == 1;
    }
    game.pileShown = played[0] == 1;
    s.PlayedCard = static_cast<Card>(played[1]);
    s.PlayedSuit = static_cast<std::int16_t>(suitOf(s.PlayedCard));
    s.PlayedRank = static_cast<std::int16_t>(rankOf(s.PlayedCard));
    if (!reachable(game)) return std::nullopt;
    return game;
}

}  // namespace troven
