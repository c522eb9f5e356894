// The printed page on paper: painted into a picture and read back pixel by
// pixel at known places (an orange frame, a white frame, the pens, the
// block lines, the footer bar, the size of the digits, the pictures centred
// in their boxes), written as a PDF file, and printed from the window
// through the print dialog, accepted or cancelled.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <ostream>

#include "ayudas.h"
#include "print/reporte.h"
#include "windows/entorno_qt.h"
#include "windows/pagina_qt.h"

namespace novenario::pruebas {
namespace {

constexpr double Ppmm = 10.0;  // pixels per millimetre of the test pictures

// A page with one given (P1_1, a 5, orange) and the possible digits of
// P1_1 written out; every other cell as laid out.
Reporte PaginaDePrueba() {
    Reporte r = pagina::Disenar();
    r.Buscar("P1")->Relleno = Naranja;
    r.Buscar("P1_1")->Caption = "5";
    r.Buscar("PSD1_1")->Caption = "123456789";
    r.Buscar("Fecha")->Caption = "17:45:09";
    r.Buscar("Hora")->Caption = "martes, 8 de diciembre de 2026";
    return r;
}

const QImage& Imagen() {
    static const QImage img = vista::ImagenReporte(PaginaDePrueba(), Ppmm);
    return img;
}

QRgb Rgb(Color c) { return qRgb(RojoDe(c), VerdeDe(c), AzulDe(c)); }

// The smallest rectangle holding every pixel of the region that is not
// white (some channel below the threshold), or with solo_oscuro every dark
// pixel (text on white or orange); nullopt when there is none.
std::optional<QRect> Tinta(const QImage& img, QRect zona, int umbral = 200, bool solo_oscuro = false) {
    zona = zona.intersected(img.rect());
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            const bool tinta = solo_oscuro ? qGray(p) < umbral
                                           : qRed(p) < umbral || qGreen(p) < umbral || qBlue(p) < umbral;
            if (tinta) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    if (x1 < 0) return std::nullopt;
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

TEST(ImpresionPapel, LaHojaEsUnaA4ALaResolucionPedida) {
    ASSERT_FALSE(Imagen().isNull());
    EXPECT_EQ(Imagen().width(), 2100);
    EXPECT_EQ(Imagen().height(), 2970);
    EXPECT_TRUE(vista::ImagenReporte(PaginaDePrueba(), 0).isNull());
    EXPECT_TRUE(vista::ImagenReporte(PaginaDePrueba(), -3).isNull());
    EXPECT_DOUBLE_EQ(vista::MilimetrosDePen(3), 0.3);
    EXPECT_DOUBLE_EQ(vista::MilimetrosDePen(5), 0.5);
    EXPECT_DOUBLE_EQ(vista::MilimetrosDePen(0), 0.0);
}

// Pixels at known places of the page, 10 pixels to the millimetre.
struct Punto {
    const char* que;
    int x, y;
    Color color;
};

const Punto kPuntos[] = {
    {"orange fill of the given's frame", 185, 840, Naranja},
    {"frame P1 pen, outer pixel (17.2 mm)", 172, 840, Negro},
    {"frame P1 pen, third pixel (0.3 mm)", 174, 840, Negro},
    {"frame P1 inside its pen", 176, 840, Naranja},
    {"white fill of an open cell's frame", 375, 840, Blanco},
    {"frame P2 pen", 363, 840, Negro},
    {"gap between two frames", 359, 840, Blanco},
    {"block line between block columns 1 and 2", 751, 1000, Negro},
    {"block line between block columns 2 and 3", 1343, 1500, Negro},
    {"block line between block rows 1 and 2", 1000, 1214, Negro},
    {"block line between block rows 2 and 3", 500, 1677, Negro},
    {"gap before the block line", 747, 1000, Blanco},
    {"board frame pen, outer pixel (15.6 mm)", 156, 1500, Negro},
    {"board frame pen, fifth pixel (0.5 mm)", 160, 1500, Negro},
    {"board frame inside its pen", 162, 1500, Blanco},
    {"footer bar fill before the program's name", 122, 2780, Naranja},
    {"footer bar fill between the maker and \"Hora ..\"", 770, 2780, Naranja},
    {"footer bar outline, left", 116, 2780, Granate},
    {"footer bar outline, top", 1000, 2757, Granate},
    {"footer bar inside its outline", 117, 2780, Naranja},
    {"paper outside every item", 50, 50, Blanco},
    {"paper between the board and the emblem", 1000, 2200, Blanco},
};

void PrintTo(const Punto& p, std::ostream* os) { *os << p.que; }

class ImpresionPapelPuntos : public ::testing::TestWithParam<Punto> {};

TEST_P(ImpresionPapelPuntos, TieneSuColor) {
    const Punto& p = GetParam();
    const QRgb visto = Imagen().pixel(p.x, p.y) & 0xFFFFFF;
    EXPECT_EQ(visto, Rgb(p.color) & 0xFFFFFF)
        << p.que << " at (" << p.x << ", " << p.y << "): " << std::hex << visto;
}

INSTANTIATE_TEST_SUITE_P(Hoja, ImpresionPapelPuntos, ::testing::ValuesIn(kPuntos),
                         [](const auto& info) { return "Punto" + std::to_string(info.index); });

// The same millimetre is the same place at any resolution.
TEST(ImpresionPapel, LaPosicionNoDependeDeLaResolucion) {
    for (double ppmm : {4.0, 6.0, 23.6}) {
        const QImage img = vista::ImagenReporte(PaginaDePrueba(), ppmm);
        ASSERT_FALSE(img.isNull()) << ppmm;
        auto en = [&](double x_mm, double y_mm) {
            return img.pixel(static_cast<int>(x_mm * ppmm), static_cast<int>(y_mm * ppmm)) & 0xFFFFFF;
        };
        EXPECT_EQ(en(19.0, 84.0), Rgb(Naranja) & 0xFFFFFF) << ppmm;
        EXPECT_EQ(en(38.0, 84.0), Rgb(Blanco) & 0xFFFFFF) << ppmm;
        EXPECT_EQ(en(75.15, 100.0), Rgb(Negro) & 0xFFFFFF) << ppmm;
        EXPECT_EQ(en(12.5, 278.0), Rgb(Naranja) & 0xFFFFFF) << ppmm;
    }
}

// A 12-point bold digit on paper: its figures stand about 3 mm tall, and
// it is centred in its 7.4 mm box.
TEST(ImpresionPapel, ElDigitoTieneElTamanoDeDocePuntosYVaCentrado) {
    const auto tinta = Tinta(Imagen(), QRect(225, 807, 74, 50), 100, true);
    ASSERT_TRUE(tinta.has_value()) << "the 5 of P1_1 is missing";
    EXPECT_GE(tinta->height(), 25);
    EXPECT_LE(tinta->height(), 36);
    const double centro = tinta->center().x() + 0.5;
    EXPECT_NEAR(centro, 225 + 37, 4.0);
    // An empty value prints nothing.
    EXPECT_FALSE(Tinta(Imagen(), QRect(415, 807, 74, 50), 100, true).has_value());
}

// "123456789" in 8-point Courier is 15.2 mm wide, centred in its 16.9 mm box.
TEST(ImpresionPapel, LasPosiblesOcupanSuCajaCentradas) {
    const auto tinta = Tinta(Imagen(), QRect(176, 768, 177, 44), 100, true);
    ASSERT_TRUE(tinta.has_value());
    EXPECT_GE(tinta->width(), 135);
    EXPECT_LE(tinta->width(), 160);
    const int izquierda = tinta->left() - 180, derecha = 180 + 169 - 1 - tinta->right();
    EXPECT_NEAR(izquierda, derecha, 8);
    EXPECT_GE(tinta->top(), 770 - 1) << "drawn from the top of its box";
    // The other cells' labels are empty.
    EXPECT_FALSE(Tinta(Imagen(), QRect(370, 918, 169, 40), 100, true).has_value());
}

// The title picture keeps its own size (338 by 93 screen pixels is 89.4 by
// 24.6 mm) and sits in the middle of its box; the emblem (121 by 89 pixels,
// 32.0 mm wide) is shrunk to the width of its 27.8 mm box, keeping its shape.
TEST(ImpresionPapel, LosDibujosVanCentradosEnSuCaja) {
    const struct {
        const char* que;
        QRect caja;      // the item's box in pixels
        double ancho, alto;
    } casos[] = {
        {"title", QRect(595, 270, 905, 257), 338 * 254.0 / 96, 93 * 254.0 / 96},
        {"emblem", QRect(913, 2312, 278, 278), 278, 278 * 89.0 / 121},
    };
    for (const auto& k : casos) {
        const auto tinta = Tinta(Imagen(), k.caja.adjusted(-30, -30, 30, 30), 250);
        ASSERT_TRUE(tinta.has_value()) << k.que;
        EXPECT_TRUE(k.caja.adjusted(-1, -1, 1, 1).contains(*tinta)) << k.que << " leaves its box";
        EXPECT_NEAR(tinta->width(), k.ancho, 6) << k.que;
        EXPECT_NEAR(tinta->height(), k.alto, 6) << k.que;
        EXPECT_NEAR(tinta->center().x(), k.caja.center().x(), 3) << k.que;
        EXPECT_NEAR(tinta->center().y(), k.caja.center().y(), 3) << k.que;
    }
}

// Shapes of every kind and size the painter may be handed draw what they
// can and never reach past their box.
TEST(ImpresionPapel, LasFormasNoSalenDeSuCaja) {
    const struct {
        Decimas w, h;
        int pen;
        std::optional<Color> relleno;
    } casos[] = {
        {100, 100, 5, Blanco}, {100, 100, 0, Naranja}, {5, 100, 5, Negro}, {3, 3, 3, std::nullopt},
        {0, 50, 3, Negro},     {100, 100, 50, Blanco}, {100, 100, 3, std::nullopt},
    };
    for (const auto& k : casos) {
        Reporte r;
        r.AnchoPapel = 400;
        r.AltoPapel = 400;
        Elemento e;
        e.Nombre = "X";
        e.Tipo = TipoElemento::Forma;
        e.Left = 100;
        e.Top = 100;
        e.Width = k.w;
        e.Height = k.h;
        e.Pen = k.pen;
        e.Relleno = k.relleno;
        e.Borde = Granate;
        r.Agregar(e);
        const QImage img = vista::ImagenReporte(r, Ppmm);
        ASSERT_EQ(img.size(), QSize(400, 400));
        const auto tinta = Tinta(img, img.rect(), 255);
        const QRect caja(100, 100, k.w, k.h);
        if (tinta) {
            EXPECT_TRUE(caja.contains(*tinta)) << k.w << "x" << k.h << " pen " << k.pen;
        }
        if (k.w > 0 && k.h > 0 && k.pen > 0) {
            EXPECT_TRUE(tinta.has_value());
            EXPECT_EQ(img.pixel(100, 100) & 0xFFFFFF, Rgb(Granate) & 0xFFFFFF);
        }
        if (k.pen == 0 && k.relleno) {
            EXPECT_EQ(img.pixel(150, 150) & 0xFFFFFF, Rgb(*k.relleno) & 0xFFFFFF);
        }
        if (k.w == 100 && k.pen == 3 && !k.relleno) {
            EXPECT_EQ(img.pixel(150, 150) & 0xFFFFFF, 0xFFFFFFu) << "an unfilled shape shows the paper";
        }
    }
}

QByteArray Leer(const QString& fichero) {
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

TEST(ImpresionPdf, EscribeUnaPaginaA4) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fichero = dir.filePath(QStringLiteral("tablero ñ.pdf"));
    ASSERT_TRUE(vista::EscribirPdf(PaginaDePrueba(), fichero));
    const QByteArray pdf = Leer(fichero);
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1)
        << "one page";
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595")) << "A4 is 595 by 842 points";
}

TEST(ImpresionPdf, UnaImpresoraPdfRecibeLaPagina) {
    QTemporaryDir dir;
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(dir.filePath(QStringLiteral("impresora.pdf")));
    ASSERT_TRUE(vista::ImprimirReporte(PaginaDePrueba(), impresora));
    EXPECT_GT(QFileInfo(impresora.outputFileName()).size(), 1000);
}

TEST(ImpresionPdf, UnFicheroImposibleSeDiceQueFalla) {
    QTemporaryDir dir;
    const QString malo = dir.filePath(QStringLiteral("no/existe/x.pdf"));
    EXPECT_FALSE(vista::EscribirPdf(PaginaDePrueba(), malo));
    EXPECT_FALSE(vista::EscribirPdf(PaginaDePrueba(), QString()));
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(malo);
    EXPECT_FALSE(vista::ImprimirReporte(PaginaDePrueba(), impresora));
    EXPECT_FALSE(QFileInfo::exists(malo));
}

// ---- the print dialog of the outside world ----

// When the print dialog is up: checks what it was preset with, then sends
// the printer to a PDF file and accepts, or cancels.
std::unique_ptr<Vigia> AlDialogoImprimir(std::optional<QString> pdf, bool* preparado = nullptr) {
    return AlAparecerModal<QPrintDialog>([pdf, preparado](QPrintDialog& d) {
        QPrinter* p = d.printer();
        if (preparado && p)
            *preparado = p->docName() == QStringLiteral("Novenario") && p->copyCount() == 1 &&
                         p->pageLayout().orientation() == QPageLayout::Portrait &&
                         p->pageLayout().pageSize().id() == QPageSize::A4 && p->resolution() >= 300;
        if (!pdf) {
            d.reject();
            return;
        }
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(*pdf);
        d.done(QDialog::Accepted);
    });
}

class ImpresionDialogo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QPrinter prueba(QPrinter::HighResolution);
        if (!prueba.isValid()) GTEST_SKIP() << "Qt can prepare no printer here, not even a PDF file";
    }
    QTemporaryDir dir;
    vista::EntornoQt ent;
};

