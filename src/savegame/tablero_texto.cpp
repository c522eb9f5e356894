// Boards read from text and written back as text.
#include "savegame/tablero_texto.h"

#include <algorithm>
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


// ---- Grids drawn with blanks for their empty cells ------------------------------
// "| 5 3   |   7   |       |", box-drawing grids with blanks inside, nine
// lines of nine with a blank where a cell is empty, a spreadsheet's rows
// copied with a tab between cells: here a blank is a cell, so the cells are
// found by where they stand, not by counting them. A column of the grid is
// a column of the text (a tab moves to the next multiple of eight); a grid's
// columns must line up, and where a column has no digit in any row, the
// drawing must leave no doubt which column of the board it is.

enum class Glifo { Blanco, Casilla, Vertical, Horizontal, Otro };

struct Punto {
    Glifo glifo = Glifo::Blanco;
    char valor = 0;  // '1'..'9' for a digit, 0 for an empty cell's mark
};

bool EsVertical(std::string_view ch) {
    if (ch == "|") return true;
    // │ ┃ ┆ ┇ ┊ ┋ ║ ╎ ╏
    static const char* const verticales[] = {"\xE2\x94\x82", "\xE2\x94\x83", "\xE2\x94\x86", "\xE2\x94\x87",
                                             "\xE2\x94\x8A", "\xE2\x94\x8B", "\xE2\x95\x91", "\xE2\x95\x8E",
                                             "\xE2\x95\x8F"};
    for (const char* v : verticales)
        if (ch == v) return true;
    return false;
}

// A line as the columns of its characters; tabs moved to the next multiple
// of eight.
std::vector<Punto> Columnas(std::string_view texto) {
    std::vector<Punto> r;
    const std::vector<std::string_view> chars = Caracteres(texto);
    bool cifras = false;  // "-" is an empty cell in a line with cells, a rule's piece elsewhere
    for (std::string_view ch : chars) {
        const Clase c = ClaseDe(ch);
        cifras = cifras || c == Clase::Cifra || c == Clase::Vacia;
    }
    for (std::string_view ch : chars) {
        Punto p;
        switch (ClaseDe(ch)) {
            case Clase::Cifra: p = {Glifo::Casilla, ch[0]}; break;
            case Clase::Vacia: p = {Glifo::Casilla, 0}; break;
            case Clase::Raya: p = {cifras ? Glifo::Casilla : Glifo::Horizontal, 0}; break;
            case Clase::Separador:
                if (ch == "\t") {
                    do r.push_back({});
                    while (r.size() % 8 != 0);
                    continue;
                }
                p.glifo = ch.size() == 1 && ch[0] != '|' && ch[0] != '+' ? Glifo::Blanco
                          : ch == "\xC2\xA0"                          ? Glifo::Blanco
                          : EsVertical(ch)                            ? Glifo::Vertical
                                                                      : Glifo::Horizontal;
                break;
            case Clase::Otro: p.glifo = Glifo::Otro; break;
        }
        r.push_back(p);
    }
    return r;
}

// The slot on the board (0..8 across a band of nine, 0..2 across a block)
// of each column that holds cells, when only one way of laying the slots
// out fits: slots evenly spaced (paso) from a first one (inicio), a wider
// gap (salto) between blocks when nueve, and with a right edge (ancho, 0
// when none is drawn) the blank margins on both sides within one column of
// each other. Columns relative to the start of their part of the line.
std::optional<std::vector<std::size_t>> Ranuras(const std::vector<std::size_t>& cols, std::size_t ancho, bool nueve) {
    const std::size_t n = nueve ? 9 : 3;
    if (cols.empty()) return std::vector<std::size_t>{};
    std::optional<std::vector<std::size_t>> unica;
    const std::size_t max_paso = ancho ? ancho : cols.back() + 9;
    for (std::size_t paso = 1; paso <= max_paso && paso <= 16; ++paso) {
        for (std::size_t salto = 0; salto <= (nueve ? 8u : 0u); ++salto) {
            for (std::size_t inicio = 0; inicio <= cols.front(); ++inicio) {
                const auto lugar = [&](std::size_t k) { return inicio + paso * k + salto * (k / 3); };
                const std::size_t ultimo = lugar(n - 1);
                if (ancho) {
                    if (ultimo >= ancho) continue;
                    const std::size_t izquierda = inicio, derecha = ancho - 1 - ultimo;
                    if (izquierda > derecha + 1 || derecha > izquierda + 1) continue;
                }
                std::vector<std::size_t> ranuras;
                for (std::size_t c : cols) {
                    for (std::size_t k = 0; k < n; ++k)
                        if (lugar(k) == c) ranuras.push_back(k);
                }
                if (ranuras.size() != cols.size()) continue;
                if (unica && *unica != ranuras) return std::nullopt;  // two ways: no telling which
                unica = ranuras;
            }
        }
    }
    return unica;
}

