#include "game.h"

#include <algorithm>
#include <string>

#include "texts.h"

namespace troven {

namespace {
std::size_t at(int i) { return static_cast<std::size_t>(i); }
}  // namespace

void Game::showCardBacks() {
    for (PictureBox& slot : controls_.Picture2) {
        slot.assign(Picture::cardBack());
    }
    controls_.Picture3.visible = false;
}

void Game::mnuGameNew_Click() {
    PictureBox& pile = controls_.Picture3;
    pile.visible = false;
    controls_.Label6 = std::to_string(0);  // the count as text, like every play writes it
    controls_.Label7 = {};
    pile.height = 0;
    pile.width = 0;
    for (PictureBox& slot : controls_.Picture2) {
        slot.visible = true;
    }
    pile.assign(Picture::none());
    controls_.tracker.reset();
    for (int k = 0; k < kHandSize; ++k) {
        controls_.Picture2[at(k)].enabled = true;
        controls_.Label5[at(k)] = text::kSelectable;
    }

    state_.DeckPos = 0;
    program1(state_.Deck, random_);
    for (int k = 0; k < kHandSize; ++k) {
        const Card c = *state_.Deck[at(state_.DeckPos)];
        controls_.Picture2[at(k)].assign(Picture::faceOf(c));
        state_.Hand[at(k)] = c;
        program5();
        ++state_.DeckPos;
    }
    controls_.Label7 = text::kGoodLuck;
}

bool Game::canPlay(int index) const {
    if (!isDealt() || index < 0 || index >= kHandSize) {
        return false;
    }
    const PictureBox& slot = controls_.Picture2[at(index)];
    return slot.visible && slot.enabled;
}

bool Game::isOver() const {
    return isDealt() && std::none_of(controls_.Picture2.begin(), controls_.Picture2.end(),
                                     [](const PictureBox& s) { return s.visible && s.enabled; });
}

bool Game::Picture2_Click(int index) {
    if (!canPlay(index)) {
        return false;
    }
    events_.playCardSound();
    controls_.Label7 = text::kSelectACard;
    PictureBox& pile = controls_.Picture3;
    PictureBox& slot = controls_.Picture2[at(index)];
    pile.visible = true;
    state_.PlayedCard = state_.Hand[at(index)];
    if (state_.DeckPos == kDeckSize) {
        // The deck is used up: the slot is emptied and keeps the number of its last card.
        slot.visible = false;
        pile.assign(slot.picture);
    } else {
        pile.assign(slot.picture);
        const Card c = *state_.Deck[at(state_.DeckPos)];
        slot.assign(Picture::faceOf(c));
        state_.Hand[at(index)] = c;
        ++state_.DeckPos;
    }
    controls_.Label6 = std::to_string(count());
    program2();
    program4();
    return true;
}

// Records the played card's suit and rank, blanks its tracker label and highlights its matches.
void Game::program2() {
    state_.PlayedSuit = static_cast<std::int16_t>(suitOf(state_.PlayedCard));
    state_.PlayedRank = static_cast<std::int16_t>(rankOf(state_.PlayedCard));
    Tracker& tracker = controls_.tracker;
    tracker.markPlayed(state_.PlayedCard);
    tracker.program3();
    tracker.highlightMatchesOf(state_.PlayedCard);
}

// Marks each slot playable or not and ends the game when no slot is. An emptied slot holds no
// card any more, so it is never playable: otherwise a hand of emptied slots would never end.
void Game::program4() {
    for (int k = 0; k < kHandSize; ++k) {
        const Card card = state_.Hand[at(k)];
        PictureBox& slot = controls_.Picture2[at(k)];
        const bool matches = suitOf(card) == state_.PlayedSuit || rankOf(card) == state_.PlayedRank;
        const bool selectable = slot.visible && matches;
        controls_.Label5[at(k)] = selectable ? text::kSelectable : std::string_view{};
        slot.enabled = selectable;
        controls_.tracker.markInHand(card);
    }
    if (!isOver()) {
        return;
    }
    const bool allPlayed = std::none_of(controls_.Picture2.begin(), controls_.Picture2.end(),
                                        [](const PictureBox& s) { return s.visible; });
    controls_.Label7 = allPlayed ? text::kCongratulation : text::kGameOver;
    events_.gameEnded(count());
}

// Paints the tracker label of the card about to be dealt blue.
void Game::program5() { controls_.tracker.markInHand(*state_.Deck[at(state_.DeckPos)]); }

}  // namespace troven
