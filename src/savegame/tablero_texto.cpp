// Boards read from text and written back as text.
#include "savegame/tablero_texto.h"

#include <cstdio>

namespace novenario {

std::size_t LargoUtf8(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u; };
    const unsigned c = byte(0);
    if (c < 0x80) return 1;
    std::size_t largo = 0;
    unsigned bajo = 0x80, alto = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        largo = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        largo = 3;
        if (c == 0xE0) bajo = 0xA0;  // no overlong forms
        if (c == 0xED) alto = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        largo = 4;
        if (c == 0xF0) bajo = 0x90;
        if (c == 0xF4) alto = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < bajo || byte(1) > alto) return 0;
    for (std::size_t k = 2; k < largo; ++k)
        if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
    return largo;
}

std::vector<std::string_view> Caracteres(std::string_view s) {
    std::vector<std::string_view> r;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = std::max<std::size_t>(LargoUtf8(s, i), 1);
        r.push_back(s.substr(i, n));
        i += n;
    }
    return r;
}

std::string Mostrable(std::string_view ch) {
    if (!ch.empty() && LargoUtf8(ch, 0) == ch.size() && static_cast<unsigned char>(ch[0]) >= 0x20 && ch[0] != 0x7F)
        return "'" + std::string(ch) + "'";
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", ch.empty() ? 0u : static_cast<unsigned char>(ch[0]));
    return buf;
}

std::string LugarEnRejilla(std::size_t i) {
    return "fila " + std::to_string(i / 9 + 1) + ", columna " + std::to_string(i % 9 + 1);
}

