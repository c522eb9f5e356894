// The blinking label: at every tick of its own timer its visibility is
// inverted. Velocidad is the period in milliseconds; setting it makes the
// label visible and runs the timer unless the period is 0.
#pragma once

#include <QLabel>
#include <QTimer>

#include "board/colores.h"

namespace novenario::vista {

class TBlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TBlinkLabel(QWidget* padre = nullptr);

    int Velocidad() const { return velocidad_; }
    void setVelocidad(int ms);
    void setColor(Color c);
    // Stops blinking and hides the label (used while its panel is hidden).
    void Parar();
    bool Activa() const { return timer_.isActive(); }

private:
    void Tic();

    int velocidad_ = 400;
    QTimer timer_;
};

}  // namespace novenario::vista
