// The chains: what follows from supposing a candidate true or false.
//
// A node is a candidate taken as true ("on") or false ("off"). The links
// between nodes are the ones a person follows: a digit true in a cell makes
// it false in the cells that see it and makes the cell's other candidates
// false; a digit false leaves a cell of two candidates with the other, and a
// house where it had two places with the other place.
//
// Static chains follow only those links. Dynamic ones follow the whole board
// as the supposition leaves it (a cell left with one candidate, a digit left
// with one place), and the nets at higher levels also use the basic
// techniques and, nested, dynamic chains inside the supposition.
#include <algorithm>
#include <atomic>
#include <bit>
#include <array>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "logica/motor.h"

namespace novenario::logica::motor {

// The places of each digit in each house, as positions 0..8 in the house
// (the cells of a house are in reading order).
using Lugares9 = std::array<std::array<std::uint16_t, 10>, 27>;
Lugares9 LugaresEnCasas(const Estado& e);
// The quick look and the basic step without words, on places already read.
// With sucias (for each house, the digits it has lost a place of or had
// placed since a look that found nothing), the look stays within those: what
// lies elsewhere is as it was, and had nothing.
bool BasicoPosible(const Estado& e, const Lugares9& lug, const std::array<Mascara, 27>* sucias = nullptr);
std::optional<Paso> BasicoSinTexto(const Estado& e, const Lugares9& lug);

namespace {

constexpr int kCand = 729;
constexpr int kNodos = 2 * kCand;

int Nodo(int celda, int cifra, bool on) { return (on ? 0 : kCand) + celda * 9 + cifra - 1; }
int CeldaDe(int nodo) { return (nodo % kCand) / 9; }
int CifraDe(int nodo) { return nodo % 9 + 1; }
bool On(int nodo) { return nodo < kCand; }
int Contrario(int nodo) { return On(nodo) ? nodo + kCand : nodo - kCand; }

std::string Frase(int nodo) {
    return "la " + Celda(CeldaDe(nodo)) + (On(nodo) ? " sería " : " no sería ") + std::to_string(CifraDe(nodo));
}
// The supposition itself: "la fila 1, columna 2 fuera 5".
std::string Supuesto(int nodo) {
    return "la " + Celda(CeldaDe(nodo)) + (On(nodo) ? " fuera " : " no fuera ") + std::to_string(CifraDe(nodo));
}

// The chain from the supposition to a node, by the parents, as a sentence.
std::string Camino(const std::vector<std::int16_t>& padre, int nodo) {
    std::vector<int> camino;
    for (int n = nodo; n >= 0 && camino.size() < 200; n = padre[n]) camino.push_back(n);
    std::reverse(camino.begin(), camino.end());
    std::string s;
    for (std::size_t k = 0; k < camino.size(); ++k) {
        if (k > 0) s += (k == 1) ? ", entonces " : ", así que ";
        s += k == 0 ? Supuesto(camino[k]) : Frase(camino[k]);
    }
    return s;
}

int Profundidad(const std::vector<std::int16_t>& padre, int nodo) {
    int n = 0;
    for (int x = nodo; x >= 0 && n < 1000; x = padre[x]) ++n;
    return n;
}

// ---- Static chains -------------------------------------------------------

// The static links of a board from each node, in the order a search takes
// them: the cell's other candidates and then the cells that see it for a
// true node; the cell's other candidate and then the other place in each
// of its houses for a false one.
class Enlaces {
public:
    explicit Enlaces(const Estado& e) {
        inicio_[0] = 0;
        for (int n = 0; n < kNodos; ++n) {
            const int x = CeldaDe(n), d = CifraDe(n);
            if (!(e.c[x] & Bit(d))) {
                // Nothing leads to a candidate the board lacks.
            } else if (On(n)) {
                for (int o = 1; o <= 9; ++o)
                    if (o != d && (e.c[x] & Bit(o))) destino_.push_back(static_cast<std::int16_t>(Nodo(x, o, false)));
                for (int p : T().vecinos[x])
                    if (e.c[p] & Bit(d)) destino_.push_back(static_cast<std::int16_t>(Nodo(p, d, false)));
            } else {
                if (Cuenta(e.c[x]) == 2)
                    destino_.push_back(static_cast<std::int16_t>(
                        Nodo(x, std::countr_zero(static_cast<Mascara>(e.c[x] & ~Bit(d))), true)));
                for (int h : T().de[x]) {
                    int otra = -1, k = 0;
                    for (int i : T().casas[h])
                        if (e.c[i] & Bit(d)) { ++k; if (i != x) otra = i; }
                    if (k == 2 && otra >= 0) destino_.push_back(static_cast<std::int16_t>(Nodo(otra, d, true)));
                }
            }
            inicio_[n + 1] = static_cast<int>(destino_.size());
        }
    }
    const std::int16_t* Desde(int n) const { return destino_.data() + inicio_[n]; }
    const std::int16_t* Hasta(int n) const { return destino_.data() + inicio_[n + 1]; }

private:
    std::array<int, kNodos + 1> inicio_;
    std::vector<std::int16_t> destino_;
};

// Every node the static links reach from the start, with the shortest path.
// The nodes reached, true ones and false ones, also as sets of candidates.
// padre holds no parent but for the nodes in vistos (those a search before
// reached on it): only those are cleared, and vistos receives the nodes this
// search reaches.
using Alcanzados = std::bitset<kCand>;
void Estaticas(const Enlaces& enlaces, int inicio, std::vector<std::int16_t>& padre, std::vector<std::int16_t>& vistos,
               Alcanzados* si = nullptr, Alcanzados* no = nullptr) {
    for (const std::int16_t n : vistos) padre[n] = -2;
    // Each node enters the queue once at most.
    std::array<std::int16_t, kNodos> cola;
    int primero = 0, ultimo = 0;
    padre[inicio] = -1;
    cola[ultimo++] = static_cast<std::int16_t>(inicio);
    while (primero < ultimo) {
        const int n = cola[primero++];
        for (const std::int16_t* m = enlaces.Desde(n); m != enlaces.Hasta(n); ++m) {
            if (padre[*m] != -2) continue;
            padre[*m] = static_cast<std::int16_t>(n);
            cola[ultimo++] = *m;
        }
    }
    if (si && no) {
        si->reset();
        no->reset();
        for (int q = 0; q < ultimo; ++q) (On(cola[q]) ? si : no)->set(cola[q] % kCand);
    }
    vistos.assign(cola.begin(), cola.begin() + ultimo);
}

// X when every node is the same digit, Y when every strong link (false to
// true) stays in a cell, mixed otherwise.
enum class Tipo { X, Y, XY };
Tipo TipoDe(const std::vector<std::int16_t>& padre, int nodo) {
    bool x = true, y = true;
    const int d = CifraDe(nodo);
    for (int n = nodo; n >= 0; n = padre[n]) {
        const int p = padre[n];
        if (CifraDe(n) != d) x = false;
        if (p >= 0 && On(n) && !On(p) && CeldaDe(p) != CeldaDe(n)) y = false;
    }
    if (x) return Tipo::X;
    if (y) return Tipo::Y;
    return Tipo::XY;
}

struct Hallazgo {
    double dif = 1e9;
    Paso paso;
    bool hay = false;
    void Ofrece(double d, const std::function<Paso()>& hacer) {
        if (hay && d >= dif) return;
        dif = d;
        paso = hacer();
        hay = true;
    }
};

void Conclusion(Paso& p, const Estado& e, int nodo) {
    const int x = CeldaDe(nodo), d = CifraDe(nodo);
    if (On(nodo)) {
        p.coloca = {{x, d}};
    } else if (e.c[x] & Bit(d)) {
        p.elimina = {{x, d}};
    }
    p.celdas.push_back(x);
}

std::string Concluye(int nodo) {
    return "la " + Celda(CeldaDe(nodo)) + (On(nodo) ? " es " : " no es ") + std::to_string(CifraDe(nodo));
}

// One chain from a candidate back to its opposite: supposing it true leads to
// its being false (so it is false), or supposing it false leads to its being
// true (so it is true). These are the alternating inference chains, X-chains
// and XY-chains seen from the candidate they decide.
std::optional<Paso> UnaCadena(const Estado& e) {
    Hallazgo mejor;
    std::vector<std::int16_t> padre(kNodos, -2), vistos;
    const Enlaces enlaces(e);
    for (int x = 0; x < 81; ++x)
        for (int d = 1; d <= 9; ++d) {
            if (!(e.c[x] & Bit(d))) continue;
            for (int on = 1; on >= 0; --on) {
                const int ini = Nodo(x, d, on);
                Estaticas(enlaces, ini, padre, vistos);
                const int fin = Contrario(ini);
                if (padre[fin] == -2) continue;
                const int largo = Profundidad(padre, fin);
                const Tipo t = TipoDe(padre, fin);
                const double base = t == Tipo::X ? 6.5 : t == Tipo::Y ? 6.6 : 7.0;
                mejor.Ofrece(base + PorLongitud(largo), [&] {
                    static const char* kN[] = {"Cadena X", "Cadena XY", "Cadena alterna"};
                    static const Tecnica kT[] = {Tecnica::CicloX, Tecnica::CadenaXY, Tecnica::CadenaAlterna};
                    const int i = static_cast<int>(t);
                    Paso p = Nuevo(kT[i], kN[i], Redondea(base + PorLongitud(largo)));
                    Conclusion(p, e, fin);
                    for (int n = padre[fin]; n >= 0; n = padre[n]) p.celdas.push_back(CeldaDe(n));
                    p.resumen = std::string(kN[i]) + " desde la " + Celda(x);
                    p.texto = "Si " + Camino(padre, fin) + ". Suponerlo lleva a lo contrario; por tanto, " +
                              Concluye(fin) + ".";
                    return p;
                });
            }
        }
    if (!mejor.hay) return std::nullopt;
    return mejor.paso;
}

// ---- Dynamic chains ------------------------------------------------------

// The singles alone, as sets of cells: whether supposing a digit in a cell
// breaks the board when only the singles are followed. Every single found
// is placed at once, wave after wave; the answer does not depend on the order
// the singles are taken in, so it is the same as following them one by one,
// only much quicker (the nets ask it thousands of times a step).

// 81 cells as bits: 0..63 in lo, 64..80 in hi.
struct Bits81 {
    std::uint64_t lo = 0, hi = 0;
    Bits81 operator&(const Bits81& o) const { return {lo & o.lo, hi & o.hi}; }
    Bits81 operator|(const Bits81& o) const { return {lo | o.lo, hi | o.hi}; }
    Bits81 operator~() const { return {~lo, ~hi & ((std::uint64_t{1} << 17) - 1)}; }
    Bits81& operator&=(const Bits81& o) { lo &= o.lo; hi &= o.hi; return *this; }
    Bits81& operator|=(const Bits81& o) { lo |= o.lo; hi |= o.hi; return *this; }
    bool Alguna() const { return (lo | hi) != 0; }
    // More than one cell.
    bool Varias() const { return (lo & (lo - 1)) != 0 || (hi & (hi - 1)) != 0 || (lo != 0 && hi != 0); }
    void Pon(int i) { if (i < 64) lo |= std::uint64_t{1} << i; else hi |= std::uint64_t{1} << (i - 64); }
    bool Tiene(int i) const { return i < 64 ? (lo >> i) & 1 : (hi >> (i - 64)) & 1; }
    // Takes the lowest cell out and answers it (the set is not empty).
    int Saca() {
        if (lo) { const int i = std::countr_zero(lo); lo &= lo - 1; return i; }
        const int i = std::countr_zero(hi); hi &= hi - 1; return 64 + i;
    }
};

struct TablasBits {
    std::array<Bits81, 81> ve;    // the cells that see each cell
    std::array<Bits81, 27> casa;  // the cells of each house
    std::array<std::uint32_t, 81> casasDe;  // the houses of each cell, as bits 0..26
};
const TablasBits& TB() {
    static const TablasBits t = [] {
        TablasBits r{};
        for (int i = 0; i < 81; ++i)
            for (int j : T().vecinos[i]) r.ve[i].Pon(j);
        for (int h = 0; h < 27; ++h)
            for (int i : T().casas[h]) {
                r.casa[h].Pon(i);
                r.casasDe[i] |= 1u << h;
            }
        return r;
    }();
    return t;
}

// A board as sets: the cells where each digit may still go, and where it is.
struct Planos {
    std::array<Bits81, 9> cand;
    std::array<Bits81, 9> puesta;
    Bits81 vacias;
    static Planos Desde(const Estado& e) {
        Planos p;
        for (int x = 0; x < 81; ++x) {
            if (e.v[x]) { p.puesta[e.v[x] - 1].Pon(x); continue; }
            p.vacias.Pon(x);
            for (Mascara m = e.c[x] & 0x3FE; m; m &= static_cast<Mascara>(m - 1)) p.cand[std::countr_zero(m) - 1].Pon(x);
        }
        return p;
    }
};

// Places the digit (a candidate of the cell) and follows the singles to the
// end: false when the board breaks (a cell with no candidate, a digit with
// no place left in a house, or two singles that clash).
// With quieto, the board before the supposition has no single and no digit
// without a place in a house (a fixed point of the singles, as a net leaves
// it), and only the houses the supposition touches are looked at.
//
// The waves themselves: nuevas the digits to place first; antes where each
// digit could go when every house was last looked at (the houses where it
// has lost a place since are looked at again). The board p is followed in
// place: on true it is where the singles end (on false it is left half
// followed, not to be read), and nuevas and antes are worked on too.
bool Olas(Planos& p, std::array<Bits81, 9>& nuevas, std::array<Bits81, 9>& antes) {
    const TablasBits& tb = TB();
    while (true) {
        // Place this wave's digits, all at once.
        Bits81 una, dos;  // cells placed once, and twice
        for (int d = 0; d < 9; ++d) {
            dos |= una & nuevas[d];
            una |= nuevas[d];
        }
        if (dos.Alguna()) return false;
        for (int d = 0; d < 9; ++d) {
            Bits81 n = nuevas[d];
            Bits81 ven;
            while (n.Alguna()) ven |= tb.ve[n.Saca()];
            if ((ven & nuevas[d]).Alguna()) return false;
            p.cand[d] &= ~ven;
            p.puesta[d] |= nuevas[d];
        }
        const Bits81 fuera = ~una;
        for (int d = 0; d < 9; ++d) p.cand[d] &= fuera;
        p.vacias &= fuera;
        // The next wave: cells with one candidate, digits with one place.
        Bits81 alguna, varias;
        for (int d = 0; d < 9; ++d) {
            varias |= alguna & p.cand[d];
            alguna |= p.cand[d];
        }
        if ((p.vacias & ~alguna).Alguna()) return false;
        const Bits81 solas = alguna & ~varias;
        bool hay = false;
        for (int d = 0; d < 9; ++d) {
            nuevas[d] = solas & p.cand[d];
            // Only the houses where the digit lost a place can change.
            Bits81 perdidas = antes[d] & ~p.cand[d];
            std::uint32_t tocadas = 0;
            while (perdidas.Alguna()) tocadas |= tb.casasDe[perdidas.Saca()];
            while (tocadas) {
                const int h = std::countr_zero(tocadas);
                tocadas &= tocadas - 1;
                const Bits81 m = p.cand[d] & tb.casa[h];
                if (!m.Alguna()) {
                    if (!(p.puesta[d] & tb.casa[h]).Alguna()) return false;
                } else if (!m.Varias()) {
                    nuevas[d] |= m;
                }
            }
            hay = hay || nuevas[d].Alguna();
        }
        if (!hay) return true;
        antes = p.cand;
    }
}

// fin, when given, receives where the singles end (when they hold).
bool SinglesSostienen(const Planos& tablero, int celda, int cifra, bool quieto, Planos* fin = nullptr) {
    Planos propio;
    Planos& p = fin ? *fin : propio;
    p = tablero;
    std::array<Bits81, 9> nuevas{};
    nuevas[cifra - 1].Pon(celda);
    std::array<Bits81, 9> antes;
    // Otherwise the first wave looks at every house.
    antes.fill(quieto ? Bits81{} : ~Bits81{});
    for (int d = 0; d < 9 && quieto; ++d) antes[d] = p.cand[d];
    return Olas(p, nuevas, antes);
}

// The same supposition followed again on a board that has only lost
// candidates (or had cells filled) since cierre, where its singles ended,
// was found. The singles end the same way from that end with what the board
// has lost since taken away too, and that is much nearer the end: only the
// changes are followed. False when the board breaks.
// fin, when given, receives the new end (when it holds); it may be cierre
// itself, which is then not to be read again when the answer is false.
bool SinglesDeNuevo(const Planos& cierre, const Planos& ahora, Planos* fin) {
    std::array<Bits81, 9> nuevas;
    for (int d = 0; d < 9; ++d) {
        // A digit the end placed where the board no longer allows it, or
        // one the board placed where the end does not allow it.
        if ((cierre.puesta[d] & ~(ahora.puesta[d] | ahora.cand[d])).Alguna()) return false;
        nuevas[d] = ahora.puesta[d] & ~cierre.puesta[d];
        if ((nuevas[d] & ~cierre.cand[d]).Alguna()) return false;
    }
    std::array<Bits81, 9> antes = cierre.cand;
    Planos propio;
    Planos& p = fin ? *fin : propio;
    if (&p != &cierre) p = cierre;
    for (int d = 0; d < 9; ++d) p.cand[d] &= ahora.cand[d] | nuevas[d];
    return Olas(p, nuevas, antes);
}

// What broke a board: a cell left with no candidate, a cell that does not
// admit the digit placed, a digit with no place left in a house, or a node
// reached both true and false. The words are only written for the step kept.
struct Rotura {
    enum class Tipo { SinCandidatos, NoAdmite, SinLugar, AmbosLados } tipo = Tipo::SinCandidatos;
    int celda = 0, cifra = 0, casa = 0;
    std::string Texto() const {
        switch (tipo) {
        case Tipo::SinCandidatos: return "la " + Celda(celda) + " se quedaría sin candidatos";
        case Tipo::NoAdmite: return "la " + Celda(celda) + " no admite el " + std::to_string(cifra);
        case Tipo::SinLugar:
            return "el " + std::to_string(cifra) + " no cabría en ninguna casilla de la " + NombreCasa(CasaDe(casa));
        case Tipo::AmbosLados: return "la " + Celda(celda) + " sería y no sería " + std::to_string(cifra);
        }
        return {};
    }
};

// What a supposition leads to on the whole board.
struct Red {
    Estado s;
    std::vector<std::int16_t> padre;  // every node's, -2 for none; made when followed
    bool contradiccion = false;
    int rota = -1;          // the node whose consequence broke the board
    Rotura porque;          // what broke
    // Where it stopped, to be followed further at a deeper level: the last
    // exclusion in each cell and in each house for each digit, and the last
    // node changed.
    std::array<std::int16_t, 81> ultimaCelda;
    std::array<std::array<std::int16_t, 10>, 27> ultimaCasa;
    int ultimo = -1;
    int nivel = -2;         // the level it was followed at (-2: not yet)
};

// The position of each cell in its row, its column and its block, as a bit
// of the places of a digit in the house.
constexpr auto kPosicion = [] {
    std::array<std::array<std::uint16_t, 3>, 81> a{};
    for (int x = 0; x < 81; ++x) {
        const int r = x / 9, c = x % 9;
        a[x] = {static_cast<std::uint16_t>(1u << c), static_cast<std::uint16_t>(1u << r),
                static_cast<std::uint16_t>(1u << ((r % 3) * 3 + c % 3))};
    }
    return a;
}();

// The digits placed in each house.
std::array<Mascara, 27> PuestasEnCasas(const Estado& e) {
    std::array<Mascara, 27> p{};
    for (int x = 0; x < 81; ++x)
        if (e.v[x] >= 1 && e.v[x] <= 9)
            for (int h : T().de[x]) p[h] |= Bit(e.v[x]);
    return p;
}

class Propagador {
public:
    // solucion, when given, is the one solution of the base board.
    Propagador(const Estado& base, int nivel, const Tablero* solucion = nullptr)
        : base_(base), nivel_(nivel), solucion_(solucion), lugares_(LugaresEnCasas(base)),
          puestas_(PuestasEnCasas(base)) {}

