#pragma once

#include <QPixmap>
#include <array>

#include "card.h"
#include "table.h"

namespace troven {

// The main window's hidden picture stores: the 52 card faces, the card back and the empty
// picture. Each picture is loaded the first time it is shown.
class CardPictures {
  public:
    explicit CardPictures(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio) {}
    const QPixmap& of(Picture picture);

  private:
    qreal devicePixelRatio_;
    std::array<QPixmap, kDeckSize> Picture1;
    QPixmap Picture6;
    QPixmap Picture4;
};

}  // namespace troven
