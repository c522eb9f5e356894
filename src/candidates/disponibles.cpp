// The candidate pass: for every cell that is not a given, the digits still
// possible there (upper label) and the digits its peers already hold (lower
// label), and the maroon mark of an empty cell with no possible digit. It runs
// after every change of the board, whether or not the labels are shown; the
// solver reads the candidate texts back.
#include <algorithm>

#include "candidates/candidatos.h"

namespace novenario {

// No_Dis in: the raw taken string of one cell. Out: No_Dis with each character
// once, ascending (5315 gives 135), and Si_Dis with the digits 1-9 it lacks
// (135 gives 246789). Characters other than digits are sorted in like digits
// and rule out nothing.
void TFormDisponibles::Calcula_Disponibles() {
    std::array<Bandera, 9> presente;
    presente.fill(Bandera::N);

    f_.Variables.CColoca.clear();
    for (char ch : f_.Variables.No_Dis) f_.Variables.CColoca.emplace_back(1, ch);
    std::sort(f_.Variables.CColoca.begin(), f_.Variables.CColoca.end());

    f_.Variables.CSalidaAux.clear();
    std::string anterior;
    for (const std::string& item : f_.Variables.CColoca) {
        const std::string ch = item.substr(0, 1);
        if (ch != anterior) {
            f_.Variables.CSalidaAux.push_back(ch);
            anterior = ch;
        }
    }
    f_.Variables.CColoca = f_.Variables.CSalidaAux;
    f_.Variables.No_Dis.clear();
    for (const std::string& item : f_.Variables.CColoca) f_.Variables.No_Dis += item;

    for (char ch : f_.Variables.No_Dis)
        if (ch >= '1' && ch <= '9') presente[static_cast<std::size_t>(ch - '1')] = Bandera::S;
    f_.Variables.Si_Dis.clear();
    for (int d = 1; d <= 9; ++d)
        if (presente[static_cast<std::size_t>(d - 1)] == Bandera::N) f_.Variables.Si_Dis += static_cast<char>('0' + d);
}

void TFormDisponibles::Disponibles() {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f_.Paneles[c];
        celda.PND.clear();
        celda.PSD.clear();
        if (celda.Color_ == Naranja) continue;

        std::string tomados;
        for (int par : tablero::Pares(c)) tomados += f_.Paneles[par].Caption;
        celda.PND = tomados;
        f_.Variables.No_Dis = Trim(tomados);
        if (!Trim(f_.Variables.No_Dis).empty()) {
            Calcula_Disponibles();
            celda.PND = Trim(f_.Variables.No_Dis);
            celda.PSD = Trim(f_.Variables.Si_Dis);
        } else {
            celda.PSD = "123456789";
        }

        // A cell whose peers hold every digit has no candidate; a filled cell
        // whose only candidate is its own value needs no labels.
        if (celda.PND == "123456789" || (celda.PSD.size() == 1 && !celda.Caption.empty())) {
            celda.PND.clear();
            celda.PSD.clear();
        }

        if (celda.PND.empty() && celda.PSD.empty() && celda.Caption.empty())
            celda.Color_ = Granate;
        else if (celda.Color_ != Aguamarina)
            celda.Color_ = Blanco;
    }
}

void Disponibles(Juego& f) {
    f.Variables.Orden_Trabajo = "Mira Disponibles";
    TFormDisponibles forma(f);
}

TFormDisponibles::TFormDisponibles(Juego& f) : f_(f) {
    using T = TFormDisponibles;
    static constexpr std::array<std::pair<const char*, void (T::*)()>, 1> tabla{{
        {"Mira Disponibles", &T::Disponibles},
    }};
    Despacha(f_, *this, tabla);
}

}  // namespace novenario
