#include "windows/arte.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "windows/fuentes.h"

namespace novenario::vista {

QColor AColor(Color c) { return QColor(RojoDe(c), VerdeDe(c), AzulDe(c)); }

namespace {

// A small fixed random source, so that every picture comes out the same on
// every run (the wood grain, the specks of the weave).
struct Azar {
    quint32 s;
    quint32 Siguiente() {
        s = s * 1664525u + 1013904223u;
        return s;
    }
    double Real() { return (Siguiente() >> 8) / 16777216.0; }
    int Entero(int n) { return static_cast<int>(Real() * n); }
};

int Acotar(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

// Pictures are kept for the whole run; the cache is never destroyed, so no
// pixmap outlives the application object at exit.
QHash<QString, QPixmap>& Cache() {
    static auto* cache = new QHash<QString, QPixmap>;
    return *cache;
}

QString Clave(const char* nombre, QSize tam, int extra = 0) {
    return QStringLiteral("%1:%2x%3:%4").arg(QLatin1String(nombre)).arg(tam.width()).arg(tam.height()).arg(extra);
}

// The greyed look of an inactive button: the picture loses its colour and
// fades towards the window's silver.
void Apagar(QImage& img) {
    for (int y = 0; y < img.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = fila[x];
            const int gris = qGray(p);
            const int v = Acotar(118 + gris * 0.42);
            fila[x] = qRgba(v, v, v, qAlpha(p));
        }
    }
}

// Fine wavy lines of wood grain across the whole picture.
void Vetas(QPainter& p, int w, int h, quint32 semilla, QColor color, int cuantas, int alfa_min, int alfa_var) {
    Azar azar{semilla};
    for (int i = 0; i < cuantas; ++i) {
        const double y0 = azar.Real() * h;
        const double amp = 0.5 + azar.Real() * 1.4;
        const double fase = azar.Real() * 6.283;
        const double lon = 0.025 + azar.Real() * 0.05;
        QPainterPath veta;
        veta.moveTo(0, y0);
        for (int x = 0; x <= w + 4; x += 3) veta.lineTo(x, y0 + amp * std::sin(x * lon + fase));
        QColor c = color;
        c.setAlpha(alfa_min + azar.Entero(alfa_var));
        p.setPen(QPen(c, 0.8));
        p.drawPath(veta);
    }
}

// The rounded wooden face shared by the command buttons and the pad keys.
QImage Madera(QSize tam, QColor claro, QColor medio, QColor oscuro, QColor borde, double radio) {
    const int w = tam.width(), h = tam.height();
    QImage img(tam, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath forma;
    forma.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radio, radio);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, claro);
    g.setColorAt(0.5, medio);
    g.setColorAt(1.0, oscuro);
    p.fillPath(forma, g);
    p.save();
    p.setClipPath(forma);
    Vetas(p, w, h, static_cast<quint32>(w * 7919 + h * 104729), QColor(96, 58, 24), h / 2 + 4, 16, 34);
    QLinearGradient brillo(0, 0, 0, h * 0.5);
    brillo.setColorAt(0, QColor(255, 255, 255, 96));
    brillo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, h * 0.5), brillo);
    p.restore();
    const double r = std::min(radio, 3.0);
    p.setPen(QPen(QColor(255, 248, 228, 215), 1));
    p.drawLine(QPointF(r, 1.5), QPointF(w - r, 1.5));
    p.drawLine(QPointF(1.5, r), QPointF(1.5, h - r));
    p.setPen(QPen(QColor(90, 56, 26, 175), 1));
    p.drawLine(QPointF(r, h - 1.5), QPointF(w - r, h - 1.5));
    p.drawLine(QPointF(w - 1.5, r), QPointF(w - 1.5, h - r));
    p.setPen(QPen(borde, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(forma);
    return img;
}

// One strand of the weave, seen across: bright in the middle, dark at the
// edges where it dips under its neighbours.
QImage Tejido(QSize tam, int ancho, QColor base, double contraste, quint32 semilla) {
    QImage img(tam, QImage::Format_RGB32);
    for (int y = 0; y < tam.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < tam.width(); ++x) {
            const int cx = x / ancho, cy = y / ancho;
            const int lx = x % ancho, ly = y % ancho;
            const bool horizontal = ((cx + cy) & 1) == 0;
            const double t = (horizontal ? ly : lx) / (ancho - 1.0);
            const double a = (horizontal ? lx : ly) / (ancho - 1.0);
            double f = 1.0 + contraste * (std::cos((t - 0.5) * 3.1416) - 0.75);
            if ((horizontal ? ly : lx) == 0) f -= contraste * 0.55;
            f -= contraste * 0.25 * std::pow(std::abs(a - 0.5) * 2.0, 3.0);
            quint32 h = static_cast<quint32>(x) * 73856093u ^ static_cast<quint32>(y) * 19349663u ^ semilla;
            h ^= h >> 13;
            h *= 0x5bd1e995u;
            h ^= h >> 15;
            const double ruido = (static_cast<int>(h % 9) - 4) * 1.2;
            fila[x] = qRgb(Acotar(base.red() * f + ruido), Acotar(base.green() * f + ruido),
                           Acotar(base.blue() * f + ruido));
        }
    }
    return img;
}