// The board a grid drawn with blanks holds. nullopt with error empty when
// the text is no such grid (it is then read, or refused, as cells counted);
// with error set when it is one whose columns cannot be told.
std::optional<TableroTexto> LeeConBlancos(const std::vector<std::string_view>& lineas, std::string& error) {
    error.clear();
    struct Fila {
        std::vector<Punto> puntos;
    };
    std::vector<Fila> filas;
    std::vector<std::size_t> blancas_entre;  // blank lines after the first row, by the row count before them
    bool rayas_verticales = false, blancos_dentro = false;
    for (std::string_view linea : lineas) {
        std::vector<Punto> puntos = Columnas(linea.substr(0, linea.find('#')));
        bool casillas = false, verticales = false, horizontales = false, llena = false;
        for (const Punto& p : puntos) {
            if (p.glifo == Glifo::Otro) return std::nullopt;
            casillas = casillas || p.glifo == Glifo::Casilla;
            verticales = verticales || p.glifo == Glifo::Vertical;
            horizontales = horizontales || p.glifo == Glifo::Horizontal;
            llena = llena || p.glifo != Glifo::Blanco;
        }
        if (!llena) {
            if (!filas.empty()) blancas_entre.push_back(filas.size());
            continue;
        }
        if (horizontales) {
            if (casillas) return std::nullopt;  // a rule with cells on it: no drawing this reads
            continue;                           // a grid's rule
        }
        // Two blanks or more between the drawing's marks: a blank cell.
        std::size_t primero = puntos.size(), ultimo = 0;
        for (std::size_t i = 0; i < puntos.size(); ++i) {
            if (puntos[i].glifo == Glifo::Blanco) continue;
            primero = std::min(primero, i);
            ultimo = i;
        }
        for (std::size_t i = primero, racha = 0; i <= ultimo; ++i) {
            racha = puntos[i].glifo == Glifo::Blanco ? racha + 1 : 0;
            blancos_dentro = blancos_dentro || racha >= 2;
        }
        rayas_verticales = rayas_verticales || verticales;
        filas.push_back({std::move(puntos)});
    }
    // A row with no given, written with no "|", is a blank line among the rows.
    while (!blancas_entre.empty() && blancas_entre.back() == filas.size()) blancas_entre.pop_back();
    if (filas.size() < 9 && !rayas_verticales && filas.size() + blancas_entre.size() == 9) {
        for (auto it = blancas_entre.rbegin(); it != blancas_entre.rend(); ++it)
            filas.insert(filas.begin() + static_cast<std::ptrdiff_t>(*it), Fila{});
        blancos_dentro = true;
    }
    if (filas.size() != 9 || !blancos_dentro) return std::nullopt;
    // No grid is drawn that wide; and the layouts tried below stay few.
    constexpr std::size_t MaximoAncho = 400;

    // The columns that hold a cell in some row, and those that hold a "|".
    std::size_t ancho = 0;
    for (const Fila& f : filas) ancho = std::max(ancho, f.puntos.size());
    if (ancho > MaximoAncho) return std::nullopt;
    std::vector<bool> de_casilla(ancho, false), de_raya(ancho, false);
    for (std::size_t r = 0; r < 9; ++r) {
        for (std::size_t c = 0; c < filas[r].puntos.size(); ++c) {
            de_casilla[c] = de_casilla[c] || filas[r].puntos[c].glifo == Glifo::Casilla;
            de_raya[c] = de_raya[c] || filas[r].puntos[c].glifo == Glifo::Vertical;
        }
    }
    std::vector<std::size_t> cols, rayas;
    for (std::size_t c = 0; c < ancho; ++c) {
        if (de_casilla[c] && de_raya[c]) {
            for (std::size_t r = 0; r < 9; ++r) {
                if (c < filas[r].puntos.size() && filas[r].puntos[c].glifo == Glifo::Casilla) {
                    error = "sus casillas no se alinean: la fila " + std::to_string(r + 1) +
                            " tiene una donde otra fila tiene una raya";
                    return std::nullopt;
                }
            }
        }
        if (de_casilla[c]) cols.push_back(c);
        if (de_raya[c]) rayas.push_back(c);
    }
    if (cols.size() > 9) {
        error = "sus casillas no se alinean en 9 columnas, sino en " + std::to_string(cols.size());
        return std::nullopt;
    }

    // Which of the nine columns of the board each column of cells is.
    std::vector<std::size_t> ranura(ancho, 0);
    bool sabidas = cols.size() == 9;
    if (sabidas) {
        for (std::size_t k = 0; k < 9; ++k) ranura[cols[k]] = k;
    } else {
        // The parts of the line between "|": a part before the first or
        // after the last is the grid's only when it holds cells.
        struct Parte {
            std::size_t desde, hasta;  // [desde, hasta)
            bool cerrada;              // a "|" on both sides: its width is the drawing's
        };
        std::vector<Parte> partes;
        std::size_t desde = 0;
        for (std::size_t r : rayas) {
            partes.push_back({desde, r, desde > 0});
            desde = r + 1;
        }
        partes.push_back({desde, ancho, false});
        const auto relativas = [&](const Parte& p) {
            std::vector<std::size_t> r;
            for (std::size_t c = p.desde; c < p.hasta; ++c)
                if (de_casilla[c]) r.push_back(c - p.desde);
            return r;
        };
        if (relativas(partes.back()).empty()) partes.pop_back();
        if (!partes.empty() && relativas(partes.front()).empty()) partes.erase(partes.begin());
        // Two "|" side by side hold nothing between them.
        std::erase_if(partes, [](const Parte& p) { return p.hasta <= p.desde; });
        const auto ancho_de = [](const Parte& p) { return p.cerrada ? p.hasta - p.desde : 0; };

        if (partes.size() == 9) {
            // A cell between every two "|".
            sabidas = true;
            for (std::size_t k = 0; k < 9 && sabidas; ++k) {
                const std::vector<std::size_t> r = relativas(partes[k]);
                if (r.size() > 1) sabidas = false;
                for (std::size_t c : r) ranura[partes[k].desde + c] = k;
            }
        } else if (partes.size() == 3) {
            // A block between every two "|": when the three are drawn alike,
            // the columns of one tell those of the others.
            const std::size_t w = ancho_de(partes[0]);
            bool iguales = w > 0;
            std::vector<std::size_t> todas;
            for (const Parte& p : partes) {
                iguales = iguales && ancho_de(p) == w;
                for (std::size_t c : relativas(p)) todas.push_back(c);
            }
            std::sort(todas.begin(), todas.end());
            todas.erase(std::unique(todas.begin(), todas.end()), todas.end());
            const auto comunes = iguales ? Ranuras(todas, w, false) : std::nullopt;
            sabidas = true;
            for (std::size_t b = 0; b < 3 && sabidas; ++b) {
                const std::vector<std::size_t> r = relativas(partes[b]);
                const std::vector<std::size_t>& de = comunes ? todas : r;
                const auto k = comunes ? comunes : Ranuras(r, ancho_de(partes[b]), false);
                if (!k) sabidas = false;
                for (std::size_t i = 0; k && i < de.size(); ++i)
                    if (de_casilla[partes[b].desde + de[i]]) ranura[partes[b].desde + de[i]] = b * 3 + (*k)[i];
            }
        } else if (partes.size() == 1) {
            // The nine columns evenly spaced, perhaps wider between blocks.
            const Parte& p = partes[0];
            const std::vector<std::size_t> r = relativas(p);
            if (const auto k = Ranuras(r, ancho_de(p), true)) {
                sabidas = true;
                for (std::size_t i = 0; i < r.size(); ++i) ranura[p.desde + r[i]] = (*k)[i];
            }
        }
    }
    if (!sabidas) {
        error = "tiene columnas sin ninguna cifra y no se ve cuáles son";
        return std::nullopt;
    }

    TableroTexto rejilla{};
    for (std::size_t r = 0; r < 9; ++r) {
        for (std::size_t c = 0; c < filas[r].puntos.size(); ++c) {
            const Punto& p = filas[r].puntos[c];
            if (p.glifo == Glifo::Casilla) rejilla[r * 9 + ranura[c]] = p.valor;
        }
    }
    return rejilla;
}

// The board of a text whose cells are counted: every cell a character of
// its own, blanks only between them.
std::optional<TableroTexto> LeeContando(std::string_view texto, std::string& error) {

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

}  // namespace

std::optional<TableroTexto> LeeTablero(std::string_view texto, std::string& error) {
    if (texto.size() > MaximoTextoTablero) {
        error = "el texto es demasiado largo para ser un tablero";
        return std::nullopt;
    }
    if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);  // a byte order mark
    // What was always read is read the same; a grid with blanks for its
    // empty cells is read by its columns only when counting fails.
    if (auto contada = LeeContando(texto, error)) return contada;
    std::string por_columnas;
    if (auto rejilla = LeeConBlancos(Lineas(texto), por_columnas)) {
        error.clear();
        return rejilla;
    }
    if (!por_columnas.empty()) error = por_columnas;
    return std::nullopt;
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
