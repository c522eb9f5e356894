// "Siguiente paso" with no window: the form it shows, in its two stages, and
// what "Colocar", "Volver" and "Cerrar" do to the game.
#include <algorithm>
#include <memory>

#include "board/entorno_falso.h"
#include "logica/logica.h"
#include "candidates/candidatos.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

// The classic puzzle and its one solution, in grid reading order.
const char* const kClasico = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const char* const kSolucion = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

class Siguiente : public Partida {
protected:
    // The puzzle as a game of the program: its givens fixed, its solution
    // stored, the candidates computed, the first free cell selected.
    void Empezar(std::string_view puzzle, std::string_view solucion) {
        FijarRejilla(f, puzzle);
        f.Partida.EPartida = EnOrdenDeNombres(solucion);
        Disponibles(f);
        Paneles_Libres(f);
    }
    // A digit entered as the player enters it.
    void Jugar(int r, int c, int d) {
        PClick(f, Idx(NombreEn(r, c)));
        BClick(f, d);
    }
    // Ctrl+H, answering the form with the buttons of these captions in turn
    // (none: the close box).
    FormaModal Pedir(std::vector<std::string> botones) {
        FormaModal vista(FormaModal::Tipo::Siguiente);
        ent.AlMostrar = [&](FormaModal& forma) {
            if (forma.tipo != FormaModal::Tipo::Siguiente) return;  // the end of the game
            for (const std::string& b : botones) {
                if (forma.Cerrada) break;
                const std::size_t i = EntornoFalso::Boton(forma, b, forma.Botones.size());
                ASSERT_LT(i, forma.Botones.size()) << "no button " << b;
                forma.Pulsar(i);
            }
            vista.Caption = forma.Caption;
            vista.Mensaje = forma.Mensaje;
            vista.Lineas = forma.Lineas;
            vista.Marcas = forma.Marcas;
            vista.Defecto = forma.Predeterminado();
            vista.Left = forma.Left;
            vista.Top = forma.Top;
            for (const auto& b : forma.Botones) vista.Botones.push_back({b.Caption, b.FontColor, {}});
            if (!forma.Cerrada) forma.CerrarVentana();
        };
        f.SiguientePaso();
        ent.AlMostrar = nullptr;
        return vista;
    }
    // The work "Siguiente paso" started ahead.
    Adelanto& Adelantado() {
        if (!f.Partida.Adelantado) f.Partida.Adelantado = std::make_shared<Adelanto>();
        return *f.Partida.Adelantado;
    }
    static std::vector<std::string> Captions(const FormaModal& forma) {
        std::vector<std::string> c;
        for (const auto& b : forma.Botones) c.push_back(b.Caption);
        return c;
    }
    static bool Contiene(const std::vector<std::string>& lineas, const std::string& trozo) {
        return std::any_of(lineas.begin(), lineas.end(),
                           [&](const std::string& l) { return l.find(trozo) != std::string::npos; });
    }
};

