// novenario-cli: the game's engine without a window. Solves boards, creates
// new games, shows the candidates of a board, reads saved games and turns a
// board into one, one line of JSON per result, so scripts, benchmarks and
// golden tests can reach the engine and the saved-game format.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "board/ordenes.h"
#include "board/principal.h"
#include "board/entorno_mudo.h"
#include "savegame/formato.h"

using namespace novenario;

namespace {

const char* const kAyudaGeneral =
    "Uso: novenario-cli ORDEN [OPCIONES]\n"
    "\n"
    "Órdenes:\n"
    "  resolver    resuelve tableros como lo hace \"Calcula\"\n"
    "  generar     crea partidas nuevas como \"Nueva partida\"\n"
    "  candidatos  muestra los valores posibles e imposibles de cada casilla\n"
    "  mostrar     muestra lo que la carga lee de una partida guardada (.sdk)\n"
    "  importar    guarda un tablero como partida (.sdk) que el juego carga\n"
    "\n"
    "Un TABLERO son 81 caracteres por filas, de arriba abajo y de izquierda a\n"
    "derecha: las cifras 1 a 9 son casillas fijas, \".\" o \"0\" una casilla vacía.\n"
    "Donde se pide un TABLERO vale también la ruta de una partida guardada\n"
    "(FICHERO.sdk): sus casillas quedan como las deja \"Cargar partida\".\n"
    "\"novenario-cli ORDEN --help\" explica cada orden.\n";

const char* const kAyudaResolver =
    "Uso: novenario-cli resolver [--limite N] TABLERO|FICHERO.sdk...\n"
    "\n"
    "Carga cada tablero (sus cifras como casillas fijas), calcula los candidatos\n"
    "y ejecuta lo mismo que \"Calcula\": la fase lógica y la búsqueda, con un\n"
    "límite de N pasos (999999 si no se indica). Escribe una línea JSON por\n"
    "tablero: el mensaje con que terminó el cálculo, resultado (\"\", \"SS\" sin solución, \"ST\" sin\n"
    "tiempo), pasos y las 81 casillas por filas (\".\" vacía).\n"
    "Un tablero mal escrito se explica en la salida de errores, los demás se\n"
    "procesan igual y el programa termina con estado 2; una partida que no se\n"
    "puede cargar, igual, con estado 1.\n";

const char* const kAyudaGenerar =
    "Uso: novenario-cli generar [--nivel 1-5] [--tics N] [--cantidad K]\n"
    "\n"
    "Crea K partidas (1 si no se indica) al nivel dado (3 si no se indica) como\n"
    "\"Nueva partida\" y escribe una línea JSON por partida: nivel, número de\n"
    "casillas fijas, tablero y solución por filas, e intentos de la generación.\n"
    "--tics N parte del generador tras N tics del temporizador de 10 ms, así\n"
    "que el mismo N da las mismas partidas; sin él se parte del reloj.\n";

const char* const kAyudaCandidatos =
    "Uso: novenario-cli candidatos TABLERO|FICHERO.sdk\n"
    "\n"
    "Carga el tablero (sus cifras como casillas fijas) o la partida guardada,\n"
    "calcula los candidatos y escribe una línea JSON con las 81 casillas por\n"
    "orden de nombre (P1_1 ... P9_9): nombre, valor, posibles (psd), imposibles\n"
    "(pnd) y color en seis cifras hexadecimales.\n";

const char* const kAyudaMostrar =
    "Uso: novenario-cli mostrar FICHERO.sdk\n"
    "\n"
    "Lee la partida guardada como la lee \"Cargar partida\" y escribe una línea\n"
    "JSON: tablero (81 valores por filas, \".\" vacía), fijos (\"R\" casilla\n"
    "fija, \".\" las demás), LPHor, LPMin, LPseg, EPartida y ENivel_Juego tal\n"
    "como están en el fichero, y LBPanel, la lista de jugadas. Los bytes que no\n"
    "son ASCII se escriben como Latin-1. Si el fichero no se puede leer o su\n"
    "reloj no es un número, el mensaje del juego va a la salida de errores y el\n"
    "programa termina con estado 1.\n";

const char* const kAyudaImportar =
    "Uso: novenario-cli importar [--nivel 1-5] TABLERO FICHERO.sdk\n"
    "\n"
    "Guarda el tablero como partida: sus cifras como casillas fijas, el reloj a\n"
    "00:00:00 y, si \"Calcula\" lo resuelve, la solución y el nivel (3 si no se\n"
    "indica), para que \"Solución\" y \"Pista\" funcionen al cargarla. Escribe\n"
    "una línea JSON: fichero, resultado del cálculo (\"\", \"SS\", \"ST\"),\n"
    "solución por filas (\"\" si no la hay) y nivel (null sin solución).\n"
    "Un fichero que ya existe se sustituye sólo cuando el nuevo está completo.\n";

// A JSON string. Texts of the game are UTF-8 and pass as they are; texts
// read from a file are bytes of any encoding, so with latin1 every byte
// above 127 is written as the Latin-1 character of that number.
std::string Json(const std::string& s, bool latin1 = false) {
    std::string r = "\"";
    for (unsigned char ch : s) {
        if (ch == '"' || ch == '\\') {
            r += '\\';
            r += static_cast<char>(ch);
        } else if (ch < 0x20 || ch == 0x7F || (latin1 && ch >= 0x80)) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", ch);
            r += buf;
        } else {
            r += static_cast<char>(ch);
        }
    }
    return r + "\"";
}

