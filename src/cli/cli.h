// The companion tool's pieces: its help texts, the texts it writes (JSON that
// stays valid whatever bytes a file name holds), the boards and saved games
// it takes, its command line, and its orders. None of it needs Qt; the one
// order that paints (imprimir) hands its pages to a small library of its own
// (windows/libro.h), and says so when the tool was built without it.
#pragma once

#include <array>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/entorno_mudo.h"
#include "mando/principal.h"
#include "logica/logica.h"
#include "savegame/tablero_texto.h"

namespace novenario::cli {

// ---- Help texts (ayuda.cpp) -----------------------------------------------------
extern const char* const kAyudaGeneral;
extern const char* const kAyudaResolver;
extern const char* const kAyudaGenerar;
extern const char* const kAyudaCandidatos;
extern const char* const kAyudaMostrar;
extern const char* const kAyudaImportar;
extern const char* const kAyudaImprimir;
extern const char* const kAyudaCalificar;
extern const char* const kAyudaExplicar;

// ---- Texts (texto.cpp) ------------------------------------------------------------
// A JSON string. Texts of the game and file names are UTF-8 and pass as
// they are, but a byte that is no part of a UTF-8 character (a name in
// another encoding) is written as the Latin-1 character of that number, so
// every line stays valid JSON. Texts read from inside a saved game are bytes
// of any encoding: with latin1 every byte above 127 is written that way.
std::string Json(std::string_view s, bool latin1 = false);

// ---- Boards, saved games and files (tableros.cpp) -------------------------------------
// A board argument read as the paste reads it (savegame/tablero_texto.h),
// and checked against the rules when reglas is set. On error, says what is
// wrong in the game's words.
std::optional<TableroTexto> LeeTableroArgumento(const std::string& texto, bool reglas, std::string& error);
// A saved game named on the command line rather than a board.
bool EsPartida(const std::string& arg);
// The saved game loaded as "Cargar partida" loads it. On failure, the message
// the game would show.
bool CargaPartida(TFormPrincipal& f, EntornoMudo& mudo, const std::string& ruta, std::string& error);
// The board in grid reading order, "." for an empty cell.
std::string EnRejilla(const TFormPrincipal& f);
std::string EnRejilla(const std::string& por_nombre);
// A game started as the program starts it, past its start window.
TFormPrincipal& Juego_Nuevo(EntornoMudo& mudo, std::optional<TFormPrincipal>& f);
// Where an order writes its file (a saved game, a booklet): "-" is standard
// output, and the order's line of JSON is then not written; any other name
// is a file, written as a save writes it (a temporary file put in place once
// complete, through a symbolic link, keeping the old file's permissions).
// A file that cannot be written is said on standard error.
enum class Escrito { Salida, Fichero, Fallo };
Escrito EscribeDestino(const std::string& destino, const std::string& bytes);
// How many solutions the board of the game has (0, 1 or 2 for two or more),
// every value of it taken as given; a cell that holds anything but a digit
// cannot be part of a solution.
int CuentaSoluciones(const TFormPrincipal& f);

// ---- The command line (linea.cpp) ---------------------------------------------------
// What an option takes after it.
enum class Toma { Numero, Nada, Texto };

struct Opcion {
    const char* nombre;
    long long minimo, maximo;
    const char* error;  // what is said when the value is missing or out of range
    Toma toma = Toma::Numero;
};

inline const Opcion kLimite{"limite", 0, 2000000000, "--limite necesita un número de pasos"};
inline const Opcion kNivel{"nivel", 1, 5, "--nivel va de 1 a 5"};
// A billion ticks of the 10 ms timer are more than a hundred days of play.
inline const Opcion kTics{"tics", 0, 1000000000, "--tics va de 0 a 1000000000"};
inline const Opcion kCantidad{"cantidad", 1, 100000, "--cantidad va de 1 a 100000"};
inline const Opcion kContar{"contar", 0, 0, "", Toma::Nada};
inline const Opcion kUnica{"unica", 0, 0, "", Toma::Nada};
inline const Opcion kPdf{"pdf", 0, 0, "--pdf necesita el nombre del fichero PDF", Toma::Texto};
// 3 is refused after reading: a sheet holds one page, two side by side or four.
inline const Opcion kPorPagina{"por-pagina", 1, 4, "--por-pagina es 1, 2 o 4"};
inline const Opcion kSoluciones{"soluciones", 0, 0, "", Toma::Nada};
inline const Opcion kTodo{"todo", 0, 0, "", Toma::Nada};
inline const Opcion kDificultad{"dificultad", 0, 0, "--dificultad necesita MIN:MAX, como 2.6:4.4", Toma::Texto};
// How many games generar --dificultad draws for each one it writes before
// it gives up.
inline constexpr int kIntentosDificultad = 1000;

// What the command line of an order says.
struct Argumentos {
    std::map<std::string, long long> valores;  // the options given, by name; the last one counts (1 for a switch)
    std::map<std::string, std::string> textos; // the options that take a text
    std::vector<std::string> resto;            // the other arguments, in order
    long long Valor(const char* nombre, long long si_no) const {
        const auto it = valores.find(nombre);
        return it == valores.end() ? si_no : it->second;
    }
    bool Tiene(const char* nombre) const { return valores.count(nombre) || textos.count(nombre); }
};

std::optional<long long> Numero(const char* s);
// The error and the usage on standard error; the exit status 2.
int Uso(const char* ayuda, const std::string& error);
// Reads the arguments after argv[0] with getopt_long: "--help" (or "-h") and
// "--version" for everyone, and the order's own options. An order takes its
// options anywhere on the line; the command line before the order
// (antes_de_orden) stops at the first argument that is not an option, the
// order's name. Returns the exit status when the order is not to run: 0
// after the help or the version, 2 when the line is wrong (said on standard
// error with the usage).
std::optional<int> Analiza(std::vector<std::string> linea, const char* ayuda, const std::vector<Opcion>& propias,
                           bool antes_de_orden, Argumentos& a);

// ---- Boards from standard input (entrada.cpp) ------------------------------------------
// Every order that takes "-" among its boards reads standard input here and
// only here: one board a line, written as on the command line, or a JSON line
// of generar (its "tablero" is taken); blank lines and comments ("#" to the
// end of the line) are no board. The reading is bounded: a line longer than
// a board can be, or more input than any list of boards, stops it with a
// message (endless input such as /dev/zero ends at once).
inline constexpr std::size_t MaximoLineaEntrada = MaximoTextoTablero;       // 64 KiB
inline constexpr std::size_t MaximoEntrada = std::size_t{64} << 20;          // 64 MiB

// A board an order works on, from its command line or from standard input.
struct Fuente {
    std::string texto;      // the board's text, or the saved game's path
    bool partida = false;   // texto names a saved game (".sdk")
    std::size_t linea = 0;  // its line of standard input, from 1; 0 for an argument
    std::string error;      // why its line gave no board (a JSON line without "tablero")
    // "tablero 3", or "tablero 3 (línea 5 de la entrada estándar)", for messages.
    std::string Nombre(std::size_t numero) const;
};

// What reading standard input came to.
struct LecturaEntrada {
    std::string error;         // why the input was refused as a whole ("" when it was read)
    std::size_t lineas = 0;    // lines read
    std::size_t tableros = 0;  // lines that held anything but blanks and comments
};

// Appends the boards of the input, one a line, to fuentes. Reading stops at a
// line longer than max_linea bytes, past max_total bytes in all, or at a
// read error, with the error said in the game's Spanish.
LecturaEntrada LeeTablerosEntrada(std::istream& entrada, std::vector<Fuente>& fuentes,
                                  std::size_t max_linea = MaximoLineaEntrada, std::size_t max_total = MaximoEntrada);

// The boards an order's arguments name, in order: a saved game (".sdk"), any
// other a board's text, and "-" the boards of standard input
// (LeeTablerosEntrada on std::cin). Returns the exit status when the order is
// not to run, said on standard error: 2 when standard input was refused, and
// 2 with the usage (ayuda) when there is no board at all ("falta el tablero",
// or why standard input held none).
std::optional<int> FuentesDeArgumentos(const Argumentos& a, const char* ayuda, std::vector<Fuente>& fuentes);

// The board of a fuente that is no saved game, as LeeTableroArgumento reads
// it; a line of standard input that held no board gives its error.
std::optional<TableroTexto> LeeFuente(const Fuente& fuente, bool reglas, std::string& error);

// ---- The orders (ordenes.cpp) ---------------------------------------------------------
int Resolver(const Argumentos& a);
int Generar(const Argumentos& a);
int Candidatos(const Argumentos& a);
int Mostrar(const Argumentos& a);
int Importar(const Argumentos& a);
int Imprimir(const Argumentos& a);

// ---- The reasoning engine's orders (calificar.cpp) --------------------------------
int Calificar(const Argumentos& a);
int Explicar(const Argumentos& a);
// A rating with one decimal, "4.2".
std::string Decimal1(double x);
// "MIN:MAX" of --dificultad, MIN no more than MAX, both 0 to 20.
std::optional<std::pair<double, double>> BandaDificultad(const std::string& texto);
// 81 characters in grid order ("." empty) as the engine's board.
logica::Tablero TableroLogico(const std::string& rejilla);
// The given cells of a game, in grid order, "." for the others.
std::string Enunciado(const TFormPrincipal& f);

}  // namespace novenario::cli