namespace {

enum class Clase { Cifra, Vacia, Raya, Separador, Otro };

Clase ClaseDe(std::string_view ch) {
    if (ch.size() == 1) {
        const char c = ch[0];
        if (c >= '1' && c <= '9') return Clase::Cifra;
        switch (c) {
            case '.': case '0': case '_': case '*': return Clase::Vacia;
            case '-': return Clase::Raya;
            case ' ': case '\t': case '\v': case '\f': case '|': case '+': return Clase::Separador;
            default: return Clase::Otro;
        }
    }
    // The no-break space of web pages, and the box-drawing characters
    // (U+2500 to U+257F) of the grids some programs draw.
    if (ch == "\xC2\xA0") return Clase::Separador;
    if (ch.size() == 3 && ch[0] == '\xE2' && (ch[1] == '\x94' || ch[1] == '\x95')) return Clase::Separador;
    return Clase::Otro;
}

// One line of the text, comment cut off.
struct Linea {
    std::string celdas;         // its cell characters as grid values ('1'..'9', 0)
    std::size_t rayas = 0;      // its "-"
    bool solo_rayas = false;    // nothing but "-" and blanks: a rule, or a row of empty cells
    bool separadores = false;   // it has separators (a drawn grid)
    std::size_t caracteres = 0; // characters in all, cells, separators and foreign ones
    // The first character that is neither a cell nor a separator.
    std::string_view otro;
    std::size_t posicion_otro = 0;  // 1-based, in characters
};

Linea LeeLinea(std::string_view texto) {
    Linea l;
    bool cifras = false, raro = false;
    std::size_t pos = 0;
    for (std::string_view ch : Caracteres(texto)) {
        ++pos;
        switch (ClaseDe(ch)) {
            case Clase::Cifra: l.celdas += ch[0]; cifras = true; break;
            case Clase::Vacia: l.celdas += '\0'; cifras = true; break;
            case Clase::Raya: l.celdas += '\0'; ++l.rayas; break;
            case Clase::Separador:
                l.separadores = true;
                if (ch != " " && ch != "\t") raro = true;  // "|", "+", box drawing
                break;
            case Clase::Otro:
                if (l.otro.empty()) {
                    l.otro = ch;
                    l.posicion_otro = pos;
                }
                break;
        }
    }
    l.caracteres = pos;
    l.solo_rayas = !cifras && l.rayas > 0 && l.otro.empty();
    // A line of "-" between "|" or "+" is always a grid's rule.
    if (l.solo_rayas && raro) {
        l.celdas.clear();
        l.solo_rayas = false;
    }
    // A rule drawn in some other length is no row either.
    if (l.solo_rayas && l.rayas != 9 && l.rayas != NumCeldas) {
        l.celdas.clear();
        l.solo_rayas = false;
    }
    return l;
}

std::vector<std::string_view> Lineas(std::string_view texto) {
    std::vector<std::string_view> r;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i <= texto.size(); ++i) {
        if (i < texto.size() && texto[i] != '\n' && texto[i] != '\r') continue;
        r.push_back(texto.substr(inicio, i - inicio));
        if (i + 1 < texto.size() && texto[i] == '\r' && texto[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    return r;
}

}  // namespace

std::optional<TableroTexto> LeeTablero(std::string_view texto, std::string& error) {
    if (texto.size() > MaximoTextoTablero) {
        error = "el texto es demasiado largo para ser un tablero";
        return std::nullopt;
    }
    if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);  // a byte order mark

    struct Leida {
        Linea linea;
        std::size_t numero;  // in the text, from 1
    };
    std::vector<Leida> leidas;  // the lines that hold anything but blanks
    const std::vector<std::string_view> lineas = Lineas(texto);
    for (std::size_t n = 0; n < lineas.size(); ++n) {
        std::string_view s = lineas[n];
        s = s.substr(0, s.find('#'));
        Linea l = LeeLinea(s);
        if (!l.celdas.empty() || !l.otro.empty() || l.separadores || l.rayas > 0) leidas.push_back({std::move(l), n + 1});
    }

    // 81 characters in one line, as the game always took a board: counted
    // first, then read, in the words it always used.
    if (leidas.size() <= 1 && (leidas.empty() || !leidas[0].linea.separadores)) {
        const Linea l = leidas.empty() ? Linea{} : leidas[0].linea;
        if (l.caracteres != NumCeldas) {
            error = "el tablero tiene " + std::to_string(l.caracteres) + " caracteres y debe tener 81";
            return std::nullopt;
        }
        if (!l.otro.empty()) {
            error = "carácter no válido " + Mostrable(l.otro) + " en la posición " + std::to_string(l.posicion_otro) +
                    " (" + LugarEnRejilla(l.posicion_otro - 1) + ")";
            return std::nullopt;
        }
    }
    for (const Leida& l : leidas) {
        if (l.linea.otro.empty()) continue;
        error = "carácter no válido " + Mostrable(l.linea.otro) + " en la línea " + std::to_string(l.numero) +
                ", posición " + std::to_string(l.linea.posicion_otro);
        return std::nullopt;
    }

    // A line of nine "-" is a row of empty cells or a rule under rows
    // written without separators; whichever makes a board is meant.
    std::vector<const Linea*> filas;
    for (bool rayas_son_filas : {false, true}) {
        filas.clear();
        std::size_t total = 0;
        for (const Leida& l : leidas) {
            if (l.linea.celdas.empty() || (l.linea.solo_rayas && !rayas_son_filas)) continue;
            filas.push_back(&l.linea);
            total += l.linea.celdas.size();
        }
        if (total == NumCeldas) break;
    }
    std::size_t total = 0;
    for (const Linea* l : filas) total += l->celdas.size();
    if (filas.size() == 9) {
        for (std::size_t i = 0; i < filas.size(); ++i) {
            if (filas[i]->celdas.size() == 9) continue;
            error = "la fila " + std::to_string(i + 1) + " del tablero tiene " + std::to_string(filas[i]->celdas.size()) +
                    " casillas y debe tener 9";
            return std::nullopt;
        }
    }
    if (total != NumCeldas) {
        error = "el tablero tiene " + std::to_string(total) + " casillas y debe tener 81";
        return std::nullopt;
    }
    TableroTexto rejilla{};
    std::size_t i = 0;
    for (const Linea* l : filas)
        for (char c : l->celdas) rejilla[i++] = c;
    return rejilla;
}

std::optional<Repeticion> ReglaRota(const TableroTexto& rejilla) {
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t j = 0; j < NumCeldas; ++j) {
        if (!rejilla[j]) continue;
        const int cj = orden[j];
        for (TipoGrupo tipo : {TipoGrupo::Bloque, TipoGrupo::Horizontal, TipoGrupo::Vertical}) {
            for (std::size_t i = 0; i < j; ++i) {
                if (rejilla[i] != rejilla[j] || tablero::GrupoDe(tipo, orden[i]) != tablero::GrupoDe(tipo, cj)) continue;
                return Repeticion{rejilla[j], tipo, tablero::GrupoDe(tipo, cj), j, i};
            }
        }
    }
    return std::nullopt;
}

std::string Explica(const Repeticion& r) {
    const char* grupo = r.Tipo == TipoGrupo::Bloque ? "el bloque " : r.Tipo == TipoGrupo::Horizontal ? "la fila " : "la columna ";
    const auto& orden = tablero::OrdenRejilla();
    return "el " + std::string(1, r.Digito) + " de la casilla " + tablero::Nombre(orden[r.Posicion % NumCeldas]) + " (" +
           LugarEnRejilla(r.Posicion) + ") se repite en " + grupo + std::to_string(r.Grupo) + ", en la casilla " +
           tablero::Nombre(orden[r.Anterior % NumCeldas]) + " (" + LugarEnRejilla(r.Anterior) + ")";
}

const char* NombreGrupo(TipoGrupo tipo) {
    switch (tipo) {
        case TipoGrupo::Bloque: return "Bloque";
        case TipoGrupo::Horizontal: return "Horizontal";
        case TipoGrupo::Vertical: return "Vertical";
    }
    return "";
}

std::string TextoDeTablero(const Tablero& t) {
    std::string r;
    r.reserve(NumCeldas + 1);
    for (int c : tablero::OrdenRejilla()) {
        const std::string& v = t[c].Caption;
        r += v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? v[0] : '.';
    }
    return r + "\n";
}

}  // namespace novenario
