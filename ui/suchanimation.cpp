#include "ui/suchanimation.h"

#include <QPainter>
#include <QtMath>

namespace quandel {

SuchAnimation::SuchAnimation(QWidget* eltern) : QWidget(eltern) {
    takt_.setInterval(80);
    connect(&takt_, &QTimer::timeout, this, [this] {
        bild_ = (bild_ + 1) % kBilder;
        update();
    });
}

void SuchAnimation::Starten() {
    takt_.start();
}

void SuchAnimation::Anhalten() {
    takt_.stop();
    bild_ = kHaltebild;
    update();
}

void SuchAnimation::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const QRectF flaeche = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    // The glass circles around the middle of the widget, one step per frame.
    const double winkel = 2.0 * M_PI * bild_ / kBilder;
    const double radius = 1.5;
    const QPointF mitte = flaeche.center() + QPointF(radius * qCos(winkel), radius * qSin(winkel));
    const double glas = flaeche.width() * 0.28;
    maler.setPen(QPen(Qt::black, 1.2));
    maler.setBrush(QColor(200, 225, 255));
    maler.drawEllipse(mitte - QPointF(1, 1), glas, glas);
    maler.drawLine(mitte + QPointF(glas * 0.5, glas * 0.5),
                   mitte + QPointF(glas * 1.6, glas * 1.8));
}

} // namespace quandel