// A picture drawn once per key and kept: the view asks for the same faces
// at every repaint.
template <typename Dibujo>
QPixmap EnCache(const QString& clave, Dibujo dibuja) {
    auto it = Cache().constFind(clave);
    if (it != Cache().constEnd()) return *it;
    QPixmap px = QPixmap::fromImage(dibuja());
    Cache().insert(clave, px);
    return px;
}

}  // namespace

QPixmap CaraBoton(QSize tam, bool activa) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("cara", tam, activa), [&] {
        QImage img = Madera(tam, QColor(243, 225, 186), QColor(218, 183, 132), QColor(168, 124, 76),
                            QColor(76, 47, 20), 3.0);
        if (!activa) Apagar(img);
        return img;
    });
}

QPixmap CaraTecla(QSize tam, bool activa) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("tecla", tam, activa), [&] {
        QImage img = Madera(tam, QColor(176, 126, 74), QColor(140, 94, 50), QColor(104, 66, 32),
                            QColor(58, 34, 14), 2.0);
        if (!activa) Apagar(img);
        return img;
    });
}

QPixmap Trama(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("trama", tam), [&] {
        return Tejido(tam, 6, AColor(Tostado), 0.17, 0x51u);
    });
}

QPixmap FondoMicro(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("micro", tam), [&] {
        QImage img = Tejido(tam, 3, AColor(Tostado), 0.12, 0x77u);
        {
            QPainter p(&img);
            p.setPen(QColor(246, 228, 196));
            p.drawLine(0, 0, tam.width() - 1, 0);
            p.drawLine(0, 0, 0, tam.height() - 1);
            p.setPen(QColor(96, 64, 34));
            p.drawLine(0, tam.height() - 1, tam.width() - 1, tam.height() - 1);
            p.drawLine(tam.width() - 1, 0, tam.width() - 1, tam.height() - 1);
        }
        return img;
    });
}

QPixmap FondoTeclado(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("teclado", tam), [&] {
        const int w = tam.width(), h = tam.height();
        QImage img(tam, QImage::Format_RGB32);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            QLinearGradient g(0, 0, 0, h);
            g.setColorAt(0, QColor(150, 104, 60));
            g.setColorAt(1, QColor(118, 78, 42));
            p.fillRect(img.rect(), g);
            Vetas(p, w, h, 0x3c6ef372u, QColor(60, 34, 12), h, 24, 40);
            Vetas(p, w, h, 0x1f83d9abu, QColor(200, 160, 110), h / 3, 14, 24);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QColor(70, 44, 20));
            p.drawLine(0, 0, w - 1, 0);
            p.drawLine(0, 0, 0, h - 1);
            p.setPen(QColor(214, 180, 134));
            p.drawLine(0, h - 1, w - 1, h - 1);
            p.drawLine(w - 1, 0, w - 1, h - 1);
        }
        return img;
    });
}

QPixmap Franja(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("franja", tam), [&] {
        const int w = tam.width(), h = tam.height();
        QImage img(tam, QImage::Format_RGB32);
        {
            QPainter p(&img);
            QLinearGradient g(0, 0, 0, h);
            g.setColorAt(0, AColor(Arena).lighter(106));
            g.setColorAt(0.55, AColor(Arena));
            g.setColorAt(1, AColor(Tostado));
            p.fillRect(img.rect(), g);
            p.setRenderHint(QPainter::Antialiasing);
            Vetas(p, w, h, 0x9e3779b9u, QColor(140, 100, 60), h / 2, 10, 16);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QColor(128, 128, 128));
            p.drawLine(0, 0, w - 1, 0);
            p.drawLine(0, 0, 0, h - 1);
            p.setPen(Qt::white);
            p.drawLine(0, h - 1, w - 1, h - 1);
            p.drawLine(w - 1, 0, w - 1, h - 1);
        }
        return img;
    });
}

namespace {

// Letters centred in a box: as text, or as outlines filled with the pen's
// colour, which a drawing that carries no fonts (an SVG file) can hold.
void Letras(QPainter& p, const QRectF& r, const QString& s, bool trazos) {
    if (!trazos) {
        p.drawText(r, Qt::AlignCenter, s);
        return;
    }
    const QFontMetricsF fm(p.font());
    QPainterPath trazo;
    trazo.addText(r.center().x() - fm.horizontalAdvance(s) / 2.0, r.center().y() + (fm.ascent() - fm.descent()) / 2.0,
                  p.font(), s);
    p.fillPath(trazo, p.pen().color());
}

}  // namespace

