// "Siguiente paso": the reasoning engine asked about the board as it stands,
// and its answer told the way players like a hint: first the technique and
// the house to look at, then, on request, the whole reasoning, and at last
// the digit put in as the player would put it in.
//
// The engine reads a board in grid reading order; the game keeps its cells in
// name order. Grid index g (0..80, row by row) is the cell
// tablero::OrdenRejilla()[g].
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <future>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "board/juego.h"
#include "ayuda/ayuda.h"
#include "board/jugada.h"
#include "entrada/entrada.h"
#include "logica/logica.h"

namespace novenario {

namespace {

// The form's size and the places it may take over the main window: beside
// the board's corners, wherever it hides least of what it outlines.
constexpr int AnchoForma = 400, AltoForma = 280;
constexpr std::array<std::array<int, 2>, 4> SitiosForma{{{419, 226}, {419, 28}, {6, 226}, {6, 28}}};

int CeldaDeRejilla(int g) { return (g >= 0 && g < NumCeldas) ? tablero::OrdenRejilla()[static_cast<std::size_t>(g)] : -1; }

// The digit of a cell, 0 when it holds none.
int Cifra(const Celda& c) {
    if (c.Caption.empty()) return 0;
    const char ch = c.Caption[0];
    return (ch >= '1' && ch <= '9') ? ch - '0' : 0;
}

bool Fija(const Celda& c) { return c.Color_ == Naranja; }

// The nine cells of a house, in name order indices; empty for a house the
// engine could not have meant.
std::vector<int> CeldasDeCasa(const logica::Casa& casa) {
    if (casa.numero < 1 || casa.numero > 9) return {};
    TipoGrupo tipo = TipoGrupo::Bloque;
    if (casa.tipo == logica::Casa::Tipo::Fila) tipo = TipoGrupo::Horizontal;
    else if (casa.tipo == logica::Casa::Tipo::Columna) tipo = TipoGrupo::Vertical;
    const auto& g = tablero::Grupo(tipo, casa.numero);
    return {g.begin(), g.end()};
}

void Anadir(std::vector<int>& v, int c) {
    if (c >= 0 && std::find(v.begin(), v.end(), c) == v.end()) v.push_back(c);
}

void AnadirCasas(FormaModal::Contornos& m, const logica::Paso& p) {
    for (const logica::Casa& casa : p.casas) {
        std::vector<int> celdas = CeldasDeCasa(casa);
        if (!celdas.empty() && std::find(m.Casas.begin(), m.Casas.end(), celdas) == m.Casas.end())
            m.Casas.push_back(std::move(celdas));
    }
}

// "fila 4, columna 5", as a player counts them.
std::string Lugar(int c) {
    return "fila " + std::to_string(tablero::Fila(c)) + ", columna " + std::to_string(tablero::Columna(c));
}

// The text, line by line: the engine's may hold several.
void Partir(std::vector<std::string>& lineas, const std::string& texto) {
    std::size_t desde = 0;
    while (desde <= texto.size()) {
        const std::size_t fin = texto.find('\n', desde);
        lineas.push_back(texto.substr(desde, fin == std::string::npos ? std::string::npos : fin - desde));
        if (fin == std::string::npos) break;
        desde = fin + 1;
    }
}

std::string Resumen(const logica::Paso& p) { return p.resumen.empty() ? p.nombre : p.resumen; }

// What the form tells and offers, worked out once from the engine's steps.
struct Explicacion {
    std::vector<std::string> breve, completa;
    FormaModal::Contornos marcas_breve, marcas_completa;
    int destino = -1, cifra = 0;  // the digit "Colocar" puts in, and its cell
    int erronea = -1;             // the player's digit that leads nowhere
    bool volver = false;          // ... and the move list can take it back
};

// Whether stepping back through the move list can take the digit of cell c
// away: an entry up to where the history stands put it there, and "<<"
// answers now.
bool Se_Puede_Volver(const Juego& f, int c) {
    const int d = Cifra(f.Paneles[c]);
    if (d == 0 || Fija(f.Paneles[c])) return false;
    const ModeloVentana& v = f.Ventana;
    if (!v.BAtras.Visible || !v.BAtras.Enabled || !v.PTeclasNum.Visible) return false;
    const std::string entrada = Jugada::En(c, d).Texto();
    const auto& lista = f.Variables.LBPanel;
    const int hasta = std::min(f.Variables.Posicion_Lista, static_cast<int>(lista.size()) - 1);
    for (int i = 0; i <= hasta; ++i)
        if (lista[static_cast<std::size_t>(i)] == entrada) return true;
    return false;
}

Explicacion Explicar(const Juego& f, const std::vector<logica::Paso>& pasos) {
    Explicacion e;
    if (pasos.empty()) {
        e.breve = e.completa = {"El tablero está completo: no queda ningún paso."};
        return e;
    }
    const auto sin = std::find_if(pasos.begin(), pasos.end(),
                                  [](const logica::Paso& p) { return p.tecnica == logica::Tecnica::SinSolucion; });
    if (sin != pasos.end()) {
        // Only the digit that leads nowhere matters: whatever was deduced
        // before it stands on a board with no solution.
        const logica::Paso& p = *sin;
        if (!p.celdas.empty()) e.erronea = CeldaDeRejilla(p.celdas.front());
        const int d = e.erronea >= 0 ? Cifra(f.Paneles[e.erronea]) : 0;
        if (d != 0 && !Fija(f.Paneles[e.erronea])) {
            e.breve.push_back("El " + std::to_string(d) + " de la " + Lugar(e.erronea) +
                              " no lleva a ninguna solución.");
            e.volver = Se_Puede_Volver(f, e.erronea);
            if (e.volver) e.breve.push_back("\"Volver\" deshace las jugadas hasta quitarlo.");
            e.marcas_breve.Celdas.push_back(e.erronea);
        } else {
            e.erronea = -1;
            e.breve.push_back("Con las cifras que tiene, el tablero no tiene solución.");
        }
        e.completa = e.breve;
        if (!p.texto.empty()) {
            e.completa.emplace_back();
            Partir(e.completa, p.texto);
        }
        e.marcas_completa = e.marcas_breve;
        AnadirCasas(e.marcas_completa, p);
        return e;
    }

    const logica::Paso& primero = pasos.front();
    const logica::Paso& ultimo = pasos.back();
    if (!ultimo.coloca.empty()) {
        const logica::Digito& d = ultimo.coloca.front();
        const int c = CeldaDeRejilla(d.celda);
        if (c >= 0 && d.cifra >= 1 && d.cifra <= 9) {
            e.destino = c;
            e.cifra = d.cifra;
        }
    }
    e.breve.push_back(Resumen(primero) + ".");
    if (pasos.size() > 1)
        e.breve.push_back("Es el primero de " + std::to_string(pasos.size()) + " pasos hasta colocar una cifra.");
    AnadirCasas(e.marcas_breve, primero);

    for (std::size_t i = 0; i < pasos.size(); ++i) {
        const logica::Paso& p = pasos[i];
        if (i > 0) e.completa.emplace_back();
        if (pasos.size() > 1) e.completa.push_back("Paso " + std::to_string(i + 1) + ": " + Resumen(p) + ".");
        else e.completa.push_back(Resumen(p) + ".");
        if (!p.texto.empty()) Partir(e.completa, p.texto);
        AnadirCasas(e.marcas_completa, p);
        for (int g : p.celdas) Anadir(e.marcas_completa.Celdas, CeldaDeRejilla(g));
        for (const logica::Digito& d : p.elimina) Anadir(e.marcas_completa.Eliminadas, CeldaDeRejilla(d.celda));
    }
    if (e.destino >= 0) {
        e.completa.emplace_back();
        e.completa.push_back("\"Colocar\" pone el " + std::to_string(e.cifra) + " en la " + Lugar(e.destino) + ".");
        auto& celdas = e.marcas_completa.Celdas;
        celdas.erase(std::remove(celdas.begin(), celdas.end(), e.destino), celdas.end());
        e.marcas_completa.Destino = e.destino;
    }
    return e;
}

// Where the form hides least of what it outlines: the cells' rectangles in
// the main window, each house counted as its cells.
void Situar(const Juego& f, FormaModal& forma, const FormaModal::Contornos& marcas) {
    std::vector<int> todas = marcas.Celdas;
    for (const auto& casa : marcas.Casas) todas.insert(todas.end(), casa.begin(), casa.end());
    todas.insert(todas.end(), marcas.Eliminadas.begin(), marcas.Eliminadas.end());
    if (marcas.Destino >= 0) todas.push_back(marcas.Destino);
    if (todas.empty()) return;
    const int x0 = f.Ventana.PanelJuego.Left, y0 = f.Ventana.PanelJuego.Top;
    long mejor = -1;
    for (const auto& [left, top] : SitiosForma) {
        long tapado = 0;
        for (int c : todas) {
            const int l = x0 + tablero::Izquierda(c), t = y0 + tablero::Arriba(c);
            const int w = std::min(l + tablero::AnchoCelda, left + AnchoForma) - std::max(l, left);
            const int h = std::min(t + tablero::AltoCelda, top + AltoForma) - std::max(t, top);
            if (w > 0 && h > 0) tapado += static_cast<long>(w) * h;
        }
        if (mejor < 0 || tapado < mejor) {
            mejor = tapado;
            forma.Left = left;
            forma.Top = top;
        }
    }
}

enum class Salida { Nada, Colocar, Volver };

}  // namespace

logica::Tablero Tablero_Logico(const Juego& f, bool solo_fijas) {
    logica::Tablero t{};
    for (int g = 0; g < NumCeldas; ++g) {
        const Celda& celda = f.Paneles[CeldaDeRejilla(g)];
        if (!solo_fijas || Fija(celda)) t[static_cast<std::size_t>(g)] = static_cast<std::uint8_t>(Cifra(celda));
    }
    return t;
}

logica::Contexto Contexto_Logico(const Juego& f) {
    logica::Contexto ctx;
    const std::string& sol = f.Partida.EPartida;
    if (sol.size() >= static_cast<std::size_t>(NumCeldas) &&
        std::all_of(sol.begin(), sol.begin() + NumCeldas, [](char ch) { return ch >= '1' && ch <= '9'; })) {
        for (int g = 0; g < NumCeldas; ++g)
            ctx.solucion[static_cast<std::size_t>(g)] =
                static_cast<std::uint8_t>(sol[static_cast<std::size_t>(CeldaDeRejilla(g))] - '0');
    }
    std::array<int, NumCeldas> edad{};
    edad.fill(-1);
    const auto& lista = f.Variables.LBPanel;
    const int hasta = std::min(f.Variables.Posicion_Lista, static_cast<int>(lista.size()) - 1);
    for (int i = 0; i <= hasta; ++i) {
        const Jugada e = Jugada::Lee(lista[static_cast<std::size_t>(i)]);
        if (e.Celda() >= 0 && e.Numero() != 0) edad[static_cast<std::size_t>(e.Celda())] = i;
    }
    std::vector<std::pair<int, int>> jugadas;  // age, grid index
    for (int g = 0; g < NumCeldas; ++g) {
        const int c = CeldaDeRejilla(g);
        if (!Fija(f.Paneles[c]) && Cifra(f.Paneles[c]) != 0) jugadas.emplace_back(edad[static_cast<std::size_t>(c)], g);
    }
    std::stable_sort(jugadas.begin(), jugadas.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& j : jugadas) ctx.jugadas.push_back(j.second);
    return ctx;
}

namespace {

std::string Clave_Tablero(const logica::Tablero& fijo) {
    std::string clave(fijo.begin(), fijo.end());
    for (char& ch : clave) ch = static_cast<char>('0' + ch);
    return clave;
}

std::string Linea_Dificultad(const logica::Tablero& fijo) {
    std::string linea = "Dificultad de la partida: ";
    if (std::all_of(fijo.begin(), fijo.end(), [](std::uint8_t d) { return d == 0; }))
        return linea + "sin calificar, no hay casillas fijas";
    const logica::Calificacion c = logica::Calificar(fijo);
    if (c.soluciones == 0) return linea + "sin solución";
    linea += logica::TextoDificultad(c.dificultad) + ", " + (c.nivel.empty() ? logica::NivelDe(c.dificultad) : c.nivel);
    if (c.soluciones > 1) linea += " (más de una solución)";
    return linea;
}

// Whether the game's rating line is the one for these given cells.
bool Calificada(const VariablesPartida& p, const std::string& clave) {
    return clave == p.Calificada && !p.Dificultad.empty();
}

Adelanto& Adelantado(Juego& f) {
    if (!f.Partida.Adelantado) f.Partida.Adelantado = std::make_shared<Adelanto>();
    return *f.Partida.Adelantado;
}

// The board, the stored solution, the player's digits in their order and
// whether the puzzle is known to have one solution, as one text.
std::string Clave_Pasos(const logica::Tablero& tablero, const logica::Contexto& c) {
    std::string clave = Clave_Tablero(tablero) + "|" + Clave_Tablero(c.solucion) + "|" + (c.unica_conocida ? "u" : "-");
    for (int j : c.jugadas) clave += "," + std::to_string(j);
    return clave;
}

// Whether a thread is still working.
template <typename T>
bool Ocupado(const std::shared_future<T>& futuro) {
    return futuro.valid() && futuro.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

// Starts fn on a thread of its own as the work for clave; with no thread to
// spare nothing starts, and the work is done when it is asked for.
template <typename T, typename Fn>
void Lanzar(std::string& clave_de, std::shared_future<T>& futuro, std::string clave, Fn fn) {
    try {
        futuro = std::async(std::launch::async, std::move(fn)).share();
        clave_de = std::move(clave);
    } catch (const std::system_error&) {
        futuro = {};
        clave_de.clear();
    }
}

}  // namespace

const std::string& Dificultad_Partida(Juego& f) {
    const logica::Tablero fijo = Tablero_Logico(f, true);
    std::string clave = Clave_Tablero(fijo);
    VariablesPartida& p = f.Partida;
    if (Calificada(p, clave)) return p.Dificultad;
    Adelanto& a = Adelantado(f);
    p.Dificultad = clave == a.clave_dificultad && a.dificultad.valid() ? a.dificultad.get() : Linea_Dificultad(fijo);
    p.Calificada = std::move(clave);
    return p.Dificultad;
}

std::vector<logica::Paso> Pasos_Siguientes(Juego& f) {
    const logica::Tablero tablero = Tablero_Logico(f, false);
    const logica::Contexto contexto = Contexto_Logico(f);
    const Adelanto& a = Adelantado(f);
    if (a.pasos.valid() && a.clave_pasos == Clave_Pasos(tablero, contexto)) return a.pasos.get();
    return logica::HastaColocar(tablero, contexto);
}

bool Siguiente_Disponible(const Juego& f) {
    return !f.Variables.Proceso_Largo && f.Ventana.PanelJuego.Enabled && f.Ventana.PanelJuego.Visible;
}

void Adelanta_Ayuda(Juego& f) {
    if (!Siguiente_Disponible(f)) return;
    Adelanto& a = Adelantado(f);
    const logica::Tablero fijo = Tablero_Logico(f, true);
    std::string clave = Clave_Tablero(fijo);
    if (!Calificada(f.Partida, clave) && clave != a.clave_dificultad && !Ocupado(a.dificultad))
        Lanzar(a.clave_dificultad, a.dificultad, std::move(clave), [fijo] { return Linea_Dificultad(fijo); });

    const logica::Tablero tablero = Tablero_Logico(f, false);
    logica::Contexto contexto = Contexto_Logico(f);
    std::string clave_pasos = Clave_Pasos(tablero, contexto);
    if (clave_pasos != a.clave_pasos && !Ocupado(a.pasos))
        Lanzar(a.clave_pasos, a.pasos, std::move(clave_pasos),
               [tablero, contexto = std::move(contexto)] { return logica::HastaColocar(tablero, contexto); });
}

void Siguiente_Paso(Juego& f) {
    if (!f.Ventana.Led1.Value) f.Ventana.Led1.Value = true;
    const std::string dificultad = Dificultad_Partida(f);
    const Explicacion e = Explicar(f, Pasos_Siguientes(f));

    FormaModal forma = Forma(FormaModal::Tipo::Siguiente, " Novenario.  Siguiente paso.", AnchoForma, AltoForma,
                             (825 - AnchoForma) / 2, (535 - AltoForma) / 2);
    forma.Mensaje = dificultad;
    forma.Lineas = e.breve;
    forma.Marcas = e.marcas_breve;
    Situar(f, forma, e.marcas_completa);

    FormaModal* p = &forma;
    Salida salida = Salida::Nada;
    const bool hay_mas = e.completa != e.breve || !(e.marcas_completa == e.marcas_breve);
    std::size_t accion = static_cast<std::size_t>(-1);  // "Colocar" or "Volver"
    if (hay_mas) {
        forma.Botones.push_back({"&Más", Negro, [p, &e, &accion] {
                                     p->Lineas = e.completa;
                                     p->Marcas = e.marcas_completa;
                                     p->Defecto = accion;
                                 }});
    }
    if (e.destino >= 0) {
        accion = forma.Botones.size();
        forma.Botones.push_back({"&Colocar", Negro, [p, &salida] {
                                     salida = Salida::Colocar;
                                     p->Marcas = {};
                                     p->Cerrada = true;
                                 }});
    } else if (e.volver) {
        accion = forma.Botones.size();
        forma.Botones.push_back({"&Volver", Granate, [p, &salida] {
                                     salida = Salida::Volver;
                                     p->Marcas = {};
                                     p->Cerrada = true;
                                 }});
    }
    forma.Botones.push_back({"Ce&rrar", Negro, [p] { p->Cerrada = true; }});
    forma.Defecto = hay_mas ? 0 : (accion < forma.Botones.size() ? accion : forma.Botones.size() - 1);
    forma.AlCerrar = [p] { p->Cerrada = true; };
    f.Ent.MostrarModal(forma);

    if (salida == Salida::Colocar) {
        // As the player would: the cell clicked, then the digit on the pad.
        const int c = e.destino;
        if (f.Variables.Proceso_Largo || Fija(f.Paneles[c]) || Cifra(f.Paneles[c]) != 0) return;
        PClick(f, c);
        BClick(f, e.cifra);
    } else if (salida == Salida::Volver) {
        // As "<<" pressed again and again, until the digit is gone.
        const int c = e.erronea;
        const int d = Cifra(f.Paneles[c]);
        for (std::size_t vueltas = 0; vueltas <= f.Variables.LBPanel.size() && Cifra(f.Paneles[c]) == d; ++vueltas) {
            const ModeloVentana& v = f.Ventana;
            if (f.Variables.Proceso_Largo || !v.BAtras.Visible || !v.BAtras.Enabled || !v.PTeclasNum.Visible) break;
            BAtrasClick(f);
        }
    }
}

}  // namespace novenario
