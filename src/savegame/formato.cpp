// The board line and the move lines of a saved game, read and written.
#include "savegame/formato.h"

#include <cstdint>
#include <utility>

#include "board/colores.h"
#include "savegame/caracteres.h"
#include "savegame/rtf.h"

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
    return Copia(linea, 1, 4) + "--" + Copia(linea, 7, 1);
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

std::string MensajeNoLeido(Leido leido, std::string_view nombre) {
    return leido == Leido::Grande ? MensajeDemasiadoGrande(nombre) : MensajeIlegible(nombre);
}

Lectura LeePartida(std::string_view bytes) { return LeePartidaDeLineas(LeeLineas(bytes)); }

Lectura LeePartidaDeLineas(std::vector<std::string> lineas_leidas) {
    Lectura r;
    r.Lineas = std::move(lineas_leidas);
    const std::vector<std::string>& lineas = r.Lineas;
    r.Juego = LeeLineaTablero(lineas.empty() ? std::string_view{} : std::string_view{lineas[0]});
    r.Juego.LBPanel = LeeMovimientos(lineas);
    const std::pair<const std::string*, int*> campos[] = {
        {&r.Juego.LPHor, &r.Juego.Horas},
        {&r.Juego.LPMin, &r.Juego.Minutos},
        {&r.Juego.LPseg, &r.Juego.Segundos},
    };
    for (const auto& [texto, entero] : campos) {
        if (!ConvierteEntero(*texto, *entero)) {
            r.Error = MensajeEnteroInvalido(*texto);
            return r;
        }
    }
    r.Correcta = true;
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

}  // namespace novenario::sdk
