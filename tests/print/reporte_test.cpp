// The printed page's layout: the paper, every fixed item, the four items of
// every cell at the place its grid row and column give, and the 0.1 mm
// rounding of the measured positions. The numbers here are the measured
// ones, written out again, not read from the code.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <set>
#include <string>

#include "board/tablero.h"
#include "print/reporte.h"

namespace novenario {
namespace {

Decimas D(double mm) { return static_cast<Decimas>(std::lround(mm * 10)); }

const Reporte& Pagina() {
    static const Reporte r = pagina::Disenar();
    return r;
}

const Elemento& Item(const std::string& nombre) {
    const Elemento* e = Pagina().Buscar(nombre);
    if (!e) {
        ADD_FAILURE() << "the page has no item " << nombre;
        static const Elemento nada;
        return nada;
    }
    return *e;
}

TEST(ImpresionPagina, EsUnaA4VerticalConMargenesDeDiezYUnaCopia) {
    const Reporte& r = Pagina();
    EXPECT_EQ(r.AnchoPapel, 2100);
    EXPECT_EQ(r.AltoPapel, 2970);
    EXPECT_TRUE(r.Vertical);
    EXPECT_EQ(r.MargenIzquierdo, 100);
    EXPECT_EQ(r.MargenSuperior, 100);
    EXPECT_EQ(r.MargenDerecho, 100);
    EXPECT_EQ(r.MargenInferior, 100);
    EXPECT_EQ(r.Columnas, 1);
    EXPECT_EQ(r.Copias, 1);
    EXPECT_EQ(r.Titulo, "Novenario");
    // 14 fixed items and four for each of the 81 cells, no name twice.
    EXPECT_EQ(r.Cuantos(), 14u + 4u * 81u);
    std::set<std::string> nombres;
    for (const Elemento& e : r.Elementos()) EXPECT_TRUE(nombres.insert(e.Nombre).second) << e.Nombre;
}

// ---- the fixed items ----

struct Fijo {
    const char* nombre;
    TipoElemento tipo;
    double left, top, width, height;
    int pen;               // shapes
    bool relleno;          // shapes: filled
    Color colorRelleno;    // shapes
    Color borde;           // shapes
    const char* texto;     // labels; nullptr: filled in when printing
    Alineacion alineado;   // labels
};

constexpr auto F = TipoElemento::Forma;
constexpr auto T = TipoElemento::Etiqueta;
constexpr auto I = TipoElemento::Imagen;
constexpr auto Izq = Alineacion::Izquierda;
constexpr auto Cen = Alineacion::Centro;

const Fijo kFijos[] = {
    {"QRImage2", I, 59.5, 27.0, 90.5, 25.7, 0, false, 0, 0, "", Izq},
    {"QRShape4", F, 15.6, 74.9, 178.3, 139.4, 5, true, Blanco, Negro, "", Izq},
    {"QRShape14", F, 74.9, 75.1, 0.5, 138.9, 5, true, Negro, Negro, "", Izq},
    {"QRShape25", F, 134.1, 75.1, 0.5, 138.9, 5, true, Negro, Negro, "", Izq},
    {"QRShape26", F, 15.9, 121.2, 177.8, 0.5, 5, true, Negro, Negro, "", Izq},
    {"QRShape27", F, 15.9, 167.5, 177.8, 0.5, 5, true, Negro, Negro, "", Izq},
    {"QRImage1", I, 91.3, 231.2, 27.8, 27.8, 0, false, 0, 0, "", Izq},
    {"QRShape3", F, 11.6, 275.7, 185.2, 4.8, 1, true, 0x6CB6FF, 0x000080, "", Izq},
    {"NPrograma", T, 12.7, 276.2, 20.6, 4.2, 0, false, 0, 0, "Novenario", Cen},
    {"Orvalia", T, 38.4, 276.2, 36.2, 4.5, 0, false, 0, 0, "* Orvalia Software *", Cen},
    {"QRLabel13", T, 79.4, 276.2, 13.5, 4.2, 0, false, 0, 0, "Hora ..", Izq},
    {"Fecha", T, 94.2, 276.2, 15.6, 4.2, 0, false, 0, 0, nullptr, Izq},  // shows the time
    {"QRLabel12", T, 113.2, 276.2, 15.3, 4.2, 0, false, 0, 0, "Fecha ..", Izq},
    {"Hora", T, 129.9, 276.2, 65.9, 4.2, 0, false, 0, 0, nullptr, Izq},  // shows the date
};

void PrintTo(const Fijo& f, std::ostream* os) { *os << f.nombre; }

class ImpresionFijos : public ::testing::TestWithParam<Fijo> {};

TEST_P(ImpresionFijos, EstaEnSuSitioConSuAspecto) {
    const Fijo& x = GetParam();
    const Elemento& e = Item(x.nombre);
    EXPECT_EQ(e.Tipo, x.tipo);
    EXPECT_EQ(e.Left, D(x.left));
    EXPECT_EQ(e.Top, D(x.top));
    EXPECT_EQ(e.Width, D(x.width));
    EXPECT_EQ(e.Height, D(x.height));
    switch (x.tipo) {
        case TipoElemento::Forma:
            EXPECT_EQ(e.Pen, x.pen);
            ASSERT_EQ(e.Relleno.has_value(), x.relleno);
            if (x.relleno) {
                EXPECT_EQ(*e.Relleno, x.colorRelleno);
            }
            EXPECT_EQ(e.Borde, x.borde);
            break;
        case TipoElemento::Etiqueta:
            EXPECT_EQ(e.Caption, x.texto ? x.texto : "");
            EXPECT_EQ(e.Fuente, "Courier New");
            EXPECT_EQ(e.Puntos, 9);
            EXPECT_FALSE(e.Negrita);
            EXPECT_EQ(e.Alineado, x.alineado);
            EXPECT_TRUE(e.Transparente);
            EXPECT_EQ(e.ColorTexto, Negro);
            break;
        case TipoElemento::Imagen:
            EXPECT_EQ(e.Imagen, std::string(x.nombre) == "QRImage2" ? Dibujo::Titulo : Dibujo::Emblema);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Todos, ImpresionFijos, ::testing::ValuesIn(kFijos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(ImpresionPagina, LosDibujosTienenSuTamanoPropio) {
    EXPECT_EQ(Item("QRImage2").AnchoPixeles, 338);
    EXPECT_EQ(Item("QRImage2").AltoPixeles, 93);
    EXPECT_EQ(Item("QRImage1").AnchoPixeles, 121);
    EXPECT_EQ(Item("QRImage1").AltoPixeles, 89);
}

// ---- the cells ----

// A cell on each diagonal of the grid: every row and every column twice.
struct CeldaImpresa {
    const char* nombre;
    int fila, columna;
    int marco;                       // frame number P1..P81
    double marcoL, marcoT;
    double valorL, valorT;
    double ayudaL, posiblesT, imposiblesT;
};

const CeldaImpresa kCeldas[] = {
    {"P1_1", 1, 1, 1, 17.2, 76.5, 22.5, 80.7, 18.0, 77.0, 86.5},
    {"P1_5", 2, 2, 5, 36.2, 91.3, 41.5, 95.5, 37.0, 91.8, 101.3},
    {"P1_9", 3, 3, 9, 55.3, 106.1, 60.6, 110.3, 56.1, 106.6, 116.2},
    {"P5_1", 4, 4, 37, 76.5, 123.0, 81.8, 127.3, 77.3, 123.6, 133.1},
    {"P5_5", 5, 5, 41, 95.5, 137.8, 100.8, 142.1, 96.3, 138.4, 147.9},
    {"P5_9", 6, 6, 45, 114.6, 152.7, 119.9, 156.9, 115.4, 153.2, 162.7},
    {"P9_1", 7, 7, 73, 135.7, 169.6, 141.0, 173.8, 136.5, 170.1, 179.7},
    {"P9_5", 8, 8, 77, 154.8, 184.4, 160.1, 188.6, 155.6, 184.9, 194.5},
    {"P9_9", 9, 9, 81, 173.8, 199.2, 179.1, 203.5, 174.6, 199.8, 209.3},
    {"P3_3", 1, 9, 21, 173.8, 76.5, 179.1, 80.7, 174.6, 77.0, 86.5},
    {"P3_5", 2, 8, 23, 154.8, 91.3, 160.1, 95.5, 155.6, 91.8, 101.3},
    {"P3_7", 3, 7, 25, 135.7, 106.1, 141.0, 110.3, 136.5, 106.6, 116.2},
    {"P5_3", 4, 6, 39, 114.6, 123.0, 119.9, 127.3, 115.4, 123.6, 133.1},
    {"P5_7", 6, 4, 43, 76.5, 152.7, 81.8, 156.9, 77.3, 153.2, 162.7},
    {"P7_3", 7, 3, 57, 55.3, 169.6, 60.6, 173.8, 56.1, 170.1, 179.7},
    {"P7_5", 8, 2, 59, 36.2, 184.4, 41.5, 188.6, 37.0, 184.9, 194.5},
    {"P7_7", 9, 1, 61, 17.2, 199.2, 22.5, 203.5, 18.0, 199.8, 209.3},
};

void PrintTo(const CeldaImpresa& c, std::ostream* os) { *os << c.nombre; }

class ImpresionCeldas : public ::testing::TestWithParam<CeldaImpresa> {};

TEST_P(ImpresionCeldas, SusCuatroPiezasVanDondeDicenSuFilaYSuColumna) {
    const CeldaImpresa& x = GetParam();
    const int c = tablero::Indice(x.nombre);
    ASSERT_GE(c, 0);
    ASSERT_EQ(tablero::Fila(c), x.fila);
    ASSERT_EQ(tablero::Columna(c), x.columna);
    const std::string sufijo = std::string(x.nombre).substr(1);

    const Elemento& marco = Item("P" + std::to_string(x.marco));
    EXPECT_EQ(marco.Tipo, TipoElemento::Forma);
    EXPECT_EQ(marco.Left, D(x.marcoL));
    EXPECT_EQ(marco.Top, D(x.marcoT));
    EXPECT_EQ(marco.Width, D(18.5));
    EXPECT_EQ(marco.Height, D(13.5));
    EXPECT_EQ(marco.Pen, 3);
    ASSERT_TRUE(marco.Relleno.has_value());
    EXPECT_EQ(*marco.Relleno, Blanco);

    const Elemento& valor = Item(x.nombre);
    EXPECT_EQ(valor.Tipo, TipoElemento::Etiqueta);
    EXPECT_EQ(valor.Left, D(x.valorL));
    EXPECT_EQ(valor.Top, D(x.valorT));
    EXPECT_EQ(valor.Width, D(7.4));
    EXPECT_EQ(valor.Height, D(5.0));
    EXPECT_EQ(valor.Puntos, 12);
    EXPECT_TRUE(valor.Negrita);

    for (const auto& [nombre, top] : {std::pair{"PSD" + sufijo, x.posiblesT}, std::pair{"PND" + sufijo, x.imposiblesT}}) {
        const Elemento& e = Item(nombre);
        EXPECT_EQ(e.Tipo, TipoElemento::Etiqueta) << nombre;
        EXPECT_EQ(e.Left, D(x.ayudaL)) << nombre;
        EXPECT_EQ(e.Top, D(top)) << nombre;
        EXPECT_EQ(e.Width, D(16.9)) << nombre;
        EXPECT_EQ(e.Height, D(4.0)) << nombre;
        EXPECT_EQ(e.Puntos, 8) << nombre;
        EXPECT_FALSE(e.Negrita) << nombre;
    }
    for (const std::string& nombre : {std::string(x.nombre), "PSD" + sufijo, "PND" + sufijo}) {
        const Elemento& e = Item(nombre);
        EXPECT_EQ(e.Fuente, "Courier New") << nombre;
        EXPECT_EQ(e.Alineado, Alineacion::Centro) << nombre;
        EXPECT_TRUE(e.Transparente) << nombre;
        EXPECT_EQ(e.ColorTexto, Negro) << nombre;
        EXPECT_EQ(e.Caption, "") << nombre;
    }
}

INSTANTIATE_TEST_SUITE_P(Diagonales, ImpresionCeldas, ::testing::ValuesIn(kCeldas),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The four items of every cell sit at fixed offsets from its frame; the
// measurements were rounded to 0.1 mm, so an offset may differ by one tenth
// from cell to cell, never more. A wrong figure in one of the tables moves
// one row or column by more than that.
TEST(ImpresionPagina, CadaCeldaGuardaSusDistanciasAlMarcoSalvoElRedondeo) {
    struct Rango {
        const char* que;
        Decimas min, max;
    };
    for (int c = 0; c < NumCeldas; ++c) {
        const std::string n = tablero::Nombre(c), sufijo = n.substr(1);
        const Elemento& marco = Item("P" + std::to_string(9 * (tablero::Bloque(c) - 1) + tablero::Lugar(c)));
        const Elemento& valor = Item(n);
        const Elemento& psd = Item("PSD" + sufijo);
        const Elemento& pnd = Item("PND" + sufijo);
        const struct {
            Rango r;
            Decimas d;
        } casos[] = {
            {{"value left", 53, 53}, valor.Left - marco.Left},      {{"value top", 42, 43}, valor.Top - marco.Top},
            {{"PSD left", 8, 8}, psd.Left - marco.Left},           {{"PSD top", 5, 6}, psd.Top - marco.Top},
            {{"PND left", 8, 8}, pnd.Left - marco.Left},           {{"PND top", 100, 101}, pnd.Top - marco.Top},
        };
        for (const auto& k : casos) {
            EXPECT_GE(k.d, k.r.min) << n << " " << k.r.que;
            EXPECT_LE(k.d, k.r.max) << n << " " << k.r.que;
        }
    }
}

// Steps between neighbouring frames: 19.0 to 19.1 mm across and 14.8 to
// 14.9 mm down inside a block, 21.1 to 21.2 mm across and 16.9 mm down from
// one block to the next, where the thick lines run.
TEST(ImpresionPagina, LosPasosEntreCeldasSonLosDeBloqueYLosDeLinea) {
    for (int fila = 1; fila <= 9; ++fila)
        for (int col = 1; col <= 9; ++col) {
            const int c = tablero::EnRejilla(fila, col);
            const Elemento& m = Item(pagina::NombreMarco(c));
            if (col < 9) {
                const Elemento& d = Item(pagina::NombreMarco(tablero::EnRejilla(fila, col + 1)));
                const Decimas paso = d.Left - m.Left;
                EXPECT_EQ(d.Top, m.Top);
                if (col % 3 == 0) {
                    EXPECT_TRUE(paso == 211 || paso == 212) << "across after column " << col << ": " << paso;
                } else {
                    EXPECT_TRUE(paso == 190 || paso == 191) << "across after column " << col << ": " << paso;
                }
            }
            if (fila < 9) {
                const Elemento& d = Item(pagina::NombreMarco(tablero::EnRejilla(fila + 1, col)));
                const Decimas paso = d.Top - m.Top;
                EXPECT_EQ(d.Left, m.Left);
                if (fila % 3 == 0) {
                    EXPECT_EQ(paso, 169) << "down after row " << fila;
                } else {
                    EXPECT_TRUE(paso == 148 || paso == 149) << "down after row " << fila << ": " << paso;
                }
            }
        }
}

struct Caja {
    Decimas l, t, r, b;
};
Caja CajaDe(const Elemento& e) { return {e.Left, e.Top, e.Left + e.Width, e.Top + e.Height}; }
bool Solapan(Caja a, Caja b) { return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b; }
bool Dentro(Caja a, Caja fuera) { return a.l >= fuera.l && a.r <= fuera.r && a.t >= fuera.t && a.b <= fuera.b; }

TEST(ImpresionPagina, NadaSeMontaYTodoCabeEnElTableroYEnLaHoja) {
    const Reporte& r = Pagina();
    const Caja hoja{r.MargenIzquierdo, r.MargenSuperior, r.AnchoPapel - r.MargenDerecho, r.AltoPapel - r.MargenInferior};
    for (const Elemento& e : r.Elementos()) EXPECT_TRUE(Dentro(CajaDe(e), hoja)) << e.Nombre << " is off the page";

    const Caja tablero = CajaDe(Item("QRShape4"));
    std::vector<Caja> lineas;
    for (const char* n : {"QRShape14", "QRShape25", "QRShape26", "QRShape27"}) {
        lineas.push_back(CajaDe(Item(n)));
        EXPECT_TRUE(Dentro(lineas.back(), tablero)) << n;
    }
    std::vector<Caja> marcos;
    for (int c = 0; c < NumCeldas; ++c) {
        const std::string n = tablero::Nombre(c), sufijo = n.substr(1);
        const Caja m = CajaDe(Item(pagina::NombreMarco(c)));
        for (const std::string& pieza : {pagina::NombreMarco(c), n, "PSD" + sufijo, "PND" + sufijo}) {
            const Caja p = CajaDe(Item(pieza));
            EXPECT_TRUE(Dentro(p, tablero)) << pieza;
            for (const Caja& l : lineas) EXPECT_FALSE(Solapan(p, l)) << pieza << " crosses a block line";
        }
        // The value and the possible digits lie inside the frame; the
        // impossible digits reach a little below it, into the gap.
        EXPECT_TRUE(Dentro(CajaDe(Item(n)), m)) << n;
        EXPECT_TRUE(Dentro(CajaDe(Item("PSD" + sufijo)), m)) << n;
        for (const Caja& otro : marcos) EXPECT_FALSE(Solapan(m, otro)) << pagina::NombreMarco(c);
        marcos.push_back(m);
    }
    // The labels of a cell never reach the next row's frame.
    for (int fila = 1; fila < 9; ++fila) {
        const int c = tablero::EnRejilla(fila, 1);
        const Caja pnd = CajaDe(Item(pagina::NombreImposibles(c)));
        const Caja abajo = CajaDe(Item(pagina::NombreMarco(tablero::EnRejilla(fila + 1, 1))));
        EXPECT_LT(pnd.b, abajo.t) << "row " << fila;
    }
}

TEST(ImpresionPagina, LosNombresDeUnaCeldaFueraDelTableroQuedanVacios) {
    const struct {
        int c;
        const char* marco;
        const char* valor;
        const char* psd;
        const char* pnd;
    } casos[] = {
        {0, "P1", "P1_1", "PSD1_1", "PND1_1"},   {8, "P9", "P1_9", "PSD1_9", "PND1_9"},
        {9, "P10", "P2_1", "PSD2_1", "PND2_1"},  {80, "P81", "P9_9", "PSD9_9", "PND9_9"},
        {-1, "", "", "", ""},                    {81, "", "", "", ""},
    };
    for (const auto& k : casos) {
        EXPECT_EQ(pagina::NombreMarco(k.c), k.marco) << k.c;
        EXPECT_EQ(pagina::NombreValor(k.c), k.valor) << k.c;
        EXPECT_EQ(pagina::NombrePosibles(k.c), k.psd) << k.c;
        EXPECT_EQ(pagina::NombreImposibles(k.c), k.pnd) << k.c;
    }
    EXPECT_EQ(Pagina().Buscar(""), nullptr);
    EXPECT_EQ(Pagina().Buscar("P82"), nullptr);
    EXPECT_EQ(Pagina().Buscar("p1_1"), nullptr);
}

}  // namespace
}  // namespace novenario
