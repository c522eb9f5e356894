#include "windows/parpadeo.h"

#include "windows/arte.h"
#include "windows/fuentes.h"

namespace novenario::vista {

TBlinkLabel::TBlinkLabel(QWidget* padre) : QLabel(padre) {
    setAlignment(Qt::AlignCenter);
    setFont(Fuente(Familia::SansSerif, 24, true));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setColor(Negro);
    connect(&timer_, &QTimer::timeout, this, &TBlinkLabel::Tic);
    timer_.setInterval(velocidad_);
    timer_.start();
}

void TBlinkLabel::setVelocidad(int ms) {
    velocidad_ = ms;
    if (ms != 0) {
        timer_.setInterval(ms > 0 ? ms : 1);
        timer_.start();
    } else {
        timer_.stop();
    }
    setVisible(true);
}

void TBlinkLabel::setColor(Color c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, AColor(c));
    setPalette(pal);
}

void TBlinkLabel::Parar() {
    timer_.stop();
    setVisible(false);
}

// isHidden, not isVisible: a label whose window is not shown yet still blinks.
void TBlinkLabel::Tic() { setVisible(isHidden()); }

}  // namespace novenario::vista
