#include "widgets/pile_box.h"

#include "art/artwork.h"

namespace troven {

PileBox::PileBox(QWidget* parent)
    : PictureBoxWidget(Border::Flat, art::kTableGreen, parent), SpokenWidget(QAccessible::Client) {}

}  // namespace troven
