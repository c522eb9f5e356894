// Continuous loops: a closed chain of candidates, joined in turn by strong
// links (one of the two ends is true: a cell with two candidates, or a digit
// with two places in a house) and weak links (the two ends are not both
// true: two digits of a cell, or one digit in two cells that see each
// other).
//
// Suppose the first candidate false: the strong link makes the next true,
// the weak link the one after false, and so round the loop back to the
// first, false again. Suppose it true: the same, the other way round. Either
// way, at each weak link exactly one of the two ends is true. So a weak link
// inside a cell leaves the cell no other candidate, and a weak link of a
// digit between two cells takes that digit from every cell that sees both.
//
// The loop of one digit is the bidirectional X-cycle, the loop of cells
// with two candidates (strong links inside the cells, weak links between
// them) the Y-cycle, any other the bidirectional cycle of alternating
// inference.
#include <algorithm>
#include <bit>

#include "logica/motor.h"

namespace novenario::logica::motor {

namespace {

constexpr int kCand = 729;
int Cand(int celda, int cifra) { return celda * 9 + cifra - 1; }
int CeldaDe(int k) { return k / 9; }
int CifraDe(int k) { return k % 9 + 1; }

struct Lazo {
    std::vector<int> nodos;  // strong link from 0 to 1, weak from 1 to 2, ...
    std::vector<Digito> elimina;
    Tecnica tecnica = Tecnica::CicloBidireccional;
    std::string nombre;
    double dificultad = 0.0;
};

// The links a search follows: of one digit only (X), strong inside cells and
// weak between them (Y), or any.
enum class Modo { X, Y, Todos };

class Buscador {
public:
    Buscador(const Estado& e, Modo modo) : e_(e), modo_(modo) {
        cola_.reserve(2 * kCand);
        for (int h = 0; h < 27; ++h)
            for (int d = 1; d <= 9; ++d) lugares_[h][d] = static_cast<int>(e.Lugares(h, d).count());
    }

    // The shortest loop through candidate s with something to exclude.
    std::optional<Lazo> Desde(int s) {
        // Nodes: candidate k false is k, true is kCand + k.
        // Only the nodes the last search reached have a parent to clear.
        for (const int n : cola_) {
            padre_[n] = -2;
            largo_[n] = 0;
        }
        // Each node enters the queue once at most.
        cola_.clear();
        padre_[s] = -1;
        largo_[s] = 1;
        cola_.push_back(s);
        for (std::size_t cabeza = 0; cabeza < cola_.size(); ++cabeza) {
            const int n = cola_[cabeza];
            const int k = n % kCand;
            if (n < kCand) {
                Fuertes(k, [&](int f) { Llega(kCand + f, n); });
            } else {
                std::optional<Lazo> lazo;
                Debiles(k, [&](int w) {
                    if (lazo) return;
                    if (w != s) Llega(w, n);
                    else if (largo_[n] >= 4) lazo = Cierra(n);
                });
                if (lazo) return lazo;
            }
        }
        return std::nullopt;
    }

private:
    void Llega(int n, int desde) {
        if (padre_[n] != -2) return;
        padre_[n] = static_cast<std::int16_t>(desde);
        largo_[n] = largo_[desde] + 1;
        cola_.push_back(n);
    }

    // The candidates joined to k by a strong link, given one by one to f.
    template <class F>
    void Fuertes(int k, F&& f) const {
        const int x = CeldaDe(k), d = CifraDe(k);
        if (Cuenta(e_.c[x]) == 2 && modo_ != Modo::X) f(Cand(x, std::countr_zero(static_cast<Mascara>(e_.c[x] & ~Bit(d)))));
        for (int h : T().de[x]) {
            if (lugares_[h][d] != 2 || modo_ == Modo::Y) continue;
            for (int i : T().casas[h])
                if (i != x && (e_.c[i] & Bit(d))) f(Cand(i, d));
        }
    }

    // The candidates joined to k by a weak link.
    template <class F>
    void Debiles(int k, F&& f) const {
        const int x = CeldaDe(k), d = CifraDe(k);
        if (modo_ == Modo::Todos)
            for (int o = 1; o <= 9; ++o)
                if (o != d && (e_.c[x] & Bit(o))) f(Cand(x, o));
        for (int p : T().vecinos[x])
            if (e_.c[p] & Bit(d)) f(Cand(p, d));
    }