// A board argument: 81 characters in grid reading order. On error, says what
// is wrong in the game's words.
std::optional<std::array<char, NumCeldas>> LeeTablero(const std::string& texto, std::string& error) {
    if (texto.size() != NumCeldas) {
        error = "el tablero tiene " + std::to_string(texto.size()) +
                " caracteres y debe tener 81";
        return std::nullopt;
    }
    std::array<char, NumCeldas> rejilla{};
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char ch = texto[i];
        if (ch == '.' || ch == '0') {
            rejilla[i] = 0;
        } else if (ch >= '1' && ch <= '9') {
            rejilla[i] = ch;
        } else {
            error = "carácter no válido '" + std::string(1, ch) + "' en la posición " +
                    std::to_string(i + 1) + " (fila " + std::to_string(i / 9 + 1) + ", columna " +
                    std::to_string(i % 9 + 1) + ")";
            return std::nullopt;
        }
    }
    return rejilla;
}

// The board as a load leaves it: every digit a fixed cell, candidates
// computed, the first free cell selected.
void Carga(TFormPrincipal& f, const std::array<char, NumCeldas>& rejilla) {
    f.BBorraTodoClick();
    Ejecuta_Trabajo(f, "Color Blanco");
    Ejecuta_Trabajo(f, "Libera Paneles");
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        if (!rejilla[i]) continue;
        Celda& celda = f.Paneles[orden[i]];
        celda.Caption = std::string(1, rejilla[i]);
        celda.Color_ = Naranja;
        celda.Enabled = false;
    }
    f.Disponibles();
    f.Busca_Libre();
    f.Paneles_Libres();
    f.Pongo_ColorRojo();
}

// A saved game named on the command line rather than a board.
bool EsPartida(const std::string& arg) {
    if (arg.size() < 4) return false;
    std::string fin = arg.substr(arg.size() - 4);
    for (char& ch : fin) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return fin == ".sdk";
}

// The saved game loaded as "Cargar partida" loads it. On failure, the message
// the game would show.
bool CargaPartida(TFormPrincipal& f, EntornoMudo& mudo, const std::string& ruta, std::string& error) {
    mudo.Mensajes.clear();
    mudo.Abrir = ruta;
    if (!mudo.ExisteFichero(ruta)) {
        error = sdk::MensajeIlegible(ruta);
        return false;
    }
    f.BCargar2Click();
    if (!mudo.Mensajes.empty()) {
        error = mudo.Mensajes.front();
        return false;
    }
    return true;
}

