#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstdio>

#include "windows/fuentes.h"
#include "windows/libro.h"
#include "windows/pagina_qt.h"

namespace novenario::vista {

namespace {

// The booklet is drawn at the resolution of a page written to PDF.
constexpr int Ppp = 600;
constexpr double UnidadesPorMm = Ppp / 25.4;
// Between two pages on a sheet.
constexpr double Separacion = 10.0;

// A program with no window (the companion tool) has no Qt application:
// one on the offscreen platform paints as well, and it stays, since the
// pictures drawn for the pages are kept for the rest of the run.
void AsegurarAplicacion() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the tool says is its own: Qt's remarks on the machine it runs on
    // (no runtime folder, no display) are no business of its output; only
    // Qt's errors get through.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(texto));
    });
    static int argc = 1;
    static char nombre[] = "novenario-cli";
    static char* argv[] = {nombre, nullptr};
    new QGuiApplication(argc, argv);
    if (!CargarFuentes())
        std::fprintf(stderr, "novenario-cli: no se han podido cargar las fuentes del juego; se usan las del sistema\n");
}

// Millimetres on the sheet.
struct Caja {
    double x, y, w, h;
};

// The printed area of a page, inside its margins, in millimetres of its paper.
Caja Impresa(const Reporte& r) {
    const double ml = Milimetros(r.MargenIzquierdo), mt = Milimetros(r.MargenSuperior);
    return {ml, mt, Milimetros(r.AnchoPapel) - ml - Milimetros(r.MargenDerecho),
            Milimetros(r.AltoPapel) - mt - Milimetros(r.MargenInferior)};
}

// The share k of the sheet's printed area for n pages: two side by side,
// or two rows of two.
Caja Parte(const Caja& area, int n, int k) {
    const int columnas = n == 1 ? 1 : 2, filas = n == 4 ? 2 : 1;
    const double w = (area.w - Separacion * (columnas - 1)) / columnas;
    const double h = (area.h - Separacion * (filas - 1)) / filas;
    return {area.x + (k % columnas) * (w + Separacion), area.y + (k / columnas) * (h + Separacion), w, h};
}

// Where the page's whole paper goes, in device units, so that its printed
// area fills the share as far as it can without changing its shape and sits
// in its middle.
QRectF Papel(const Reporte& r, const Caja& parte) {
    const Caja impresa = Impresa(r);
    if (impresa.w <= 0 || impresa.h <= 0) return {};
    const double k = std::min(parte.w / impresa.w, parte.h / impresa.h);
    const double x = parte.x + parte.w / 2 - (impresa.x + impresa.w / 2) * k;
    const double y = parte.y + parte.h / 2 - (impresa.y + impresa.h / 2) * k;
    return QRectF(x * UnidadesPorMm, y * UnidadesPorMm, Milimetros(r.AnchoPapel) * k * UnidadesPorMm,
                  Milimetros(r.AltoPapel) * k * UnidadesPorMm);
}

}  // namespace

bool LibroPdf(const Libro& libro, std::string& pdf) {
    const int n = libro.PorHoja;
    if ((n != 1 && n != 2 && n != 4) || (libro.Tableros.empty() && libro.Soluciones.empty())) return false;
    AsegurarAplicacion();

    // The sheet is the first page's paper, turned for two pages.
    const Reporte& modelo = libro.Tableros.empty() ? libro.Soluciones.front() : libro.Tableros.front();
    const bool apaisada = n == 2;
    const double ancho = Milimetros(apaisada ? modelo.AltoPapel : modelo.AnchoPapel);
    const double alto = Milimetros(apaisada ? modelo.AnchoPapel : modelo.AltoPapel);
    const double ml = Milimetros(apaisada ? modelo.MargenSuperior : modelo.MargenIzquierdo);
    const double mt = Milimetros(apaisada ? modelo.MargenIzquierdo : modelo.MargenSuperior);
    const double mr = Milimetros(apaisada ? modelo.MargenInferior : modelo.MargenDerecho);
    const double mb = Milimetros(apaisada ? modelo.MargenDerecho : modelo.MargenInferior);
    const Caja area{ml, mt, ancho - ml - mr, alto - mt - mb};

    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter escritor(&buffer);
        escritor.setResolution(Ppp);
        escritor.setTitle(QString::fromStdString(modelo.Titulo));
        escritor.setCreator(QStringLiteral("Novenario"));
        const QPageSize papel(QSizeF(Milimetros(modelo.AnchoPapel), Milimetros(modelo.AltoPapel)),
                              QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
        escritor.setPageLayout(QPageLayout(papel, apaisada ? QPageLayout::Landscape : QPageLayout::Portrait,
                                           QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&escritor)) return false;
        bool primera = true;
        for (const std::vector<Reporte>* parte : {&libro.Tableros, &libro.Soluciones}) {
            for (std::size_t i = 0; i < parte->size(); i += static_cast<std::size_t>(n)) {
                if (!primera && !escritor.newPage()) {
                    p.end();
                    return false;
                }
                primera = false;
                for (int k = 0; k < n && i + static_cast<std::size_t>(k) < parte->size(); ++k) {
                    const Reporte& r = (*parte)[i + static_cast<std::size_t>(k)];
                    // One to a sheet is the page as "Imprimir" prints it.
                    const QRectF hoja = n == 1 ? QRectF(0, 0, ancho * UnidadesPorMm, alto * UnidadesPorMm)
                                               : Papel(r, Parte(area, n, k));
                    PintarReporte(r, p, hoja);
                }
            }
        }
        if (!p.end()) return false;
    }
    pdf.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return true;
}

}  // namespace novenario::vista