    // The loop that ends at node n (a candidate true) and closes on the start.
    std::optional<Lazo> Cierra(int n) const {
        Lazo l;
        for (int m = n; m >= 0; m = padre_[m]) l.nodos.push_back(m % kCand);
        std::reverse(l.nodos.begin(), l.nodos.end());
        const int L = static_cast<int>(l.nodos.size());
        // Every candidate once; a cell twice at most, and then side by side.
        for (int a = 0; a < L; ++a)
            for (int b = a + 1; b < L; ++b) {
                if (l.nodos[a] == l.nodos[b]) return std::nullopt;
                if (CeldaDe(l.nodos[a]) == CeldaDe(l.nodos[b]) && b != a + 1 && !(a == 0 && b == L - 1))
                    return std::nullopt;
            }
        for (int a = 0; a < L; ++a) {
            const int c0 = CeldaDe(l.nodos[a]);
            int veces = 0;
            for (int b = 0; b < L; ++b) veces += CeldaDe(l.nodos[b]) == c0;
            if (veces > 2) return std::nullopt;
        }
        auto pon = [&](int celda, int cifra) {
            const Digito x{celda, cifra};
            if (std::find(l.elimina.begin(), l.elimina.end(), x) == l.elimina.end()) l.elimina.push_back(x);
        };
        bool x = true, y = true;
        for (int j = 0; j < L; ++j) {
            const int a = l.nodos[j], b = l.nodos[(j + 1) % L];
            const bool misma = CeldaDe(a) == CeldaDe(b);
            if (CifraDe(a) != CifraDe(b)) x = false;
            if (j % 2 == 0) {  // strong
                if (!misma) y = false;
                continue;
            }
            if (misma) {
                y = false;
                const int c = CeldaDe(a);
                for (int o = 1; o <= 9; ++o)
                    if (o != CifraDe(a) && o != CifraDe(b) && (e_.c[c] & Bit(o))) pon(c, o);
            } else {
                const int d = CifraDe(a);
                for (int i = 0; i < 81; ++i)
                    if (i != CeldaDe(a) && i != CeldaDe(b) && (e_.c[i] & Bit(d)) && T().ve[i].test(CeldaDe(a)) &&
                        T().ve[i].test(CeldaDe(b)))
                        pon(i, d);
            }
        }
        if (l.elimina.empty()) return std::nullopt;
        std::sort(l.elimina.begin(), l.elimina.end(),
                  [](const Digito& p, const Digito& q) { return p.celda != q.celda ? p.celda < q.celda : p.cifra < q.cifra; });
        const double base = x ? 6.5 : y ? 6.6 : 7.0;
        l.dificultad = Redondea(base + PorLongitud(L));
        l.tecnica = y ? Tecnica::CicloY : Tecnica::CicloBidireccional;
        l.nombre = x ? "Ciclo X bidireccional" : y ? "Ciclo Y bidireccional" : "Ciclo bidireccional";
        return l;
    }

    const Estado& e_;
    Modo modo_;
    std::array<std::array<int, 10>, 27> lugares_{};
    std::array<std::int16_t, 2 * kCand> padre_ = [] {
        std::array<std::int16_t, 2 * kCand> a;
        a.fill(-2);
        return a;
    }();
    std::array<int, 2 * kCand> largo_{};
    std::vector<int> cola_;
};

std::string EnLa(int h) {
    const Casa c = CasaDe(h);
    return (c.tipo == Casa::Tipo::Bloque ? "el " : "la ") + NombreCasa(c);
}

// How a link is said: strong ("uno de los dos es cierto") or weak.
std::string Enlace(const Estado& e, int a, int b, bool fuerte) {
    const int x = CeldaDe(a), y = CeldaDe(b);
    const std::string da = std::to_string(CifraDe(a)), db = std::to_string(CifraDe(b));
    if (x == y) {
        if (fuerte) return "la " + Celda(x) + " solo admite el " + da + " y el " + db;
        return "la " + Celda(x) + " no puede ser " + da + " y " + db + " a la vez";
    }
    if (fuerte) {
        for (int h : T().de[x])
            if (T().en[h].test(y) && e.Lugares(h, CifraDe(a)).count() == 2)
                return "en " + EnLa(h) + " el " + da + " solo va en la " + Celda(x) + " o en la " + Celda(y);
    }
    return "la " + Celda(x) + " y la " + Celda(y) + " se ven y no pueden llevar las dos el " + da;
}

}  // namespace

std::optional<Paso> Lazos(const Estado& e) {
    // The shortest loop through a candidate may be a mixed one where a
    // longer loop of one kind rates lower: each kind is sought on its own.
    std::optional<Lazo> mejor;
    for (Modo modo : {Modo::X, Modo::Y, Modo::Todos}) {
        Buscador b(e, modo);
        for (int k = 0; k < kCand; ++k) {
            if (e.v[CeldaDe(k)] || !(e.c[CeldaDe(k)] & Bit(CifraDe(k)))) continue;
            auto l = b.Desde(k);
            // A loop so long it would rate as a forcing chain is left to those.
            if (l && l->dificultad < 8.0 && (!mejor || l->dificultad < mejor->dificultad)) mejor = std::move(l);
        }
    }
    if (!mejor) return std::nullopt;
    const Lazo& l = *mejor;
    Paso p = Nuevo(l.tecnica, l.nombre, l.dificultad);
    p.elimina = l.elimina;
    const int L = static_cast<int>(l.nodos.size());
    std::string enlaces;
    for (int j = 0; j < L; ++j) {
        const int c = CeldaDe(l.nodos[j]);
        if (std::find(p.celdas.begin(), p.celdas.end(), c) == p.celdas.end()) p.celdas.push_back(c);
        enlaces += (j == 0 ? "" : j + 1 == L ? "; y " : "; ") + Enlace(e, l.nodos[j], l.nodos[(j + 1) % L], j % 2 == 0);
    }
    p.resumen = l.nombre + " por la " + Celda(CeldaDe(l.nodos[0]));
    p.texto = "Un ciclo cerrado de " + std::to_string(L) + " candidatos: " + enlaces +
              ". Si el " + std::to_string(CifraDe(l.nodos[0])) + " de la " + Celda(CeldaDe(l.nodos[0])) +
              " no fuera cierto, el ciclo daría la vuelta haciendo cierto uno sí y otro no; si lo fuera, lo mismo en "
              "el otro sentido. En los dos casos, de cada par de candidatos que no pueden ser ciertos a la vez, uno "
              "lo es. Se descarta " + ListaEliminaciones(l.elimina) + ".";
    return p;
}

}  // namespace novenario::logica::motor