std::string EnRejilla(const TFormPrincipal& f) {
    std::string r;
    for (int c : tablero::OrdenRejilla()) r += f.Paneles[c].Caption.empty() ? "." : f.Paneles[c].Caption;
    return r;
}

std::string EnRejilla(const std::string& por_nombre) {
    std::string r;
    for (int c : tablero::OrdenRejilla()) {
        const auto i = static_cast<std::size_t>(c);
        r += i < por_nombre.size() ? por_nombre.substr(i, 1) : ".";
    }
    return r;
}

bool PideAyuda(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

std::optional<long long> Numero(const std::string& s) {
    if (s.empty() || s.size() > 18) return std::nullopt;
    long long n = 0;
    for (char ch : s) {
        if (ch < '0' || ch > '9') return std::nullopt;
        n = n * 10 + (ch - '0');
    }
    return n;
}

int Uso(const char* ayuda, const std::string& error) {
    std::cerr << "novenario-cli: " << error << "\n\n" << ayuda;
    return 2;
}

TFormPrincipal& Juego(EntornoMudo& mudo, std::optional<TFormPrincipal>& f) {
    f.emplace(mudo);
    f->FormCreate();
    return *f;
}

int Resolver(const std::vector<std::string>& args) {
    if (PideAyuda(args)) {
        std::cout << kAyudaResolver;
        return 0;
    }
    long long limite = 999999;
    std::vector<std::string> tableros;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--limite") {
            const auto n = i + 1 < args.size() ? Numero(args[i + 1]) : std::nullopt;
            if (!n || *n > 2000000000) return Uso(kAyudaResolver, "--limite necesita un número de pasos");
            limite = *n;
            ++i;
        } else {
            tableros.push_back(args[i]);
        }
    }
    if (tableros.empty()) return Uso(kAyudaResolver, "falta el tablero");

    int estado = 0;
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    for (std::size_t t = 0; t < tableros.size(); ++t) {
        std::string error;
        TFormPrincipal& f = Juego(mudo, juego);
        if (EsPartida(tableros[t])) {
            if (!CargaPartida(f, mudo, tableros[t], error)) {
                std::cerr << "novenario-cli: tablero " << t + 1 << ": " << error << "\n";
                estado = std::max(estado, 1);
                continue;
            }
        } else {
            const auto rejilla = LeeTablero(tableros[t], error);
            if (!rejilla) {
                std::cerr << "novenario-cli: tablero " << t + 1 << ": " << error << "\n";
                estado = 2;
                continue;
            }
            Carga(f, *rejilla);
        }
        f.Limite_Normal = f.Limite_Pasos = static_cast<int>(limite);
        f.BRellena2Click();
        std::cout << "{\"mensaje\":" << Json(f.Mensaje_Calculo) << ",\"resultado\":"
                  << Json(f.Resultado_Calculo) << ",\"pasos\":" << f.Pasos
                  << ",\"tablero\":" << Json(EnRejilla(f)) << "}\n";
    }
    return estado;
}