TEST_F(Siguiente, LaUltimaCasillaLibreSeExplicaYSeColoca) {
    Empezar(SinCelda(kSolucion, 4, 5), kSolucion);
    const int celda = Idx(NombreEn(4, 5));
    ASSERT_FALSE(f.Ventana.Led1.Value);

    const FormaModal breve = Pedir({});
    ASSERT_EQ(ent.Contar(FormaModal::Tipo::Siguiente), 1);
    EXPECT_EQ(breve.Caption, " Novenario.  Siguiente paso.");
    EXPECT_EQ(breve.Mensaje, "Dificultad de la partida: 1.0, Muy Fácil");
    EXPECT_TRUE(f.Ventana.Led1.Value) << "asking for a step is assistance";
    EXPECT_EQ(Captions(breve), (std::vector<std::string>{"&Más", "&Colocar", "Ce&rrar"}));
    EXPECT_EQ(breve.Defecto, 0u) << "Enter asks for more first";
    // First only the technique and where to look: one of the cell's houses,
    // and not yet the cell itself.
    const auto pasos = logica::HastaColocar([] {
        logica::Tablero t{};
        const std::string s = SinCelda(kSolucion, 4, 5);
        for (std::size_t g = 0; g < 81; ++g) t[g] = static_cast<std::uint8_t>(s[g] == '.' ? 0 : s[g] - '0');
        return t;
    }());
    ASSERT_EQ(pasos.size(), 1u);
    ASSERT_FALSE(pasos[0].resumen.empty());
    EXPECT_EQ(breve.Lineas, (std::vector<std::string>{pasos[0].resumen + "."}));
    ASSERT_FALSE(breve.Marcas.Casas.empty());
    for (const auto& casa : breve.Marcas.Casas) EXPECT_NE(std::find(casa.begin(), casa.end(), celda), casa.end());
    EXPECT_EQ(breve.Marcas.Destino, -1);

    // "Cerrar" left the board as it was.
    EXPECT_EQ(f.Paneles[celda].Caption, "");
    EXPECT_TRUE(f.Variables.LBPanel.empty());

    // "Más" tells it all and shows the cell; "Colocar" enters the digit as
    // the player would, and the full board ends the game.
    const FormaModal completa = Pedir({"&Más"});
    EXPECT_EQ(completa.Marcas.Destino, celda);
    EXPECT_EQ(completa.Defecto, 1u) << "after \"Más\" Enter places the digit";
    EXPECT_TRUE(Contiene(completa.Lineas, "\"Colocar\" pone el 6 en la fila 4, columna 5."));
    EXPECT_EQ(completa.Mensaje, breve.Mensaje);

    Pedir({"&Más", "&Colocar"});
    EXPECT_EQ(f.Paneles[celda].Caption, "6");
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{NombreEn(4, 5) + "--B", NombreEn(4, 5) + "--6"}));
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Número 6 aceptado");
    EXPECT_EQ(f.Variables.Panel_Activo, NombreEn(4, 5));
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::S);
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 1);
}

TEST_F(Siguiente, CerrarYEscapeNoCambianNada) {
    Empezar(kClasico, kSolucion);
    Jugar(1, 3, 4);
    f.Ventana.Led1.Value = true;
    const Foto antes(f);
    for (const std::vector<std::string>& botones :
         {std::vector<std::string>{"Ce&rrar"}, {"&Más", "Ce&rrar"}, {}, {"&Más"}}) {
        const FormaModal forma = Pedir(botones);
        EXPECT_EQ(Foto(f), antes) << botones.size();
        EXPECT_FALSE(forma.Marcas.Vacios()) << "the outlines stay until the next action";
    }
}

TEST_F(Siguiente, ColocarEnUnaPartidaConPistaPasaPorLaBarra) {
    Empezar(kClasico, kSolucion);
    BPistaClick(f);
    const int destino = Pedir({"&Más"}).Marcas.Destino;
    ASSERT_GE(destino, 0);
    const FormaModal forma = Pedir({"&Colocar"});
    EXPECT_EQ(f.Paneles[destino].Caption, std::string(1, f.Partida.EPartida[static_cast<std::size_t>(destino)]));
    EXPECT_EQ(f.Ventana.Shape1.Color_, Verde) << "the hint bar checks a placed digit as a typed one";
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_TRUE(forma.Marcas.Vacios()) << "placing the digit takes the outlines away";
}

TEST_F(Siguiente, UnaCifraEquivocadaSeNombraYVolverLaQuita) {
    Empezar(kClasico, kSolucion);
    Jugar(1, 3, 1);  // fits its row, column and block, but the solution has 4
    Jugar(1, 4, 6);  // right, and later
    ASSERT_EQ(f.Variables.LBPanel.size(), 4u);

    const FormaModal forma = Pedir({});
    ASSERT_FALSE(forma.Lineas.empty());
    EXPECT_EQ(forma.Lineas[0], "El 1 de la fila 1, columna 3 no lleva a ninguna solución.");
    const auto botones = Captions(forma);
    EXPECT_NE(std::find(botones.begin(), botones.end(), "&Volver"), botones.end());
    EXPECT_EQ(std::find(botones.begin(), botones.end(), "&Colocar"), botones.end());
    EXPECT_EQ(forma.Marcas.Celdas, (std::vector<int>{Idx(NombreEn(1, 3))}));

    Pedir({"&Volver"});
    // Back as "<<" steps: the later digit goes first, then the wrong one.
    EXPECT_EQ(En(f, NombreEn(1, 3)).Caption, "");
    EXPECT_EQ(En(f, NombreEn(1, 4)).Caption, "");
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_EQ(f.Variables.LBPanel.size(), 4u) << "the moves stay for \">>\"";
    EXPECT_TRUE(f.Ventana.BAdelante.Enabled);
}

