#include "windows/pagina_qt.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "windows/arte.h"
#include "windows/fuentes.h"

namespace novenario::vista {

namespace {

// Pictures are drawn for the paper at no more than 300 dots per inch: more
// would not show, and every size drawn is kept for the rest of the run.
constexpr double PixelesPorMmDibujo = 300.0 / 25.4;
// The pictures' own pixels are those of a 96 dpi screen.
constexpr double MmPorPixelPantalla = 25.4 / 96.0;

struct Escala {
    QRectF hoja;
    double x, y;  // device units per millimetre

    QRectF Caja(const Elemento& e) const {
        return QRectF(hoja.left() + Milimetros(e.Left) * x, hoja.top() + Milimetros(e.Top) * y,
                      Milimetros(e.Width) * x, Milimetros(e.Height) * y);
    }
};

QColor ColorQt(Color c) { return QColor(RojoDe(c), VerdeDe(c), AzulDe(c)); }

// The game's fonts by the names the page asks for; any other name is asked
// of the system as it is.
QString FamiliaDe(const std::string& nombre) {
    if (nombre == "Courier New") return NombreFamilia(Familia::Courier);
    if (nombre == "Arial") return NombreFamilia(Familia::Arial);
    if (nombre == "MS Sans Serif") return NombreFamilia(Familia::SansSerif);
    if (nombre == "Comic Sans MS") return NombreFamilia(Familia::Comic);
    return QString::fromStdString(nombre);
}

void PintarForma(QPainter& p, const Escala& s, const Elemento& e) {
    const QRectF caja = s.Caja(e);
    if (caja.width() <= 0 || caja.height() <= 0) return;
    const double mm = MilimetrosDePen(e.Pen);
    const double tx = e.Pen > 0 ? std::max(1.0, mm * s.x) : 0.0;
    const double ty = e.Pen > 0 ? std::max(1.0, mm * s.y) : 0.0;
    const QColor borde = ColorQt(e.Borde);
    // A rectangle thinner than its two pens is all pen.
    if (2 * tx >= caja.width() || 2 * ty >= caja.height()) {
        p.fillRect(caja, borde);
        return;
    }
    if (e.Relleno) p.fillRect(caja.adjusted(tx, ty, -tx, -ty), ColorQt(*e.Relleno));
    if (e.Pen <= 0) return;
    p.fillRect(QRectF(caja.left(), caja.top(), caja.width(), ty), borde);
    p.fillRect(QRectF(caja.left(), caja.bottom() - ty, caja.width(), ty), borde);
    p.fillRect(QRectF(caja.left(), caja.top() + ty, tx, caja.height() - 2 * ty), borde);
    p.fillRect(QRectF(caja.right() - tx, caja.top() + ty, tx, caja.height() - 2 * ty), borde);
}

void PintarEtiqueta(QPainter& p, const Escala& s, const Elemento& e) {
    const QRectF caja = s.Caja(e);
    if (!e.Transparente) p.fillRect(caja, Qt::white);
    if (e.Caption.empty() || e.Puntos <= 0) return;
    QFont fuente(FamiliaDe(e.Fuente));
    fuente.setStyleHint(e.Fuente == "Courier New" ? QFont::TypeWriter : QFont::SansSerif);
    // A point is 1/72 inch on paper: its size in device units, told to the
    // font in the points of the device's resolution.
    const double unidades = e.Puntos * 25.4 / 72.0 * s.y;
    const int ppp = p.device() ? p.device()->logicalDpiY() : 72;
    fuente.setPointSizeF(std::max(0.1, unidades * 72.0 / std::max(1, ppp)));
    fuente.setBold(e.Negrita);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(fuente);
    p.setPen(ColorQt(e.ColorTexto));
    Qt::Alignment alineado = Qt::AlignTop;
    switch (e.Alineado) {
        case Alineacion::Izquierda: alineado |= Qt::AlignLeft; break;
        case Alineacion::Centro: alineado |= Qt::AlignHCenter; break;
        case Alineacion::Derecha: alineado |= Qt::AlignRight; break;
    }
    // A text a little wider than its box runs over its edges, as a label of
    // the page does, rather than losing its ends.
    p.drawText(caja, static_cast<int>(alineado) | Qt::TextDontClip | Qt::TextSingleLine,
               QString::fromStdString(e.Caption));
}

void PintarImagen(QPainter& p, const Escala& s, const Elemento& e) {
    const QRectF caja = s.Caja(e);
    if (caja.width() <= 0 || caja.height() <= 0 || e.AnchoPixeles <= 0 || e.AltoPixeles <= 0) return;
    // The picture's own size on paper, shrunk (keeping its shape) when it
    // would not fit its box, and centred there.
    double w = e.AnchoPixeles * MmPorPixelPantalla * s.x;
    double h = e.AltoPixeles * MmPorPixelPantalla * s.y;
    const double reduce = std::min({1.0, caja.width() / w, caja.height() / h});
    w *= reduce;
    h *= reduce;
    const QRectF destino(caja.center().x() - w / 2, caja.center().y() - h / 2, w, h);
    const double dibujo = std::min(1.0, PixelesPorMmDibujo / std::max(s.x, s.y));
    const QSize tam(std::max(1, static_cast<int>(std::lround(w * dibujo))),
                    std::max(1, static_cast<int>(std::lround(h * dibujo))));
    const QPixmap px = e.Imagen == Dibujo::Titulo ? PlacaTitulo(tam) : Emblema(tam);
    if (px.isNull()) return;
    p.drawPixmap(destino, px, QRectF(QPointF(0, 0), QSizeF(px.size())));
}

}  // namespace

double MilimetrosDePen(int pen) { return pen > 0 ? pen / 10.0 : 0.0; }

void PintarReporte(const Reporte& pagina, QPainter& p, const QRectF& hoja) {
    if (pagina.AnchoPapel <= 0 || pagina.AltoPapel <= 0 || hoja.isEmpty()) return;
    const Escala s{hoja, hoja.width() / Milimetros(pagina.AnchoPapel), hoja.height() / Milimetros(pagina.AltoPapel)};
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const Elemento& e : pagina.Elementos()) {
        switch (e.Tipo) {
            case TipoElemento::Forma: PintarForma(p, s, e); break;
            case TipoElemento::Etiqueta: PintarEtiqueta(p, s, e); break;
            case TipoElemento::Imagen: PintarImagen(p, s, e); break;
        }
    }
    p.restore();
}

