#include "pile_box.h"

#include "artwork.h"

namespace troven {

PileBox::PileBox(QWidget* parent)
    : PictureBoxWidget(Border::Flat, art::kTableGreen, parent), SpokenWidget(QAccessible::Client) {}

}  // namespace troven
