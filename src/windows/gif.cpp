#include "windows/gif.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "windows/imagen_plus.h"

namespace novenario::vista {

namespace {

// Bigger files, or more decoded frames than this, are not animations of
// this program: they are refused rather than allowed to eat the memory.
constexpr qint64 MaximoFichero = 64LL * 1024 * 1024;
constexpr qint64 MaximoBytesFotogramas = 256LL * 1024 * 1024;
// A frame's shortest delay in ms. Files that ask for 0 (or 10) mean "as fast
// as you can", which would redraw hundreds of times a second; browsers give
// such frames a floor too.
constexpr int RetardoMinimo = 20;

// Reads the stream byte by byte; every read past the end marks it broken.
class Lector {
public:
    explicit Lector(const QByteArray& d) : d_(d) {}
    bool Fin() const { return pos_ >= d_.size(); }
    bool Roto() const { return roto_; }
    int Byte() {
        if (pos_ >= d_.size()) {
            roto_ = true;
            return 0;
        }
        return static_cast<unsigned char>(d_[pos_++]);
    }
    int Palabra() {
        const int lo = Byte();
        return lo | (Byte() << 8);
    }
    void Saltar(qsizetype n) {
        if (d_.size() - pos_ < n) {
            roto_ = true;
            pos_ = d_.size();
        } else {
            pos_ += n;
        }
    }
    QByteArray Tomar(qsizetype n) {
        const qsizetype desde = pos_;
        Saltar(n);
        return roto_ ? QByteArray() : d_.mid(desde, n);
    }
    // The data sub-blocks up to their terminator; the first two are kept.
    std::vector<QByteArray> SubBloques() {
        std::vector<QByteArray> primeros;
        for (int n = Byte(); n != 0 && !roto_; n = Byte()) {
            if (primeros.size() < 2) primeros.push_back(Tomar(n));
            else Saltar(n);
        }
        return primeros;
    }

private:
    const QByteArray& d_;
    qsizetype pos_ = 0;
    bool roto_ = false;
};

int TablaColores(int empaquetado) { return (empaquetado & 0x80) ? 3 * (1 << ((empaquetado & 7) + 1)) : 0; }

}  // namespace

// The walk follows the block grammar of GIF89a. The trailer may be missing
// (some encoders leave it out), but only where a block would begin; a file
// that stops inside a block is truncated.
std::optional<EstructuraGif> LeerEstructuraGif(const QByteArray& datos) {
    if (!datos.startsWith("GIF87a") && !datos.startsWith("GIF89a")) return std::nullopt;
    Lector l(datos);
    l.Saltar(6);
    l.Palabra();  // logical screen width
    l.Palabra();  // and height
    const int empaquetado = l.Byte();
    l.Saltar(2);  // background colour, aspect ratio
    l.Saltar(TablaColores(empaquetado));
    EstructuraGif e;
    int retardo = 0;  // of the graphic control extension waiting for its image
    while (!l.Roto() && !l.Fin()) {
        const int bloque = l.Byte();
        if (bloque == 0x3B) break;
        if (bloque == 0x21) {
            const int etiqueta = l.Byte();
            const std::vector<QByteArray> b = l.SubBloques();
            const auto byte = [](const QByteArray& x, int i) { return static_cast<unsigned char>(x[i]); };
            // Graphic control: packed fields, delay (2 bytes), transparent index.
            if (etiqueta == 0xF9 && !b.empty() && b[0].size() >= 3) retardo = byte(b[0], 1) | (byte(b[0], 2) << 8);
            // Application: its name and code, then a data block 1, count (2 bytes).
            if (etiqueta == 0xFF && b.size() == 2 && (b[0] == "NETSCAPE2.0" || b[0] == "ANIMEXTS1.0") &&
                b[1].size() >= 3 && byte(b[1], 0) == 1)
                e.repeticiones = byte(b[1], 1) | (byte(b[1], 2) << 8);
        } else if (bloque == 0x2C) {
            l.Saltar(8);  // left, top, width, height
            l.Saltar(TablaColores(l.Byte()));
            l.Byte();  // LZW minimum code size
            l.SubBloques();
            if (l.Roto()) break;
            e.retardos.push_back(retardo);
            retardo = 0;
        } else {
            return std::nullopt;
        }
    }
    if (l.Roto() || e.retardos.empty()) return std::nullopt;
    return e;
}

TGIFImage::TGIFImage(QWidget* padre) : QWidget(padre) {
    resize(105, 105);
    connect(&timer_, &QTimer::timeout, this, &TGIFImage::Avanzar);
}

bool TGIFImage::Cargar(const QString& fichero) {
    if (!QFileInfo(fichero).isFile()) return false;
    QFile f(fichero);
    if (f.size() > MaximoFichero || !f.open(QIODevice::ReadOnly)) {
        Vaciar();
        return false;
    }
    const QByteArray datos = f.readAll();
    return CargarDatos(datos, fichero);
}

bool TGIFImage::CargarDatos(const QByteArray& datos, const QString& nombre) {
    const std::optional<EstructuraGif> e = LeerEstructuraGif(datos);
    if (!e) {
        Vaciar();
        return false;
    }
    // Qt puts the pixels together (frame offsets, disposal, transparency).
    // The delays and the repeat count come from the walk above: Qt turns a
    // delay of 0 into 100 ms, gives a frame without a delay the one before
    // it, and hands out a frame cut short as if it were whole.
    QBuffer buffer;
    buffer.setData(datos);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lector(&buffer, "gif");
    std::vector<Fotograma> nuevos;
    qint64 bytes = 0;
    for (int centesimas : e->retardos) {
        QImage img;
        if (!lector.read(&img) || img.isNull()) {
            Vaciar();
            return false;
        }
        bytes += static_cast<qint64>(img.width()) * img.height() * 4;
        if (bytes > MaximoBytesFotogramas) {
            Vaciar();
            return false;
        }
        nuevos.push_back({img.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                          std::max(RetardoMinimo, centesimas * 10)});
    }
    fotogramas_ = std::move(nuevos);
    repeticiones_ = e->repeticiones.value_or(0);
    fileName_ = nombre;
    actual_ = 1;
    pasadas_ = 0;
    Ajustar();
    if (animate_) Arrancar();
    else timer_.stop();
    update();
    return true;
}

void TGIFImage::Vaciar() {
    timer_.stop();
    fotogramas_.clear();
    repeticiones_ = 0;
    fileName_.clear();
    actual_ = 0;
    pasadas_ = 0;
    update();
}

int TGIFImage::Retardo(int n) const {
    if (n < 1 || n > Fotogramas()) return 0;
    return fotogramas_[static_cast<std::size_t>(n - 1)].retardo;
}

int TGIFImage::IntervaloDe(int n) const {
    // Delays reach 655350 ms, so the product stays well inside an int.
    return std::max(1, Retardo(n) * 100 / speed_);
}

QImage TGIFImage::Imagen() const {
    if (actual_ < 1 || actual_ > Fotogramas()) return {};
    return fotogramas_[static_cast<std::size_t>(actual_ - 1)].imagen;
}

// A single picture is not an animation: the timer stays off.
void TGIFImage::Arrancar() {
    pasadas_ = 0;
    if (Fotogramas() > 1) timer_.start(IntervaloDe(actual_));
    else timer_.stop();
}

void TGIFImage::setAnimate(bool b) {
    if (b == animate_) return;
    animate_ = b;
    if (b) Arrancar();
    else Parar();
}

void TGIFImage::Parar() {
    timer_.stop();
    actual_ = Fotogramas() > 0 ? 1 : 0;
    update();
}

void TGIFImage::setSpeed(int porcentaje) {
    speed_ = porcentaje <= 0 ? 1 : porcentaje;
    if (timer_.isActive()) timer_.setInterval(IntervaloDe(actual_));
}

void TGIFImage::setCurrentFrame(int n) {
    if (n < 1 || n > Fotogramas() || n == actual_) return;
    actual_ = n;
    if (timer_.isActive()) timer_.setInterval(IntervaloDe(actual_));
    update();
}

// Passes are counted whatever Loop says; Loop only decides whether they
// can end the animation.
void TGIFImage::Avanzar() {
    if (Fotogramas() == 0) return;
    int siguiente = actual_ + 1;
    if (siguiente > Fotogramas()) {
        siguiente = 1;
        ++pasadas_;
        if (!loop_ && repeticiones_ > 0 && pasadas_ > repeticiones_) {
            animate_ = false;
            Parar();
            return;
        }
    }
    actual_ = siguiente;
    if (timer_.isActive()) timer_.setInterval(IntervaloDe(actual_));
    update();
}

void TGIFImage::setAutoSize(bool b) {
    autoSize_ = b;
    Ajustar();
}

void TGIFImage::setStretch(bool b) {
    stretch_ = b;
    update();
}

void TGIFImage::setCenter(bool b) {
    center_ = b;
    update();
}

void TGIFImage::Ajustar() {
    if (autoSize_ && !fotogramas_.empty()) resize(fotogramas_.front().imagen.size());
}

QSize TGIFImage::sizeHint() const { return fotogramas_.empty() ? QSize(105, 105) : fotogramas_.front().imagen.size(); }

void TGIFImage::paintEvent(QPaintEvent*) {
    const QImage img = Imagen();
    if (img.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    p.drawImage(RectanguloDibujo(img.size(), rect(), stretch_, center_), img);
}

}  // namespace novenario::vista