    // Supposes the node and follows it to a fixed point or a contradiction.
    void Suponer(int nodo, Red& r) const {
        vez_ = ++Memoria().vez;
        r.s = base_;
        r.padre.assign(kNodos, -2);
        r.contradiccion = false;
        Ctx c{r, {}, {}, {}, {}, -1, lugares_, puestas_};
        c.ultimaCelda.fill(-1);
        for (auto& a : c.ultimaCasa) a.fill(-1);
        if (On(nodo)) Poner(c, CeldaDe(nodo), CifraDe(nodo), -1);
        else Quitar(c, CeldaDe(nodo), CifraDe(nodo), -1);
        if (!r.contradiccion) Seguir(c);
        Guardar(c);
    }

    // Follows further, at this level, a supposition a lower level followed
    // to its end: the same as supposing it again here, since up to that end
    // the lower level did just what this one does.
    void Continuar(Red& r) const {
        vez_ = ++Memoria().vez;
        if (!r.contradiccion) {
            Ctx c{r, r.ultimaCelda, r.ultimaCasa, {}, {}, r.ultimo, LugaresEnCasas(r.s), PuestasEnCasas(r.s)};
            Seguir(c);
            Guardar(c);
        }
        r.nivel = nivel_;
    }

private:
    // The work of one supposition: the last exclusion seen in each cell and
    // in each house for each digit (the cause of a single found there), the
    // cells and houses changed since they were last looked at, and the
    // board's places of each digit and digits placed in each house, kept as
    // the board changes.
    struct Ctx {
        Red& r;
        std::array<std::int16_t, 81> ultimaCelda;
        std::array<std::array<std::int16_t, 10>, 27> ultimaCasa;
        Celdas pendientes;
        std::array<Mascara, 27> casas;
        int ultimo;
        Lugares9 lugares;
        std::array<Mascara, 27> puestas;
        // Since the last look for basic steps, when it found nothing: the
        // digits each house has lost a place of or had placed.
        bool limpio = false;
        std::array<Mascara, 27> sucias{};
    };

