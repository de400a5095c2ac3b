#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>

#include "art/artwork.h"

namespace troven {

// A picture box: a fixed border around a picture drawn at the top-left of its interior, on a
// plain background, looking the same whether its window is enabled or not. The picture is drawn
// for the scale of the screen the box is painted on, so it is sharp on any screen and is drawn
// anew when its window moves to a screen of another scale. It reports a click (press and release
// on it) with its index.
class PictureBoxWidget : public QWidget {
    Q_OBJECT

  public:
    // No border, a 1-pixel black frame, or a 2-pixel sunken edge; the value is the width.
    enum class Border { None = 0, Flat = 1, Sunken = 2 };

    PictureBoxWidget(Border border, const QColor& background, QWidget* parent = nullptr);

    // The area inside the border, where the picture and child controls go.
    QRect interior() const;
    int borderWidth() const { return static_cast<int>(border_); }
    // The artwork shown, or none.
    void setPicture(std::optional<art::Artwork> artwork);
    // Takes the size of its picture inside its border; keeps its size while it shows none.
    void fitToPicture();
    // The picture as drawn for the box's screen now; null when it shows none.
    QPixmap picture() const;
    void setIndex(int index) { index_ = index; }

  signals:
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Border border_;
    QColor background_;
    std::optional<art::Artwork> artwork_;
    int index_ = 0;
    bool pressed_ = false;
};

}  // namespace troven