void PintarEmblema(QPainter& p, QSize tam, const ComoEmblema& como) {
    const int w = tam.width(), h = tam.height();
    p.setRenderHint(QPainter::Antialiasing);
    QRectF marco(0.5, 0.5, w - 1, h - 1);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, AColor(Marron).lighter(120));
    g.setColorAt(1, AColor(Marron).darker(125));
    p.setPen(QPen(QColor(60, 38, 18), 1));
    p.setBrush(g);
    p.drawRoundedRect(marco, 4, 4);
    // Nine cells with a few digits, as a corner of the board.
    const double m = como.margen >= 0 ? como.margen : std::max(3.0, w / 12.0);
    const double lado = (std::min(w, h) - 2 * m - 2 * 2) / 3.0;
    const double x0 = (w - (3 * lado + 4)) / 2.0, y0 = (h - (3 * lado + 4)) / 2.0;
    static const char* digitos = "5 3  7 9 ";
    static const bool fijos[9] = {true, false, true, false, false, true, false, true, false};
    p.setFont(Fuente(Familia::Arial, std::max(6, static_cast<int>(lado * 0.7)), true));
    for (int i = 0; i < 9; ++i) {
        const QRectF r(x0 + (i % 3) * (lado + 2), y0 + (i / 3) * (lado + 2), lado, lado);
        QColor fondo = i == como.seleccionada ? AColor(Verde) : (fijos[i] ? AColor(Naranja) : AColor(Blanco));
        p.setPen(QPen(QColor(0, 0, 0, 90), 0.6));
        p.setBrush(fondo);
        p.drawRect(r);
        if (como.digitos && digitos[i] != ' ') {
            p.setPen(Qt::black);
            Letras(p, r, QString(QChar(digitos[i])), como.trazos);
        }
    }
}

QPixmap Emblema(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("emblema", tam), [&] {
        QImage img(tam, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        PintarEmblema(p, tam);
        p.end();
        return img;
    });
}

QImage DibujoIcono(int lado) {
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (lado <= 0) return img;
    ComoEmblema como;
    // The frame keeps its proportion at every size; a cell of a few pixels
    // is only its colour.
    como.margen = std::max(1.0, lado / 12.0);
    como.digitos = lado >= 48;
    QPainter p(&img);
    PintarEmblema(p, img.size(), como);
    p.end();
    return img;
}

QIcon IconoJuego() {
    // Kept for the whole run, as the picture cache, and never destroyed.
    static const QIcon* icono = [] {
        auto* i = new QIcon;
        for (int lado : TamanosIcono) i->addPixmap(QPixmap::fromImage(DibujoIcono(lado)));
        return i;
    }();
    return *icono;
}

QPixmap PlacaTitulo(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("placa", tam), [&] {
        const int w = tam.width(), h = tam.height();
        QImage img(tam, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            QLinearGradient g(0, 0, 0, h);
            g.setColorAt(0, QColor(255, 238, 140));
            g.setColorAt(0.5, QColor(250, 208, 60));
            g.setColorAt(1, QColor(214, 160, 24));
            p.setPen(QPen(QColor(110, 70, 10), 1.5));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 3.0, h / 3.0);
            QFont f = Fuente(Familia::Comic, static_cast<int>(h * 0.62), true);
            p.setFont(f);
            p.setPen(QColor(255, 250, 220, 160));
            p.drawText(QRectF(1, 1, w, h), Qt::AlignCenter, QStringLiteral("Novenario"));
            p.setPen(QColor(70, 36, 8));
            p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QStringLiteral("Novenario"));
        }
        return img;
    });
}

QImage PintarInicio(QSize tam, const BloqueInicio& b) {
    const int w = tam.width(), h = tam.height();
    QImage img(tam, QImage::Format_RGB32);
    if (tam.isEmpty()) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), AColor(Marron));
    const int cw = (w - 10) / 3, ch = (h - 10) / 3;
    const QFont digito = Fuente(Familia::Arial, ch / 2 + 4, false), marcas = Fuente(Familia::Courier, 9);
    for (int i = 0; i < 9; ++i) {
        const BloqueInicio::Celda& c = b.celdas[static_cast<std::size_t>(i)];
        const QRect r(4 + (i % 3) * (cw + 1), 4 + (i / 3) * (ch + 1), cw, ch);
        QColor fondo = i == b.seleccionada ? AColor(Verde) : (c.fija ? AColor(Naranja) : AColor(Blanco));
        p.fillRect(r, fondo);
        p.setPen(fondo.lighter(130));
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(fondo.darker(140));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        if (c.valor != ' ') {
            p.setPen(Qt::black);
            p.setFont(digito);
            p.drawText(r, Qt::AlignCenter, QString(QChar(c.valor)));
            continue;
        }
        p.setFont(marcas);
        // Taken digits that do not fit on one line take two.
        QString tomados = c.tomados;
        if (QFontMetrics(marcas).horizontalAdvance(tomados) > r.width() - 2)
            tomados.insert((tomados.size() + 1) / 2, QLatin1Char('\n'));
        p.setPen(Qt::black);
        p.drawText(r.adjusted(0, 1, 0, 0), Qt::AlignHCenter | Qt::AlignTop, c.posibles);
        p.setPen(AColor(Granate));
        p.drawText(r.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignBottom, tomados);
    }
    p.setPen(QPen(b.marco.isValid() ? b.marco : AColor(BarraBloque), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, w - 4, h - 4));
    p.end();
    return img;
}

