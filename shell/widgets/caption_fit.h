#pragma once

class QLabel;
class QString;

namespace troven {

// Fits a caption that the label shows and that is wider than it (the "10" among the ranks)
// inside it, without moving or resizing the label: the label's font draws it with tighter letter
// spacing and, where that is not enough, a condensed width, until the caption's ink keeps clear of
// the label's left and right edges; the ink is then centred. Only this label's font changes.
void fitCaption(QLabel* label, const QString& caption);

}  // namespace troven
