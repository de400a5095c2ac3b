#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>

#include "game/game.h"
#include "ranking/ranking_window_model.h"
#include "sound/mm_control.h"

class QAction;
class QLabel;

namespace troven {

class Announcer;
class HandSlotBox;
class PictureBoxWidget;
class PileBox;
class PreviousInstance;
class TrackerPanel;

// The main window: the card table. Its handlers change the game and then show what it holds,
// and tell a screen reader what happened. The keyboard moves through the five hand slots and the
// tracker (Tab, Shift+Tab; Left and Right between the slots) and plays the focused slot with Enter
// or Space, or slot 1 to 5 with the keys 1 to 5.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr QSize kClientSize{410, 385};
    // A hand slot or the pile as created, before it shows a card.
    static constexpr QSize kCreatedBoxSize{57, 73};

    // The sound devices play through outputs from `makeOutput`.
    Form1(PreviousInstance& previousInstance, RandomSource& random,
          const OutputFactory& makeOutput = moduleOutputs());
    ~Form1() override;

    // Prepares the window before it is first shown. Returns false when another copy of the program
    // is running: the player has been told, and the program is to end at once.
    bool Form_Load();

    void mnuGameNew_Click();
    void mnuGameRanking_Click();
    void mnuGameExit_Click();
    void Picture2_Click(int index);

    const Game& game() const { return game_; }
    // A table kept with the desktop session, brought back after the load, the focus on its slot.
    void resumeGame(const SavedGame& saved, int focusedSlot);
    // The hand slot with the keyboard focus, or -1.
    int focusedSlot() const;

  signals:
    // The program is to end now: through the menu, or with the main window closed.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void Form_Unload();
    void closeSoundDevices();
    void mirror();
    void showPicture(PictureBoxWidget* box, const Picture& picture, bool visible);
    void describe();
    void playByKey(int slot);
    void focusSlotBeside(int step);
    void playFromStart(MMControl* device);
    void judgeResult(int count);
    void setEnabledQuietly(bool enabled);
    void showForm2(std::int32_t newScore);

    void buildMenu();
    void buildTable(QWidget* table);

    PreviousInstance& previousInstance_;
    Game game_;
    RankingWindowModel ranking_;

    // The controls, named as the window has always named them (also their object names).
    TrackerPanel* Picture5 = nullptr;
    QLabel* Label6 = nullptr;
    PileBox* Picture3 = nullptr;
    std::array<HandSlotBox*, kHandSize> Picture2{};
    std::array<QLabel*, kHandSize> Label5{};
    QLabel* Label7 = nullptr;
    MMControl* MMControl1 = nullptr;
    MMControl* MMControl2 = nullptr;

    Announcer* announcer_ = nullptr;
};

}  // namespace troven
