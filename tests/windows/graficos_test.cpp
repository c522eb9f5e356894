// The two animations of the folder ApliGraf: where the program looks for
// them, and what the start window and the about box show with them, without
// them and with a damaged file.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/arte.h"
#include "windows/gif.h"
#include "windows/graficos.h"

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

// A program installed in DIR/bin, with its data in DIR/share/novenario.
class Carpetas : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(raiz.isValid());
        ASSERT_TRUE(QDir().mkpath(Bin()));
        vista::PonerCarpetaPrograma(Bin());
    }
    void TearDown() override { vista::PonerCarpetaPrograma({}); }
    QString Bin() const { return raiz.filePath(QStringLiteral("bin")); }
    QString Junto() const { return raiz.filePath(QStringLiteral("bin/ApliGraf")); }
    QString Datos() const { return raiz.filePath(QStringLiteral("share/novenario/ApliGraf")); }
    static void Poner(const QString& carpeta, const QString& archivo, const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(carpeta));
        QFile f(QDir(carpeta).filePath(archivo));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static QByteArray Animacion(const char* archivo) {
        QFile f(QStringLiteral(NOVENARIO_RECURSOS "/ApliGraf/") + QLatin1String(archivo));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir raiz;
};

// ---- where the pictures are looked for ------------------------------------

enum class Sitio { Ninguno, Junto, Datos, Ambos };
struct Busqueda {
    const char* que;
    Sitio hay;
    Sitio hallado;
};

class BuscarGrafico : public Carpetas, public testing::WithParamInterface<Busqueda> {};

TEST_P(BuscarGrafico, PrimeroJuntoAlProgramaLuegoEnLosDatos) {
    const Sitio hay = GetParam().hay, hallado = GetParam().hallado;
    if (hay == Sitio::Junto || hay == Sitio::Ambos) Poner(Junto(), "LogoOrvalia.gif", "junto");
    if (hay == Sitio::Datos || hay == Sitio::Ambos) Poner(Datos(), "LogoOrvalia.gif", "datos");
    const QString esperado = hallado == Sitio::Junto   ? QDir(Junto()).filePath("LogoOrvalia.gif")
                             : hallado == Sitio::Datos ? QDir(Datos()).filePath("LogoOrvalia.gif")
                                                       : QString();
    EXPECT_EQ(vista::BuscarGrafico(QStringLiteral("LogoOrvalia.gif")), esperado);
}

INSTANTIATE_TEST_SUITE_P(Sitios, BuscarGrafico,
                         testing::Values(Busqueda{"ninguno", Sitio::Ninguno, Sitio::Ninguno},
                                         Busqueda{"junto", Sitio::Junto, Sitio::Junto},
                                         Busqueda{"datos", Sitio::Datos, Sitio::Datos},
                                         Busqueda{"ambos", Sitio::Ambos, Sitio::Junto}),
                         [](const auto& info) { return std::string(info.param.que); });

TEST_F(Carpetas, UnaCarpetaConElNombreNoEsUnGraficoNiSeSaleDeApliGraf) {
    ASSERT_TRUE(QDir().mkpath(QDir(Junto()).filePath("LogoOrvalia.gif")));
    Poner(raiz.filePath("bin"), "NovenarioIni.gif", "fuera de ApliGraf");
    EXPECT_EQ(vista::BuscarGrafico(QStringLiteral("LogoOrvalia.gif")), QString());
    EXPECT_EQ(vista::BuscarGrafico(QStringLiteral("../NovenarioIni.gif")), QString());
    EXPECT_EQ(vista::BuscarGrafico(QString()), QString());
}

// ---- what the windows show -------------------------------------------------

enum class Fichero { Presente, Ausente, Danado };
enum class Ventana { Inicio, AcercaDe };
struct Cuadro {
    const char* que;
    Ventana ventana;
    Fichero fichero;
};

class Animaciones : public Carpetas, public testing::WithParamInterface<Cuadro> {
protected:
    // The panel, the animation and the still picture as the window has them.
    struct Visto {
        QImage primera, cambiada;  // two grabs of the panel, the second one the first that differs
        bool animado = false;      // the GIF player is there and running
        int fotogramas = 0;
        bool quieta = false;       // the still picture is there and shown
        QImage imagen_quieta;
        QSize tam_panel;
    };

    static void Mirar(DialogoModal& d, const char* panel, const char* gif, const char* quieta, int veces, Visto& v) {
        QWidget* p = d.findChild<QWidget*>(QLatin1String(panel));
        ASSERT_NE(p, nullptr);
        v.tam_panel = p->size();
        if (auto* g = p->findChild<vista::TGIFImage*>(QLatin1String(gif))) {
            v.animado = g->isVisible() && g->Corriendo();
            v.fotogramas = g->Fotogramas();
        }
        if (auto* q = p->findChild<QLabel*>(QLatin1String(quieta))) {
            v.quieta = q->isVisible();
            v.imagen_quieta = q->pixmap().toImage();
        }
        // Grabs a few hundred milliseconds apart until one differs: three
        // seconds are longer than the longest pause of either animation.
        v.primera = p->grab().toImage();
        for (int i = 0; i < veces; ++i) {
            QTest::qWait(300);
            v.cambiada = p->grab().toImage();
            if (v.cambiada != v.primera) break;
        }
    }

