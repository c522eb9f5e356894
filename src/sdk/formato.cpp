// The board line and the move lines of a saved game, read and written.
#include "sdk/formato.h"

#include <cstdint>
#include <utility>

#include "board/colores.h"
#include "board/jugada.h"
#include "sdk/caracteres.h"
#include "sdk/rtf.h"

namespace novenario::sdk {

namespace {

// Characters from position pos (counting from 1), at most n, fewer or none
// when the text is shorter: the way the game always cut its lines.
std::string Copia(std::string_view texto, std::size_t pos, std::size_t n) {
    if (pos == 0 || pos > texto.size()) return {};
    return std::string(texto.substr(pos - 1, n));
}

// Blanks and control characters, as the toolkit's Trim removes them.
bool EsBlanco(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

// ---- Reading --------------------------------------------------------------

Efecto EfectoDe(const ParLeido& par) {
    if (par.Valor == " ") return Efecto::Ninguno;
    return par.Marca == "R" ? Efecto::Fijo : Efecto::Libre;
}

Partida LeeLineaTablero(std::string_view linea) {
    Partida p;
    for (std::size_t n = 0; n < NumCeldas; ++n) {
        const std::size_t pos = 2 * n + 1;
        p.Pares[n].Valor = Copia(linea, pos, 1);
        p.Pares[n].Marca = Copia(linea, pos + 1, 1);
    }
    p.LPHor = Copia(linea, PosHoras, 2);
    p.LPMin = Copia(linea, PosMinutos, 2);
    p.LPseg = Copia(linea, PosSegundos, 2);
    p.EPartida = Copia(linea, PosSolucion, LargoSolucion);
    p.ENivel_Juego = Copia(linea, PosNivel, 1);
    return p;
}

std::string ItemMovimiento(std::string_view linea) {
    if (linea.empty() || linea[0] != 'P') return {};
    return Jugada::Lee(linea).Texto();
}

std::vector<std::string> LeeMovimientos(const std::vector<std::string>& lineas) {
    std::vector<std::string> items;
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        if (!lineas[i].empty() && lineas[i][0] == 'P') items.push_back(ItemMovimiento(lineas[i]));
    }
    return items;
}

bool AplicaTablero(const Partida& partida, Tablero& tablero) {
    bool hayFijos = false;
    for (int c = 0; c < NumCeldas; ++c) {
        const ParLeido& par = partida.Pares[static_cast<std::size_t>(c)];
        Celda& celda = tablero[c];
        switch (EfectoDe(par)) {
        case Efecto::Ninguno: break;
        case Efecto::Libre:
            celda.Caption = par.Valor;
            celda.Color_ = Blanco;
            break;
        case Efecto::Fijo:
            celda.Caption = par.Valor;
            celda.Color_ = Naranja;
            celda.Enabled = false;
            hayFijos = true;
            break;
        }
    }
    return hayFijos;
}

bool ConvierteEntero(std::string_view t, int& valor) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < t.size() && t[i] == '$') {
        hex = true;
        i += 1;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= t.size()) return false;  // no digit at all
    std::uint64_t n = 0;
    if (hex) {
        for (; i < t.size(); ++i) {
            const int d = ValorHex(t[i]);
            if (d < 0) return false;
            n = n * 16 + static_cast<unsigned>(d);
            if (n > 0xFFFFFFFFu) return false;
        }
        auto u = static_cast<std::uint32_t>(n);
        if (negativo) u = 0u - u;
        valor = static_cast<std::int32_t>(u);
        return true;
    }
    for (; i < t.size(); ++i) {
        if (!EsCifra(t[i])) return false;
        n = n * 10 + static_cast<unsigned>(t[i] - '0');
        if (n > 2147483648u) return false;
    }
    if (!negativo && n > 2147483647u) return false;
    valor = negativo ? static_cast<int>(-static_cast<std::int64_t>(n)) : static_cast<int>(n);
    return true;
}

std::string MensajeEnteroInvalido(std::string_view texto) {
    return "'" + std::string(texto) + "' is not a valid integer value";
}

std::string MensajeIlegible(std::string_view nombre) {
    return "No se puede leer el fichero \"" + std::string(nombre) + "\"";
}

std::string MensajeDemasiadoGrande(std::string_view nombre) {
    return "El fichero \"" + std::string(nombre) + "\" es demasiado grande para ser una partida de Novenario (más de " +
           std::to_string(MaximoFichero >> 20) + " MB); no se ha leído";
}

std::string MensajeNoEsFichero(std::string_view nombre) {
    return "El fichero \"" + std::string(nombre) + "\" no es una partida de Novenario (no es un fichero normal); no se ha leído";
}

std::string MensajeNoLeido(Leido leido, std::string_view nombre) {
    switch (leido) {
        case Leido::Grande: return MensajeDemasiadoGrande(nombre);
        case Leido::NoEsFichero: return MensajeNoEsFichero(nombre);
        default: return MensajeIlegible(nombre);
    }
}

namespace {

// Numbers as the player reads them: 1.000.000.
std::string ConPuntos(std::size_t n) {
    std::string cifras = std::to_string(n);
    for (std::size_t i = cifras.size(); i > 3; i -= 3) cifras.insert(i - 3, ".");
    return cifras;
}

// A reading built one line at a time: line 1, then the move lines up to
// their bound; every other line is dropped as soon as it is seen.
class Acumula {
public:
    explicit Acumula(Lectura& r) : r_(r) {}

    bool Linea(std::string& linea) {
        if (r_.Lineas.empty()) {
            r_.Lineas.push_back(std::move(linea));
            return true;
        }
        if (linea.empty() || linea[0] != 'P') return true;
        if (r_.Juego.LBPanel.size() >= MaximoMovimientos) {
            demasiadas_ = true;
            return false;
        }
        r_.Juego.LBPanel.push_back(ItemMovimiento(linea));
        r_.Lineas.push_back(std::move(linea));
        return true;
    }

