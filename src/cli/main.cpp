// novenario-cli: the game's engine without a window. Solves boards, creates
// new games, shows the candidates of a board, reads saved games and turns a
// board into one, one line of JSON per result, so scripts, benchmarks and
// golden tests can reach the engine and the saved-game format.
#include <getopt.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/entorno_mudo.h"
#include "board/juego.h"
#include "board/principal.h"
#include "candidates/candidatos.h"
#include "print/imprimir.h"
#include "savegame/formato.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"

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
    "\"novenario-cli ORDEN --help\" explica cada orden; \"novenario-cli --version\"\n"
    "dice la versión. Las opciones se escriben \"--opcion valor\" o\n"
    "\"--opcion=valor\", en cualquier lugar de la línea; tras \"--\" todo es\n"
    "argumento.\n";

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
    "--tics N (de 0 a 1000000000) parte del generador tras N tics del\n"
    "temporizador de 10 ms, así que el mismo N da las mismas partidas; sin él\n"
    "se parte del reloj.\n";

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
    "Un tablero cuyas cifras ya repiten un número en un bloque, una fila o una\n"
    "columna no se guarda. Un fichero que ya existe se sustituye sólo cuando\n"
    "el nuevo está completo, con sus mismos permisos; un enlace simbólico se\n"
    "sigue hasta su fichero; lo que no es un fichero normal (una carpeta, un\n"
    "dispositivo) no se toca. Con FICHERO \"-\" la partida va a la salida\n"
    "estándar, y la línea JSON no se escribe.\n";

// ---- Texts ------------------------------------------------------------------

// The length in bytes of the UTF-8 character that starts at s[i], or 0 when
// the bytes there are not one (a byte of Latin-1 or another encoding).
std::size_t LargoUtf8(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u; };
    const unsigned c = byte(0);
    if (c < 0x80) return 1;
    std::size_t largo = 0;
    unsigned bajo = 0x80, alto = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        largo = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        largo = 3;
        if (c == 0xE0) bajo = 0xA0;  // no overlong forms
        if (c == 0xED) alto = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        largo = 4;
        if (c == 0xF0) bajo = 0x90;
        if (c == 0xF4) alto = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < bajo || byte(1) > alto) return 0;
    for (std::size_t k = 2; k < largo; ++k)
        if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
    return largo;
}

// A text cut into its characters: UTF-8 characters whole, any other byte on
// its own.
std::vector<std::string_view> Caracteres(std::string_view s) {
    std::vector<std::string_view> r;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = std::max<std::size_t>(LargoUtf8(s, i), 1);
        r.push_back(s.substr(i, n));
        i += n;
    }
    return r;
}

// A JSON string. Texts of the game and file names are UTF-8 and pass as
// they are, but a byte that is no part of a UTF-8 character (a name in
// another encoding) is written as the Latin-1 character of that number, so
// every line stays valid JSON. Texts read from inside a saved game are bytes
// of any encoding: with latin1 every byte above 127 is written that way.
std::string Json(std::string_view s, bool latin1 = false) {
    std::string r = "\"";
    for (std::string_view ch : Caracteres(s)) {
        if (ch.size() > 1 && !latin1) {
            r += ch;
            continue;
        }
        for (const char byte : ch) {
            const auto u = static_cast<unsigned char>(byte);
            if (u == '"' || u == '\\') {
                r += '\\';
                r += byte;
            } else if (u < 0x20 || u == 0x7F || u >= 0x80) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                r += buf;
            } else {
                r += byte;
            }
        }
    }
    return r + "\"";
}

// A character for a message: as it is when it is UTF-8, else its byte in hex.
std::string Mostrable(std::string_view ch) {
    if (LargoUtf8(ch, 0) == ch.size() && static_cast<unsigned char>(ch[0]) >= 0x20 && ch[0] != 0x7F)
        return "'" + std::string(ch) + "'";
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(ch[0]));
    return buf;
}