TEST_F(Siguiente, SinJugadaQueDeshacerNoHayVolver) {
    Empezar(kClasico, kSolucion);
    // A wrong digit the move list does not hold (as a loaded game may have).
    En(f, NombreEn(1, 3)).Caption = "1";
    Disponibles(f);
    const FormaModal forma = Pedir({});
    const auto botones = Captions(forma);
    EXPECT_EQ(std::find(botones.begin(), botones.end(), "&Volver"), botones.end());
    EXPECT_EQ(botones.back(), "Ce&rrar");
    ASSERT_FALSE(forma.Lineas.empty());
    EXPECT_EQ(forma.Lineas[0], "El 1 de la fila 1, columna 3 no lleva a ninguna solución.");
}

TEST_F(Siguiente, ConDosSolucionesColocaLaGuardada) {
    // The classic solution with a rectangle of 6 and 7 emptied: two solutions.
    std::string puzzle = kSolucion;
    for (auto [r, c] : {std::pair{1, 4}, {1, 5}, {4, 4}, {4, 5}}) puzzle = SinCelda(puzzle, r, c);
    Empezar(puzzle, kSolucion);
    const FormaModal forma = Pedir({"&Más", "&Colocar"});
    EXPECT_NE(forma.Mensaje.find("(más de una solución)"), std::string::npos) << forma.Mensaje;
    bool puesta = false;
    for (auto [r, c] : {std::pair{1, 4}, {1, 5}, {4, 4}, {4, 5}}) {
        const std::string& v = En(f, NombreEn(r, c)).Caption;
        if (!v.empty()) {
            EXPECT_FALSE(puesta) << "one digit";
            puesta = true;
            EXPECT_EQ(v, std::string(1, kSolucion[static_cast<std::size_t>((r - 1) * 9 + c - 1)]));
        }
    }
    EXPECT_TRUE(puesta);
}

TEST_F(Siguiente, UnaCadenaDeEliminacionesSeCuentaPasoAPaso) {
    // A puzzle rated 4.2, taken by its placements up to where the next digit
    // needs eliminations first.
    const std::string puzzle = "9...4..8.2.....96...1.....4..4....1.5..8.1...3..........6.5.39...34..2.88.5.9...6";
    logica::Tablero t{};
    for (std::size_t g = 0; g < 81; ++g) t[g] = static_cast<std::uint8_t>(puzzle[g] == '.' ? 0 : puzzle[g] - '0');
    std::vector<logica::Paso> pasos;
    for (int i = 0; i < 81; ++i) {
        pasos = logica::HastaColocar(t);
        if (pasos.size() != 1) break;
        for (const logica::Digito& d : pasos.back().coloca) t[static_cast<std::size_t>(d.celda)] = static_cast<std::uint8_t>(d.cifra);
    }
    ASSERT_GT(pasos.size(), 1u);
    ASSERT_FALSE(pasos.back().coloca.empty());
    std::string rejilla;
    for (std::uint8_t v : t) rejilla += v ? static_cast<char>('0' + v) : '.';
    FijarRejilla(f, rejilla);
    Disponibles(f);

    const std::string n = std::to_string(pasos.size());
    const FormaModal breve = Pedir({});
    EXPECT_EQ(breve.Lineas, (std::vector<std::string>{pasos.front().resumen + ".",
                                                       "Es el primero de " + n + " pasos hasta colocar una cifra."}));
    const FormaModal completa = Pedir({"&Más"});
    EXPECT_TRUE(Contiene(completa.Lineas, "Paso 1: " + pasos.front().resumen + "."));
    EXPECT_TRUE(Contiene(completa.Lineas, "Paso " + n + ": " + pasos.back().resumen + "."));
    EXPECT_FALSE(completa.Marcas.Eliminadas.empty()) << "the cells that lose a candidate are outlined";
    const logica::Digito d = pasos.back().coloca.front();
    const int celda = tablero::OrdenRejilla()[static_cast<std::size_t>(d.celda)];
    EXPECT_EQ(completa.Marcas.Destino, celda);
    Pedir({"&Colocar"});
    EXPECT_EQ(f.Paneles[celda].Caption, std::to_string(d.cifra));
}

