// The animated-GIF player. It holds the frames of a GIF file (GIF87a or
// GIF89a), each with its delay, and the file's repeat count (the NETSCAPE2.0
// extension), and shows them one after another on its own timer.
//
// Words: a frame's delay is the file's delay in hundredths of a second
// times 10, at least 1 ms; its interval is that delay scaled by Speed
// (percent). A pass ends each time the animation goes from the last frame
// back to the first. With Loop false the player stops once the passes
// exceed the file's repeat count; a repeat count of 0, or none at all,
// means for ever. Stopping shows the first frame again.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

namespace novenario::vista {

// What the block structure of a GIF file says, read without decoding any
// pixels: the delay of every image (hundredths of a second, 0 when the image
// has no graphic control extension) and the repeat count of the NETSCAPE2.0
// extension (nullopt when the file has none). Nothing when the stream is
// not a GIF or ends in the middle of a block.
struct EstructuraGif {
    std::vector<int> retardos;
    std::optional<int> repeticiones;
};
std::optional<EstructuraGif> LeerEstructuraGif(const QByteArray& datos);

class TGIFImage : public QWidget {
    Q_OBJECT
public:
    explicit TGIFImage(QWidget* padre = nullptr);

    // Loads a GIF file. When the file does not exist nothing changes; when
    // it cannot be read or decoded the control is cleared. Both return false.
    // On success the player shows frame 1 and, if Animate is on, runs.
    bool Cargar(const QString& fichero);
    // The same for a file already read; nombre is what FileName reports.
    bool CargarDatos(const QByteArray& datos, const QString& nombre);
    // No frames, no file name, no animation running.
    void Vaciar();

    QString FileName() const { return fileName_; }
    bool Animate() const { return animate_; }
    void setAnimate(bool b);
    bool Loop() const { return loop_; }
    void setLoop(bool b) { loop_ = b; }
    int Speed() const { return speed_; }
    void setSpeed(int porcentaje);
    // 1-based; 0 while the control holds no frames.
    int CurrentFrame() const { return actual_; }
    void setCurrentFrame(int n);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool b);
    bool Stretch() const { return stretch_; }
    void setStretch(bool b);
    bool Center() const { return center_; }
    void setCenter(bool b);

    int Fotogramas() const { return static_cast<int>(fotogramas_.size()); }
    // A frame's delay in ms (1-based frame number).
    int Retardo(int n) const;
    // The file's repeat count; 0 stands for "for ever" (also when absent).
    int Repeticiones() const { return repeticiones_; }
    // The picture of the current frame (null when there is none).
    QImage Imagen() const;
    // The animation timer: its interval and whether it runs.
    int Intervalo() const { return timer_.interval(); }
    bool Corriendo() const { return timer_.isActive(); }

    // One tick of the animation, as the timer runs it.
    void Avanzar();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Fotograma {
        QImage imagen;
        int retardo;  // ms, at least 1
    };
    int IntervaloDe(int n) const;
    void Arrancar();
    void Parar();
    void Ajustar();

    std::vector<Fotograma> fotogramas_;
    int repeticiones_ = 0;
    QString fileName_;
    bool animate_ = false;
    bool loop_ = true;
    int speed_ = 100;
    int actual_ = 0;
    int pasadas_ = 0;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    QTimer timer_;
};

}  // namespace novenario::vista
