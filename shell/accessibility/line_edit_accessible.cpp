#include "accessibility/line_edit_accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

namespace troven {

namespace {

class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
  public:
    explicit LineEditAccessible(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        const QString value = t == QAccessible::Value ? edit()->text() : QString();
        return value.isEmpty() ? QAccessibleWidget::text(t) : value;
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) {
            edit()->setText(text);
        } else {
            QAccessibleWidget::setText(t, text);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.readOnly = edit()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // The text interface.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;  // a line edit has no attributes of its own: one run covers it all
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override {
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(edit()->text().size()); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0) return;
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override {
        if (index == 0) edit()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index == 0) edit()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override {
        const QString shown = edit()->text();
        if (offset < 0 || offset >= shown.size()) return {};
        // Where the line edit draws an unscrolled text: inside its frame and margins, 2 pixels in.
        const QFontMetrics metrics(edit()->font());
        const QRect area = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        const QRect r(area.left() + 2 + metrics.horizontalAdvance(shown.left(offset)),
                      area.top() + (area.height() - metrics.height()) / 2,
                      metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
        return {edit()->mapToGlobal(r.topLeft()), r.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        edit()->setCursorPosition(endIndex);
        edit()->setCursorPosition(startIndex);
    }

    // The editable text interface.
    void deleteText(int startOffset, int endOffset) override {
        edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override {
        edit()->setText(edit()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* lineEditAccessible(const QString&, QObject* object) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    return edit ? new LineEditAccessible(edit) : nullptr;
}

}  // namespace

void installLineEditAccessible() {
    static const bool installed = (QAccessible::installFactory(lineEditAccessible), true);
    Q_UNUSED(installed);
}

}  // namespace troven