void PintarReporte(const Reporte& pagina, QPainter& p) {
    const QPaintDevice* d = p.device();
    if (!d) return;
    const double x = d->logicalDpiX() / 25.4, y = d->logicalDpiY() / 25.4;
    PintarReporte(pagina, p, QRectF(0, 0, Milimetros(pagina.AnchoPapel) * x, Milimetros(pagina.AltoPapel) * y));
}

QImage ImagenReporte(const Reporte& pagina, double pixeles_por_mm) {
    if (!(pixeles_por_mm > 0) || pagina.AnchoPapel <= 0 || pagina.AltoPapel <= 0) return {};
    const int w = static_cast<int>(std::lround(Milimetros(pagina.AnchoPapel) * pixeles_por_mm));
    const int h = static_cast<int>(std::lround(Milimetros(pagina.AltoPapel) * pixeles_por_mm));
    // A picture too large to hold is not drawn at all.
    if (w <= 0 || h <= 0 || static_cast<double>(w) * h > 400e6) return {};
    QImage img(w, h, QImage::Format_RGB32);
    if (img.isNull()) return {};
    img.setDotsPerMeterX(static_cast<int>(std::lround(pixeles_por_mm * 1000)));
    img.setDotsPerMeterY(static_cast<int>(std::lround(pixeles_por_mm * 1000)));
    img.fill(Qt::white);
    QPainter p(&img);
    PintarReporte(pagina, p, QRectF(0, 0, w, h));
    return img;
}

bool EscribirPdf(const Reporte& pagina, const QString& fichero, int ppp) {
    if (fichero.isEmpty() || ppp <= 0) return false;
    QPdfWriter pdf(fichero);
    pdf.setResolution(ppp);
    pdf.setTitle(QString::fromStdString(pagina.Titulo));
    pdf.setCreator(QStringLiteral("Novenario"));
    const QPageSize papel(QSizeF(Milimetros(pagina.AnchoPapel), Milimetros(pagina.AltoPapel)), QPageSize::Millimeter,
                          QString(), QPageSize::FuzzyMatch);
    pdf.setPageLayout(QPageLayout(papel, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    PintarReporte(pagina, p);
    return p.end();
}

}  // namespace novenario::vista
