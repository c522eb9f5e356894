// The picture control of the windows' backgrounds: a fixed picture drawn at
// its own size from the top-left corner (or centred), or stretched over the
// whole control. CompressionQuality is the JPEG quality a saved picture
// would get; nothing in the game saves one, so it only travels along.
//
// RectanguloDibujo is the placing rule it shares with the GIF player.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace novenario::vista {

// Where a picture of that size lands inside the area: stretched over all of
// it, centred in it, or at its own size from its top-left corner.
QRect RectanguloDibujo(QSize imagen, QRect area, bool estirar, bool centrar);

class TImagenPlus : public QWidget {
    Q_OBJECT
public:
    explicit TImagenPlus(QWidget* padre = nullptr);

    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& p);
    bool Stretch() const { return stretch_; }
    void setStretch(bool b);
    bool Center() const { return center_; }
    void setCenter(bool b);
    // With AutoSize the control takes the size of its picture.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool b);
    int CompressionQuality() const { return compressionQuality_; }
    void setCompressionQuality(int q) { compressionQuality_ = q; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Ajustar();

    QPixmap picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
    int compressionQuality_ = 90;
};

}  // namespace novenario::vista