int Generar(const std::vector<std::string>& args) {
    if (PideAyuda(args)) {
        std::cout << kAyudaGenerar;
        return 0;
    }
    long long nivel = 3, cantidad = 1;
    std::optional<long long> tics;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const long long valor = i + 1 < args.size() ? Numero(args[i + 1]).value_or(-1) : -1;
        if (args[i] == "--nivel") {
            if (valor < 1 || valor > 5) return Uso(kAyudaGenerar, "--nivel va de 1 a 5");
            nivel = valor;
        } else if (args[i] == "--tics") {
            if (valor < 0) return Uso(kAyudaGenerar, "--tics necesita un número de tics");
            tics = valor;
        } else if (args[i] == "--cantidad") {
            if (valor < 1 || valor > 100000) return Uso(kAyudaGenerar, "--cantidad va de 1 a 100000");
            cantidad = valor;
        } else {
            return Uso(kAyudaGenerar, "opción desconocida '" + args[i] + "'");
        }
        ++i;
    }

    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego(mudo, juego);
    if (tics) {
        // Each tick of the 10 ms timer draws four values.
        for (long long n = 0; n < *tics * 4; ++n) f.Generador.Random(1);
    } else {
        const auto ahora = std::chrono::steady_clock::now().time_since_epoch();
        f.Generador.PonerSemilla(static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(ahora).count() / 10 * 4));
    }
    f.Nivel = static_cast<int>(nivel);
    f.Paneles_Vacios = TFormPrincipal::Vacios_De_Nivel(f.Nivel);
    for (long long k = 0; k < cantidad; ++k) {
        f.BNuevaPartida2Click();
        int fijos = 0;
        for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja ? 1 : 0;
        std::cout << "{\"nivel\":" << f.Nivel << ",\"fijos\":" << fijos << ",\"tablero\":"
                  << Json(EnRejilla(f)) << ",\"solucion\":" << Json(EnRejilla(f.EPartida))
                  << ",\"intentos\":" << f.Intentos_Partida << "}\n";
    }
    return 0;
}

std::string Hex(Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

int Candidatos(const std::vector<std::string>& args) {
    if (PideAyuda(args)) {
        std::cout << kAyudaCandidatos;
        return 0;
    }
    if (args.size() != 1) return Uso(kAyudaCandidatos, "candidatos necesita un tablero");
    std::string error;
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego(mudo, juego);
    if (EsPartida(args[0])) {
        if (!CargaPartida(f, mudo, args[0], error)) {
            std::cerr << "novenario-cli: " << error << "\n";
            return 1;
        }
    } else {
        const auto rejilla = LeeTablero(args[0], error);
        if (!rejilla) {
            std::cerr << "novenario-cli: tablero 1: " << error << "\n";
            return 2;
        }
        f.BBorraTodoClick();
        const auto& orden = tablero::OrdenRejilla();
        for (std::size_t i = 0; i < NumCeldas; ++i) {
            Celda& celda = f.Paneles[orden[i]];
            celda.Color_ = Blanco;
            if (!(*rejilla)[i]) continue;
            celda.Caption = std::string(1, (*rejilla)[i]);
            celda.Color_ = Naranja;
            celda.Enabled = false;
        }
        f.Disponibles();
    }
    std::cout << "{\"celdas\":[";
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = f.Paneles[c];
        std::cout << (c ? "," : "") << "{\"nombre\":" << Json(tablero::Nombre(c)) << ",\"valor\":"
                  << Json(celda.Caption) << ",\"psd\":" << Json(celda.PSD) << ",\"pnd\":"
                  << Json(celda.PND) << ",\"color\":" << Json(Hex(celda.Color_)) << "}";
    }
    std::cout << "]}\n";
    return 0;
}

int Mostrar(const std::vector<std::string>& args) {
    if (PideAyuda(args)) {
        std::cout << kAyudaMostrar;
        return 0;
    }
    if (args.size() != 1) return Uso(kAyudaMostrar, "mostrar necesita un fichero .sdk");
    EntornoMudo mudo;
    std::string bytes;
    if (!mudo.LeerFichero(args[0], bytes)) {
        std::cerr << "novenario-cli: " << sdk::MensajeIlegible(args[0]) << "\n";
        return 1;
    }
    const sdk::Lectura lectura = sdk::LeePartida(bytes);
    if (!lectura.Correcta) {
        std::cerr << "novenario-cli: " << lectura.Error << "\n";
        return 1;
    }
    const sdk::Partida& p = lectura.Juego;
    std::string valores, fijos;
    for (int c : tablero::OrdenRejilla()) {
        const sdk::ParLeido& par = p.Pares[static_cast<std::size_t>(c)];
        const sdk::Efecto efecto = sdk::EfectoDe(par);
        valores += efecto == sdk::Efecto::Ninguno || par.Valor.empty() ? std::string(".") : par.Valor;
        fijos += efecto == sdk::Efecto::Fijo ? 'R' : '.';
    }
    std::cout << "{\"tablero\":" << Json(valores, true) << ",\"fijos\":" << Json(fijos)
              << ",\"LPHor\":" << Json(p.LPHor, true) << ",\"LPMin\":" << Json(p.LPMin, true)
              << ",\"LPseg\":" << Json(p.LPseg, true) << ",\"EPartida\":" << Json(p.EPartida, true)
              << ",\"ENivel_Juego\":" << Json(p.ENivel_Juego, true) << ",\"LBPanel\":[";
    for (std::size_t i = 0; i < p.LBPanel.size(); ++i) std::cout << (i ? "," : "") << Json(p.LBPanel[i], true);
    std::cout << "]}\n";
    return 0;
}