    void Guardar(const Ctx& c) const {
        c.r.ultimaCelda = c.ultimaCelda;
        c.r.ultimaCasa = c.ultimaCasa;
        c.r.ultimo = c.ultimo;
        c.r.nivel = nivel_;
    }

    void Romper(Ctx& c, int nodo, Rotura::Tipo tipo, int celda, int cifra = 0, int casa = 0) const {
        if (c.r.contradiccion) return;
        c.r.contradiccion = true;
        c.r.rota = nodo;
        c.r.porque = {tipo, celda, cifra, casa};
    }

    void Quitar(Ctx& c, int x, int d, int padre) const {
        if (c.r.contradiccion || !(c.r.s.c[x] & Bit(d))) return;
        c.r.s.c[x] &= static_cast<Mascara>(~Bit(d));
        const int n = Nodo(x, d, false);
        if (c.r.padre[n] == -2) c.r.padre[n] = static_cast<std::int16_t>(padre);
        c.ultimo = n;
        c.ultimaCelda[x] = static_cast<std::int16_t>(n);
        c.pendientes.set(x);
        for (int j = 0; j < 3; ++j) {
            const int h = T().de[x][j];
            c.ultimaCasa[h][d] = static_cast<std::int16_t>(n);
            c.casas[h] |= Bit(d);
            c.lugares[h][d] &= static_cast<std::uint16_t>(~kPosicion[x][j]);
            c.sucias[h] |= Bit(d);
        }
        if (c.r.s.v[x] == 0 && c.r.s.c[x] == 0) Romper(c, n, Rotura::Tipo::SinCandidatos, x);
    }

    void Poner(Ctx& c, int x, int d, int padre) const {
        if (c.r.contradiccion) return;
        const int n = Nodo(x, d, true);
        if (c.r.s.v[x] == d) return;
        if (c.r.s.v[x] != 0 || !(c.r.s.c[x] & Bit(d))) {
            Romper(c, padre, Rotura::Tipo::NoAdmite, x, d);
            return;
        }
        c.r.padre[n] = static_cast<std::int16_t>(padre);
        c.ultimo = n;
        const Mascara otras = static_cast<Mascara>(c.r.s.c[x] & ~Bit(d));
        c.r.s.v[x] = static_cast<std::uint8_t>(d);
        for (int o = 1; o <= 9; ++o)
            if (otras & Bit(o)) Quitar(c, x, o, n);
        for (int j = 0; j < 3; ++j) {
            const int h = T().de[x][j];
            for (Mascara m = c.r.s.c[x]; m; m &= static_cast<Mascara>(m - 1))
                c.lugares[h][std::countr_zero(m)] &= static_cast<std::uint16_t>(~kPosicion[x][j]);
            c.puestas[h] |= Bit(d);
            c.sucias[h] |= static_cast<Mascara>(c.r.s.c[x] | Bit(d));
        }
        c.r.s.c[x] = 0;
        for (int p : T().vecinos[x]) Quitar(c, p, d, n);
    }

