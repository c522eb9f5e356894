// The companion tool's pieces: its help texts, the texts it writes (JSON that
// stays valid whatever bytes a file name holds), the boards and saved games
// it takes, its command line, and its orders.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/entorno_mudo.h"
#include "board/principal.h"

namespace novenario::cli {

// ---- Help texts (ayuda.cpp) -----------------------------------------------------
extern const char* const kAyudaGeneral;
extern const char* const kAyudaResolver;
extern const char* const kAyudaGenerar;
extern const char* const kAyudaCandidatos;
extern const char* const kAyudaMostrar;
extern const char* const kAyudaImportar;

// ---- Texts (texto.cpp) ------------------------------------------------------------
// The length in bytes of the UTF-8 character that starts at s[i], or 0 when
// the bytes there are not one (a byte of Latin-1 or another encoding).
std::size_t LargoUtf8(std::string_view s, std::size_t i);
// A text cut into its characters: UTF-8 characters whole, any other byte on
// its own.
std::vector<std::string_view> Caracteres(std::string_view s);
// A JSON string. Texts of the game and file names are UTF-8 and pass as
// they are, but a byte that is no part of a UTF-8 character (a name in
// another encoding) is written as the Latin-1 character of that number, so
// every line stays valid JSON. Texts read from inside a saved game are bytes
// of any encoding: with latin1 every byte above 127 is written that way.
std::string Json(std::string_view s, bool latin1 = false);
// A character for a message: as it is when it is UTF-8, else its byte in hex.
std::string Mostrable(std::string_view ch);

// ---- Boards and saved games (tableros.cpp) -------------------------------------------
// "fila 3, columna 7" of a grid position 0..80.
std::string Lugar(std::size_t i);
// A board argument: 81 characters in grid reading order. On error, says what
// is wrong in the game's words.
std::optional<std::array<char, NumCeldas>> LeeTablero(const std::string& texto, std::string& error);
// The first digit of the board, in grid reading order, that repeats a digit
// before it in its block, its row or its column (checked in that order, as
// the game checks an entry), told in the game's words; "" when none does.
std::string ReglaRota(const std::array<char, NumCeldas>& rejilla);
// The board as a load leaves it: every digit a fixed cell, candidates
// computed, the first free cell selected.
void Carga(TFormPrincipal& f, const std::array<char, NumCeldas>& rejilla);
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

// ---- The command line (linea.cpp) ---------------------------------------------------
struct Opcion {
    const char* nombre;
    long long minimo, maximo;
    const char* error;  // what is said when the number is missing or out of range
};

inline const Opcion kLimite{"limite", 0, 2000000000, "--limite necesita un número de pasos"};
inline const Opcion kNivel{"nivel", 1, 5, "--nivel va de 1 a 5"};
// A billion ticks of the 10 ms timer are more than a hundred days of play.
inline const Opcion kTics{"tics", 0, 1000000000, "--tics va de 0 a 1000000000"};
inline const Opcion kCantidad{"cantidad", 1, 100000, "--cantidad va de 1 a 100000"};

// What the command line of an order says.
struct Argumentos {
    std::map<std::string, long long> valores;  // the options given, by name; the last one counts
    std::vector<std::string> resto;            // the other arguments, in order
    long long Valor(const char* nombre, long long si_no) const {
        const auto it = valores.find(nombre);
        return it == valores.end() ? si_no : it->second;
    }
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

// ---- The orders (ordenes.cpp) ---------------------------------------------------------
int Resolver(const Argumentos& a);
int Generar(const Argumentos& a);
int Candidatos(const Argumentos& a);
int Mostrar(const Argumentos& a);
int Importar(const Argumentos& a);

}  // namespace novenario::cli
