#include "solver/busqueda.h"

#include <bit>

#include "board/grupo.h"

namespace novenario {

namespace {

// Cancelar pushes the index far past any list, so the loop stops at its next check.
constexpr int IndiceCancelado = 99999;
// 99 in Numero_Prueba: a digit fitted, or the run was cancelled.
constexpr int PruebaHecha = 99;
constexpr int PruebaAgotada = 10;
constexpr std::uint16_t NueveDigitos = 0x1FF;

bool EsDigito(char ch) { return ch >= '1' && ch <= '9'; }

std::string Texto(int digito) {
    return digito == 0 ? std::string() : std::string(1, static_cast<char>('0' + digito));
}

}  // namespace

Busqueda::Busqueda(const std::array<std::string, NumCeldas>& valores, Camino camino) {
    rapida_ = camino == Camino::Automatico;
    for (std::size_t c = 0; c < valores.size(); ++c) {
        const std::string& v = valores[c];
        if (!(v.empty() || (v.size() == 1 && EsDigito(v[0])))) rapida_ = false;
        if (v.size() == 1 && v[0] != '\0') {
            celda_[c] = v[0];
        } else if (!v.empty()) {
            textos_[c] = v;
        }
    }
}

void Busqueda::Ejecutar(long long limite_pasos, bool ver_proceso, Bomba* bomba) {
    // The game never starts a second search from inside a pump of the first;
    // refusing it keeps the counters and the stack consistent.
    if (en_marcha_) return;
    en_marcha_ = true;
    limite_pasos_ = limite_pasos;

    Prepara();
    numero_prueba_ = 1;
    indice_panel_ = 0;
    total_paneles_ = static_cast<int>(combo_aux_.size());
    altura_ = 0;
    // The routines' variables start blank, so a run without trials shows it.
    activo_ = comodin_ = 0;
    anterior_ = '\0';
    pasos_ = 0;
    fallo_ = false;
    if (bomba != nullptr) bomba->Bombea(Momento::AlEmpezar);

    if (rapida_) {
        if (bomba != nullptr) {
            Bucle<true, true>(ver_proceso, bomba);
        } else {
            Bucle<true, false>(ver_proceso, nullptr);
        }
    } else if (bomba != nullptr) {
        Bucle<false, true>(ver_proceso, bomba);
    } else {
        Bucle<false, false>(ver_proceso, nullptr);
    }

    // A run that used up its steps fails, even when its last step filled the
    // last cell.
    if (pasos_ >= limite_pasos_) fallo_ = true;
    en_marcha_ = false;
}

void Busqueda::Cancelar() {
    numero_prueba_ = PruebaHecha;
    indice_panel_ = IndiceCancelado;
}

std::string_view Busqueda::Valor(int c) const {
    if (c < 0 || c >= NumCeldas) return {};
    const auto i = static_cast<std::size_t>(c);
    if (celda_[i] != '\0') return std::string_view(&celda_[i], 1);
    return textos_[i];
}

std::array<std::string, NumCeldas> Busqueda::Valores() const {
    std::array<std::string, NumCeldas> v{};
    for (int c = 0; c < NumCeldas; ++c) v[static_cast<std::size_t>(c)] = std::string(Valor(c));
    return v;
}

std::string Busqueda::Resultado() const {
    if (!fallo_) return {};
    return pasos_ < limite_pasos_ ? "SS" : "ST";
}

std::string Busqueda::Panel_Activo() const {
    if (indice_panel_ < 0 || indice_panel_ >= static_cast<int>(combo_aux_.size())) return {};
    return tablero::Nombre(combo_aux_[static_cast<std::size_t>(indice_panel_)]);
}

std::vector<int> Busqueda::Pila() const {
    std::vector<int> pila;
    for (int i = 0; i < altura_ && i < NumCeldas; ++i) pila.push_back(pila_[static_cast<std::size_t>(i)]);
    return pila;
}

int Busqueda::AlturaPila() const { return altura_; }

std::string Busqueda::Numero_Activo() const { return Texto(activo_); }

std::string Busqueda::Valor_Anterior() const {
    return activo_ == 0 || anterior_ == '\0' ? std::string() : std::string(1, anterior_);
}

std::string Busqueda::Hay_Error() const {
    // The last trial of a step either placed its digit or was the last to fail.
    if (activo_ == 0) return {};
    return encontrado_ ? "N" : "S";
}

std::string Busqueda::EditComodin() const { return Texto(comodin_); }

// ComboAux in grid reading order, where each of its cells sits, and on the
// fast path the masks of the board.
//
// Every digit on the board is a bit in the masks of its row, column and block.
// A trial passes when its digit is in none of the three masks of the cell,
// which is what the whole-group check finds on a board whose groups are free
// of repeats. The search never places a repeat, so only the givens can hold
// one; the empty cells of such a group can take no digit at all.
void Busqueda::Prepara() {
    std::array<bool, 27> repetido{};
    mascara_.fill(0);
    if (rapida_) {
        for (int c = 0; c < NumCeldas; ++c) {
            const char v = celda_[static_cast<std::size_t>(c)];
            if (v == '\0') continue;
            const auto bit = static_cast<std::uint16_t>(1u << (v - '1'));
            const std::array<int, 3> grupos{tablero::Fila(c) - 1, 9 + tablero::Columna(c) - 1,
                                            18 + tablero::Bloque(c) - 1};
            for (int g : grupos) {
                auto& m = mascara_[static_cast<std::size_t>(g)];
                if ((m & bit) != 0) repetido[static_cast<std::size_t>(g)] = true;
                m = static_cast<std::uint16_t>(m | bit);
            }
        }
    }
    combo_aux_.clear();
    for (int c : tablero::OrdenRejilla()) {
        const auto i = static_cast<std::size_t>(c);
        if (celda_[i] != '\0' || !textos_[i].empty()) continue;
        Posicion p{};
        p.celda = static_cast<std::uint8_t>(c);
        p.fila = static_cast<std::uint8_t>(tablero::Fila(c) - 1);
        p.columna = static_cast<std::uint8_t>(9 + tablero::Columna(c) - 1);
        p.bloque = static_cast<std::uint8_t>(18 + tablero::Bloque(c) - 1);
        const bool malo = repetido[p.fila] || repetido[p.columna] || repetido[p.bloque];
        p.permitidos = malo ? 0 : NueveDigitos;
        posicion_[combo_aux_.size()] = p;
        combo_aux_.push_back(c);
    }
}

// The plain trial, the game's routines over texts: each digit from desde to 9
// is written into the cell (Modifica_Panel) and the block, the row and the
// column of the cell are checked whole; a refused digit gives the cell back
// what it held (Limpia_Error). Returns the digit that stays, 0 when none does.
int Busqueda::PruebaLiteral(int celda, int desde) {
    char& valor = celda_[static_cast<std::size_t>(celda)];
    const char antes = valor;
    for (int digito = desde; digito <= 9; ++digito) {
        valor = static_cast<char>('0' + digito);
        if (!RepiteGrupo(TipoGrupo::Bloque, celda) && !RepiteGrupo(TipoGrupo::Horizontal, celda) &&
            !RepiteGrupo(TipoGrupo::Vertical, celda)) {
            return digito;
        }
        valor = antes;
    }
    return 0;
}

// A value counts by its first character, as the game's Casillas_Grupo held it.
bool Busqueda::RepiteGrupo(TipoGrupo tipo, int celda) const {
    std::array<std::string, 9> casillas;
    const std::array<int, 9>& celdas = tablero::Grupo(tipo, tablero::GrupoDe(tipo, celda));
    for (std::size_t s = 0; s < 9; ++s) {
        const std::string_view valor = Valor(celdas[s]);
        if (!valor.empty()) casillas[s].assign(1, valor[0]);
    }
    return Hay_Repeticion(casillas, casillas);
}

// The search itself, for both paths. On the fast path this is the hot loop:
// the counters live in locals and go back to the members only around a pump,
// which may read them and may cancel.
template <bool Rapida, bool ConBomba>
void Busqueda::Bucle([[maybe_unused]] bool ver_proceso, [[maybe_unused]] Bomba* bomba) {
    long long pasos = pasos_;
    const long long limite = limite_pasos_;
    int indice = indice_panel_;
    int prueba = numero_prueba_;
    bool encontrado = encontrado_;
    int altura = altura_;
    int activo = activo_;
    char anterior = anterior_;
    int comodin = comodin_;
    const auto total = static_cast<unsigned>(total_paneles_);
    [[maybe_unused]] std::uint16_t* const m = mascara_.data();
    char* const celda = celda_.data();
    std::uint8_t* const pila = pila_.data();
    const Posicion* const pos = posicion_.data();

    // The counters go back to the members whenever the window may look at
    // them: at every pump and when the loop ends.
    auto guarda = [&] {
        pasos_ = pasos;
        indice_panel_ = indice;
        numero_prueba_ = prueba;
        encontrado_ = encontrado;
        altura_ = altura;
        activo_ = activo;
        anterior_ = anterior;
        comodin_ = comodin;
    };
    [[maybe_unused]] auto bombea = [&](Momento momento) {
        guarda();
        bomba->Bombea(momento);
        indice = indice_panel_;
        prueba = numero_prueba_;
    };

    // The index is compared unsigned: outside the list in either direction ends the loop.
    while (static_cast<unsigned>(indice) < total && pasos <= limite) {
        ++pasos;
        const Posicion p = pos[indice];
        // Numero_Prueba 10 (all nine failed last time) skips the trials and
        // keeps Encontrado from the previous step.
        if (prueba <= 9) {
            // Valor_Anterior: what the cell holds now; every refused trial puts it back.
            anterior = celda[p.celda];
            int digito = 0;
            if constexpr (Rapida) {
                // Digits from Numero_Prueba to 9 that none of the three groups holds.
                const unsigned libres = p.permitidos &
                                        ~static_cast<unsigned>(m[p.fila] | m[p.columna] | m[p.bloque]) &
                                        (static_cast<unsigned>(NueveDigitos) << (prueba - 1));
                if (libres != 0) {
                    const unsigned bit = libres & (0u - libres);
                    digito = std::countr_zero(libres) + 1;
                    m[p.fila] = static_cast<std::uint16_t>(m[p.fila] | bit);
                    m[p.columna] = static_cast<std::uint16_t>(m[p.columna] | bit);
                    m[p.bloque] = static_cast<std::uint16_t>(m[p.bloque] | bit);
                }
            } else {
                digito = PruebaLiteral(p.celda, prueba);
            }
            if (digito != 0) {
                celda[p.celda] = static_cast<char>('0' + digito);
                pila[altura++] = static_cast<std::uint8_t>(digito);
                activo = digito;
                prueba = PruebaHecha;
                encontrado = true;
            } else {
                // All failed, the last one with a 9.
                activo = 9;
                prueba = PruebaAgotada;
                encontrado = false;
            }
        }
        if (encontrado) {
            ++indice;
            prueba = 1;
        } else {
            celda[p.celda] = '\0';  // Limpia_Campo
            if constexpr (ConBomba) bombea(Momento::AlVaciar);
            if (altura == 0) {
                fallo_ = true;
                break;
            }
            // The digit leaves the stack (EditComodin) and the masks, but
            // stays on the board of the previous cell until that cell's next
            // trial overwrites it.
            const int digito = pila[--altura];
            comodin = digito;
            if constexpr (Rapida) {
                const Posicion& q = pos[altura];
                const auto fuera = static_cast<std::uint16_t>(~(1u << (digito - 1)));
                m[q.fila] &= fuera;
                m[q.columna] &= fuera;
                m[q.bloque] &= fuera;
            }
            // After a 9 Numero_Prueba stays where it is (10): the previous
            // cell has nothing left and the next step goes back again.
            if (digito < 9) prueba = digito + 1;
            --indice;
        }
        if constexpr (ConBomba) {
            if (ver_proceso) bombea(Momento::TrasPaso);
        }
    }
    guarda();
}

}  // namespace novenario