    // The singles the last changes made, wave after wave; when there are no
    // more, by level, the basic techniques and nested chains.
    void Seguir(Ctx& c) const {
        const Tablas& t = T();
        while (!c.r.contradiccion) {
            if (c.pendientes.none() && std::all_of(c.casas.begin(), c.casas.end(), [](Mascara m) { return m == 0; })) {
                if (!Mas(c)) break;
                continue;
            }
            const Celdas celdas = c.pendientes;
            const std::array<Mascara, 27> casas = c.casas;
            c.pendientes.reset();
            c.casas.fill(0);
            for (std::size_t x = celdas._Find_first(); x < 81 && !c.r.contradiccion; x = celdas._Find_next(x))
                if (c.r.s.v[x] == 0 && Cuenta(c.r.s.c[x]) == 1)
                    Poner(c, static_cast<int>(x), std::countr_zero(c.r.s.c[x]), c.ultimaCelda[x]);
            for (int h = 0; h < 27 && !c.r.contradiccion; ++h) {
                if (!casas[h]) continue;
                for (int d = 1; d <= 9 && !c.r.contradiccion; ++d) {
                    if (!(casas[h] & Bit(d))) continue;
                    if (c.puestas[h] & Bit(d)) continue;
                    const std::uint16_t m = c.lugares[h][d];
                    if (m == 0)
                        Romper(c, c.ultimaCasa[h][d], Rotura::Tipo::SinLugar, 0, d, h);
                    else if (!(m & (m - 1)))
                        Poner(c, t.casas[h][std::countr_zero(m)], d, c.ultimaCasa[h][d]);
                }
            }
        }
    }

    // Beyond the singles: true when something changed.
    bool Mas(Ctx& c) const {
        if (nivel_ >= 1) {
            // The basic techniques up to the hidden pairs, inside the supposition.
            const bool posible = BasicoPosible(c.r.s, c.lugares, c.limpio ? &c.sucias : nullptr);
            c.limpio = !posible;
            c.sucias.fill(0);
            if (auto p = posible ? BasicoSinTexto(c.r.s, c.lugares) : std::nullopt) {
                const int ultimo = c.ultimo;
                for (const auto& x : p->elimina) Quitar(c, x.celda, x.cifra, ultimo);
                for (const auto& x : p->coloca) Poner(c, x.celda, x.cifra, ultimo);
                return true;
            }
        }
        if (nivel_ == 2) {
            // A candidate whose supposition breaks the board by singles. The
            // board only loses candidates while a supposition is followed:
            // where what a candidate led to before is still all on the
            // board, it leads there again and holds, with no need to follow.
            // And a candidate that the singles of one that held placed
            // holds too: following it stays within that end, which is whole.
            // And where the board still admits the puzzle's one solution,
            // each of its digits holds: its singles only ever place the
            // solution's digits.
            const Planos planos = Planos::Desde(c.r.s);
            std::vector<Recuerdo>& memoria_ = Memoria().recuerdos;
            if (memoria_.empty()) memoria_.resize(kCand);
            const bool admiteSolucion = solucion_ && Admite(c.r.s, *solucion_);
            std::array<Bits81, 9> sostienen{};
            for (int x = 0; x < 81; ++x)
                for (int d = 1; d <= 9; ++d) {
                    if (!(c.r.s.c[x] & Bit(d))) continue;
                    if (admiteSolucion && (*solucion_)[x] == d) continue;
                    if (sostienen[d - 1].Tiene(x)) continue;
                    Recuerdo& m = memoria_[x * 9 + d - 1];
                    if (m.vez == vez_ && Contenido(m.cierre, planos)) {
                        for (int o = 0; o < 9; ++o) sostienen[o] |= m.cierre.puesta[o];
                        continue;
                    }
                    // Within one supposition the board only loses candidates.
                    if (m.vez == vez_ ? SinglesDeNuevo(m.cierre, planos, &m.cierre)
                                      : SinglesSostienen(planos, x, d, true, &m.cierre)) {
                        m.vez = vez_;
                        for (int o = 0; o < 9; ++o) sostienen[o] |= m.cierre.puesta[o];
                        continue;
                    }
                    // Its end, left half followed, is never read again: the
                    // candidate leaves the board.
                    Quitar(c, x, d, c.ultimo);
                    return true;
                }
        }
        if (nivel_ >= 3) {
            // A candidate whose supposition, one level down, breaks the board.
            Propagador dentro(c.r.s, nivel_ - 2);
            Red sub;
            for (int x = 0; x < 81; ++x)
                for (int d = 1; d <= 9; ++d) {
                    if (!(c.r.s.c[x] & Bit(d))) continue;
                    dentro.Suponer(Nodo(x, d, true), sub);
                    if (sub.contradiccion) {
                        Quitar(c, x, d, c.ultimo);
                        return true;
                    }
                }
        }
        return false;
    }

    // Whether the board admits the solution: each cell holds its digit or
    // has it as a candidate.
    static bool Admite(const Estado& s, const Tablero& solucion) {
        for (int x = 0; x < 81; ++x)
            if (s.v[x] ? s.v[x] != solucion[x] : !(s.c[x] & Bit(solucion[x]))) return false;
        return true;
    }

    // Whether a board a be within b: no candidate b lacks, every digit b
    // has placed, and each digit a has placed one b places or allows there.
    static bool Contenido(const Planos& a, const Planos& b) {
        for (int d = 0; d < 9; ++d)
            if ((a.cand[d] & ~b.cand[d]).Alguna() || (b.puesta[d] & ~a.puesta[d]).Alguna() ||
                (a.puesta[d] & ~(b.puesta[d] | b.cand[d])).Alguna())
                return false;
        return true;
    }