int Importar(const std::vector<std::string>& args) {
    if (PideAyuda(args)) {
        std::cout << kAyudaImportar;
        return 0;
    }
    long long nivel = 3;
    std::vector<std::string> resto;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--nivel") {
            const long long valor = i + 1 < args.size() ? Numero(args[i + 1]).value_or(-1) : -1;
            if (valor < 1 || valor > 5) return Uso(kAyudaImportar, "--nivel va de 1 a 5");
            nivel = valor;
            ++i;
        } else {
            resto.push_back(args[i]);
        }
    }
    if (resto.size() != 2) return Uso(kAyudaImportar, "importar necesita un tablero y un fichero .sdk");
    std::string error;
    const auto rejilla = LeeTablero(resto[0], error);
    if (!rejilla) {
        std::cerr << "novenario-cli: tablero 1: " << error << "\n";
        return 2;
    }

    // The solution, when "Calcula" finds one.
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego(mudo, juego);
    Carga(f, *rejilla);
    f.BRellena2Click();
    std::string solucion;  // name order
    bool llena = f.Resultado_Calculo.empty();
    for (int c = 0; c < NumCeldas && llena; ++c) {
        const std::string& v = f.Paneles[c].Caption;
        llena = v.size() == 1 && v[0] >= '1' && v[0] <= '9';
        solucion += v;
    }
    if (!llena) solucion.clear();

    // The board as the game saves it: the digits fixed, the rest empty.
    std::array<sdk::CeldaGuardada, NumCeldas> celdas{};
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        if (!(*rejilla)[i]) continue;
        celdas[static_cast<std::size_t>(orden[i])] = {std::string(1, (*rejilla)[i]), true};
    }
    const std::string linea = sdk::LineaTablero(celdas, "00", "00", "00");
    const std::string bytes = sdk::EscribePartida(sdk::LineasPartida(linea, solucion, static_cast<int>(nivel), {}));
    if (!mudo.EscribirFichero(resto[1], bytes)) {
        std::cerr << "novenario-cli: Error al Salvar el Fichero \"" << resto[1] << "\"\n";
        return 1;
    }
    std::cout << "{\"fichero\":" << Json(resto[1]) << ",\"resultado\":" << Json(f.Resultado_Calculo)
              << ",\"solucion\":" << Json(solucion.empty() ? std::string() : EnRejilla(solucion))
              << ",\"nivel\":" << (solucion.empty() ? std::string("null") : std::to_string(nivel)) << "}\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "ayuda") {
        std::cout << kAyudaGeneral;
        return args.empty() ? 2 : 0;
    }
    const std::string orden = args[0];
    args.erase(args.begin());
    if (orden == "resolver") return Resolver(args);
    if (orden == "generar") return Generar(args);
    if (orden == "candidatos") return Candidatos(args);
    if (orden == "mostrar") return Mostrar(args);
    if (orden == "importar") return Importar(args);
    std::cerr << "novenario-cli: orden desconocida '" << orden << "'\n\n" << kAyudaGeneral;
    return 2;
}
