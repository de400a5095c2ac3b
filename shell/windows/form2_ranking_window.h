#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

#include "ranking/ranking_window_model.h"

class QLabel;
class QPushButton;

namespace troven {

class Announcer;

// The ranking window: three columns of labels (place, name, score) and the Clear button. Its
// controls are made afresh at each opening; the table's logic lives in the model, which lasts
// the whole run. The window asks its questions with Qt's modal boxes.
class Form2 : public QWidget {
    Q_OBJECT

  public:
    static constexpr QSize kClientSize{209, 287};

    explicit Form2(RankingWindowModel& model);

    // Runs before the window is shown: the table is loaded and `newScore`, the result a game's
    // end hands over (0 from the menu), entered if it beats the tenth score.
    void Form_Load(std::int32_t newScore);
    void Command1_Click();

  signals:
    // Closed, the table saved: the main window takes input again.
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Unload();
    void mirror();
    void clearTable();
    QString askName(const QString& offered);
    void tellFailedSave();

    RankingWindowModel& model_;
    std::array<QLabel*, kPlaces> Label1{};  // names
    std::array<QLabel*, kPlaces> Label2{};  // scores
    QPushButton* Command1 = nullptr;
    Announcer* announcer_ = nullptr;  // reads the table to a screen reader
};

}  // namespace troven