TEST_F(Siguiente, TableroLlenoSoloCierra) {
    Empezar(kSolucion, kSolucion);
    const FormaModal forma = Pedir({});
    EXPECT_EQ(Captions(forma), (std::vector<std::string>{"Ce&rrar"}));
    EXPECT_EQ(forma.Lineas, (std::vector<std::string>{"El tablero está completo: no queda ningún paso."}));
    EXPECT_TRUE(forma.Marcas.Vacios());
}

// A full board is not finished when two of its digits clash: it has no
// solution, and the form says so instead of "complete".
TEST_F(Siguiente, TableroLlenoQueChocaNoEstaCompleto) {
    std::string choca = kSolucion;
    choca[0] = '1';
    Empezar(choca, kSolucion);
    const FormaModal forma = Pedir({});
    EXPECT_TRUE(Contiene(forma.Lineas, "el tablero no tiene solución"));
    EXPECT_FALSE(Contiene(forma.Lineas, "completo"));
}

TEST_F(Siguiente, LaDificultadSeCalculaUnaVezPorPartida) {
    // No given cells: nothing to rate.
    EXPECT_EQ(Dificultad_Partida(f), "Dificultad de la partida: sin calificar, no hay casillas fijas");
    Empezar(SinCelda(kSolucion, 4, 5), kSolucion);
    EXPECT_EQ(Dificultad_Partida(f), "Dificultad de la partida: 1.0, Muy Fácil");
    // The same givens keep the rating worked out; other givens get theirs.
    f.Partida.Dificultad = "guardada";
    Jugar(4, 5, 6);
    EXPECT_EQ(Pedir({}).Mensaje, "guardada");
    f.Paneles[Idx(NombreEn(1, 1))] = Celda{};
    EXPECT_EQ(Dificultad_Partida(f), "Dificultad de la partida: 1.0, Muy Fácil");
}