    // A move list too long for any game: nothing more is taken.
    void Demasiadas() { demasiadas_ = true; }

    // The board line read and the clock checked, once every line is in.
    void Termina() {
        std::vector<std::string> movimientos = std::move(r_.Juego.LBPanel);
        r_.Juego = LeeLineaTablero(r_.Lineas.empty() ? std::string_view{} : std::string_view{r_.Lineas[0]});
        r_.Juego.LBPanel = std::move(movimientos);
        if (demasiadas_) {
            r_.Error = MensajeDemasiadasJugadas();
            r_.Lineas.clear();
            r_.Juego.LBPanel.clear();
            return;
        }
        const std::pair<const std::string*, int*> campos[] = {
            {&r_.Juego.LPHor, &r_.Juego.Horas},
            {&r_.Juego.LPMin, &r_.Juego.Minutos},
            {&r_.Juego.LPseg, &r_.Juego.Segundos},
        };
        for (const auto& [texto, entero] : campos) {
            if (!ConvierteEntero(*texto, *entero)) {
                r_.Error = MensajeEnteroInvalido(*texto);
                return;
            }
        }
        r_.Correcta = true;
    }

private:
    Lectura& r_;
    bool demasiadas_ = false;
};

}  // namespace

std::string MensajeDemasiadasJugadas() {
    return "La lista de jugadas del fichero tiene más de " + ConPuntos(MaximoMovimientos) +
           " entradas, más de las que puede hacer una partida: no es una partida de Novenario; no se ha cargado";
}

Lectura LeePartida(std::string_view bytes) {
    // The move lines counted first, keeping nothing: a file with more of
    // them than a game can make costs no memory beyond its bytes, and the
    // lists of a game that loads are made to measure.
    std::size_t movimientos = 0;
    bool primera = true;
    RecorreLineas(bytes, [&](std::string& linea) {
        if (primera) primera = false;
        else if (!linea.empty() && linea[0] == 'P') ++movimientos;
        return movimientos <= MaximoMovimientos;
    });
    Lectura r;
    Acumula a(r);
    if (movimientos > MaximoMovimientos) {
        a.Demasiadas();
    } else {
        r.Lineas.reserve(movimientos + 1);
        r.Juego.LBPanel.reserve(movimientos);
        RecorreLineas(bytes, [&a](std::string& linea) { return a.Linea(linea); });
    }
    a.Termina();
    return r;
}

Lectura LeePartidaDeLineas(std::vector<std::string> lineas) {
    Lectura r;
    Acumula a(r);
    for (std::string& linea : lineas)
        if (!a.Linea(linea)) break;
    a.Termina();
    return r;
}

// ---- Writing --------------------------------------------------------------

std::string ParDe(const CeldaGuardada& celda) {
    if (celda.Valor.empty()) return " B";
    return std::string(1, celda.Valor[0]) + (celda.Fija ? "R" : "B");
}

std::string CampoReloj(std::string_view texto) {
    if (texto.size() == 2) return std::string(texto);
    if (texto.size() < 2) return std::string(2 - texto.size(), '0') + std::string(texto);
    for (char c : texto) {
        if (!EsCifra(c)) return std::string(texto.substr(0, 2));
    }
    return "99";
}

std::string LineaTablero(const std::array<CeldaGuardada, NumCeldas>& celdas, std::string_view horas,
                         std::string_view minutos, std::string_view segundos) {
    std::string linea;
    linea.reserve(LargoLinea);
    for (const CeldaGuardada& celda : celdas) linea += ParDe(celda);
    linea += CampoReloj(horas);
    linea += CampoReloj(minutos);
    linea += CampoReloj(segundos);
    return linea;
}

std::string LineaTablero(const Tablero& tablero, std::string_view horas, std::string_view minutos,
                         std::string_view segundos) {
    std::array<CeldaGuardada, NumCeldas> celdas;
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = tablero[c];
        celdas[static_cast<std::size_t>(c)] = {celda.Caption, !celda.Caption.empty() && celda.Color_ == Naranja};
    }
    return LineaTablero(celdas, horas, minutos, segundos);
}

std::string Cola(std::string_view ePartida, int nivel) {
    bool vacia = true;
    for (char c : ePartida) {
        if (!EsBlanco(c)) {
            vacia = false;
            break;
        }
    }
    if (vacia) return {};
    return std::string(SeparadorCola) + std::string(ePartida) + std::to_string(nivel);
}

std::vector<std::string> LineasPartida(std::string_view lineaTablero, std::string_view ePartida, int nivel,
                                       const std::vector<std::string>& lbPanel) {
    std::vector<std::string> lineas;
    lineas.reserve(lbPanel.size() + 1);
    lineas.push_back(std::string(lineaTablero) + Cola(ePartida, nivel));
    lineas.insert(lineas.end(), lbPanel.begin(), lbPanel.end());
    return lineas;
}

std::string EscribePartida(const std::vector<std::string>& lineas) { return EscribeRtf(lineas); }

std::string NoSePodriaCargar(std::size_t movimientos, std::size_t bytes) {
    if (movimientos > MaximoMovimientos)
        return "La lista de jugadas tiene " + ConPuntos(movimientos) + " entradas, más de las " +
               ConPuntos(MaximoMovimientos) + " que se pueden cargar.";
    if (bytes > MaximoFichero)
        return "El fichero ocuparía " + ConPuntos((bytes + (1 << 20) - 1) >> 20) + " MB, más de los " +
               ConPuntos(MaximoFichero >> 20) + " MB que se pueden cargar.";
    return {};
}

}  // namespace novenario::sdk