QPixmap DibujoInicio(QSize tam) {
    if (tam.isEmpty()) return {};
    return EnCache(Clave("inicio", tam), [&] {
        // A corner of the board: four givens, the selected cell holding a
        // digit, and four empty cells with their possible and taken digits.
        BloqueInicio b;
        static const char* valores = "7 2 9 4 1";
        for (std::size_t i = 0; i < 9; ++i) {
            BloqueInicio::Celda& c = b.celdas[i];
            c.valor = valores[i];
            c.fija = i % 2 == 0 && i != 4;
            if (c.valor == ' ') {
                c.posibles = QStringLiteral("358");
                c.tomados = QStringLiteral("1247");
            }
        }
        b.seleccionada = 4;
        return PintarInicio(tam, b);
    });
}

QImage DibujoLampara(int estilo, bool bordeado) {
    static constexpr int anchos[] = {16, 22, 16, 22, 16, 22};
    static constexpr int altos[] = {16, 22, 16, 22, 22, 16};
    if (estilo < 0 || estilo > 5) estilo = 0;
    const int w = anchos[estilo], h = altos[estilo];
    const bool cuadrada = estilo == 2 || estilo == 3;
    const QRgb plata = AColor(Plata).rgb(), lima = qRgb(0, 255, 0), negro = qRgb(0, 0, 0),
               gris = qRgb(128, 128, 128), blanco = qRgb(255, 255, 255);
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(plata);
    const double margen = bordeado ? 2.0 : 1.0;
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    const double rx = w / 2.0 - margen, ry = h / 2.0 - margen;
    const double rmin = std::min(rx, ry);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            const double d = cuadrada ? std::pow(std::pow(std::abs(dx), 4) + std::pow(std::abs(dy), 4), 0.25)
                                      : std::sqrt(dx * dx + dy * dy);
            if (d > 1.0) continue;
            QRgb c = lima;
            if (d > 1.0 - 1.0 / rmin) c = negro;
            else if (dx + dy > 0.35 && d > 1.0 - 2.2 / rmin) c = gris;
            img.setPixel(x, y, c);
        }
    }
    // The glint, up and to the left of the centre.
    const int gx = static_cast<int>(std::lround(cx - rx * 0.42)), gy = static_cast<int>(std::lround(cy - ry * 0.42));
    const int g = (w >= 22 && h >= 22) ? 3 : 2;
    for (int y = gy; y < gy + g && y < h; ++y)
        for (int x = gx; x < gx + g && x < w; ++x) img.setPixel(x, y, blanco);
    if (bordeado) {
        for (int x = 0; x < w; ++x) {
            img.setPixel(x, 0, blanco);
            img.setPixel(x, h - 1, gris);
        }
        for (int y = 0; y < h; ++y) {
            img.setPixel(0, y, blanco);
            img.setPixel(w - 1, y, gris);
        }
    }
    return img;
}

void Inundar(QImage& imagen, QPoint desde, QRgb nuevo) {
    if (!imagen.rect().contains(desde)) return;
    if (imagen.format() != QImage::Format_RGB32 && imagen.format() != QImage::Format_ARGB32)
        imagen = imagen.convertToFormat(QImage::Format_ARGB32);
    const QRgb viejo = imagen.pixel(desde);
    if (viejo == nuevo) return;
    std::vector<QPoint> pila{desde};
    while (!pila.empty()) {
        const QPoint q = pila.back();
        pila.pop_back();
        if (!imagen.rect().contains(q) || imagen.pixel(q) != viejo) continue;
        imagen.setPixel(q, nuevo);
        pila.push_back({q.x() + 1, q.y()});
        pila.push_back({q.x() - 1, q.y()});
        pila.push_back({q.x(), q.y() + 1});
        pila.push_back({q.x(), q.y() - 1});
    }
}

}  // namespace novenario::vista