// The rating worked out ahead, on its thread, is the line worked out when
// asked, on every kind of board.
TEST_F(Siguiente, LaDificultadAdelantadaEsLaDeSiempre) {
    const std::string clasico = kClasico;
    std::string choque = clasico;
    choque[2] = '5';  // a second 5 in row 1
    const struct {
        const char* nombre;
        std::string rejilla;
    } casos[] = {
        {"sin fijas", std::string(81, '.')},
        {"clásico", clasico},
        {"varias soluciones", SinCelda(SinCelda(SinCelda(clasico, 1, 1), 1, 2), 9, 8)},
        {"sin solución", choque},
        {"cadenas", "...82........1......56.................98..4.98...2.13.9..5...4..43..9.61...9.38."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        for (int c = 0; c < NumCeldas; ++c) f.Paneles[c] = Celda{};
        FijarRejilla(f, caso.rejilla);
        f.Partida.Calificada.clear();
        const std::string pedida = Dificultad_Partida(f);
        f.Partida.Calificada.clear();
        Adelanta_Ayuda(f);
        ASSERT_TRUE(Adelantado().dificultad.valid());
        EXPECT_EQ(Dificultad_Partida(f), pedida);
        EXPECT_EQ(f.Partida.Calificada, Adelantado().clave_dificultad) << "the line came from the work ahead";
    }
}

TEST_F(Siguiente, LaDificultadSeAdelantaUnaVezPorFijasYNuncaEnUnProcesoLargo) {
    Empezar(kClasico, kSolucion);
    Adelanta_Ayuda(f);
    const std::string primera = Adelantado().clave_dificultad;
    ASSERT_FALSE(primera.empty());
    // The same givens: nothing more is started, and the player's digits are
    // no givens.
    Jugar(1, 3, 4);
    Adelanta_Ayuda(f);
    EXPECT_EQ(Adelantado().clave_dificultad, primera);
    EXPECT_EQ(Pedir({}).Mensaje, Dificultad_Partida(f));
    EXPECT_EQ(f.Partida.Calificada, primera);
    // Once rated, the givens are not rated again.
    f.Partida.Dificultad = "guardada";
    Adelanta_Ayuda(f);
    EXPECT_EQ(Dificultad_Partida(f), "guardada");
    // Other givens get theirs, but not while long work has the board.
    f.Paneles[Idx(NombreEn(1, 1))] = Celda{};
    f.Variables.Proceso_Largo = true;
    Adelanta_Ayuda(f);
    EXPECT_EQ(Adelantado().clave_dificultad, primera);
    f.Variables.Proceso_Largo = false;
    Adelanta_Ayuda(f);
    EXPECT_NE(Adelantado().clave_dificultad, primera);
    const std::string adelantada = Dificultad_Partida(f);
    f.Partida.Calificada.clear();
    Adelantado().clave_dificultad.clear();
    EXPECT_EQ(adelantada, Dificultad_Partida(f));
}

// The steps worked out ahead are the ones worked out when asked, and a board
// changed since does not get the steps of the board before.
TEST_F(Siguiente, LosPasosAdelantadosSonLosDelTableroQueHay) {
    Empezar(kClasico, kSolucion);
    Adelanta_Ayuda(f);
    ASSERT_TRUE(Adelantado().pasos.valid());
    const std::string clave = Adelantado().clave_pasos;
    const auto directos = logica::HastaColocar(Tablero_Logico(f, false), Contexto_Logico(f));
    const auto adelantados = Pasos_Siguientes(f);
    ASSERT_EQ(adelantados.size(), directos.size());
    for (std::size_t k = 0; k < directos.size(); ++k) {
        EXPECT_EQ(adelantados[k].texto, directos[k].texto);
        EXPECT_EQ(adelantados[k].coloca, directos[k].coloca);
        EXPECT_EQ(adelantados[k].elimina, directos[k].elimina);
    }
    // The step placed: the board and the move list are new, so is the work.
    Pedir({"&Colocar"});
    Adelanta_Ayuda(f);
    EXPECT_NE(Adelantado().clave_pasos, clave);
}

TEST_F(Siguiente, LosPasosDeUnTableroYaCambiadoNoSeMuestran) {
    Empezar(SinCelda(kSolucion, 4, 5), kSolucion);
    Adelanta_Ayuda(f);
    ASSERT_EQ(Pasos_Siguientes(f).size(), 1u);
    // The last cell filled by hand, with the steps ahead still those of the
    // board before.
    Jugar(4, 5, 6);
    EXPECT_EQ(Pedir({}).Lineas, (std::vector<std::string>{"El tablero está completo: no queda ningún paso."}));
}

TEST_F(Siguiente, NoContestaMientrasTrabajaUnProcesoLargo) {
    Empezar(kClasico, kSolucion);
    EXPECT_TRUE(f.Siguiente_Disponible());
    f.Variables.Proceso_Largo = true;
    EXPECT_FALSE(f.Siguiente_Disponible());
    f.SiguientePaso();
    f.Variables.Proceso_Largo = false;
    Teclas_EnableNO(f);  // the board switched off, as around "Calcula"
    EXPECT_FALSE(f.Siguiente_Disponible());
    f.SiguientePaso();
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::Siguiente), 0);
    EXPECT_FALSE(f.Ventana.Led1.Value);
}

// The form stands where it hides least of what it outlines: never on the
// cell the digit goes into, wherever that is.
TEST_F(Siguiente, LaFormaNoTapaLaCasillaQueSenala) {
    for (auto [r, c] : {std::pair{1, 1}, {2, 8}, {5, 5}, {8, 2}, {9, 9}}) {
        FijarRejilla(f, kSolucion);
        En(f, NombreEn(r, c)) = Celda{};
        const FormaModal forma = Pedir({"&Más"});
        const int d = forma.Marcas.Destino;
        ASSERT_EQ(d, Idx(NombreEn(r, c)));
        const int x = f.Ventana.PanelJuego.Left + tablero::Izquierda(d), y = f.Ventana.PanelJuego.Top + tablero::Arriba(d);
        const bool tapa = x < forma.Left + 400 && forma.Left < x + tablero::AnchoCelda && y < forma.Top + 280 &&
                          forma.Top < y + tablero::AltoCelda;
        EXPECT_FALSE(tapa) << r << "," << c << " at " << forma.Left << "," << forma.Top;
    }
}

}  // namespace
}  // namespace novenario::prueba
