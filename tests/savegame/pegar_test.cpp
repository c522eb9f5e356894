// A puzzle pasted into the game: set up as the saved game of its digits
// would load, with its solution; text that is no board, or a board that
// breaks a rule, costs the game in progress nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "ayuda/ayuda.h"
#include "mando/puerta.h"
#include "salvar_cargar.h"
#include "savegame/tablero_texto.h"

namespace novenario::prueba {
namespace {

// The classic puzzle whose solution is sdk::prueba::Solucion, in nine lines.
const char* const kClasico =
    "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n...419..5\n....8..79\n";
// "Calcula" runs out of steps on it; it has one solution.
const char* const kSinTiempo =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
// The classic with three givens fewer: two solutions.
const char* const kVarias =
    ".3..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8...9";

std::string SinSaltos(std::string s) {
    std::erase(s, '\n');
    return s;
}

class Pegar : public SalvarCargar {
protected:
    // The work "Siguiente paso" started ahead.
    Adelanto& Adelantado() {
        if (!f.Partida.Adelantado) f.Partida.Adelantado = std::make_shared<Adelanto>();
        return *f.Partida.Adelantado;
    }
};

TEST_F(Pegar, QuedaComoLaCargaDeLaPartidaDeSusCifras) {
    f.Variables.Nivel = 4;
    Pegar_Tablero(f, kClasico);
    const Foto pegada(f);

    // The same board saved by hand: the digits fixed, 00:00:00, the
    // solution and the level of the game, no moves.
    const std::string rejilla = SinSaltos(kClasico);
    std::string linea;
    for (int c = 0; c < NumCeldas; ++c) {
        const char d = rejilla[static_cast<std::size_t>(tablero::Fila(c) - 1) * 9 + tablero::Columna(c) - 1];
        linea += d == '.' ? std::string(" B") : std::string{d, 'R'};
    }
    linea += "000000-----" + sdk::prueba::Solucion + "4";
    EntornoFalso otro;
    TFormPrincipal g(otro);
    ASSERT_TRUE(g.FormCreate());
    g.Variables.Nivel = 4;
    otro.Ficheros[Fichero] = sdk::EscribePartida({linea});
    otro.EligeAbrir.push_back(Fichero);
    BCargar2Click(g);
    Foto cargada(g);
    ASSERT_TRUE(otro.Mensajes.empty());

    EXPECT_EQ(pegada.PFichero, RotuloPegado);
    EXPECT_EQ(pegada.PMensaje, "Tablero pegado");
    EXPECT_EQ(pegada.ColorMensaje, Negro);
    cargada.PFichero = pegada.PFichero;
    cargada.PMensaje = pegada.PMensaje;
    cargada.ColorMensaje = pegada.ColorMensaje;
    EXPECT_EQ(pegada, cargada);
    EXPECT_EQ(f.Partida.EPartida, sdk::prueba::Solucion);
    EXPECT_EQ(f.Ventana.LPHor.Caption + f.Ventana.LPMin.Caption + f.Ventana.LPseg.Caption, "000000");
    EXPECT_TRUE(SolucionActiva(f));
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    EXPECT_EQ(En(f, "P1_1").Color_, Naranja);
    EXPECT_FALSE(En(f, "P1_1").Enabled);
}

struct Rechazo {
    const char* nombre;
    std::string texto;
    std::string mensaje;
};

void PrintTo(const Rechazo& r, std::ostream* os) { *os << r.nombre; }

class PegarRechazado : public SalvarCargar, public testing::WithParamInterface<Rechazo> {};

TEST_P(PegarRechazado, NoCambiaNadaYDiceElMotivoEnGranate) {
    PartidaEmpezada();
    Foto antes(f);
    Pegar_Tablero(f, GetParam().texto);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, GetParam().mensaje);
    EXPECT_EQ(f.Ventana.PMensaje.FontColor, Granate);
    antes.PMensaje = GetParam().mensaje;
    antes.ColorMensaje = Granate;
    EXPECT_EQ(Foto(f), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, PegarRechazado,
    testing::Values(Rechazo{"vacio", "", "El texto pegado no es un tablero: el tablero tiene 0 caracteres y debe tener 81"},
                    Rechazo{"palabras", "Hola, ¿qué tal?",
                            "El texto pegado no es un tablero: carácter no válido 'H' en la línea 1, posición 1"},
                    Rechazo{"una_fila_de_menos", "53..7....\n6..195...\n.98....6.\n",
                            "El texto pegado no es un tablero: el tablero tiene 27 casillas y debe tener 81"},
                    Rechazo{"fila_corta",
                            "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n...419..5\n"
                            "....8.79\n",
                            "El texto pegado no es un tablero: la fila 9 del tablero tiene 8 casillas y debe tener 9"},
                    Rechazo{"columnas_desalineadas",
                            "53  7\n6  195\n 98    6\n8   6   3\n4  8 3  1\n7   2   6\n 6    28\n   419  5\n     8  79\n",
                            "El texto pegado no es un tablero: sus casillas no se alinean en 9 columnas, sino en 10"},
                    Rechazo{"bloque", "55" + std::string(79, '.'), "El tablero pegado repite el 5 en Bloque 1"},
                    Rechazo{"fila", "5.......5" + std::string(72, '.'), "El tablero pegado repite el 5 en Horizontal 1"},
                    Rechazo{"columna", "...7" + std::string(71, '.') + "7.....",
                            "El tablero pegado repite el 7 en Vertical 4"}),
    [](const testing::TestParamInfo<Rechazo>& i) { return std::string(i.param.nombre); });

// The givens of the grid kept, and every cell a digit that breaks no rule.
void EsSolucionDe(const std::string& solucion, const std::string& rejilla) {
    ASSERT_EQ(solucion.size(), 81u);
    TableroTexto t{};
    for (int c = 0; c < NumCeldas; ++c) {
        const std::size_t i = static_cast<std::size_t>(tablero::Fila(c) - 1) * 9 + tablero::Columna(c) - 1;
        t[i] = solucion[static_cast<std::size_t>(c)];
        if (rejilla[i] != '.') {
            EXPECT_EQ(rejilla[i], t[i]) << tablero::Nombre(c);
        }
    }
    EXPECT_FALSE(ReglaRota(t));
}

TEST_F(Pegar, UnPuzleQueAgotaLosPasosTieneSolucionYSolucionLaPone) {
    const Importado i = Resuelve_Importado(*[] {
        std::string e;
        return LeeTablero(kSinTiempo, e);
    }());
    EXPECT_EQ(i.Resultado, "ST");
    EXPECT_EQ(i.Soluciones, 1);

    Pegar_Tablero(f, kSinTiempo);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Tablero pegado");
    EsSolucionDe(f.Partida.EPartida, kSinTiempo);
    ASSERT_TRUE(SolucionActiva(f));
    BSolucion2Click(f);
    for (int c = 0; c < NumCeldas; ++c)
        EXPECT_EQ(f.Paneles[c].Caption, f.Partida.EPartida.substr(static_cast<std::size_t>(c), 1));
}

TEST_F(Pegar, ConVariasSolucionesSeTomaYSeAvisa) {
    Pegar_Tablero(f, kVarias);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "El tablero pegado tiene más de una solución");
    EXPECT_EQ(f.Ventana.PMensaje.FontColor, Granate);
    EXPECT_EQ(LeerRejilla(f), kVarias);
    EsSolucionDe(f.Partida.EPartida, kVarias);
}

TEST_F(Pegar, SinSolucionSeTomaSinSolucionGuardada) {
    // The 9 of row 1 can go nowhere but where column 9 already has one.
    std::string rejilla = "12345678" + std::string(73, '.');
    rejilla[35] = '9';
    Pegar_Tablero(f, rejilla);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "El tablero pegado no tiene solución");
    EXPECT_EQ(LeerRejilla(f), rejilla);
    EXPECT_EQ(f.Partida.EPartida, "");
    // As after loading any game with fixed cells: "Deja fijos" has work.
    EXPECT_TRUE(SolucionActiva(f));
}