TEST_F(ImpresionDialogo, AceptadoImprimeEnLaImpresoraElegida) {
    const QString pdf = dir.filePath(QStringLiteral("aceptado.pdf"));
    bool preparado = false;
    auto vigia = AlDialogoImprimir(pdf, &preparado);
    ASSERT_TRUE(ent.ConfigurarImpresion(PaginaDePrueba()));
    EXPECT_EQ(vigia->Veces(), 1);
    EXPECT_TRUE(preparado) << "A4, portrait, one copy, job title Novenario, high resolution";
    ASSERT_TRUE(ent.ImprimirPagina(PaginaDePrueba()));
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    // One print per accepted dialog.
    QFile::remove(pdf);
    EXPECT_FALSE(ent.ImprimirPagina(PaginaDePrueba()));
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(ImpresionDialogo, CanceladoNoImprimeNada) {
    auto vigia = AlDialogoImprimir(std::nullopt);
    EXPECT_FALSE(ent.ConfigurarImpresion(PaginaDePrueba()));
    EXPECT_EQ(vigia->Veces(), 1);
    auto cajas = AlAparecerModal<QMessageBox>([](QMessageBox& m) { m.accept(); });
    EXPECT_FALSE(ent.ImprimirPagina(PaginaDePrueba()));
    QTest::qWait(30);
    EXPECT_EQ(cajas->Veces(), 0) << "cancelling shows nothing";
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ImpresionDialogo, UnaImpresionFallidaSeAvisa) {
    auto vigia = AlDialogoImprimir(dir.filePath(QStringLiteral("no/existe/x.pdf")));
    ASSERT_TRUE(ent.ConfigurarImpresion(PaginaDePrueba()));
    QString texto;
    auto caja = AlAparecerModal<QMessageBox>([&texto](QMessageBox& m) {
        texto = m.text();
        m.accept();
    });
    EXPECT_FALSE(ent.ImprimirPagina(PaginaDePrueba()));
    EXPECT_EQ(caja->Veces(), 1);
    EXPECT_EQ(texto, QStringLiteral("No se ha podido imprimir la página."));
}

// ---- from the main window ----

TEST_F(ImpresionDialogo, ElBotonDeLaVentanaImprimeElTableroEnPdf) {
    auto app = ArrancarAceptando();
    const QString pdf = dir.filePath(QStringLiteral("ventana.pdf"));
    app->Juego().Ventana.PError.Show();
    app->Vista().Sincronizar();
    {
        auto vigia = AlDialogoImprimir(pdf);
        QWidget* boton = Widget(*app, QStringLiteral("LBImprimir"));
        QTest::mouseClick(boton, Qt::LeftButton, {}, boton->rect().center());
        EXPECT_EQ(vigia->Veces(), 1);
    }
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_FALSE(app->Juego().Ventana.PError.Visible);

    // Cancelled: no file.
    const QString otro = dir.filePath(QStringLiteral("otro.pdf"));
    auto cancela = AlDialogoImprimir(std::nullopt);
    QWidget* imagen = Widget(*app, QStringLiteral("BImprimir"));
    QTest::mouseClick(imagen, Qt::LeftButton, {}, imagen->rect().center());
    EXPECT_EQ(cancela->Veces(), 1);
    EXPECT_FALSE(QFileInfo::exists(otro));
}

}  // namespace
}  // namespace novenario::pruebas
