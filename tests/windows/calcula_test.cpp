// "Calcula" on screen: the run shows its frames while the player watches,
// and "Cancelar" clicked between two frames stops it with that frame's board.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ayudas.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

// The cells in grid reading order as the board on screen shows them.
std::string EnPantalla(vista::Aplicacion& app) {
    std::string s;
    for (int c : tablero::OrdenRejilla()) {
        const std::string& v = app.Vista().Celda(c)->Estado().Caption;
        s += v.empty() ? std::string(".") : v;
    }
    return s;
}

TEST(Calcula, CancelarTrasUnosFotogramasDejaLaBusquedaAMedias) {
    // What the engine takes on the empty board when nobody stops it.
    constexpr long long PasosDelVacio = 701;
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    QWidget* cancelar = Widget(*app, "LBPararProceso");
    ASSERT_FALSE(cancelar->isEnabled());

    // The player watches a few frames go by, then clicks "Cancelar". The run
    // sleeps in the event loop between frames, so the click gets there.
    std::string visto;
    std::vector<std::string> cuadros;
    QTimer mirando;
    QObject::connect(&mirando, &QTimer::timeout, [&] {
        const std::string ahora = EnPantalla(*app);
        if (cuadros.empty() || cuadros.back() != ahora) cuadros.push_back(ahora);
        if (cuadros.size() < 4 || !visto.empty()) return;
        ASSERT_TRUE(cancelar->isEnabled());
        visto = ahora;
        QTest::mouseClick(cancelar, Qt::LeftButton);
    });
    mirando.start(5);
    QTest::mouseClick(Widget(*app, "LBRellena"), Qt::LeftButton);
    mirando.stop();

    ASSERT_FALSE(visto.empty()) << "the run ended before the player could cancel it";
    // The board stays as the last frame showed it: a search under way, the
    // cells filled in reading order up to the one it was on.
    EXPECT_EQ(EnPantalla(*app), visto);
    const std::size_t llenas = visto.find('.');
    ASSERT_NE(llenas, std::string::npos);
    EXPECT_GE(llenas, 1u);
    EXPECT_EQ(visto.find_first_not_of('.', llenas), std::string::npos) << visto;
    std::string contador = juego.Ventana.PContador_Jug.Caption;
    std::erase(contador, '.');
    const long long n = std::stoll(contador);
    EXPECT_GE(n, 1);
    EXPECT_LT(n, PasosDelVacio);
    EXPECT_FALSE(cancelar->isEnabled());
    EXPECT_FALSE(Widget(*app, "LBPausa")->isEnabled());
    EXPECT_TRUE(Widget(*app, "LBRellena")->isEnabled());
}

}  // namespace
}  // namespace novenario::pruebas
