#include "game/game.h"

#include <algorithm>

#include "game/saved_game.h"

namespace troven {

namespace {
std::size_t at(int i) { return static_cast<std::size_t>(i); }
}  // namespace

void Game::showCardBacks() {
    for (HandSlot& slot : hand_) slot.picture = Picture::cardBack();
    pile_.visible = false;
}

void Game::newGame() {
    pile_ = {Picture::none(), false};
    tracker_.reset();
    state_.DeckPos = 0;
    shuffleDeck(state_.Deck, random_);
    for (int k = 0; k < kHandSize; ++k) {
        const Card c = *state_.Deck[at(state_.DeckPos)];
        hand_[at(k)] = {Picture::faceOf(c), true, true};
        state_.Hand[at(k)] = c;
        tracker_.markInHand(c);
        ++state_.DeckPos;
    }
    message_ = Message::GoodLuck;
}

bool Game::canPlay(int slot) const {
    return isDealt() && slot >= 0 && slot < kHandSize && hand_[at(slot)].playable;
}

bool Game::isOver() const {
    return isDealt() &&
           std::none_of(hand_.begin(), hand_.end(), [](const HandSlot& s) { return s.playable; });
}

PlayOutcome Game::play(int slot) {
    if (!canPlay(slot)) return {};
    message_ = Message::SelectACard;
    HandSlot& played = hand_[at(slot)];
    pile_ = {played.picture, true};
    state_.PlayedCard = state_.Hand[at(slot)];
    if (state_.DeckPos == kDeckSize) {
        // The deck is used up: the slot is emptied and keeps the number of its last card.
        played.visible = false;
    } else {
        const Card c = *state_.Deck[at(state_.DeckPos)];
        played.picture = Picture::faceOf(c);
        state_.Hand[at(slot)] = c;
        ++state_.DeckPos;
    }
    recordPlayedCard();
    return {.played = true, .gameEnded = judgeNextPlays(), .count = count()};
}

// Before the first play every slot may be played, as after the deal; after it, the rule decides.
void Game::resume(const SavedGame& saved) {
    state_ = saved.state;
    tracker_.reset();
    for (int k = 0; k < kHandSize; ++k) {
        const Card c = state_.Hand[at(k)];
        hand_[at(k)] = {Picture::faceOf(c), !saved.emptied[at(k)], true};
        if (!saved.emptied[at(k)]) tracker_.markInHand(c);
    }
    for (int i = 0; i < state_.DeckPos; ++i) {
        const Card c = *state_.Deck[at(i)];
        if (tracker_.cell(c).state != CardState::InHand) tracker_.markPlayed(c);
    }
    if (!saved.pileShown) {
        pile_ = {Picture::none(), false};
        message_ = Message::GoodLuck;
        return;
    }
    pile_ = {Picture::faceOf(state_.PlayedCard), true};
    tracker_.highlightMatchesOf(state_.PlayedCard);
    markPlayableSlots();
    message_ = isOver() ? endMessage() : Message::SelectACard;
}

void Game::recordPlayedCard() {
    state_.PlayedSuit = static_cast<std::int16_t>(suitOf(state_.PlayedCard));
    state_.PlayedRank = static_cast<std::int16_t>(rankOf(state_.PlayedCard));
    tracker_.markPlayed(state_.PlayedCard);
    tracker_.highlightMatchesOf(state_.PlayedCard);
}

// Marks each slot playable or not. An emptied slot holds no card any more, so it is never
// playable: otherwise a hand of emptied slots would never end.
void Game::markPlayableSlots() {
    for (int k = 0; k < kHandSize; ++k) {
        const Card card = state_.Hand[at(k)];
        HandSlot& slot = hand_[at(k)];
        const bool matches = suitOf(card) == state_.PlayedSuit || rankOf(card) == state_.PlayedRank;
        slot.playable = slot.visible && matches;
        tracker_.markInHand(card);
    }
}

Message Game::endMessage() const {
    const bool allPlayed =
        std::none_of(hand_.begin(), hand_.end(), [](const HandSlot& s) { return s.visible; });
    return allPlayed ? Message::Congratulation : Message::GameOver;
}

// Ends the game when no slot may be played; true if it did.
bool Game::judgeNextPlays() {
    markPlayableSlots();
    if (!isOver()) return false;
    message_ = endMessage();
    return true;
}

}  // namespace troven
