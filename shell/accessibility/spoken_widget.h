#pragma once

#include <QAccessible>
#include <QString>

#include <memory>

namespace troven {

// A widget whose accessible name and description a screen reader reads as they stand at the
// moment it reads them, with no event when they change. Qt 6.4 tells of a changed name or
// description with an event that carries the object instead of the text, which Orca 43 cannot
// speak ("bad content sent to speak()"); and the dozens of such events a play would send (a card
// tracker cell each) delay Orca by several milliseconds each and, past a hundred queued, make it
// drop the events it has to speak. What changes during a game is told by announcements and by the
// focus instead (Announcer, the hand slots and tracker cells).
class SpokenWidget {
  public:
    // `focusable`: the keyboard reaches it, though not by its focus policy (see TrackerLabel).
    explicit SpokenWidget(QAccessible::Role role, bool focusable = false);
    virtual ~SpokenWidget() = default;
    SpokenWidget(const SpokenWidget&) = delete;
    SpokenWidget& operator=(const SpokenWidget&) = delete;

    void setSpokenTexts(const QString& name, const QString& description);

    struct Texts {
        QAccessible::Role role;
        bool focusable;
        QString name;
        QString description;
    };
    // Shared with the accessible interface, which Qt may still ask while the widget is destroyed.
    std::shared_ptr<const Texts> spokenTexts() const { return texts_; }

  private:
    std::shared_ptr<Texts> texts_;
};

}  // namespace troven