    const Estado& base_;
    int nivel_;
    const Tablero* solucion_;
    // The base board's places of each digit in each house, and digits placed.
    Lugares9 lugares_;
    std::array<Mascara, 27> puestas_;
    // What each candidate led to by singles, in the supposition numbered vez.
    struct Recuerdo {
        Planos cierre;
        std::uint64_t vez = 0;
    };
    // Kept for the whole life of the thread, so that each net does not ask
    // the system for it again; the suppositions are numbered on the thread,
    // so that what one left is never taken for another's.
    struct MemoriaDelHilo {
        std::vector<Recuerdo> recuerdos;
        std::uint64_t vez = 0;
    };
    static MemoriaDelHilo& Memoria() {
        thread_local MemoriaDelHilo m;
        return m;
    }
    mutable std::uint64_t vez_ = 0;
};

// The boards of the suppositions and the lists of what they reach, kept on
// the thread from one level of chains to the next and from one step to the
// next, so that each does not ask the system for its memory again.
struct Almacen {
    std::vector<Red> on, off;
    std::vector<std::vector<std::int16_t>> llega;
};
Almacen& AlmacenDelHilo() {
    thread_local Almacen a;
    return a;
}

// The nodes a supposition made true or false, against the board before it.
bool Derivado(const Estado& base, const Red& r, int nodo) {
    const int x = CeldaDe(nodo), d = CifraDe(nodo);
    if (base.v[x] != 0 || !(base.c[x] & Bit(d))) return false;
    if (On(nodo)) return r.s.v[x] == d;
    return r.s.v[x] != d && !(r.s.c[x] & Bit(d));
}

// A second worker for the whole program, where the machine has a second
// core: it follows the suppositions one level of chains hands it, and is
// handed nothing while it works for another. It waits, asleep, for work.
class Ayudante {
public:
    using Tarea = std::function<void(const std::atomic<bool>& parar)>;
    // The one worker, or nothing on a machine with one core.
    static Ayudante* Uno() {
        // Never destroyed: it waits for work until the program ends.
        static Ayudante* const uno = std::thread::hardware_concurrency() >= 2 ? new Ayudante : nullptr;
        return uno;
    }
    // Hands it the task (which must last until Soltar): false when it is
    // busy with another's.
    bool Dar(const Tarea& tarea) {
        std::unique_lock cerrojo(m_, std::try_to_lock);
        if (!cerrojo.owns_lock() || estado_ != Estado::Libre) return false;
        tarea_ = &tarea;
        parar_.store(false);
        estado_ = Estado::Dada;
        cv_.notify_all();
        return true;
    }
    // Takes the task back: one not begun is never begun; one begun is told
    // to stop and waited for.
    void Soltar() {
        std::unique_lock cerrojo(m_);
        if (estado_ == Estado::Dada) {
            estado_ = Estado::Libre;
            tarea_ = nullptr;
            return;
        }
        parar_.store(true);
        cv_.wait(cerrojo, [&] { return estado_ == Estado::Hecha; });
        estado_ = Estado::Libre;
        tarea_ = nullptr;
    }

private:
    enum class Estado { Libre, Dada, Empezada, Hecha };
    Ayudante() { std::thread([this] { Trabaja(); }).detach(); }
    void Trabaja() {
        std::unique_lock cerrojo(m_);
        while (true) {
            cv_.wait(cerrojo, [&] { return estado_ == Estado::Dada; });
            estado_ = Estado::Empezada;
            const Tarea* tarea = tarea_;
            cerrojo.unlock();
            (*tarea)(parar_);
            cerrojo.lock();
            estado_ = Estado::Hecha;
            cv_.notify_all();
        }
    }
    std::mutex m_;
    std::condition_variable cv_;
    Estado estado_ = Estado::Libre;
    const Tarea* tarea_ = nullptr;
    std::atomic<bool> parar_{false};
};

const char* kNombreNivel[] = {"Cadena forzada dinámica", "Cadena forzada dinámica", "Red dinámica", "Red dinámica"};

// Forcing chains, static (nivel -1: only the static links) or dynamic at a
// level: a supposition that breaks the board, both sides of a candidate
// leading to the same, every candidate of a cell, or every place of a digit
// in a house leading to the same.
// previas: the true sides the level below followed, taken and given back
// followed at this level. ayuda: a second worker may follow suppositions.
std::optional<Paso> Forzadas(const Estado& e, int nivel, std::vector<Red>* previas, bool ayuda) {
    const double base = nivel < 0 ? 8.0 : 8.5 + 0.5 * nivel;
    Hallazgo mejor;
    // Once a step at the level's own rating is found, none can be easier
    // (a longer chain only adds to it), and it is the one kept.
    auto listo = [&] { return mejor.hay && mejor.dif <= base; };
    std::vector<int> cands;
    std::vector<int> indice(kCand, -1);
    for (int x = 0; x < 81; ++x)
        for (int d = 1; d <= 9; ++d)
            if (e.c[x] & Bit(d)) {
                indice[x * 9 + d - 1] = static_cast<int>(cands.size());
                cands.push_back(x * 9 + d - 1);
            }
    // Above the plain dynamic chains only the suppositions that a candidate
    // is true are followed: the nets are dear, and what supposing one false
    // gives, the others' truth mostly gives too.
    const bool conFalso = nivel <= 0;
    // The true sides a level below followed, this level follows further.
    Almacen& almacen = AlmacenDelHilo();
    std::vector<Red> on;
    if (previas && nivel >= 1 && previas->size() == cands.size()) {
        on = std::move(*previas);
    } else {
        // Boards a step before left: none is one this level may follow on.
        on = std::move(almacen.on);
        on.resize(cands.size());
        for (Red& r : on) r.nivel = -2;
    }
    // The false sides, each on a board of its own: a second worker may
    // follow them ahead of the order they are read in.
    std::vector<Red> offs = std::move(almacen.off);
    offs.resize(conFalso ? cands.size() : 0);
    auto ladoNo = [&](std::size_t i) -> Red& { return offs[i]; };
    // The nodes each supposition that a candidate is true reaches, in order.
    std::vector<std::vector<std::int16_t>> llega = std::move(almacen.llega);
    llega.resize(cands.size());
    for (auto& l : llega) l.clear();
    // Each candidate's suppositions: 0 not followed yet, 1 being followed,
    // 2 followed.
    std::vector<std::atomic<int>> hecho(cands.size());
    // What a worker follows the suppositions with: its propagator, and for
    // the static links the sets and lists of one search.
    struct Obrero {
        Propagador prop;
        Alcanzados si, no, siOff, noOff;
        std::vector<std::int16_t> vistos, vistosOff;
    };
    // The nets that look for candidates broken by singles skip those of the
    // puzzle's solution, when it has one, where a supposition agrees with it.
    Tablero solucion{};
    const bool unaSolucion = nivel == 2 && SolucionesConCandidatos(e, 2, &solucion) == 1;
    const Tablero* conSolucion = unaSolucion ? &solucion : nullptr;
    Obrero obrero{Propagador(e, std::max(nivel, 0), conSolucion), {}, {}, {}, {}, {}, {}};
    const std::unique_ptr<Enlaces> enlaces = nivel < 0 ? std::make_unique<Enlaces>(e) : nullptr;
    auto alcanza = [&](const Red& r, int n) {
        if (nivel < 0) return r.padre[n] != -2 && r.padre[n] != -1;
        return Derivado(e, r, n);
    };
    // Follows the suppositions of a candidate with what the worker has, and
    // lists what the true side reaches.
    auto sigue = [&](Obrero& w, int i) {
        const int k = cands[i];
        if (nivel < 0) {
            // Both sides are boards of their own, with no parent yet.
            on[i].padre.assign(kNodos, -2);
            offs[i].padre.assign(kNodos, -2);
            w.vistos.clear();
            w.vistosOff.clear();
            Estaticas(*enlaces, k, on[i].padre, w.vistos, &w.si, &w.no);
            Estaticas(*enlaces, k + kCand, offs[i].padre, w.vistosOff, &w.siOff, &w.noOff);
            // Static: a contradiction is a node reached both ways (the
            // first of them).
            for (int lado = 0; lado < 2; ++lado) {
                Red* r = lado == 0 ? &on[i] : &offs[i];
                const Alcanzados ambos = lado == 0 ? w.si & w.no : w.siOff & w.noOff;
                r->contradiccion = ambos.any();
                if (!r->contradiccion) continue;
                const int n = static_cast<int>(ambos._Find_first());
                r->rota = n;
                r->porque = {Rotura::Tipo::AmbosLados, CeldaDe(n), CifraDe(n), 0};
            }
            // The true nodes, then the false ones, the supposition itself left out.
            auto& l = llega[i];
            for (std::size_t n = w.si._Find_first(); n < kCand; n = w.si._Find_next(n))
                if (static_cast<int>(n) != k) l.push_back(static_cast<std::int16_t>(n));
            for (std::size_t n = w.no._Find_first(); n < kCand; n = w.no._Find_next(n))
                l.push_back(static_cast<std::int16_t>(n + kCand));
            return;
        }
        const Propagador& p = w.prop;
        if (nivel >= 1 && on[i].nivel == nivel - 1) p.Continuar(on[i]);
        else p.Suponer(k, on[i]);
        if (conFalso) p.Suponer(k + kCand, offs[i]);
        // The digits the supposition placed, then the candidates it removed
        // (the order of the nodes).
        auto& l = llega[i];
        const Estado& s = on[i].s;
        for (int x = 0; x < 81; ++x)
            if (!e.v[x] && s.v[x] && (e.c[x] & Bit(s.v[x]))) l.push_back(static_cast<std::int16_t>(Nodo(x, s.v[x], true)));
        for (int x = 0; x < 81; ++x) {
            if (e.v[x]) continue;
            Mascara quitados = static_cast<Mascara>(e.c[x] & ~s.c[x]);
            if (s.v[x]) quitados &= static_cast<Mascara>(~Bit(s.v[x]));
            while (quitados) {
                const int d = std::countr_zero(quitados);
                quitados &= static_cast<Mascara>(quitados - 1);
                l.push_back(static_cast<std::int16_t>(Nodo(x, d, false)));
            }
        }
    };
    // Takes the candidate i unless another worker has, and follows it.
    auto toma = [&](Obrero& w, int i) {
        int libre = 0;
        if (!hecho[i].compare_exchange_strong(libre, 1)) return false;
        sigue(w, i);
        hecho[i].store(2, std::memory_order_release);
        hecho[i].notify_all();
        return true;
    };
    // What each supposition leads to depends on it alone: whichever worker
    // follows it, the result is the same, and it is read in the candidates'
    // order. This one takes them from the first, the second worker from the
    // last: they wait for each other at most once, where they meet.
    auto calcula = [&](int i) {
        if (hecho[i].load(std::memory_order_acquire) == 2 || toma(obrero, i)) return;
        // Asleep while the other follows it, leaving it the core.
        while (hecho[i].load(std::memory_order_acquire) != 2) hecho[i].wait(1, std::memory_order_acquire);
    };
    // The second worker follows suppositions ahead of the order they are
    // read in, when there are enough of them to pay for it. It is taken
    // back when this level ends, before anything it wrote is let go.
    const std::function<void(const std::atomic<bool>&)> tarea = [&](const std::atomic<bool>& parar) {
        Obrero propio{Propagador(e, std::max(nivel, 0), conSolucion), {}, {}, {}, {}, {}, {}};
        for (int j = static_cast<int>(cands.size()) - 1; j >= 0 && !parar.load(std::memory_order_relaxed); --j)
            if (!toma(propio, j)) break;
    };
    Ayudante* const ayudante = ayuda && cands.size() >= 64 ? Ayudante::Uno() : nullptr;
    const bool ayudado = ayudante && ayudante->Dar(tarea);
    struct Recoge {
        Ayudante* a;
        ~Recoge() {
            if (a) a->Soltar();
        }
    } recoge{ayudado ? ayudante : nullptr};
    const char* nombre = nivel < 0 ? "Cadena forzada" : kNombreNivel[std::min(nivel, 3)];
    const Tecnica tec = nivel < 0 ? Tecnica::CadenaForzadaCelda : nivel < 1 ? Tecnica::CadenaDinamica : Tecnica::RedDinamica;
    // A supposition that breaks the board, and both sides of a candidate.
    for (std::size_t i = 0; i < cands.size() && !listo(); ++i) {
        calcula(static_cast<int>(i));
        const int k = cands[i];
        const int x = k / 9, d = k % 9 + 1;
        for (int lado = 0; lado < (conFalso ? 2 : 1); ++lado) {
            const Red& r = lado == 0 ? on[i] : ladoNo(i);
            if (!r.contradiccion) continue;
            const int largo = r.rota >= 0 ? Profundidad(r.padre, r.rota) + 1 : 2;
            mejor.Ofrece(base + PorLongitud(largo), [&] {
                Paso p = Nuevo(tec, nombre, Redondea(base + PorLongitud(largo)));
                const int concl = lado == 0 ? Nodo(x, d, false) : Nodo(x, d, true);
                Conclusion(p, e, concl);
                p.resumen = std::string(nombre) + " desde la " + Celda(x);
                p.texto = "Si " +
                          (r.rota >= 0 ? Camino(r.padre, r.rota) : Supuesto(lado == 0 ? Nodo(x, d, true) : Nodo(x, d, false))) +
                          "; y entonces " + r.porque.Texto() + ". No puede ser, así que " + Concluye(concl) + ".";
                return p;
            });
        }
        // Both sides lead to the same (a side that breaks the board leads
        // to everything, and is the step above).
        if (!conFalso || on[i].contradiccion || ladoNo(i).contradiccion) continue;
        const Red& off = ladoNo(i);
        for (int n : llega[i]) {
            if (!alcanza(off, n)) continue;
            const int largo = Profundidad(on[i].padre, n) + Profundidad(off.padre, n);
            mejor.Ofrece(base + PorLongitud(largo), [&] {
                Paso p = Nuevo(tec, nombre, Redondea(base + PorLongitud(largo)));
                Conclusion(p, e, n);
                p.celdas.push_back(x);
                p.resumen = std::string(nombre) + " desde la " + Celda(x);
                p.texto = "Si " + Camino(on[i].padre, n) + ". Y si no, " + Camino(off.padre, n) +
                          ". En los dos casos " + Concluye(n) + ".";
                return p;
            });
        }
    }
    // Every candidate of a cell, every place of a digit in a house.
    auto grupo = [&](const std::vector<int>& ks, const std::string& donde, Tecnica t, const char* nom) {
        if (listo()) return;
        std::vector<int> is;
        for (int k : ks) {
            const int i = indice[k];
            calcula(i);
            if (on[i].contradiccion) return;
            is.push_back(i);
        }
        for (int n : llega[is[0]]) {
            bool todos = true;
            int largo = 0;
            for (int i : is) {
                if (!alcanza(on[i], n)) { todos = false; break; }
                largo += Profundidad(on[i].padre, n);
            }
            if (!todos) continue;
            const double dif = base + PorLongitud(largo);
            mejor.Ofrece(dif, [&] {
                Paso p = Nuevo(nivel < 0 ? t : tec, nivel < 0 ? nom : nombre, Redondea(dif));
                Conclusion(p, e, n);
                p.resumen = std::string(nivel < 0 ? nom : nombre) + " " + donde;
                p.texto = "Cada posibilidad " + donde + " lleva a lo mismo. ";
                for (int i : is) p.texto += "Si " + Camino(on[i].padre, n) + ". ";
                p.texto += "Así que " + Concluye(n) + ".";
                return p;
            });
        }
    };
    for (int x = 0; x < 81; ++x) {
        if (e.v[x] || Cuenta(e.c[x]) < 2) continue;
        std::vector<int> ks;
        for (int d = 1; d <= 9; ++d)
            if (e.c[x] & Bit(d)) ks.push_back(x * 9 + d - 1);
        grupo(ks, "de la " + Celda(x), Tecnica::CadenaForzadaCelda, "Cadena forzada de celda");
    }
    for (int h = 0; h < 27; ++h)
        for (int d = 1; d <= 9; ++d) {
            const auto l = Lista(e.Lugares(h, d));
            if (l.size() < 2) continue;
            std::vector<int> ks;
            for (int i : l) ks.push_back(i * 9 + d - 1);
            grupo(ks, "del " + std::to_string(d) + " en la " + NombreCasa(CasaDe(h)), Tecnica::CadenaForzadaCasa,
                  "Cadena forzada de casa");
        }
    if (ayudado) {
        recoge.a = nullptr;
        ayudante->Soltar();
    }
    if (previas && nivel >= 0) *previas = std::move(on);
    else almacen.on = std::move(on);
    almacen.off = std::move(offs);
    almacen.llega = std::move(llega);
    if (!mejor.hay) return std::nullopt;
    mejor.paso.casas.clear();
    return mejor.paso;
}

}  // namespace

Lugares9 LugaresEnCasas(const Estado& e) {
    Lugares9 lug{};
    for (int x = 0; x < 81; ++x) {
        Mascara m = e.c[x];
        if (!m) continue;
        const int r = x / 9, c = x % 9;
        const int b = 18 + (r / 3) * 3 + c / 3;
        const auto enFila = static_cast<std::uint16_t>(1u << c), enColumna = static_cast<std::uint16_t>(1u << r),
                   enBloque = static_cast<std::uint16_t>(1u << ((r % 3) * 3 + c % 3));
        while (m) {
            const int d = std::countr_zero(m);
            m &= static_cast<Mascara>(m - 1);
            lug[r][d] |= enFila;
            lug[9 + c][d] |= enColumna;
            lug[b][d] |= enBloque;
        }
    }
    return lug;
}

// Whether any of the basic techniques up to the hidden pairs (those a net
// looks for inside a supposition) could apply: a quick look by masks, so
// that the full search, with its words, runs only where there is something
// to find. It may answer yes in vain, never no where one applies.
bool BasicoPosible(const Estado& e) { return BasicoPosible(e, LugaresEnCasas(e)); }

bool BasicoPosible(const Estado& e, const Lugares9& lug, const std::array<Mascara, 27>* sucias) {
    // A single candidate, or the last cell of a house.
    for (int x = 0; x < 81; ++x)
        if (!e.v[x] && Cuenta(e.c[x]) == 1) return true;
    Mascara cifrasSucias = 0x3FE;
    if (sucias) {
        cifrasSucias = 0;
        for (const Mascara m : *sucias) cifrasSucias |= m;
    }
    for (int h = 0; h < 27; ++h) {
        if (sucias && !(*sucias)[h]) continue;
        for (int d = 1; d <= 9; ++d)
            if (Cuenta(lug[h][d]) == 1) return true;  // one place left
        // Hidden pairs and triples with something to exclude.
        int ds[9], n = 0;
        for (int d = 1; d <= 9; ++d) {
            const int c = Cuenta(lug[h][d]);
            if (c == 2 || c == 3) ds[n++] = d;
        }
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b) {
                const std::uint16_t u2 = lug[h][ds[a]] | lug[h][ds[b]];
                const Mascara m2 = static_cast<Mascara>(Bit(ds[a]) | Bit(ds[b]));
                auto otras = [&](std::uint16_t u, Mascara m) {
                    for (int k = 0; k < 9; ++k)
                        if ((u >> k) & 1)
                            if (e.c[T().casas[h][k]] & ~m) return true;
                    return false;
                };
                if (Cuenta(u2) == 2 && otras(u2, m2)) return true;
                if (Cuenta(u2) > 3) continue;
                for (int c = b + 1; c < n; ++c) {
                    // A triple only counts here when it leaves another digit
                    // one place in the house.
                    const std::uint16_t u3 = u2 | lug[h][ds[c]];
                    const Mascara m3 = static_cast<Mascara>(m2 | Bit(ds[c]));
                    if (Cuenta(u3) != 3 || !otras(u3, m3)) continue;
                    for (int o = 1; o <= 9; ++o)
                        if (!(m3 & Bit(o)) && (lug[h][o] & u3) && Cuenta(static_cast<Mascara>(lug[h][o] & ~u3)) == 1)
                            return true;
                }
            }
        // Naked pairs with something to exclude: another place in the
        // house for one of the two digits.
        Mascara pares[9];
        unsigned conDos = 0;
        for (int i = 0; i < 9; ++i) {
            const int x = T().casas[h][i];
            pares[i] = e.c[x];
            if (!e.v[x] && Cuenta(pares[i]) == 2) conDos |= 1u << i;
        }
        for (unsigned a = conDos; a; a &= a - 1) {
            const int i = std::countr_zero(a);
            for (unsigned b = a & (a - 1); b; b &= b - 1) {
                const int j = std::countr_zero(b);
                if (pares[j] != pares[i]) continue;
                const int d1 = std::countr_zero(pares[i]), d2 = 15 - std::countl_zero(pares[i]);
                if ((lug[h][d1] | lug[h][d2]) & ~((1u << i) | (1u << j))) return true;
            }
        }
    }
    for (int d = 1; d <= 9; ++d) {
        if (!(cifrasSucias & Bit(d))) continue;
        // Locked candidates: in a block the digit lies in one line with
        // places outside the block, or in a line it lies in one block with
        // places outside the line.
        for (int b = 0; b < 9; ++b) {
            const std::uint16_t m = lug[18 + b][d];
            if (Cuenta(m) < 2) continue;
            for (int i = 0; i < 3; ++i) {
                if (!(m & ~(0x7u << (3 * i))) && (lug[3 * (b / 3) + i][d] & ~(0x7u << (3 * (b % 3))))) return true;
                if (!(m & ~(0x49u << i)) && (lug[9 + 3 * (b % 3) + i][d] & ~(0x7u << (3 * (b / 3))))) return true;
            }
        }
        for (int r = 0; r < 9; ++r)
            for (int filas = 0; filas < 2; ++filas) {
                const int h = filas ? r : 9 + r;
                const std::uint16_t m = lug[h][d];
                if (Cuenta(m) < 2) continue;
                for (int s = 0; s < 3; ++s) {
                    if (m & ~(0x7u << (3 * s))) continue;
                    const int b = filas ? 3 * (r / 3) + s : 3 * s + r / 3;
                    const unsigned dentro = filas ? 0x7u << (3 * (r % 3)) : 0x49u << (r % 3);
                    if (lug[18 + b][d] & ~dentro) return true;
                }
            }
        // X-Wing: two lines with the same two places, the crossing lines
        // with places elsewhere.
        for (int b0 = 0; b0 <= 9; b0 += 9) {
            const int c0 = 9 - b0;
            for (int i = 0; i < 9; ++i) {
                const std::uint16_t m = lug[b0 + i][d];
                if (Cuenta(m) != 2) continue;
                for (int j = i + 1; j < 9; ++j) {
                    if (lug[b0 + j][d] != m) continue;
                    const unsigned dos = (1u << i) | (1u << j);
                    for (int k = 0; k < 9; ++k)
                        if (((m >> k) & 1) && (lug[c0 + k][d] & ~dos)) return true;
                }
            }
        }
    }
    return false;
}