// ---- Boards -----------------------------------------------------------------

// "fila 3, columna 7" of a grid position 0..80.
std::string Lugar(std::size_t i) {
    return "fila " + std::to_string(i / 9 + 1) + ", columna " + std::to_string(i % 9 + 1);
}

// A board argument: 81 characters in grid reading order. On error, says what
// is wrong in the game's words.
std::optional<std::array<char, NumCeldas>> LeeTablero(const std::string& texto, std::string& error) {
    const std::vector<std::string_view> caracteres = Caracteres(texto);
    if (caracteres.size() != NumCeldas) {
        error = "el tablero tiene " + std::to_string(caracteres.size()) + " caracteres y debe tener 81";
        return std::nullopt;
    }
    std::array<char, NumCeldas> rejilla{};
    for (std::size_t i = 0; i < caracteres.size(); ++i) {
        const std::string_view ch = caracteres[i];
        if (ch == "." || ch == "0") {
            rejilla[i] = 0;
        } else if (ch.size() == 1 && ch[0] >= '1' && ch[0] <= '9') {
            rejilla[i] = ch[0];
        } else {
            error = "carácter no válido " + Mostrable(ch) + " en la posición " + std::to_string(i + 1) + " (" +
                    Lugar(i) + ")";
            return std::nullopt;
        }
    }
    return rejilla;
}

// The first digit of the board, in grid reading order, that repeats a digit
// before it in its block, its row or its column (checked in that order, as
// the game checks an entry), told in the game's words; "" when none does.
std::string ReglaRota(const std::array<char, NumCeldas>& rejilla) {
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t j = 0; j < NumCeldas; ++j) {
        if (!rejilla[j]) continue;
        const int cj = orden[j];
        for (const auto& [tipo, grupo] : {std::pair{TipoGrupo::Bloque, "el bloque "},
                                          std::pair{TipoGrupo::Horizontal, "la fila "},
                                          std::pair{TipoGrupo::Vertical, "la columna "}}) {
            for (std::size_t i = 0; i < j; ++i) {
                const int ci = orden[i];
                if (rejilla[i] != rejilla[j] || tablero::GrupoDe(tipo, ci) != tablero::GrupoDe(tipo, cj)) continue;
                return "el " + std::string(1, rejilla[j]) + " de la casilla " + tablero::Nombre(cj) + " (" +
                       Lugar(j) + ") se repite en " + grupo + std::to_string(tablero::GrupoDe(tipo, cj)) +
                       ", en la casilla " + tablero::Nombre(ci) + " (" + Lugar(i) + ")";
            }
        }
    }
    return {};
}

