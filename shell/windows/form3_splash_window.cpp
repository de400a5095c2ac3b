#include "windows/form3_splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

#include <utility>

#include "art/colours.h"
#include "looks/fonts.h"
#include "looks/program_identity.h"
#include "widgets/label_layout.h"
#include "widgets/picture_box_widget.h"
#include "widgets/pixel_ring.h"
#include "windows/centring.h"

namespace troven {

Form3::Form3(std::function<void()> showForm1) : showForm1_(std::move(showForm1)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setWindowIcon(smallProgramIcon(devicePixelRatioF()));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kSize);
    setAutoFillBackground(true);
    QPalette orange = palette();
    orange.setColor(QPalette::Window, colours::kSplashGround);
    setPalette(orange);

    QLabel* Label1 =
        makeLabel(this, QRect(16, 16, 113, 17), fonts::face(fonts::kMincho, 14.25, {.bold = true}),
                  Qt::AlignLeft | Qt::AlignTop);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(programName());
    setLabelColours(Label1, QGuiApplication::palette().color(QPalette::Highlight),
                    orange.color(QPalette::Window));

    auto* Picture1 =
        new PictureBoxWidget(PictureBoxWidget::Border::Sunken, colours::kEmblemBox, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(56, 48);
    Picture1->setPicture(art::Artwork::emblem());
    Picture1->fitToPicture();

    Timer1.setInterval(kInterval);
    Timer1.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5% early
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    Timer1.start();
}

void Form3::Form_Load() { centreOnScreen(this); }

void Form3::Timer1_Timer() { close(); }

// However the splash goes, the main window follows, loaded once the splash is off the screen.
void Form3::closeEvent(QCloseEvent* event) {
    Timer1.stop();
    event->accept();
    if (showForm1_) QTimer::singleShot(0, qApp, std::exchange(showForm1_, nullptr));
}

void Form3::paintEvent(QPaintEvent*) {
    // The frame: one pixel in the window-text colour along the outermost pixels.
    QPainter p(this);
    const QColor frame = palette().color(QPalette::WindowText);
    fillPixelRing(p, rect(), frame, frame);
}

}  // namespace troven