    Visto Ver() {
        const Cuadro c = GetParam();
        const char* archivo = c.ventana == Ventana::Inicio ? "NovenarioIni.gif" : "LogoOrvalia.gif";
        if (c.fichero == Fichero::Presente) Poner(Junto(), archivo, Animacion(archivo));
        // A GIF header and then nothing that makes sense.
        if (c.fichero == Fichero::Danado) Poner(Junto(), archivo, QByteArray("GIF89a\x70\x00\x77\x00\xf7", 11));
        Visto v;
        const int veces = c.fichero == Fichero::Presente ? 10 : 2;
        if (c.ventana == Ventana::Inicio) {
            auto vigia = AlAparecerDialogo([&v, veces](DialogoModal& d) {
                Mirar(d, "PPrograma", "GIFImage1", "Image3", veces, v);
                PulsarBoton(d, QStringLiteral("Aceptar"));
            });
            vista::Aplicacion app;
            EXPECT_TRUE(app.Arrancar());
            EXPECT_EQ(vigia->Veces(), 1);
        } else {
            auto app = ArrancarAceptando();
            auto vigia = AlAparecerDialogo([&v, veces](DialogoModal& d) {
                Mirar(d, "PLogo", "GifLogo", "BmpLogo", veces, v);
                PulsarBoton(d, QStringLiteral("Salir"));
            });
            QTest::mouseClick(Widget(*app, "BAcerca"), Qt::LeftButton);
            EXPECT_EQ(vigia->Veces(), 1);
        }
        return v;
    }
};

TEST_P(Animaciones, ConElGifSeMueveSinElLaImagenFijaQuieta) {
    ASSERT_FALSE(Animacion("NovenarioIni.gif").isEmpty());
    const Visto v = Ver();
    ASSERT_FALSE(v.primera.isNull());
    if (GetParam().fichero == Fichero::Presente) {
        EXPECT_TRUE(v.animado);
        EXPECT_GT(v.fotogramas, 1);
        EXPECT_FALSE(v.quieta);
        EXPECT_NE(v.cambiada, v.primera) << "the panel did not change in three seconds";
    } else {
        EXPECT_FALSE(v.animado);
        EXPECT_TRUE(v.quieta);
        const QImage esperada = GetParam().ventana == Ventana::Inicio ? vista::DibujoInicio(QSize(112, 119)).toImage()
                                                                      : vista::Emblema(QSize(121, 89)).toImage();
        EXPECT_EQ(v.imagen_quieta, esperada);
        EXPECT_EQ(v.cambiada, v.primera);
    }
    EXPECT_EQ(v.tam_panel, GetParam().ventana == Ventana::Inicio ? QSize(112, 119) : QSize(134, 102));
}

INSTANTIATE_TEST_SUITE_P(
    Ventanas, Animaciones,
    testing::Values(Cuadro{"inicio_con_gif", Ventana::Inicio, Fichero::Presente},
                    Cuadro{"inicio_sin_gif", Ventana::Inicio, Fichero::Ausente},
                    Cuadro{"inicio_gif_danado", Ventana::Inicio, Fichero::Danado},
                    Cuadro{"acerca_con_gif", Ventana::AcercaDe, Fichero::Presente},
                    Cuadro{"acerca_sin_gif", Ventana::AcercaDe, Fichero::Ausente},
                    Cuadro{"acerca_gif_danado", Ventana::AcercaDe, Fichero::Danado}),
    [](const auto& info) { return std::string(info.param.que); });

TEST_F(Carpetas, LaAnimacionInstaladaEnLosDatosTambienSeMuestra) {
    Poner(Datos(), "NovenarioIni.gif", Animacion("NovenarioIni.gif"));
    bool animado = false;
    auto vigia = AlAparecerDialogo([&animado](DialogoModal& d) {
        auto* g = d.findChild<vista::TGIFImage*>(QStringLiteral("GIFImage1"));
        animado = g && g->Corriendo() && g->FileName() == vista::BuscarGrafico(QStringLiteral("NovenarioIni.gif"));
        PulsarBoton(d, QStringLiteral("Aceptar"));
    });
    vista::Aplicacion app;
    EXPECT_TRUE(app.Arrancar());
    EXPECT_TRUE(animado);
    EXPECT_TRUE(vista::BuscarGrafico(QStringLiteral("NovenarioIni.gif")).startsWith(Datos()));
}

}  // namespace
}  // namespace novenario::pruebas
