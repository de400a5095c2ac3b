#include "widgets/pile_box.h"

#include "art/colours.h"

namespace troven {

PileBox::PileBox(QWidget* parent)
    : PictureBoxWidget(Border::Flat, colours::kTable, parent), SpokenWidget(QAccessible::Client) {}

}  // namespace troven
