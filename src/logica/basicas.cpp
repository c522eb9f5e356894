// The techniques before the chains: singles, locked candidates, subsets,
// fish, the short patterns of strong links, the wings, and the uniqueness
// techniques. Each answers the first step it finds.
#include <algorithm>
#include <bit>
#include <functional>
#include <span>

#include "logica/motor.h"

namespace novenario::logica::motor {

// The places of each digit in each house, as positions 0..8 in the house.
using Lugares9 = std::array<std::array<std::uint16_t, 10>, 27>;
Lugares9 LugaresEnCasas(const Estado& e);

namespace {

// The order in which a person scans the houses: blocks, rows, columns.
constexpr std::array<int, 27> kOrden = {18, 19, 20, 21, 22, 23, 24, 25, 26, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                                        9, 10, 11, 12, 13, 14, 15, 16, 17};

std::string EnLa(int h) {
    const Casa c = CasaDe(h);
    return (c.tipo == Casa::Tipo::Bloque ? "el " : "la ") + NombreCasa(c);
}
std::string DeLa(int h) {
    const Casa c = CasaDe(h);
    return (c.tipo == Casa::Tipo::Bloque ? "del " : "de la ") + NombreCasa(c);
}

Paso Coloca(Tecnica t, std::string nombre, double dif, int celda, int cifra) {
    Paso p = Nuevo(t, std::move(nombre), dif);
    p.coloca = {{celda, cifra}};
    p.celdas = {celda};
    return p;
}

std::optional<Paso> UltimaCasilla(const Estado& e) {
    for (int h : kOrden) {
        int vacia = -1, n = 0;
        for (int i : T().casas[h])
            if (e.v[i] == 0) { vacia = i; ++n; }
        if (n != 1 || Cuenta(e.c[vacia]) != 1) continue;
        const int d = std::countr_zero(e.c[vacia]);
        Paso p = Coloca(Tecnica::UltimaCasilla, "Última casilla", 1.0, vacia, d);
        p.casas = {CasaDe(h)};
        p.resumen = "Última casilla de " + EnLa(h);
        p.texto = "La " + Celda(vacia) + " es la única casilla vacía de " + EnLa(h) + ": lleva la cifra que falta, el " +
                  std::to_string(d) + ".";
        return p;
    }
    return std::nullopt;
}

std::optional<Paso> UnicoLugar(const Estado& e, bool bloques, const Lugares9& lug) {
    for (int h : kOrden) {
        if ((h >= 18) != bloques) continue;
        for (int d = 1; d <= 9; ++d) {
            if (Cuenta(lug[h][d]) != 1) continue;
            const Celdas s = e.Lugares(h, d);
            const int i = Lista(s)[0];
            Paso p = Coloca(bloques ? Tecnica::UnicoLugarBloque : Tecnica::UnicoLugarLinea, "Único lugar",
                            bloques ? 1.2 : 1.5, i, d);
            p.casas = {CasaDe(h)};
            p.resumen = "Único lugar en " + EnLa(h);
            p.texto = "En " + EnLa(h) + " el " + std::to_string(d) + " solo cabe en la " + Celda(i) +
                      ": en las demás casillas vacías lo impide su fila, su columna o su bloque.";
            return p;
        }
    }
    return std::nullopt;
}

std::optional<Paso> UnicoCandidato(const Estado& e) {
    for (int i = 0; i < 81; ++i) {
        if (e.v[i] || Cuenta(e.c[i]) != 1) continue;
        const int d = std::countr_zero(e.c[i]);
        Paso p = Coloca(Tecnica::UnicoCandidato, "Único candidato", 2.3, i, d);
        for (int h : T().de[i]) p.casas.push_back(CasaDe(h));
        p.resumen = "Único candidato en la " + Celda(i);
        p.texto = "En la " + Celda(i) + " solo cabe el " + std::to_string(d) +
                  ": las demás cifras ya están en su fila, su columna o su bloque.";
        return p;
    }
    return std::nullopt;
}

// After the candidates elimina are excluded, a block where the digit has one
// place left (that it had more before): the single a direct technique gives.
// The scale counts as direct only a single in a block.
std::optional<std::pair<int, int>> SingleTras(const Estado& e, const std::vector<Digito>& elimina, int d) {
    Estado tras = e;
    for (const auto& x : elimina) tras.c[x.celda] &= static_cast<Mascara>(~Bit(x.cifra));
    for (int h : kOrden) {
        if (h < 18) continue;
        bool toca = false;
        for (const auto& x : elimina)
            if (x.cifra == d && T().en[h].test(x.celda)) toca = true;
        if (!toca) continue;
        const Celdas s = tras.Lugares(h, d);
        if (s.count() == 1) return std::make_pair(h, Lista(s)[0]);
    }
    return std::nullopt;
}

// Locked candidates: in a block the digit lies in one line (pointing), or in
// a line it lies in one block (claiming). With directo, only those whose
// exclusions leave the digit one place in a house, and the step places it.
std::optional<Paso> Bloqueo(const Estado& e, bool directo, bool apuntado, const Lugares9& lug) {
    for (int base : kOrden) {
        if ((base >= 18) != apuntado) continue;
        for (int d = 1; d <= 9; ++d) {
            if (Cuenta(lug[base][d]) < 2) continue;
            const Celdas s = e.Lugares(base, d);
            // The other house holding all its places.
            int otra = -1;
            for (int h = 0; h < 27; ++h) {
                if (h == base || (apuntado ? h >= 18 : h < 18)) continue;
                if ((s & ~T().en[h]).none()) { otra = h; break; }
            }
            if (otra < 0) continue;
            const Celdas fuera = e.Lugares(otra, d) & ~T().en[base];
            if (fuera.none()) continue;
            Paso p;
            std::vector<Digito> elimina;
            for (int i : Lista(fuera)) elimina.push_back({i, d});
            std::string causa = "En " + EnLa(base) + " el " + std::to_string(d) + " solo puede ir en " +
                                ListaCeldas(Lista(s)) + ", todas " + DeLa(otra) + ". Por tanto, en el resto " +
                                DeLa(otra) + " no puede ir el " + std::to_string(d) + ": se descarta " +
                                ListaEliminaciones(elimina) + ".";
            if (directo) {
                auto single = SingleTras(e, elimina, d);
                if (!single) continue;
                p = Coloca(Tecnica::BloqueoDirecto, apuntado ? "Apuntado directo" : "Reclamo directo",
                           apuntado ? 1.7 : 1.9, single->second, d);
                p.elimina = elimina;
                p.casas = {CasaDe(base), CasaDe(otra), CasaDe(single->first)};
                p.resumen = (apuntado ? "Apuntado directo en " : "Reclamo directo en ") + EnLa(base);
                p.texto = causa + " Así, en " + EnLa(single->first) + " el " + std::to_string(d) +
                          " solo cabe ya en la " + Celda(single->second) + ".";
            } else {
                p = Nuevo(apuntado ? Tecnica::Apuntado : Tecnica::Reclamo, apuntado ? "Apuntado" : "Reclamo",
                          apuntado ? 2.6 : 2.8);
                p.elimina = elimina;
                p.casas = {CasaDe(base), CasaDe(otra)};
                p.resumen = (apuntado ? "Apuntado en " : "Reclamo en ") + EnLa(base);
                p.texto = causa;
            }
            for (int i : Lista(s)) p.celdas.push_back(i);
            return p;
        }
    }
    return std::nullopt;
}

// Every choice of k of the n items, in order; f answers true to stop.
bool Combinaciones(int n, int k, const std::function<bool(const std::vector<int>&)>& f) {
    std::vector<int> idx(k);
    for (int i = 0; i < k; ++i) idx[i] = i;
    if (k > n) return false;
    while (true) {
        if (f(idx)) return true;
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return false;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
}

const char* kSubconjunto[2][5] = {{"", "", "Pareja desnuda", "Trío desnudo", "Cuarteto desnudo"},
                                  {"", "", "Pareja oculta", "Trío oculto", "Cuarteto oculto"}};

std::optional<Paso> Desnudo(const Estado& e, int k) {
    static constexpr Tecnica kT[] = {Tecnica::ParDesnudo, Tecnica::ParDesnudo, Tecnica::ParDesnudo,
                                     Tecnica::TrioDesnudo, Tecnica::CuartetoDesnudo};
    static constexpr double kD[] = {0, 0, 3.0, 3.6, 5.0};
    std::optional<Paso> r;
    for (int h : kOrden) {
        std::vector<int> celdas;
        for (int i : T().casas[h])
            if (e.v[i] == 0 && Cuenta(e.c[i]) >= 2 && Cuenta(e.c[i]) <= k) celdas.push_back(i);
        Combinaciones(static_cast<int>(celdas.size()), k, [&](const std::vector<int>& idx) {
            Mascara u = 0;
            Celdas dentro;
            for (int j : idx) { u |= e.c[celdas[j]]; dentro.set(celdas[j]); }
            if (Cuenta(u) != k) return false;
            std::vector<Digito> elimina;
            for (int i : T().casas[h])
                if (!dentro.test(i) && e.v[i] == 0)
                    for (int d = 1; d <= 9; ++d)
                        if ((u & Bit(d)) && (e.c[i] & Bit(d))) elimina.push_back({i, d});
            if (elimina.empty()) return false;
            Paso p = Nuevo(kT[k], kSubconjunto[0][k], kD[k]);
            p.elimina = elimina;
            p.celdas = Lista(dentro);
            p.casas = {CasaDe(h)};
            p.resumen = std::string(kSubconjunto[0][k]) + " en " + EnLa(h);
            p.texto = "En " + EnLa(h) + ", las casillas " + ListaCeldas(p.celdas) + " solo admiten entre todas las cifras " +
                      Cifras(u) + ": esas cifras irán en ellas, en algún orden. Por eso no pueden ir en otra casilla " +
                      DeLa(h) + ": se descarta " + ListaEliminaciones(elimina) + ".";
            r = p;
            return true;
        });
        if (r) return r;
    }
    return std::nullopt;
}

// A hidden subset: k digits that in a house fit only in k cells. With
// directo, only one whose exclusions leave another digit one place in the
// house, and the step places it.
std::optional<Paso> Oculto(const Estado& e, int k, bool directo) {
    static constexpr Tecnica kT[] = {Tecnica::ParOculto, Tecnica::ParOculto, Tecnica::ParOculto,
                                     Tecnica::TrioOculto, Tecnica::CuartetoOculto};
    static constexpr double kD[] = {0, 0, 3.4, 4.0, 5.4};
    std::optional<Paso> r;
    for (int h : kOrden) {
        std::array<Celdas, 10> lugares;
        std::vector<int> cifras;
        for (int d = 1; d <= 9; ++d) {
            lugares[d] = e.Lugares(h, d);
            const auto n = lugares[d].count();
            if (n >= 2 && n <= static_cast<std::size_t>(k)) cifras.push_back(d);
        }
        Combinaciones(static_cast<int>(cifras.size()), k, [&](const std::vector<int>& idx) {
            Celdas u;
            Mascara m = 0;
            for (int j : idx) { u |= lugares[cifras[j]]; m |= Bit(cifras[j]); }
            if (u.count() != static_cast<std::size_t>(k)) return false;
            std::vector<Digito> elimina;
            for (int i : Lista(u))
                for (int d = 1; d <= 9; ++d)
                    if (!(m & Bit(d)) && (e.c[i] & Bit(d))) elimina.push_back({i, d});
            if (elimina.empty()) return false;
            const std::string causa = "En " + EnLa(h) + " las cifras " + Cifras(m) + " solo caben en " + ListaCeldas(Lista(u)) +
                                      ": esas casillas serán para ellas, y ninguna otra cifra puede ir en ellas. Se descarta " +
                                      ListaEliminaciones(elimina) + ".";
            Paso p;
            if (directo) {
                // Another digit left with one place in the house.
                int celda = -1, cifra = 0;
                for (int d = 1; d <= 9 && celda < 0; ++d) {
                    if (m & Bit(d)) continue;
                    const Celdas antes = lugares[d];
                    const Celdas tras = antes & ~u;
                    if ((antes & u).any() && tras.count() == 1) { celda = Lista(tras)[0]; cifra = d; }
                }
                if (celda < 0) return false;
                p = Coloca(k == 2 ? Tecnica::ParOcultoDirecto : Tecnica::TrioOcultoDirecto,
                           k == 2 ? "Pareja oculta directa" : "Trío oculto directo", k == 2 ? 2.0 : 2.5, celda, cifra);
                p.elimina = elimina;
                p.resumen = p.nombre + " en " + EnLa(h);
                p.texto = causa + " Así, en " + EnLa(h) + " el " + std::to_string(cifra) + " solo cabe ya en la " +
                          Celda(celda) + ".";
            } else {
                p = Nuevo(kT[k], kSubconjunto[1][k], kD[k]);
                p.elimina = elimina;
                p.resumen = std::string(kSubconjunto[1][k]) + " en " + EnLa(h);
                p.texto = causa;
            }
            p.casas = {CasaDe(h)};
            for (int i : Lista(u)) p.celdas.push_back(i);
            r = p;
            return true;
        });
        if (r) return r;
    }
    return std::nullopt;
}

// Fish: in k rows a digit fits only in k columns (or the other way round);
// then those columns hold it in those rows, nowhere else.
std::optional<Paso> Pez(const Estado& e, int k) {
    static constexpr Tecnica kT[] = {Tecnica::XWing, Tecnica::XWing, Tecnica::XWing, Tecnica::Swordfish,
                                     Tecnica::Jellyfish};
    static constexpr const char* kN[] = {"", "", "X-Wing", "Swordfish", "Jellyfish"};
    static constexpr double kD[] = {0, 0, 3.2, 3.8, 5.2};
    std::optional<Paso> r;
    for (int filas = 1; filas >= 0; --filas) {
        const int b0 = filas ? 0 : 9, c0 = filas ? 9 : 0;
        for (int d = 1; d <= 9; ++d) {
            // The places of the digit in every line, once.
            std::array<Celdas, 18> lugares;
            for (int l = 0; l < 18; ++l) lugares[l] = e.Lugares(l, d);
            std::vector<int> bases;
            for (int b = b0; b < b0 + 9; ++b) {
                const auto n = lugares[b].count();
                if (n >= 2 && n <= static_cast<std::size_t>(k)) bases.push_back(b);
            }
            Combinaciones(static_cast<int>(bases.size()), k, [&](const std::vector<int>& idx) {
                Celdas u, dentro;
                for (int j : idx) { u |= lugares[bases[j]]; dentro |= T().en[bases[j]]; }
                std::vector<int> cubre;
                for (int c = c0; c < c0 + 9; ++c)
                    if ((u & T().en[c]).any()) cubre.push_back(c);
                if (cubre.size() != static_cast<std::size_t>(k)) return false;
                std::vector<Digito> elimina;
                for (int c : cubre)
                    for (int i : Lista(lugares[c] & ~dentro)) elimina.push_back({i, d});
                if (elimina.empty()) return false;
                std::sort(elimina.begin(), elimina.end(), [](auto a, auto b) { return a.celda < b.celda; });
                Paso p = Nuevo(kT[k], kN[k], kD[k]);
                p.elimina = elimina;
                p.celdas = Lista(u);
                std::string bs, cs;
                for (int j : idx) { p.casas.push_back(CasaDe(bases[j])); bs += (bs.empty() ? "" : ", ") + std::to_string(bases[j] % 9 + 1); }
                for (int c : cubre) { p.casas.push_back(CasaDe(c)); cs += (cs.empty() ? "" : ", ") + std::to_string(c % 9 + 1); }
                const std::string lb = filas ? "filas " : "columnas ", lc = filas ? "columnas " : "filas ";
                p.resumen = std::string(kN[k]) + " del " + std::to_string(d) + " en las " + lb + bs;
                p.texto = "En las " + lb + bs + " el " + std::to_string(d) + " solo cabe en las " + lc + cs +
                          ". Cada una de esas " + lb + "lo lleva en una de esas " + lc +
                          "distinta, así que esas " + lc + "ya lo tienen en esas " + lb + ": se descarta " +
                          ListaEliminaciones(elimina) + ".";
                r = p;
                return true;
            });
            if (r) return r;
        }
    }
    return std::nullopt;
}

bool Ve(int a, int b) { return a != b && T().ve[a].test(b); }

// Cells that see every cell of a.
Celdas VistasDe(const Celdas& a) {
    Celdas r;
    r.set();
    for (std::size_t i = a._Find_first(); i < a.size(); i = a._Find_next(i)) r &= T().ve[i];
    return r;
}

// A strong link of a digit: in a house it fits only in the cells of two
// nodes, a cell each, or a group (the cells where the house meets another).
struct Enlace {
    Celdas a, b;
    int h;
    bool grupo;
    Celdas va, vb;  // the cells that see every cell of a, of b
};

std::vector<Enlace> Enlaces(const Estado& e, int d) {
    std::vector<Enlace> r;
    for (int h = 0; h < 27; ++h) {
        const Celdas s = e.Lugares(h, d);
        if (s.count() < 2) continue;
        // The ways to split the places in two: by the houses of another kind
        // that hold them (blocks for a line; rows, then columns for a block).
        static constexpr std::pair<int, int> kLinea[] = {{18, 27}}, kBloque[] = {{0, 9}, {9, 18}};
        for (auto [desde, hasta] : h < 18 ? std::span<const std::pair<int, int>>(kLinea) : std::span<const std::pair<int, int>>(kBloque)) {
            Celdas partes[2];
            int n = 0;
            for (int o = desde; o < hasta && n <= 2; ++o)
                if ((s & T().en[o]).any()) {
                    if (n < 2) partes[n] = s & T().en[o];
                    ++n;
                }
            if (n != 2) continue;
            Enlace x{partes[0], partes[1], h, partes[0].count() > 1 || partes[1].count() > 1,
                     VistasDe(partes[0]), VistasDe(partes[1])};
            bool repetido = false;
            for (const auto& y : r)
                if ((y.a == x.a && y.b == x.b) || (y.a == x.b && y.b == x.a)) repetido = true;
            if (!repetido) r.push_back(x);
        }
    }
    return r;
}

// Strong links of a digit, n of them in a row, each joined to the next by a
// weak link (its end and the next one's start cannot both hold the digit):
// one of the two far ends holds it, so a cell that sees both cannot. With
// two links: a skyscraper when they are in parallel lines, a two-string kite
// for a row and a column, a turbot fish when a block holds one; a group in a
// node makes any of them grouped.
// The strong links of each digit of a board, listed when first asked for:
// the patterns of two and of three links read the same lists.
class EnlacesDe {
public:
    explicit EnlacesDe(const Estado& e) : e_(e) {}
    const std::vector<Enlace>& operator()(int d) {
        Hace(d);
        return lista_[d];
    }
    // The links that may follow link j taken one way (o, 0 or 1), as
    // 2 * link + way, in the order a search tries them: those whose start
    // every cell of j's end sees.
    const std::vector<int>& Siguientes(int d, int j, int o) {
        Hace(d);
        return siguientes_[d][2 * j + o];
    }

private:
    void Hace(int d) {
        if (hechos_[d]) return;
        hechos_[d] = true;
        lista_[d] = Enlaces(e_, d);
        const auto& l = lista_[d];
        auto& s = siguientes_[d];
        s.assign(2 * l.size(), {});
        for (std::size_t j = 0; j < l.size(); ++j)
            for (int o = 0; o < 2; ++o) {
                const Celdas vfin = o ? l[j].va : l[j].vb;
                for (std::size_t k = 0; k < l.size(); ++k)
                    for (int p = 0; p < 2; ++p)
                        if (((p ? l[k].b : l[k].a) & ~vfin).none()) s[2 * j + o].push_back(static_cast<int>(2 * k + p));
            }
    }

    const Estado& e_;
    std::array<std::vector<Enlace>, 10> lista_;
    std::array<std::vector<std::vector<int>>, 10> siguientes_;
    std::array<bool, 10> hechos_{};
};

// Two rows, or two columns.
bool Paralelas(int h1, int h2) { return (h1 < 9 && h2 < 9) || (h1 >= 9 && h1 < 18 && h2 >= 9 && h2 < 18); }

std::optional<Paso> EnlacesFuertes(const Estado& e, int n, bool agrupados, int paralelos, EnlacesDe& enlacesDe) {
    for (int d = 1; d <= 9; ++d) {
        const auto& enlaces = enlacesDe(d);
        // The cells that still admit the digit: a chain excludes only there.
        Celdas conD;
        for (int i = 0; i < 81; ++i)
            if (e.c[i] & Bit(d)) conD.set(i);
        std::vector<int> usados;
        std::vector<bool> al_reves;
        std::optional<Paso> r;
        // Whether the link j may come next: a chain of the wrong kind (with a
        // group or without one, in parallel lines or not) is never kept, so
        // it is not followed.
        auto cabe = [&](std::size_t j) {
            const Enlace& x = enlaces[j];
            if (!agrupados) {
                if (x.grupo) return false;
                if (n == 2 && usados.size() == 1) {
                    const int h1 = enlaces[usados[0]].h, h2 = x.h;
                    const bool par = Paralelas(h1, h2);
                    if (par != (paralelos == 1)) return false;
                }
            } else if (static_cast<int>(usados.size()) + 1 == n && !x.grupo) {
                bool hay_grupo = false;
                for (int u : usados) hay_grupo = hay_grupo || enlaces[u].grupo;
                if (!hay_grupo) return false;
            }
            return true;
        };
        const std::function<bool(Celdas)> sigue = [&](Celdas todos) -> bool {
            const int k = static_cast<int>(usados.size());
            const Enlace& ultimo = enlaces[usados.back()];
            const Celdas fin = al_reves.back() ? ultimo.a : ultimo.b;
            const Celdas vfin = al_reves.back() ? ultimo.va : ultimo.vb;
            if (k == n) {
                const Enlace& primero = enlaces[usados.front()];
                const Celdas ini = al_reves.front() ? primero.b : primero.a;
                bool hay_grupo = false;
                for (int u : usados) hay_grupo = hay_grupo || enlaces[u].grupo;
                if (hay_grupo != agrupados) return false;
                if (n == 2 && !agrupados) {
                    const int h1 = enlaces[usados[0]].h, h2 = enlaces[usados[1]].h;
                    const bool par = Paralelas(h1, h2);
                    if (par != (paralelos == 1)) return false;
                }
                const Celdas blanco = (al_reves.front() ? primero.vb : primero.va) & vfin & ~todos & conD;
                if (blanco.none()) return false;
                std::vector<Digito> elimina;
                for (int i : Lista(blanco)) elimina.push_back({i, d});
                Tecnica t = Tecnica::TresEnlaces;
                std::string nombre = agrupados ? "Tres enlaces fuertes agrupados" : "Tres enlaces fuertes";
                double dif = agrupados ? 5.7 : 5.4;
                if (n == 2) {
                    const int h1 = enlaces[usados[0]].h, h2 = enlaces[usados[1]].h;
                    if (paralelos == 1) { t = Tecnica::Rascacielos; nombre = "Rascacielos"; }
                    else if (h1 < 18 && h2 < 18) { t = Tecnica::Cometa; nombre = "Cometa"; }
                    else { t = Tecnica::PezTurbot; nombre = "Pez turbot"; }
                    if (agrupados) nombre += " agrupado";
                    dif = agrupados ? 4.3 : paralelos == 1 ? 4.0 : 4.1;
                }
                Paso p = Nuevo(t, nombre, dif);
                p.elimina = elimina;
                p.celdas = Lista(todos);
                const std::string D = std::to_string(d);
                std::string texto;
                auto nodo = [](const Celdas& c) {
                    const auto l = Lista(c);
                    return l.size() == 1 ? "la " + Celda(l[0]) : "alguna de " + ListaCeldas(l);
                };
                for (int j = 0; j < k; ++j) {
                    const Enlace& x = enlaces[usados[j]];
                    const Celdas i1 = al_reves[j] ? x.b : x.a, i2 = al_reves[j] ? x.a : x.b;
                    p.casas.push_back(CasaDe(x.h));
                    texto += (j ? "; en " : "En ") + EnLa(x.h) + " el " + D + " va en " + nodo(i1) + " o en " + nodo(i2);
                }
                texto += ". Cada enlace acaba donde el siguiente no puede llevarlo a la vez, así que el " + D +
                         " está en " + nodo(ini) + " o en " + nodo(fin) + ". Se descarta " +
                         ListaEliminaciones(elimina) + ".";
                p.resumen = nombre + " del " + D;
                p.texto = texto;
                r = p;
                return true;
            }
            // The links whose start every cell of the end so far sees.
            for (const int jo : enlacesDe.Siguientes(d, usados.back(), al_reves.back() ? 1 : 0)) {
                const int j = jo / 2, o = jo % 2;
                if (std::find(usados.begin(), usados.end(), j) != usados.end() || !cabe(j)) continue;
                const Celdas a = o ? enlaces[j].b : enlaces[j].a, b = o ? enlaces[j].a : enlaces[j].b;
                if (((a | b) & todos).any()) continue;
                usados.push_back(j);
                al_reves.push_back(o == 1);
                if (sigue(todos | a | b)) return true;
                usados.pop_back();
                al_reves.pop_back();
            }
            return false;
        };
        for (std::size_t j = 0; j < enlaces.size(); ++j)
            for (int o = 0; o < 2 && (agrupados || !enlaces[j].grupo); ++o) {
                usados = {static_cast<int>(j)};
                al_reves = {o == 1};
                if (sigue(enlaces[j].a | enlaces[j].b)) return r;
            }
    }
    return std::nullopt;
}

// XY-Wing: a cell with two candidates x y sees one with x z and one with y z;
// whichever the first holds, one of the others is z. XYZ-Wing: the first has
// x y z, and the cells seeing all three lose z.
std::optional<Paso> Ala(const Estado& e, bool xyz) {
    for (int pivote = 0; pivote < 81; ++pivote) {
        const Mascara mp = e.c[pivote];
        if (Cuenta(mp) != (xyz ? 3 : 2)) continue;
        for (int a : T().vecinos[pivote]) {
            if (Cuenta(e.c[a]) != 2) continue;
            for (int b : T().vecinos[pivote]) {
                if (b <= a || Cuenta(e.c[b]) != 2 || e.c[a] == e.c[b]) continue;
                const Mascara z = e.c[a] & e.c[b];
                if (Cuenta(z) != 1) continue;
                if (xyz) {
                    if ((e.c[a] | e.c[b]) != mp) continue;
                } else {
                    if ((mp & z) || ((e.c[a] | e.c[b]) & ~z) != mp) continue;
                }
                const int dz = std::countr_zero(z);
                std::vector<Digito> elimina;
                for (int i = 0; i < 81; ++i)
                    if (i != pivote && (e.c[i] & z) && Ve(i, a) && Ve(i, b) && (!xyz || Ve(i, pivote)))
                        elimina.push_back({i, dz});
                if (elimina.empty()) continue;
                Paso p = Nuevo(xyz ? Tecnica::XYZWing : Tecnica::XYWing, xyz ? "XYZ-Wing" : "XY-Wing", xyz ? 4.4 : 4.2);
                p.elimina = elimina;
                p.celdas = {pivote, a, b};
                p.resumen = p.nombre + " con eje en la " + Celda(pivote);
                const std::string Z = std::to_string(dz);
                p.texto = "La " + Celda(pivote) + " admite " + Cifras(mp) + "; ve a la " + Celda(a) + " (" +
                          Cifras(e.c[a]) + ") y a la " + Celda(b) + " (" + Cifras(e.c[b]) + "). Sea cual sea la cifra del eje, " +
                          (xyz ? "el " + Z + " va en una de las tres" : "una de las otras dos lleva el " + Z) +
                          ": se descarta " + ListaEliminaciones(elimina) + ".";
                return p;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

// W-Wing: two cells with the same two candidates x y that do not see each
// other, and a house where x fits only in cells that see one or the other:
// one of them is y.
std::optional<Paso> WWing(const Estado& e) {
    for (int a = 0; a < 81; ++a) {
        if (Cuenta(e.c[a]) != 2) continue;
        for (int b = a + 1; b < 81; ++b) {
            if (e.c[b] != e.c[a] || Ve(a, b)) continue;
            for (int pase = 0; pase < 2; ++pase) {
                const Mascara m = e.c[a];
                const int x = pase ? 31 - std::countl_zero(static_cast<unsigned>(m)) : std::countr_zero(m);
                const int y = std::countr_zero(static_cast<Mascara>(m & ~Bit(x)));
                for (int h = 0; h < 27; ++h) {
                    const Celdas s = e.Lugares(h, x);
                    if (s.count() != 2 || s.test(a) || s.test(b)) continue;
                    const auto l = Lista(s);
                    if (!((Ve(l[0], a) && Ve(l[1], b)) || (Ve(l[0], b) && Ve(l[1], a)))) continue;
                    std::vector<Digito> elimina;
                    for (int i = 0; i < 81; ++i)
                        if (i != a && i != b && (e.c[i] & Bit(y)) && Ve(i, a) && Ve(i, b)) elimina.push_back({i, y});
                    if (elimina.empty()) continue;
                    Paso p = Nuevo(Tecnica::WWing, "W-Wing", 7.0);
                    p.elimina = elimina;
                    p.celdas = {a, b, l[0], l[1]};
                    p.casas = {CasaDe(h)};
                    p.resumen = "W-Wing del " + Cifras(m);
                    p.texto = "La " + Celda(a) + " y la " + Celda(b) + " admiten solo " + Cifras(m) + ". En " + EnLa(h) +
                              " el " + std::to_string(x) + " va en la " + Celda(l[0]) + " o en la " + Celda(l[1]) +
                              ", y cada una ve a una de las dos: no pueden llevar las dos el " + std::to_string(x) +
                              ", así que una lleva el " + std::to_string(y) + ". Se descarta " +
                              ListaEliminaciones(elimina) + ".";
                    return p;
                }
            }
        }
    }
    return std::nullopt;
}

namespace {

// Unique rectangle: four cells in two rows, two columns and two blocks; if
// three hold just x y, the fourth cannot be x or y, or the two digits could
// be swapped and the puzzle would have two solutions.
std::optional<Paso> Rectangulo(const Estado& e) {
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const int q[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;  // two blocks exactly
                    for (int k = 0; k < 4; ++k) {
                        const Mascara m = e.c[q[(k + 1) % 4]];
                        if (Cuenta(m) != 2) continue;
                        bool vale = true;
                        for (int j = 0; j < 4; ++j)
                            if (j != k && e.c[q[j]] != m) vale = false;
                        if (!vale || (e.c[q[k]] & m) == 0 || e.c[q[k]] == m) continue;
                        std::vector<Digito> elimina;
                        for (int d = 1; d <= 9; ++d)
                            if (m & Bit(d)) elimina.push_back({q[k], d});
                        Paso p = Nuevo(Tecnica::RectanguloUnico, "Rectángulo único", 4.5);
                        p.elimina = elimina;
                        p.celdas = {q[0], q[1], q[2], q[3]};
                        p.resumen = "Rectángulo único del " + Cifras(m);
                        p.texto = "Tres esquinas del rectángulo " + ListaCeldas(p.celdas) + " admiten solo " + Cifras(m) +
                                  ". Si la cuarta, la " + Celda(q[k]) +
                                  ", también fuera una de ellas, las dos cifras podrían cambiarse de sitio y el sudoku "
                                  "tendría dos soluciones. Se descarta " + ListaEliminaciones(elimina) + ".";
                        return p;
                    }
                }
    return std::nullopt;
}

// BUG+1: every empty cell but one has two candidates; the one with three
// must hold the digit that would otherwise appear three times in its houses.
std::optional<Paso> Bug(const Estado& e) {
    int tres = -1;
    for (int i = 0; i < 81; ++i) {
        if (e.v[i]) continue;
        const int n = Cuenta(e.c[i]);
        if (n == 2) continue;
        if (n != 3 || tres >= 0) return std::nullopt;
        tres = i;
    }
    if (tres < 0) return std::nullopt;
    for (int d = 1; d <= 9; ++d) {
        if (!(e.c[tres] & Bit(d))) continue;
        bool todas = true;
        for (int h : T().de[tres])
            if (e.Lugares(h, d).count() != 3) todas = false;
        if (!todas) continue;
        Paso p = Coloca(Tecnica::Bug, "Tumba bivalor (BUG)", 5.6, tres, d);
        for (int h : T().de[tres]) p.casas.push_back(CasaDe(h));
        p.resumen = "Tumba bivalor en la " + Celda(tres);
        p.texto = "Todas las casillas vacías admiten dos cifras salvo la " + Celda(tres) + ", que admite " +
                  Cifras(e.c[tres]) + ". Sin el " + std::to_string(d) +
                  " en ella, cada cifra cabría dos veces en cada casa y el sudoku tendría dos soluciones: lleva el " +
                  std::to_string(d) + ".";
        return p;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Paso> Basico(const Estado& e, bool unica, double tope) {
    EnlacesDe enlaces(e);
    const Lugares9 lug = LugaresEnCasas(e);
    struct Tec {
        double dif;
        std::function<std::optional<Paso>()> f;
        bool unica = false;
    };
    const Tec tecnicas[] = {
        {1.0, [&] { return UltimaCasilla(e); }},
        {1.2, [&] { return UnicoLugar(e, true, lug); }},
        {1.5, [&] { return UnicoLugar(e, false, lug); }},
        {1.7, [&] { return Bloqueo(e, true, true, lug); }},
        {1.9, [&] { return Bloqueo(e, true, false, lug); }},
        {2.0, [&] { return Oculto(e, 2, true); }},
        {2.3, [&] { return UnicoCandidato(e); }},
        {2.5, [&] { return Oculto(e, 3, true); }},
        {2.6, [&] { return Bloqueo(e, false, true, lug); }},
        {2.8, [&] { return Bloqueo(e, false, false, lug); }},
        {3.0, [&] { return Desnudo(e, 2); }},
        {3.2, [&] { return Pez(e, 2); }},
        {3.4, [&] { return Oculto(e, 2, false); }},
        {3.6, [&] { return Desnudo(e, 3); }},
        {3.8, [&] { return Pez(e, 3); }},
        {4.0, [&] { return Oculto(e, 3, false); }},
        {4.0, [&] { return EnlacesFuertes(e, 2, false, 1, enlaces); }},
        {4.1, [&] { return EnlacesFuertes(e, 2, false, 0, enlaces); }},
        {4.2, [&] { return Ala(e, false); }},
        {4.3, [&] { return EnlacesFuertes(e, 2, true, 0, enlaces); }},
        {4.4, [&] { return Ala(e, true); }},
        {4.5, [&] { return Rectangulo(e); }, true},
        {5.0, [&] { return Desnudo(e, 4); }},
        {5.2, [&] { return Pez(e, 4); }},
        {5.4, [&] { return Oculto(e, 4, false); }},
        {5.4, [&] { return EnlacesFuertes(e, 3, false, 0, enlaces); }},
        {5.6, [&] { return AlaGrande(e, 4); }},
        {5.6, [&] { return Bug(e); }, true},
        {5.7, [&] { return EnlacesFuertes(e, 3, true, 0, enlaces); }},
        {6.4, [&] { return AlaGrande(e, 5); }},
    };
    for (const auto& t : tecnicas) {
        if (t.dif > tope) break;
        if (t.unica && !unica) continue;
        if (auto p = t.f()) return p;
    }
    return std::nullopt;
}

std::optional<Paso> Siguiente(const Estado& e, bool unica) {
    if (auto p = Basico(e, unica, 100.0)) return p;
    // A continuous loop against the chains that are not forcing chains (a
    // loop always rates under those): the easier first, the loop when they
    // rate the same, as it excludes more at once. (Below level -1 the
    // chains stop before the forcing chains.)
    if (auto lazo = Lazos(e)) {
        auto cadena = Cadenas(e, -2);
        if (cadena && cadena->dificultad < lazo->dificultad) return cadena;
        return lazo;
    }
    return Cadenas(e, unica ? 3 : 0);
}

}  // namespace novenario::logica::motor
