// The same digit lit everywhere: the cells holding the selected cell's digit
// take a light tint over their own colour on screen, and that digit is bold
// in the candidate labels, while the game's colours stay what they were.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/arte.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

// Givens 1 to 8 along the top row, a 9 below its last cell (which so has no
// possible digit: maroon), and two more 5s; the player adds two 5s.
const char* const Rejilla =
    "12345678."
    "........."
    "........."
    ".5......9"
    "........."
    "........."
    ".......5."
    "........."
    ".........";

using vista::AColor;

int En(int fila, int columna) { return tablero::EnRejilla(fila, columna); }

// Within a few units on each channel: the drawing is compared, not its bytes.
bool Parecido(const QColor& a, const QColor& b, int tolerancia = 4) {
    return std::abs(a.red() - b.red()) <= tolerancia && std::abs(a.green() - b.green()) <= tolerancia &&
           std::abs(a.blue() - b.blue()) <= tolerancia;
}

// The colour in the cell's left margin, clear of its digit and its bevel.
QColor FondoPintado(vista::CeldaVista* celda) {
    return celda->grab().toImage().pixelColor(6, celda->height() / 2);
}

// How much ink a label holds: its dark pixels (it has no background).
int Tinta(QWidget* etiqueta) {
    const QImage img = etiqueta->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);  // the label's background is transparent
            n += p.alpha() > 128 && p.lightness() < 128 ? 1 : 0;
        }
    return n;
}

class DigitoIluminado : public testing::Test {
protected:
    void SetUp() override {
        app = ArrancarAceptando();
        QGuiApplication::clipboard()->setText(QString::fromLatin1(Rejilla));
        QTest::keyClick(&app->Vista(), Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(app->Juego().Paneles[En(1, 1)].Color_, Naranja);
        Escribir(En(2, 1), Qt::Key_5);
        Escribir(En(9, 6), Qt::Key_5);
        ASSERT_EQ(app->Juego().Paneles[En(9, 6)].Caption, "5");
        Clic(En(2, 1));
    }
    void Clic(int c) { QTest::mouseClick(app->Vista().Celda(c), Qt::LeftButton); }
    void Escribir(int c, Qt::Key tecla) {
        Clic(c);
        QTest::keyClick(Foco(app->Vista()), tecla);
    }
    vista::CeldaVista* Celda(int c) { return app->Vista().Celda(c); }

    std::unique_ptr<vista::Aplicacion> app;
};

TEST_F(DigitoIluminado, LasCeldasConElDigitoSeTinenSobreSuPropioColor) {
    const TFormPrincipal& j = app->Juego();
    ASSERT_EQ(j.Variables.Panel_Activo, tablero::Nombre(En(2, 1)));
    ASSERT_EQ(j.Paneles[En(1, 9)].Color_, Granate);
    for (int c = 0; c < NumCeldas; ++c) {
        const bool cinco = j.Paneles[c].Caption == "5";
        EXPECT_EQ(Celda(c)->Iluminada(), cinco && c != En(2, 1)) << tablero::Nombre(c);
        // The game's colours are what they were: the givens orange, the
        // player's white, the selected green, the impossible maroon.
        const Color esperado = c == En(2, 1)                  ? Verde
                               : !j.Paneles[c].Enabled        ? Naranja
                               : c == En(1, 9)                ? Granate
                                                              : Blanco;
        EXPECT_EQ(j.Paneles[c].Color_, esperado) << tablero::Nombre(c);
        EXPECT_EQ(Celda(c)->Estado().Color_, esperado) << tablero::Nombre(c);
    }
    struct Caso {
        int celda;
        Color propio;
        bool iluminada;
    };
    for (const Caso& k : {Caso{En(1, 5), Naranja, true}, Caso{En(4, 2), Naranja, true}, Caso{En(9, 6), Blanco, true},
                          Caso{En(2, 1), Verde, false}, Caso{En(1, 9), Granate, false}, Caso{En(1, 4), Naranja, false},
                          Caso{En(5, 5), Blanco, false}}) {
        const QColor propio = AColor(k.propio);
        const QColor esperado = k.iluminada ? vista::CeldaVista::Tenido(propio) : propio;
        EXPECT_TRUE(Parecido(FondoPintado(Celda(k.celda)), esperado))
            << tablero::Nombre(k.celda) << " " << FondoPintado(Celda(k.celda)).name().toStdString() << " "
            << esperado.name().toStdString();
    }
}

// The tint keeps each kind told apart: a lit cell stays nearer its own
// colour than any other kind's, and clearly apart from the unlit one.
TEST(Tenido, CadaClaseSigueReconociendose) {
    const std::vector<Color> clases{Blanco, Naranja, Granate, Aguamarina, Verde};
    const auto distancia = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    for (Color propia : {Blanco, Naranja, Granate, Aguamarina}) {
        const QColor tenido = vista::CeldaVista::Tenido(AColor(propia));
        EXPECT_GE(distancia(tenido, AColor(propia)), 40) << std::hex << propia;
        for (Color otra : clases) {
            if (otra != propia) {
                EXPECT_LT(distancia(tenido, AColor(propia)), distancia(tenido, AColor(otra))) << std::hex << propia << " " << otra;
            }
        }
    }
}

TEST_F(DigitoIluminado, ConAyudaElDigitoVaEnNegritaEnLasEtiquetas) {
    // Ink of a label that holds a 5, with no digit lit and then lit.
    Clic(En(5, 5));  // empty: lights nothing
    QTest::mouseClick(Widget(*app, "LBVerTeclas"), Qt::LeftButton);
    const TFormPrincipal& j = app->Juego();
    ASSERT_EQ(j.Variables.Ayuda_Activa, Bandera::S);
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_FALSE(Celda(c)->Iluminada()) << tablero::Nombre(c);
        EXPECT_EQ(Celda(c)->Superior()->Resalte(), '\0') << tablero::Nombre(c);
    }
    const int arriba = En(3, 7), abajo = En(2, 5);  // 5 possible; 5 taken
    ASSERT_NE(j.Paneles[arriba].PSD.find('5'), std::string::npos);
    ASSERT_NE(j.Paneles[abajo].PND.find('5'), std::string::npos);
    const int tinta_arriba = Tinta(Celda(arriba)->Superior()), tinta_abajo = Tinta(Celda(abajo)->Inferior());

    Clic(En(2, 1));
    ASSERT_EQ(j.Variables.Panel_Activo, tablero::Nombre(En(2, 1)));
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_EQ(Celda(c)->Superior()->Resalte(), '5') << tablero::Nombre(c);
        EXPECT_EQ(Celda(c)->Inferior()->Resalte(), '5') << tablero::Nombre(c);
    }
    // Bold is more ink, in both labels; the texts themselves are unchanged.
    EXPECT_GT(Tinta(Celda(arriba)->Superior()), tinta_arriba);
    EXPECT_GT(Tinta(Celda(abajo)->Inferior()), tinta_abajo);
    EXPECT_EQ(Celda(arriba)->Superior()->Texto().toStdString(), j.Paneles[arriba].PSD);
}

TEST_F(DigitoIluminado, UnaCeldaVaciaNoIluminaNada) {
    Clic(En(5, 5));
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_FALSE(Celda(c)->Iluminada()) << tablero::Nombre(c);
        EXPECT_EQ(Celda(c)->Fondo(), AColor(app->Juego().Paneles[c].Color_)) << tablero::Nombre(c);
    }
}

}  // namespace
}  // namespace novenario::pruebas
