// The printed page as data: a report page with its paper settings and the
// items placed on it, each a shape (a rectangle with a fill and an outline),
// a label (a text box) or a picture. The page knows nothing of printers or
// windows; the window's side paints it on paper, in a PDF file or in a
// picture, and the tests read it item by item.
//
// Positions are in tenths of a millimetre from the top-left corner of the
// paper (left, top, width, height), so the layout is kept exactly as it was
// measured, to 0.1 mm, with no rounding of binary fractions.
//
// The page of the game is `ReporSudoku`: the title picture `QRImage2`, the
// board's frame `QRShape4` and its four thick block lines, for every cell
// its frame `P1` .. `P81` (numbered 9(b-1)+k for the cell P<b>_<k>), its
// value label `P<b>_<k>` and its two small labels `PSD<b>_<k>` (possible
// digits) and `PND<b>_<k>` (digits taken by the cell's peers), the maker's
// emblem `QRImage1` and the footer bar with the program's name, the maker's
// name, the time and the date.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/colores.h"

namespace novenario {

// Tenths of a millimetre.
using Decimas = int;

inline constexpr double Milimetros(Decimas d) { return d / 10.0; }

enum class TipoElemento { Forma, Etiqueta, Imagen };

enum class Alineacion { Izquierda, Centro, Derecha };

// The pictures a page can carry. Their artwork belongs to the window's side;
// the page only says which one goes where.
enum class Dibujo { Titulo, Emblema };

struct Elemento {
    std::string Nombre;
    TipoElemento Tipo = TipoElemento::Forma;
    Decimas Left = 0, Top = 0, Width = 0, Height = 0;

    // Shapes. The pen is drawn inside the box, so a rectangle never reaches
    // past its own edges; the pen width is counted in the units of the
    // original report (see the painter for the thickness on paper).
    std::optional<Color> Relleno = Blanco;  // nullopt: no fill
    Color Borde = Negro;
    int Pen = 1;

    // Labels: one line of text, drawn from the top of the box.
    std::string Caption;                 // UTF-8
    std::string Fuente = "Courier New";
    int Puntos = 9;
    bool Negrita = false;
    Alineacion Alineado = Alineacion::Izquierda;
    bool Transparente = true;            // no background behind the text
    Color ColorTexto = Negro;

    // Pictures: drawn at their own size (pixels of a 96 dpi screen), centred
    // in the box, and shrunk to fit when they are larger than it.
    Dibujo Imagen = Dibujo::Titulo;
    int AnchoPixeles = 0, AltoPixeles = 0;
};

// A report page: paper, margins, print job title and its items, painted in
// the order they were added.
class Reporte {
public:
    // A4 portrait.
    Decimas AnchoPapel = 2100, AltoPapel = 2970;
    bool Vertical = true;
    Decimas MargenIzquierdo = 100, MargenSuperior = 100, MargenDerecho = 100, MargenInferior = 100;
    int Columnas = 1;
    int Copias = 1;
    std::string Titulo;  // the print job's title

    Elemento& Agregar(Elemento e);
    // The item of that name, or nullptr when the page has none.
    Elemento* Buscar(std::string_view nombre);
    const Elemento* Buscar(std::string_view nombre) const;

    const std::vector<Elemento>& Elementos() const { return elementos_; }
    std::size_t Cuantos() const { return elementos_.size(); }

private:
    std::vector<Elemento> elementos_;
    std::map<std::string, std::size_t, std::less<>> indice_;
};

// The layout of the printed board, measured once on the page. Index 0 is
// grid column (or row) 1.
namespace pagina {

inline constexpr std::array<Decimas, 9> IzquierdaMarco{172, 362, 553, 765, 955, 1146, 1357, 1548, 1738};
inline constexpr std::array<Decimas, 9> ArribaMarco{765, 913, 1061, 1230, 1378, 1527, 1696, 1844, 1992};
inline constexpr Decimas AnchoMarco = 185, AltoMarco = 135;

inline constexpr std::array<Decimas, 9> IzquierdaValor{225, 415, 606, 818, 1008, 1199, 1410, 1601, 1791};
inline constexpr std::array<Decimas, 9> ArribaValor{807, 955, 1103, 1273, 1421, 1569, 1738, 1886, 2035};
inline constexpr Decimas AnchoValor = 74, AltoValor = 50;

// The possible and the impossible digits share their left edges.
inline constexpr std::array<Decimas, 9> IzquierdaAyuda{180, 370, 561, 773, 963, 1154, 1365, 1556, 1746};
inline constexpr std::array<Decimas, 9> ArribaPosibles{770, 918, 1066, 1236, 1384, 1532, 1701, 1849, 1998};
inline constexpr std::array<Decimas, 9> ArribaImposibles{865, 1013, 1162, 1331, 1479, 1627, 1797, 1945, 2093};
inline constexpr Decimas AnchoAyuda = 169, AltoAyuda = 40;

// Pen widths of the report.
inline constexpr int PenTablero = 5;
inline constexpr int PenMarco = 3;

// Names of the items of cell c (0..80, name order): the frame "P1" .. "P81",
// the value "P1_1", the labels "PSD1_1" and "PND1_1". "" outside 0..80.
std::string NombreMarco(int c);
std::string NombreValor(int c);
std::string NombrePosibles(int c);
std::string NombreImposibles(int c);

// The page of the game with nothing of a game in it: every frame white,
// every text of a cell empty, the time and the date empty.
Reporte Disenar();

}  // namespace pagina

}  // namespace novenario
