#include "spoken_widget.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace troven {

namespace {

class SpokenAccessible final : public QAccessibleWidget {
  public:
    SpokenAccessible(QWidget* widget, const SpokenWidget& spoken)
        : QAccessibleWidget(widget, spoken.spokenRole()), spoken_(spoken) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return spoken_.spokenName();
            case QAccessible::Description:
                return spoken_.spokenDescription();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = s.focusable || spoken_.isFocusable();
        return s;
    }

  private:
    const SpokenWidget& spoken_;
};

QAccessibleInterface* spokenAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* spoken = dynamic_cast<const SpokenWidget*>(object);
    return widget && spoken ? new SpokenAccessible(widget, *spoken) : nullptr;
}

}  // namespace

SpokenWidget::SpokenWidget(QAccessible::Role role, bool focusable)
    : role_(role), focusable_(focusable) {
    // Before Qt makes the first accessible interface of a spoken widget.
    static const bool installed = (QAccessible::installFactory(spokenAccessible), true);
    Q_UNUSED(installed);
}

void SpokenWidget::setSpokenTexts(const QString& name, const QString& description) {
    name_ = name;
    description_ = description;
}

}  // namespace troven
