#include "accessibility/spoken_widget.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <utility>

namespace troven {

namespace {

class SpokenAccessible final : public QAccessibleWidget {
  public:
    SpokenAccessible(QWidget* widget, std::shared_ptr<const SpokenWidget::Texts> texts)
        : QAccessibleWidget(widget, texts->role), texts_(std::move(texts)) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return texts_->name;
            case QAccessible::Description:
                return texts_->description;
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = s.focusable || texts_->focusable;
        return s;
    }

  private:
    std::shared_ptr<const SpokenWidget::Texts> texts_;
};

QAccessibleInterface* spokenAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* spoken = dynamic_cast<const SpokenWidget*>(object);
    return widget && spoken ? new SpokenAccessible(widget, spoken->spokenTexts()) : nullptr;
}

}  // namespace

SpokenWidget::SpokenWidget(QAccessible::Role role, bool focusable)
    : texts_(std::make_shared<Texts>(Texts{role, focusable, {}, {}})) {
    // Before Qt makes the first accessible interface of a spoken widget.
    static const bool installed = (QAccessible::installFactory(spokenAccessible), true);
    Q_UNUSED(installed);
}

void SpokenWidget::setSpokenTexts(const QString& name, const QString& description) {
    texts_->name = name;
    texts_->description = description;
}

}  // namespace troven
