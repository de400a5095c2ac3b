#pragma once

#include <gtest/gtest.h>

#include <QStringList>

#include <deque>
#include <vector>

#include "ranking_window_model.h"

namespace troven::testing {

// Answers the ranking window's boxes from a script and remembers what they showed.
class ScriptedDialogs final : public RankingDialogs {
  public:
    struct Prompt {
        QString prompt, title, defaultText;
    };

    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override {
        prompts.push_back({prompt, title, defaultText});
        if (answers.empty()) {
            // Out of script: take the offered name so that name entry ends.
            if (!acceptOffered) ADD_FAILURE() << "unexpected name prompt";
            return defaultText;
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool askYesNo(const QString& question) override {
        questions << question;
        return yes;
    }
    void showWarning(const QString& message) override { warnings << message; }

    std::deque<QString> answers;  // for the input box, in order; the empty text is a cancel
    bool acceptOffered = false;   // once the answers are used up, OK the pre-filled name
    bool yes = false;
    std::vector<Prompt> prompts;
    QStringList questions;
    QStringList warnings;
};

}  // namespace troven::testing
