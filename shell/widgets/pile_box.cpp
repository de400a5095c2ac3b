#include "pile_box.h"

#include "colours.h"

namespace troven {

PileBox::PileBox(QWidget* parent)
    : PictureBoxWidget(Border::Flat, colours::kTable, parent), SpokenWidget(QAccessible::Client) {}

}  // namespace troven
