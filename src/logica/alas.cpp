// The large wings: WXYZ-Wing (four cells) and VWXYZ-Wing (five).
//
// n cells that between them admit just n digits, where every digit but one
// (z) is restricted: the cells holding it all see each other, so it goes in
// at most one of them. Without z the n cells would have n - 1 digits for
// themselves, one each at most: one cell would be left empty. So one of the
// cells holding z has it, and a cell that sees all of those cannot.
// As with the XYZ-Wing, one cell of the group (the pivot) sees all the
// others; without one, the same reasoning is a chain of cells.
#include <algorithm>
#include <bit>
#include <functional>

#include "logica/motor.h"

namespace novenario::logica::motor {

namespace {

const char* const kNombre[] = {"", "", "", "XYZ-Wing", "WXYZ-Wing", "VWXYZ-Wing"};
const Tecnica kTecnica[] = {Tecnica::XYZWing, Tecnica::XYZWing, Tecnica::XYZWing,
                            Tecnica::XYZWing, Tecnica::WXYZWing, Tecnica::VWXYZWing};
const double kDificultad[] = {0, 0, 0, 4.4, 5.6, 6.4};

}  // namespace

std::optional<Paso> AlaGrande(const Estado& e, int n) {
    if (n < 4 || n > 5) return std::nullopt;
    std::vector<int> libres;  // the pivot's neighbours of two to n candidates
    std::vector<int> grupo;
    std::optional<Paso> r;
    // libre: the digits some two cells of the group hold without seeing each
    // other (at most one, z).
    const std::function<void(std::size_t, Mascara, Mascara)> busca = [&](std::size_t desde, Mascara union_,
                                                                         Mascara libre) {
        if (r) return;
        if (static_cast<int>(grupo.size()) == n) {
            if (Cuenta(union_) != n || Cuenta(libre) != 1) return;
            const int z = std::countr_zero(libre);
            Celdas conZ;
            for (int i : grupo)
                if (e.c[i] & libre) conZ.set(i);
            Celdas blanco;
            blanco.set();
            for (int i : Lista(conZ)) blanco &= T().ve[i];
            std::vector<Digito> elimina;
            for (int i : Lista(blanco))
                if (e.c[i] & libre) elimina.push_back({i, z});
            if (elimina.empty()) return;
            Paso p = Nuevo(kTecnica[n], kNombre[n], kDificultad[n]);
            p.elimina = elimina;
            p.celdas = grupo;
            const std::string Z = std::to_string(z);
            std::string cuales;
            for (std::size_t k = 1; k < grupo.size(); ++k) {
                if (k > 1) cuales += (k + 1 == grupo.size()) ? " y " : "; ";
                cuales += "la " + Celda(grupo[k]) + " (" + Cifras(e.c[grupo[k]]) + ")";
            }
            p.resumen = p.nombre + " con eje en la " + Celda(grupo[0]);
            p.texto = "La " + Celda(grupo[0]) + " admite " + Cifras(e.c[grupo[0]]) + " y ve a " + cuales +
                      ". Entre todas solo caben las cifras " + Cifras(union_) + ". Salvo el " + Z +
                      ", cada cifra va a lo sumo en una de ellas, porque las casillas que la admiten se ven. Sin el " +
                      Z + " faltaría una cifra para llenarlas, así que el " + Z + " va en una de " +
                      ListaCeldas(Lista(conZ)) + ". Se descarta " + ListaEliminaciones(elimina) + ".";
            r = p;
            return;
        }
        for (std::size_t k = desde; k < libres.size() && !r; ++k) {
            const int j = libres[k];
            const Mascara u = union_ | e.c[j];
            if (Cuenta(u) > n) continue;
            Mascara l = libre;
            for (int i : grupo)
                if (!T().ve[j].test(i)) l |= e.c[i] & e.c[j];
            if (Cuenta(l) > 1) continue;
            grupo.push_back(j);
            busca(k + 1, u, l);
            grupo.pop_back();
        }
    };
    for (int pivote = 0; pivote < 81 && !r; ++pivote) {
        if (e.v[pivote] || Cuenta(e.c[pivote]) < 2 || Cuenta(e.c[pivote]) > n) continue;
        libres.clear();
        for (int i : T().vecinos[pivote])
            if (e.v[i] == 0 && Cuenta(e.c[i]) >= 2 && Cuenta(e.c[i]) <= n) libres.push_back(i);
        std::sort(libres.begin(), libres.end());
        grupo = {pivote};
        busca(0, e.c[pivote], 0);
    }
    return r;
}

}  // namespace novenario::logica::motor