// The board as a load leaves it: every digit a fixed cell, candidates
// computed, the first free cell selected.
void Carga(TFormPrincipal& f, const std::array<char, NumCeldas>& rejilla) {
    BBorraTodoClick(f);
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
    Disponibles(f);
    Busca_Libre(f);
    Paneles_Libres(f);
    Pongo_ColorRojo(f);
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
    BCargar2Click(f);
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

TFormPrincipal& Juego(EntornoMudo& mudo, std::optional<TFormPrincipal>& f) {
    f.emplace(mudo);
    f->FormCreate();
    return *f;
}

// ---- The command line -------------------------------------------------------

// An option of an order: a whole number in a range, written "--nombre N" or
// "--nombre=N".
struct Opcion {
    const char* nombre;
    long long minimo, maximo;
    const char* error;  // what is said when the number is missing or out of range
};

const Opcion kLimite{"limite", 0, 2000000000, "--limite necesita un número de pasos"};
const Opcion kNivel{"nivel", 1, 5, "--nivel va de 1 a 5"};
// A billion ticks of the 10 ms timer are more than a hundred days of play.
const Opcion kTics{"tics", 0, 1000000000, "--tics va de 0 a 1000000000"};
const Opcion kCantidad{"cantidad", 1, 100000, "--cantidad va de 1 a 100000"};

// What the command line of an order says.
struct Argumentos {
    std::map<std::string, long long> valores;  // the options given, by name; the last one counts
    std::vector<std::string> resto;            // the other arguments, in order
    long long Valor(const char* nombre, long long si_no) const {
        const auto it = valores.find(nombre);
        return it == valores.end() ? si_no : it->second;
    }
};

std::optional<long long> Numero(const char* s) {
    if (!s || !*s) return std::nullopt;
    long long n = 0;
    for (std::size_t i = 0; s[i]; ++i) {
        if (s[i] < '0' || s[i] > '9' || i >= 18) return std::nullopt;
        n = n * 10 + (s[i] - '0');
    }
    return n;
}

int Uso(const char* ayuda, const std::string& error) {
    std::cerr << "novenario-cli: " << error << "\n\n" << ayuda;
    return 2;
}

// The keys getopt_long returns besides the letters.
enum : int { ClaveVersion = 0x100, ClavePropia = 0x200 };

// Reads the arguments after argv[0] with getopt_long: "--help" (or "-h") and
// "--version" for everyone, and the order's own options. An order takes its
// options anywhere on the line; the command line before the order
// (antes_de_orden) stops at the first argument that is not an option, the
// order's name. Returns the exit status when the order is not to run: 0
// after the help or the version, 2 when the line is wrong (said on standard
// error with the usage).
std::optional<int> Analiza(std::vector<std::string> linea, const char* ayuda, const std::vector<Opcion>& propias,
                           bool antes_de_orden, Argumentos& a) {
    std::vector<char*> argv;
    for (std::string& s : linea) argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<option> largas{{"help", no_argument, nullptr, 'h'}, {"version", no_argument, nullptr, ClaveVersion}};
    for (std::size_t i = 0; i < propias.size(); ++i)
        largas.push_back({propias[i].nombre, required_argument, nullptr, ClavePropia + static_cast<int>(i)});
    largas.push_back({nullptr, 0, nullptr, 0});
    const auto nombre = [&](int clave) -> std::string {
        if (clave == 'h') return "--help";
        if (clave == ClaveVersion) return "--version";
        return std::string("--") + propias[static_cast<std::size_t>(clave - ClavePropia)].nombre;
    };

    const int argc = static_cast<int>(linea.size());
    opterr = 0;  // the messages are ours, in Spanish
    optind = 0;  // a fresh scan of a new line
    for (;;) {
        const int c = getopt_long(argc, argv.data(), antes_de_orden ? "+:h" : ":h", largas.data(), nullptr);
        if (c == -1) break;
        if (c == 'h') {
            std::cout << ayuda;
            return 0;
        }
        if (c == ClaveVersion) {
            std::cout << "novenario-cli " NOVENARIO_VERSION "\n";
            return 0;
        }
        if (c >= ClavePropia) {
            const Opcion& o = propias[static_cast<std::size_t>(c - ClavePropia)];
            const auto n = Numero(optarg);
            if (!n || *n < o.minimo || *n > o.maximo) return Uso(ayuda, o.error);
            a.valores[o.nombre] = *n;
            continue;
        }
        // A missing value, a value given to an option that takes none, or
        // an option nobody knows.
        if (c == ':' && optopt >= ClavePropia)
            return Uso(ayuda, propias[static_cast<std::size_t>(optopt - ClavePropia)].error);
        if (optopt == 'h' || optopt == ClaveVersion)
            return Uso(ayuda, "la opción " + nombre(optopt) + " no lleva valor");
        const char* escrita = argv[static_cast<std::size_t>(optind - 1)];
        std::string desconocida = optopt ? std::string("-") + static_cast<char>(optopt) : std::string(escrita);
        desconocida = desconocida.substr(0, desconocida.find('='));
        return Uso(ayuda, "opción desconocida '" + desconocida + "'");
    }
    for (int i = optind; i < argc; ++i) a.resto.push_back(argv[static_cast<std::size_t>(i)]);
    return std::nullopt;
}

// ---- The orders ---------------------------------------------------------------

int Resolver(const Argumentos& a) {
    const long long limite = a.Valor(kLimite.nombre, 999999);
    const std::vector<std::string>& tableros = a.resto;
    if (tableros.empty()) return Uso(kAyudaResolver, "falta el tablero");

    int estado = 0;
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    // An output that cannot be written is said at the end; no use working on.
    for (std::size_t t = 0; t < tableros.size() && std::cout; ++t) {
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
        f.Motor.Limite_Normal = f.Motor.Limite_Pasos = static_cast<int>(limite);
        BRellena2Click(f);
        std::cout << "{\"mensaje\":" << Json(f.Motor.Mensaje_Calculo) << ",\"resultado\":"
                  << Json(f.Motor.Resultado_Calculo) << ",\"pasos\":" << f.Motor.Pasos
                  << ",\"tablero\":" << Json(EnRejilla(f)) << "}\n";
    }
    return estado;
}

int Generar(const Argumentos& a) {
    if (!a.resto.empty()) return Uso(kAyudaGenerar, "generar no lleva tableros ni ficheros: '" + a.resto[0] + "'");
    const long long cantidad = a.Valor(kCantidad.nombre, 1);
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego(mudo, juego);
    if (a.valores.count(kTics.nombre)) {
        // Each tick of the 10 ms timer draws four values.
        f.Motor.Generador.Saltar(static_cast<std::uint64_t>(a.Valor(kTics.nombre, 0)) * 4);
    } else {
        const auto ahora = std::chrono::steady_clock::now().time_since_epoch();
        f.Motor.Generador.PonerSemilla(static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(ahora).count() / 10 * 4));
    }
    f.Variables.Nivel = static_cast<int>(a.Valor(kNivel.nombre, 3));
    f.Variables.Paneles_Vacios = Vacios_De_Nivel(f.Variables.Nivel);
    for (long long k = 0; k < cantidad && std::cout; ++k) {
        BNuevaPartida2Click(f);
        int fijos = 0;
        for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja ? 1 : 0;
        std::cout << "{\"nivel\":" << f.Variables.Nivel << ",\"fijos\":" << fijos << ",\"tablero\":"
                  << Json(EnRejilla(f)) << ",\"solucion\":" << Json(EnRejilla(f.Partida.EPartida))
                  << ",\"intentos\":" << f.Motor.Intentos_Partida << "}\n";
    }
    return 0;
}