TEST_F(Pegar, CopiarYPegarDevuelvenElMismoTablero) {
    PartidaEmpezada();
    Puerta puerta(f);
    const std::string antes = LeerRejilla(f);
    const std::string copiado = puerta.Copiar();
    EXPECT_EQ(copiado, antes + "\n");
    puerta.Pegar(copiado);
    EXPECT_EQ(LeerRejilla(f), antes);
    // The player's digits come back as givens: the pasted board is a new puzzle.
    for (int c = 0; c < NumCeldas; ++c) EXPECT_EQ(f.Paneles[c].Color_ == Naranja, !f.Paneles[c].Caption.empty());
}

// A pasted puzzle is rated in the background from the paste, and givens
// that came any other way from the next tick of the clock.
TEST_F(Pegar, ElTableroPegadoSeCalificaDeAntemano) {
    std::string clave = SinSaltos(kClasico);
    std::replace(clave.begin(), clave.end(), '.', '0');
    Puerta puerta(f);
    puerta.Pegar(kClasico);
    EXPECT_EQ(Adelantado().clave_dificultad, clave) << "rated ahead from the paste";
    const std::string linea = Dificultad_Partida(f);
    EXPECT_EQ(linea.rfind("Dificultad de la partida: ", 0), 0u) << linea;
    EXPECT_EQ(f.Partida.Calificada, Adelantado().clave_dificultad);

    f.Paneles[Idx(NombreEn(1, 1))] = Celda{};
    puerta.Timer02Timer();
    clave[0] = '0';
    EXPECT_EQ(Adelantado().clave_dificultad, clave) << "rated ahead from the tick";
}

TEST_F(Pegar, MientrasCalculaNoSePegaNiSeCopia) {
    Puerta puerta(f);
    std::string copiado = "sin copiar";
    ent.AlBombeo[3] = [&] {
        copiado = puerta.Copiar();
        puerta.Pegar(kClasico);
    };
    BRellena2Click(f);
    EXPECT_EQ(copiado, "");
    EXPECT_NE(f.Ventana.PFichero.Caption, RotuloPegado);
    EXPECT_NE(LeerRejilla(f).substr(0, 9), "53..7....");
}

}  // namespace
}  // namespace novenario::prueba
