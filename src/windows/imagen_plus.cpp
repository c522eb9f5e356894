#include "windows/imagen_plus.h"

#include <QPainter>

namespace novenario::vista {

QRect RectanguloDibujo(QSize imagen, QRect area, bool estirar, bool centrar) {
    if (estirar) return area;
    QRect r(area.topLeft(), imagen);
    if (centrar) r.moveTopLeft(area.topLeft() + QPoint((area.width() - imagen.width()) / 2,
                                                       (area.height() - imagen.height()) / 2));
    return r;
}

TImagenPlus::TImagenPlus(QWidget* padre) : QWidget(padre) { resize(105, 105); }

void TImagenPlus::setPicture(const QPixmap& p) {
    picture_ = p;
    Ajustar();
    update();
}

void TImagenPlus::setStretch(bool b) {
    stretch_ = b;
    update();
}

void TImagenPlus::setCenter(bool b) {
    center_ = b;
    update();
}

void TImagenPlus::setAutoSize(bool b) {
    autoSize_ = b;
    Ajustar();
}

void TImagenPlus::Ajustar() {
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

QSize TImagenPlus::sizeHint() const { return picture_.isNull() ? QSize(105, 105) : picture_.size(); }

void TImagenPlus::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    p.drawPixmap(RectanguloDibujo(picture_.size(), rect(), stretch_, center_), picture_);
}

}  // namespace novenario::vista