// The step Basico(e, false, 3.4) answers, found the same way in the same
// order, without its words: the nets take thousands of them inside their
// suppositions and read only what they place and exclude.
std::optional<Paso> BasicoSinTexto(const Estado& e) { return BasicoSinTexto(e, LugaresEnCasas(e)); }

std::optional<Paso> BasicoSinTexto(const Estado& e, const Lugares9& lug) {
    static constexpr std::array<int, 27> kOrden = {18, 19, 20, 21, 22, 23, 24, 25, 26, 0, 1, 2, 3, 4,
                                                   5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17};
    const auto& casas = T().casas;
    auto nuevo = [](Tecnica t) {
        Paso p;
        p.tecnica = t;
        return p;
    };
    auto coloca = [&](Tecnica t, int celda, int cifra) {
        Paso p = nuevo(t);
        p.coloca = {{celda, cifra}};
        return p;
    };
    auto una = [](unsigned m) { return std::countr_zero(m); };
    // Whether some empty cell has a single candidate: the last empty cell of
    // a house, and a single candidate, need one.
    bool hayUnico = false;
    for (int i = 0; i < 81 && !hayUnico; ++i) hayUnico = !e.v[i] && Cuenta(e.c[i]) == 1;
    // The last empty cell of a house.
    for (int h : kOrden) {
        if (!hayUnico) break;
        int vacia = -1, n = 0;
        for (int i : casas[h])
            if (e.v[i] == 0) { vacia = i; ++n; }
        if (n == 1 && Cuenta(e.c[vacia]) == 1) return coloca(Tecnica::UltimaCasilla, vacia, std::countr_zero(e.c[vacia]));
    }
    // One place in a block, then in a line.
    for (int bloques = 1; bloques >= 0; --bloques)
        for (int h : kOrden) {
            if ((h >= 18) != (bloques == 1)) continue;
            for (int d = 1; d <= 9; ++d)
                if (Cuenta(lug[h][d]) == 1)
                    return coloca(bloques ? Tecnica::UnicoLugarBloque : Tecnica::UnicoLugarLinea, casas[h][una(lug[h][d])], d);
        }
    // Locked candidates: the exclusions, and with directo the single in a
    // block they leave.
    auto bloqueo = [&](bool directo, bool apuntado) -> std::optional<Paso> {
        for (int base : kOrden) {
            if ((base >= 18) != apuntado) continue;
            for (int d = 1; d <= 9; ++d) {
                const std::uint16_t m = lug[base][d];
                if (Cuenta(m) < 2) continue;
                // The other house holding every place (rows before columns),
                // and the positions in it that lie in the base house.
                int otra = -1;
                unsigned comun = 0;
                for (int i = 0; i < 3 && otra < 0; ++i) {
                    if (base >= 18) {
                        const int b = base - 18;
                        if (!(m & ~(0x7u << (3 * i)))) { otra = 3 * (b / 3) + i; comun = 0x7u << (3 * (b % 3)); }
                    } else if (!(m & ~(0x7u << (3 * i)))) {
                        const int r = base % 9;
                        otra = base < 9 ? 18 + 3 * (r / 3) + i : 18 + 3 * i + r / 3;
                        comun = base < 9 ? 0x7u << (3 * (r % 3)) : 0x49u << (r % 3);
                    }
                }
                for (int j = 0; j < 3 && otra < 0 && base >= 18; ++j) {
                    const int b = base - 18;
                    if (!(m & ~(0x49u << j))) { otra = 9 + 3 * (b % 3) + j; comun = 0x7u << (3 * (b / 3)); }
                }
                if (otra < 0) continue;
                const unsigned fuera = lug[otra][d] & ~comun;
                if (!fuera) continue;
                int celda = -1;
                if (directo) {
                    // The places each block loses, by the exclusions.
                    std::array<std::uint16_t, 9> pierde{};
                    for (unsigned f = fuera; f; f &= f - 1) {
                        const int x = casas[otra][std::countr_zero(f)];
                        pierde[T().de[x][2] - 18] |= kPosicion[x][2];
                    }
                    for (int h = 18; h < 27 && celda < 0; ++h) {
                        if (!pierde[h - 18]) continue;
                        const std::uint16_t quedan = lug[h][d] & static_cast<std::uint16_t>(~pierde[h - 18]);
                        if (Cuenta(quedan) == 1) celda = casas[h][una(quedan)];
                    }
                    if (celda < 0) continue;
                }
                Paso p = nuevo(directo ? Tecnica::BloqueoDirecto : apuntado ? Tecnica::Apuntado : Tecnica::Reclamo);
                for (int k = 0; k < 9; ++k)
                    if ((fuera >> k) & 1) p.elimina.push_back({casas[otra][k], d});
                if (directo) p.coloca = {{celda, d}};
                return p;
            }
        }
        return std::nullopt;
    };
    // Hidden subsets of k digits with something to exclude; with directo,
    // only one that leaves another digit one place in the house.
    auto oculto = [&](int k, bool directo) -> std::optional<Paso> {
        for (int h : kOrden) {
            int ds[9], n = 0;
            for (int d = 1; d <= 9; ++d) {
                const int c = Cuenta(lug[h][d]);
                if (c >= 2 && c <= k) ds[n++] = d;
            }
            int idx[3] = {0, 1, 2};
            if (k > n) continue;
            while (true) {
                std::uint16_t u = 0;
                Mascara m = 0;
                for (int j = 0; j < k; ++j) { u |= lug[h][ds[idx[j]]]; m |= Bit(ds[idx[j]]); }
                // Something to exclude: another digit in one of the cells.
                bool otras = false;
                if (Cuenta(u) == k)
                    for (int q = 0; q < 9 && !otras; ++q)
                        otras = ((u >> q) & 1) && (e.c[casas[h][q]] & ~m);
                int celda = -1, cifra = 0;
                for (int d = 1; d <= 9 && otras && directo && celda < 0; ++d) {
                    if (m & Bit(d)) continue;
                    const std::uint16_t tras = lug[h][d] & static_cast<std::uint16_t>(~u);
                    if ((lug[h][d] & u) && Cuenta(tras) == 1) { celda = casas[h][una(tras)]; cifra = d; }
                }
                if (otras && (!directo || celda >= 0)) {
                    Paso p = nuevo(directo ? (k == 2 ? Tecnica::ParOcultoDirecto : Tecnica::TrioOcultoDirecto)
                                           : Tecnica::ParOculto);
                    for (int q = 0; q < 9; ++q) {
                        if (!((u >> q) & 1)) continue;
                        const int i = casas[h][q];
                        for (int d = 1; d <= 9; ++d)
                            if (!(m & Bit(d)) && (e.c[i] & Bit(d))) p.elimina.push_back({i, d});
                    }
                    if (directo) p.coloca = {{celda, cifra}};
                    return p;
                }
                int i = k - 1;
                while (i >= 0 && idx[i] == n - k + i) --i;
                if (i < 0) break;
                ++idx[i];
                for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
            }
        }
        return std::nullopt;
    };
    if (auto p = bloqueo(true, true)) return p;
    if (auto p = bloqueo(true, false)) return p;
    if (auto p = oculto(2, true)) return p;
    for (int i = 0; i < 81 && hayUnico; ++i)
        if (!e.v[i] && Cuenta(e.c[i]) == 1) return coloca(Tecnica::UnicoCandidato, i, std::countr_zero(e.c[i]));
    if (auto p = oculto(3, true)) return p;
    if (auto p = bloqueo(false, true)) return p;
    if (auto p = bloqueo(false, false)) return p;
    // Naked pairs.
    for (int h : kOrden) {
        int cs[9], pos[9], n = 0;
        for (int k = 0; k < 9; ++k) {
            const int i = casas[h][k];
            if (e.v[i] == 0 && Cuenta(e.c[i]) == 2) { cs[n] = i; pos[n++] = k; }
        }
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b) {
                const Mascara u = static_cast<Mascara>(e.c[cs[a]] | e.c[cs[b]]);
                if (Cuenta(u) != 2) continue;
                // Nothing to exclude unless one of the two digits has
                // another place in the house.
                const int d1 = std::countr_zero(u), d2 = 15 - std::countl_zero(u);
                if (!((lug[h][d1] | lug[h][d2]) & ~((1u << pos[a]) | (1u << pos[b])))) continue;
                Paso p = nuevo(Tecnica::ParDesnudo);
                for (int i : casas[h])
                    if (i != cs[a] && i != cs[b] && e.v[i] == 0)
                        for (int d = 1; d <= 9; ++d)
                            if ((u & Bit(d)) && (e.c[i] & Bit(d))) p.elimina.push_back({i, d});
                if (!p.elimina.empty()) return p;
            }
    }
    // X-Wing: by rows, then by columns.
    for (int filas = 1; filas >= 0; --filas) {
        const int b0 = filas ? 0 : 9, c0 = filas ? 9 : 0;
        for (int d = 1; d <= 9; ++d) {
            int bs[9], n = 0;
            for (int b = b0; b < b0 + 9; ++b)
                if (Cuenta(lug[b][d]) == 2) bs[n++] = b;
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b) {
                    const std::uint16_t u = lug[bs[a]][d] | lug[bs[b]][d];
                    if (Cuenta(u) != 2) continue;
                    const unsigned dentro = (1u << (bs[a] - b0)) | (1u << (bs[b] - b0));
                    Paso p = nuevo(Tecnica::XWing);
                    for (int q = 0; q < 9; ++q) {
                        if (!((u >> q) & 1)) continue;
                        const int c = c0 + q;
                        for (int r = 0; r < 9; ++r)
                            if (((lug[c][d] >> r) & 1) && !((dentro >> r) & 1)) p.elimina.push_back({casas[c][r], d});
                    }
                    if (p.elimina.empty()) continue;
                    std::sort(p.elimina.begin(), p.elimina.end(), [](auto x, auto y) { return x.celda < y.celda; });
                    return p;
                }
        }
    }
    return oculto(2, false);
}