std::string Hex(Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

int Candidatos(const Argumentos& a) {
    if (a.resto.size() != 1) return Uso(kAyudaCandidatos, "candidatos necesita un tablero");
    const std::string& arg = a.resto[0];
    std::string error;
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego(mudo, juego);
    if (EsPartida(arg)) {
        if (!CargaPartida(f, mudo, arg, error)) {
            std::cerr << "novenario-cli: " << error << "\n";
            return 1;
        }
    } else {
        const auto rejilla = LeeTablero(arg, error);
        if (!rejilla) {
            std::cerr << "novenario-cli: tablero 1: " << error << "\n";
            return 2;
        }
        BBorraTodoClick(f);
        const auto& orden = tablero::OrdenRejilla();
        for (std::size_t i = 0; i < NumCeldas; ++i) {
            Celda& celda = f.Paneles[orden[i]];
            celda.Color_ = Blanco;
            if (!(*rejilla)[i]) continue;
            celda.Caption = std::string(1, (*rejilla)[i]);
            celda.Color_ = Naranja;
            celda.Enabled = false;
        }
        Disponibles(f);
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

int Mostrar(const Argumentos& a) {
    if (a.resto.size() != 1) return Uso(kAyudaMostrar, "mostrar necesita un fichero .sdk");
    const std::string& ruta = a.resto[0];
    EntornoMudo mudo;
    std::string bytes;
    const Leido leido = mudo.LeerFichero(ruta, bytes, sdk::MaximoFichero);
    if (leido != Leido::Bien) {
        std::cerr << "novenario-cli: " << sdk::MensajeNoLeido(leido, ruta) << "\n";
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

int Importar(const Argumentos& a) {
    const long long nivel = a.Valor(kNivel.nombre, 3);
    if (a.resto.size() != 2) return Uso(kAyudaImportar, "importar necesita un tablero y un fichero .sdk");
    const std::string& destino = a.resto[1];
    std::string error;
    const auto rejilla = LeeTablero(a.resto[0], error);
    if (rejilla) error = ReglaRota(*rejilla);
    if (!error.empty()) {
        std::cerr << "novenario-cli: tablero 1: " << error << "\n";
        return 2;
    }

    // The solution, when "Calcula" finds one.
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego(mudo, juego);
    Carga(f, *rejilla);
    BRellena2Click(f);
    std::string solucion;  // name order
    bool llena = f.Motor.Resultado_Calculo.empty();
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
    // "-": the saved game is the output (checked with the rest of it at the end).
    if (destino == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return 0;
    }
    if (!mudo.EscribirFichero(destino, bytes)) {
        std::cerr << "novenario-cli: Error al Salvar el Fichero \"" << destino << "\": " << mudo.ErrorEscritura
                  << "\n";
        return 1;
    }
    std::cout << "{\"fichero\":" << Json(destino) << ",\"resultado\":" << Json(f.Motor.Resultado_Calculo)
              << ",\"solucion\":" << Json(solucion.empty() ? std::string() : EnRejilla(solucion))
              << ",\"nivel\":" << (solucion.empty() ? std::string("null") : std::to_string(nivel)) << "}\n";
    return 0;
}

struct Orden {
    const char* nombre;
    const char* ayuda;
    std::vector<Opcion> opciones;
    int (*correr)(const Argumentos&);
};

int Ejecuta(int argc, char** argv) {
    static const Orden ordenes[] = {
        {"resolver", kAyudaResolver, {kLimite}, Resolver},
        {"generar", kAyudaGenerar, {kNivel, kTics, kCantidad}, Generar},
        {"candidatos", kAyudaCandidatos, {}, Candidatos},
        {"mostrar", kAyudaMostrar, {}, Mostrar},
        {"importar", kAyudaImportar, {kNivel}, Importar},
    };
    Argumentos general;
    if (const auto fin = Analiza(std::vector<std::string>(argv, argv + argc), kAyudaGeneral, {}, true, general))
        return *fin;
    if (general.resto.empty()) return Uso(kAyudaGeneral, "falta la orden");
    const std::string& nombre = general.resto[0];
    if (nombre == "ayuda") {
        std::cout << kAyudaGeneral;
        return 0;
    }
    for (const Orden& orden : ordenes) {
        if (nombre != orden.nombre) continue;
        Argumentos a;
        if (const auto fin = Analiza(general.resto, orden.ayuda, orden.opciones, false, a)) return *fin;
        return orden.correr(a);
    }
    std::cerr << "novenario-cli: orden desconocida '" << nombre << "'\n\n" << kAyudaGeneral;
    return 2;
}

// Whether everything written to standard output got there: a full disk or a
// closed output shows only when the buffer is flushed, or when it is closed.
bool SalidaEscrita(int& error) {
    errno = 0;
    std::cout.flush();
    bool bien = std::cout.good();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) bien = false;
    if (!bien) error = errno;
    if (std::fclose(stdout) != 0 && bien) {
        bien = false;
        error = errno;
    }
    return bien;
}

}  // namespace

int main(int argc, char** argv) {
    const int estado = Ejecuta(argc, argv);
    int error = 0;
    if (!SalidaEscrita(error)) {
        std::cerr << "novenario-cli: no se ha podido escribir la salida estándar"
                  << (error ? ": " + Motivo(error) : std::string()) << "\n";
        return estado ? estado : 1;
    }
    return estado;
}
