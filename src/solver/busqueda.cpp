#include "solver/busqueda.h"

#include <bit>

namespace novenario {

namespace {

// Cancelar pushes the index far past any list, so the loop stops at its next check.
constexpr int IndiceCancelado = 99999;
// 99 in Numero_Prueba: a digit fitted, or the run was cancelled.
constexpr int PruebaHecha = 99;
constexpr int PruebaAgotada = 10;
constexpr std::uint16_t NueveDigitos = 0x1FF;

bool EsDigito(char ch) { return ch >= '1' && ch <= '9'; }

}  // namespace

Busqueda::Busqueda(const std::array<std::string, NumCeldas>& valores, Camino camino) {
    rapida_ = camino == Camino::Automatico;
    for (const std::string& v : valores) {
        if (!(v.empty() || (v.size() == 1 && EsDigito(v[0])))) rapida_ = false;
    }
    if (rapida_) {
        for (int c = 0; c < NumCeldas; ++c) {
            const std::string& v = valores[static_cast<std::size_t>(c)];
            celda_[static_cast<std::size_t>(c)] = v.empty() ? '\0' : v[0];
        }
    } else {
        valores_ = valores;
    }
}

void Busqueda::Ejecutar(long long limite_pasos, bool ver_proceso, Bomba* bomba) {
    // The game never starts a second search from inside a pump of the first;
    // refusing it keeps the counters and the stack consistent.
    if (en_marcha_) return;
    en_marcha_ = true;
    limite_pasos_ = limite_pasos;

    if (rapida_) {
        PreparaRapida();
    } else {
        Carga_ComboAux();
    }
    numero_prueba_ = 1;
    indice_panel_ = 0;
    total_paneles_ = static_cast<int>(combo_aux_.size());
    Panel_Activo_ = EntradaComboAux(0);
    ComboAuxNum_.clear();
    altura_ = 0;
    // The routines' variables start blank, so a run without trials shows it.
    activo_ = comodin_ = 0;
    anterior_ = '\0';
    Numero_Activo_.clear();
    Valor_Anterior_.clear();
    Hay_Error_.clear();
    EditComodin_.clear();
    pasos_ = 0;
    fallo_ = false;
    if (bomba != nullptr) bomba->Bombea(Momento::AlEmpezar);

    if (!rapida_) {
        EjecutaLiteral(ver_proceso, bomba);
    } else if (bomba != nullptr) {
        BucleRapido<true>(ver_proceso, bomba);
    } else {
        BucleRapido<false>(ver_proceso, nullptr);
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
    if (!rapida_) return valores_[i];
    return std::string_view(&celda_[i], celda_[i] == '\0' ? 0 : 1);
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
    if (rapida_) {
        for (int i = 0; i < altura_ && i < NumCeldas; ++i) pila.push_back(pila_[static_cast<std::size_t>(i)]);
    } else {
        for (const std::string& d : ComboAuxNum_) pila.push_back(d.empty() ? 0 : d[0] - '0');
    }
    return pila;
}

std::string Busqueda::Numero_Activo() const {
    if (!rapida_) return Numero_Activo_;
    return activo_ == 0 ? std::string() : std::string(1, static_cast<char>('0' + activo_));
}

std::string Busqueda::Valor_Anterior() const {
    if (!rapida_) return Valor_Anterior_;
    return activo_ == 0 || anterior_ == '\0' ? std::string() : std::string(1, anterior_);
}

std::string Busqueda::Hay_Error() const {
    if (!rapida_) return Hay_Error_;
    // The last trial of a step either placed its digit or was the last to fail.
    if (activo_ == 0) return {};
    return encontrado_ ? "N" : "S";
}

std::string Busqueda::EditComodin() const {
    if (!rapida_) return EditComodin_;
    return comodin_ == 0 ? std::string() : std::string(1, static_cast<char>('0' + comodin_));
}

int Busqueda::AlturaPila() const {
    return rapida_ ? altura_ : static_cast<int>(ComboAuxNum_.size());
}

// ---- Fast path --------------------------------------------------------------
//
// Every digit on the board is a bit in the masks of its row, column and block.
// A trial passes when its digit is in none of the three masks of the cell,
// which is what the whole-group check finds on a board whose groups are free
// of repeats. The search never places a repeat, so only the givens can hold
// one; the empty cells of such a group can take no digit at all.

void Busqueda::PreparaRapida() {
    mascara_.fill(0);
    std::array<bool, 27> repetido{};
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
    combo_aux_.clear();
    for (int c : tablero::OrdenRejilla()) {
        if (celda_[static_cast<std::size_t>(c)] != '\0') continue;
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

template <bool ConBomba>
void Busqueda::BucleRapido([[maybe_unused]] bool ver_proceso, [[maybe_unused]] Bomba* bomba) {
    // The counters live in locals; they go back to the members only around a
    // pump, which may read them and may cancel.
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
    std::uint16_t* const m = mascara_.data();
    char* const celda = celda_.data();
    std::uint8_t* const pila = pila_.data();
    const Posicion* const pos = posicion_.data();

    [[maybe_unused]] auto bombea = [&](Momento momento) {
        pasos_ = pasos;
        indice_panel_ = indice;
        numero_prueba_ = prueba;
        encontrado_ = encontrado;
        altura_ = altura;
        activo_ = activo;
        anterior_ = anterior;
        comodin_ = comodin;
        bomba->Bombea(momento);
        indice = indice_panel_;
        prueba = numero_prueba_;
    };

    // The index is compared unsigned: outside the list in either direction ends the loop.
    while (static_cast<unsigned>(indice) < total && pasos <= limite) {
        ++pasos;
        const Posicion p = pos[indice];
        if (prueba <= 9) {
            // Valor_Anterior: what the cell holds now; every refused trial puts it back.
            anterior = celda[p.celda];
            // Digits from Numero_Prueba to 9 that none of the three groups holds.
            const unsigned libres = p.permitidos & ~static_cast<unsigned>(m[p.fila] | m[p.columna] | m[p.bloque]) &
                                    (static_cast<unsigned>(NueveDigitos) << (prueba - 1));
            if (libres != 0) {
                const unsigned bit = libres & (0u - libres);
                const int digito = std::countr_zero(libres) + 1;
                m[p.fila] = static_cast<std::uint16_t>(m[p.fila] | bit);
                m[p.columna] = static_cast<std::uint16_t>(m[p.columna] | bit);
                m[p.bloque] = static_cast<std::uint16_t>(m[p.bloque] | bit);
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
            // The digit leaves the stack and the masks, but stays on the board
            // of the previous cell until that cell's next trial overwrites it.
            const int digito = pila[--altura];
            comodin = digito;
            const Posicion& q = pos[altura];
            const auto fuera = static_cast<std::uint16_t>(~(1u << (digito - 1)));
            m[q.fila] &= fuera;
            m[q.columna] &= fuera;
            m[q.bloque] &= fuera;
            if (digito < 9) prueba = digito + 1;
            --indice;
        }
        if constexpr (ConBomba) {
            if (ver_proceso) bombea(Momento::TrasPaso);
        }
    }

    pasos_ = pasos;
    indice_panel_ = indice;
    numero_prueba_ = prueba;
    encontrado_ = encontrado;
    altura_ = altura;
    activo_ = activo;
    anterior_ = anterior;
    comodin_ = comodin;
}

// ---- Plain path --------------------------------------------------------------
//
// The game's own routines, over the texts of the cells, one for one. Slow, but
// it takes any board, and it is the yardstick of the fast path.

void Busqueda::Carga_ComboAux() {
    ComboAux_.clear();
    combo_aux_.clear();
    for (int c : tablero::OrdenRejilla()) {
        if (valores_[static_cast<std::size_t>(c)].empty()) {
            ComboAux_.push_back(tablero::Nombre(c));
            combo_aux_.push_back(c);
        }
    }
}

std::string Busqueda::EntradaComboAux(int indice) const {
    if (rapida_) {
        if (indice < 0 || indice >= static_cast<int>(combo_aux_.size())) return {};
        return tablero::Nombre(combo_aux_[static_cast<std::size_t>(indice)]);
    }
    if (indice < 0 || indice >= static_cast<int>(ComboAux_.size())) return {};
    return ComboAux_[static_cast<std::size_t>(indice)];
}

void Busqueda::Modifica_Panel() {
    const int c = tablero::Indice(Panel_Activo_);
    if (c < 0) return;
    std::string& valor = valores_[static_cast<std::size_t>(c)];
    Valor_Anterior_ = valor.substr(0, 1);
    valor = Numero_Activo_;
}

void Busqueda::Valida_Grupo(TipoGrupo tipo) {
    Hay_Error_ = "N";
    // Nine distinct placeholders, so that empty cells never match.
    static const std::array<std::string, 9> Letras{"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    Casillas_Grupo_ = Letras;
    const int c = tablero::Indice(Panel_Activo_);
    if (c < 0) return;
    const std::array<int, 9>& celdas = tablero::Grupo(tipo, tablero::GrupoDe(tipo, c));
    for (std::size_t s = 0; s < 9; ++s) {
        const std::string& valor = valores_[static_cast<std::size_t>(celdas[s])];
        if (!valor.empty()) Casillas_Grupo_[s] = valor.substr(0, 1);
    }
    for (std::size_t i = 0; i < 9; ++i) {
        for (std::size_t j = 0; j < 9; ++j) {
            if (i != j && Casillas_Grupo_[i] == Casillas_Grupo_[j]) Hay_Error_ = "S";
        }
    }
}

void Busqueda::Limpia_Error() {
    const int c = tablero::Indice(Panel_Activo_);
    if (c < 0) return;
    valores_[static_cast<std::size_t>(c)] = Valor_Anterior_;
}

void Busqueda::Limpia_Campo(Bomba* bomba) {
    const int c = tablero::Indice(Panel_Activo_);
    if (c >= 0) valores_[static_cast<std::size_t>(c)].clear();
    if (bomba != nullptr) bomba->Bombea(Momento::AlVaciar);
}

void Busqueda::EjecutaLiteral(bool ver_proceso, Bomba* bomba) {
    while (indice_panel_ < total_paneles_ && pasos_ <= limite_pasos_) {
        pasos_ += 1;
        // Numero_Prueba 10 (all nine failed last time) skips this and keeps
        // Encontrado from the previous step.
        while (numero_prueba_ <= 9) {
            Numero_Activo_ = std::to_string(numero_prueba_);
            Modifica_Panel();
            Valida_Bloque();
            if (Hay_Error_ == "N") Valida_Horizontal();
            if (Hay_Error_ == "N") Valida_Vertical();
            if (Hay_Error_ == "S") {
                Limpia_Error();
                numero_prueba_ += 1;
                encontrado_ = false;
            } else {
                ComboAuxNum_.push_back(Numero_Activo_);
                numero_prueba_ = PruebaHecha;
                encontrado_ = true;
            }
        }
        if (encontrado_) {
            indice_panel_ += 1;
            numero_prueba_ = 1;
            Panel_Activo_ = EntradaComboAux(indice_panel_);
        } else {
            Limpia_Campo(bomba);
            if (ComboAuxNum_.empty()) {
                fallo_ = true;
                break;
            }
            EditComodin_ = ComboAuxNum_.back();
            ComboAuxNum_.pop_back();
            const int digito = EditComodin_.empty() ? 0 : EditComodin_[0] - '0';
            // After a 9 Numero_Prueba stays where it is (10): the previous
            // cell has nothing left and the next step goes back again.
            if (digito < 9) numero_prueba_ = digito + 1;
            indice_panel_ -= 1;
            Panel_Activo_ = EntradaComboAux(indice_panel_);
        }
        if (ver_proceso && bomba != nullptr) bomba->Bombea(Momento::TrasPaso);
    }
}

}  // namespace novenario