std::optional<Paso> ForzadasSolas(const Estado& e, int nivel) {
    if (nivel < -1 || nivel > 3) return std::nullopt;
    return Forzadas(e, nivel, nullptr, false);
}

bool BasicoPosibleTras(const Estado& antes, const Estado& ahora) {
    if (BasicoPosible(antes)) return BasicoPosible(ahora);
    std::array<Mascara, 27> sucias{};
    for (int x = 0; x < 81; ++x) {
        Mascara cambian = static_cast<Mascara>(antes.c[x] & ~ahora.c[x]);
        if (ahora.v[x] != antes.v[x] && ahora.v[x] >= 1 && ahora.v[x] <= 9) cambian |= Bit(ahora.v[x]);
        for (int h : T().de[x]) sucias[h] |= cambian;
    }
    return BasicoPosible(ahora, LugaresEnCasas(ahora), &sucias);
}

bool SinglesSostienen(const Estado& e, int celda, int cifra) {
    if (celda < 0 || celda > 80 || cifra < 1 || cifra > 9 || e.v[celda] || !(e.c[celda] & Bit(cifra))) return false;
    return SinglesSostienen(Planos::Desde(e), celda, cifra, false);
}

bool SinglesSostienenDeNuevo(const Estado& antes, const Estado& ahora, int celda, int cifra) {
    if (celda < 0 || celda > 80 || cifra < 1 || cifra > 9 || ahora.v[celda] || !(ahora.c[celda] & Bit(cifra)) ||
        antes.v[celda] || !(antes.c[celda] & Bit(cifra)))
        return false;
    Planos cierre;
    // What breaks the fuller board breaks the other too.
    if (!SinglesSostienen(Planos::Desde(antes), celda, cifra, false, &cierre)) return false;
    return SinglesDeNuevo(cierre, Planos::Desde(ahora), nullptr);
}

std::optional<Paso> Cadenas(const Estado& e, int hasta) {
    auto p = UnaCadena(e);
    // A W-Wing is an alternating chain of six nodes: it takes the place of a
    // chain as long or longer.
    if (!p || p->dificultad >= 7.0)
        if (auto w = WWing(e)) return w;
    if (p) return p;
    std::vector<Red> previas;
    std::optional<Paso> paso;
    for (int nivel = -1; nivel <= hasta && !paso; ++nivel) paso = Forzadas(e, nivel, &previas, true);
    // The boards go back to the thread's store for the next step.
    if (previas.capacity() > AlmacenDelHilo().on.capacity()) AlmacenDelHilo().on = std::move(previas);
    return paso;
}

}  // namespace novenario::logica::motor
