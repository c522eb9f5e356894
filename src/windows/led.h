// The LED lamp. It keeps two pictures, lit and dark, built from the lamp
// picture of its style by flood-filling the lime lamp area with the lit or
// the dark colour (and, without its own border, the silver surround with the
// border colour, so that it blends into its parent). Lit and blinking, it
// swaps the two pictures every Interval milliseconds, while it can be seen:
// a lamp hidden with its panel (the error banner between two errors) has
// no timer, so an idle game sleeps.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "board/colores.h"

namespace novenario::vista {

class ThhALed : public QWidget {
    Q_OBJECT
public:
    enum Estilo { LEDSmall = 0, LEDLarge, LEDSqSmall, LEDSqLarge, LEDVertical, LEDHorizontal };

    explicit ThhALed(QWidget* padre = nullptr);

    bool Value() const { return value_; }
    void setValue(bool v);
    bool Blink() const { return blink_; }
    void setBlink(bool b);
    int Interval() const { return interval_; }
    void setInterval(int ms);
    Color TrueColor() const { return colorSi_; }
    void setTrueColor(Color c);
    Color FalseColor() const { return colorNo_; }
    void setFalseColor(Color c);
    Color BorderColor() const { return colorBorde_; }
    void setBorderColor(Color c);
    bool Bordered() const { return bordeado_; }
    void setBordered(bool b);
    Estilo LEDStyle() const { return estilo_; }
    void setLEDStyle(Estilo e);

    // The picture on show (lit or dark), for tests and for painting.
    const QImage& ImagenVisible() const { return encendidaVisible_ ? encendida_ : apagada_; }
    // Whether its blinking timer runs.
    bool Parpadeando() const { return timer_ != nullptr; }

signals:
    void OnTimer();
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void Construir();
    void ArrancarOParar();
    // Where its blinking can be seen: on screen in its window, or a lamp on
    // its own not hidden.
    bool ALaVista() const;
    void Paso();

    bool value_ = false;
    bool blink_ = true;
    int interval_ = 1000;
    Color colorSi_ = Verde;
    Color colorNo_ = Plata;
    Color colorBorde_ = Plata;
    bool bordeado_ = true;
    Estilo estilo_ = LEDSmall;
    QImage encendida_, apagada_;
    bool encendidaVisible_ = false;
    std::unique_ptr<QTimer> timer_;  // only while lit and blinking
};

}  // namespace novenario::vista
