#pragma once

#include <QPixmap>
#include <QWidget>

namespace troven {

// A picture box: a fixed border around a picture drawn at the top-left of its interior, on a
// plain background. It reports a click (press and release on it) with its index.
class PictureBoxWidget : public QWidget {
    Q_OBJECT

  public:
    enum class Border { Flat, Sunken };  // a 1-pixel black frame, or a 2-pixel sunken edge

    PictureBoxWidget(Border border, const QColor& background, QWidget* parent = nullptr);

    // The area inside the border, where the picture and child controls go.
    QRect interior() const;
    int borderWidth() const { return border_ == Border::Flat ? 1 : 2; }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
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
    QPixmap picture_;
    int index_ = 0;
    bool pressed_ = false;
};

}  // namespace troven
