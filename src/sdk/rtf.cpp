// Writing and reading the RTF container of a saved game.
//
// The reader is a single pass over the bytes with a small stack of group
// states; nothing is ever read past the end, no recursion is used, and every
// character of text it produces costs at least one byte of input.
#include "sdk/rtf.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "sdk/caracteres.h"

namespace novenario::sdk {

// Courier New, ANSI, fixed pitch, at 8 points: the font of the hidden box the
// game writes its lines through. Spanish (3082) as the default language.
const std::string_view CabeceraRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs16 ";

namespace {

constexpr char Hex[] = "0123456789abcdef";

void EscribeTexto(std::string& salida, std::string_view linea) {
    for (char ch : linea) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '{' || ch == '}') {
            salida += '\\';
            salida += ch;
        } else if (b < 0x20 || b >= 0x7F) {
            salida += "\\'";
            salida += Hex[b >> 4];
            salida += Hex[b & 0x0F];
        } else {
            salida += ch;
        }
    }
}

bool EsLetra(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Groups whose text is not part of the document: tables of the header,
// document properties, pictures, objects, headers and footers, notes, field
// instructions, the text of list bullets (a rich-text control keeps bullets
// as formatting, not as text).
constexpr std::string_view Destinos[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnid",
    "atnparent", "atnref", "atntime", "author", "bkmkend", "bkmkstart", "buptim",
    "category", "colorschememapping", "colortbl", "comment", "company", "creatim",
    "datastore", "doccomm", "docvar", "falt", "filetbl", "fldinst", "fontemb",
    "fontfile", "fonttbl", "footer", "footerf", "footerl", "footerr", "footnote",
    "ftncn", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl",
    "headerr", "info", "keywords", "latentstyles", "listoverridetable", "listtable",
    "listtext", "manager", "nonshppict", "object", "operator", "pict", "pntext",
    "printim", "revtbl", "revtim", "rsidtbl", "stylesheet", "subject", "themedata",
    "title", "userprops", "xmlnstbl"};

static_assert(std::is_sorted(std::begin(Destinos), std::end(Destinos)));

bool EsDestino(std::string_view palabra) {
    return std::binary_search(std::begin(Destinos), std::end(Destinos), palabra);
}

// Control words that stand for one character of text (ANSI code page 1252).
struct Simbolo {
    std::string_view palabra;
    char caracter;
};
constexpr std::array<Simbolo, 12> Simbolos{{
    {"bullet", '\x95'}, {"cell", '\t'}, {"emdash", '\x97'}, {"emspace", ' '},
    {"endash", '\x96'}, {"enspace", ' '}, {"ldblquote", '\x93'}, {"lquote", '\x91'},
    {"qmspace", ' '}, {"rdblquote", '\x94'}, {"rquote", '\x92'}, {"tab", '\t'},
}};

// Control words that end a line of the text.
constexpr std::array<std::string_view, 5> FinesDeLinea{"line", "page", "par", "row", "sect"};

// Deeper groups than this are skipped whole: no real document nests so far,
// and the stack of states stays small whatever the input.
constexpr std::size_t ProfundidadMaxima = 128;
// Parameters are cut here: far beyond any real value, and no overflow.
constexpr long Tope = 100000000;

class LectorRtf {
public:
    LectorRtf(std::string_view s, const Receptor& recibe) : s_(s), recibe_(recibe) {}

    void Lee() {
        // Start at the opening brace of the document.
        while (i_ < s_.size() && s_[i_] != '{') ++i_;
        while (i_ < s_.size() && sigue_) {
            const char c = s_[i_];
            if (c == '{') {
                ++i_;
                AbreGrupo();
            } else if (c == '}') {
                ++i_;
                CierraGrupo();
                if (pila_.empty() && exceso_ == 0) break;  // the end of the document
            } else if (c == '\r' || c == '\n') {
                ++i_;  // line breaks of the source are not text
            } else if (c == '\\') {
                ++i_;
                Control();
            } else {
                ++i_;
                Texto(c);
            }
        }
        if (sigue_ && !linea_.empty()) recibe_(linea_);
    }

private:
    struct Estado {
        bool salta = false;  // inside a destination whose text is not ours
        long uc = 1;         // characters of fallback after \uN
    };

    bool Saltando() const { return exceso_ > 0 || pila_.empty() || pila_.back().salta; }

    void AbreGrupo() {
        pendientes_ = 0;
        if (exceso_ > 0 || pila_.size() >= ProfundidadMaxima) {
            ++exceso_;
            return;
        }
        pila_.push_back(pila_.empty() ? Estado{} : pila_.back());
    }

    void CierraGrupo() {
        pendientes_ = 0;
        if (exceso_ > 0) {
            --exceso_;
        } else if (!pila_.empty()) {
            pila_.pop_back();
        }
    }

    // One character of text; the fallback of a \uN swallows it instead.
    void Texto(char c) {
        if (pendientes_ > 0) {
            --pendientes_;
            return;
        }
        if (!Saltando()) linea_ += c;
    }

    void FinLinea() {
        if (pendientes_ > 0) {
            --pendientes_;
            return;
        }
        if (Saltando() || !sigue_) return;
        sigue_ = recibe_(linea_);
        linea_.clear();
    }

    // A control symbol or word that means nothing here, but still counts as
    // one character of a \uN fallback.
    void Nada() {
        if (pendientes_ > 0) --pendientes_;
    }

    // After a backslash.
    void Control() {
        if (i_ >= s_.size()) return;  // a truncated file
        const char c = s_[i_];
        if (EsLetra(c)) {
            Palabra();
            return;
        }
        ++i_;
        switch (c) {
        case '\\':
        case '{':
        case '}': Texto(c); break;
        case '~': Texto(' '); break;
        case '_': Texto('-'); break;
        case '\'': {
            const int alto = i_ < s_.size() ? ValorHex(s_[i_]) : -1;
            const int bajo = i_ + 1 < s_.size() ? ValorHex(s_[i_ + 1]) : -1;
            if (alto < 0 || bajo < 0) {
                Nada();  // a broken escape: dropped, what follows is read as usual
                break;
            }
            i_ += 2;
            Texto(static_cast<char>(alto * 16 + bajo));
            break;
        }
        case '*':
            // An ignorable destination: no reader is required to know it.
            if (!pila_.empty()) pila_.back().salta = true;
            break;
        case '\r':
        case '\n': FinLinea(); break;  // a backslash before a line break is \par
        default: Nada(); break;         // \-, \|, \: and the like
        }
    }

    void Palabra() {
        std::string palabra;
        while (i_ < s_.size() && EsLetra(s_[i_])) {
            if (palabra.size() < 32) palabra += s_[i_];
            ++i_;
        }
        bool negativo = false;
        bool hayParametro = false;
        long parametro = 0;
        if (i_ + 1 < s_.size() && s_[i_] == '-' && EsCifra(s_[i_ + 1])) {
            negativo = true;
            ++i_;
        }
        while (i_ < s_.size() && EsCifra(s_[i_])) {
            hayParametro = true;
            parametro = std::min(Tope, parametro * 10 + (s_[i_] - '0'));
            ++i_;
        }
        if (negativo) parametro = -parametro;
        if (i_ < s_.size() && s_[i_] == ' ') ++i_;  // the delimiter is not text

        if (palabra == "bin") {
            // Raw bytes follow; they are never text and may hold anything.
            const std::size_t n = hayParametro && parametro > 0 ? static_cast<std::size_t>(parametro) : 0;
            i_ += std::min(n, s_.size() - i_);
            Nada();
            return;
        }
        if (pendientes_ > 0) {
            --pendientes_;
            return;
        }
        if (Saltando()) return;
        if (EsDestino(palabra)) {
            pila_.back().salta = true;
            return;
        }
        if (std::find(FinesDeLinea.begin(), FinesDeLinea.end(), palabra) != FinesDeLinea.end()) {
            FinLinea();
            return;
        }
        for (const Simbolo& sim : Simbolos) {
            if (palabra == sim.palabra) {
                Texto(sim.caracter);
                return;
            }
        }
        if (palabra == "uc") {
            pila_.back().uc = hayParametro ? std::max(0L, parametro) : 1;
        } else if (palabra == "u" && hayParametro) {
            Unicode(parametro);
            pendientes_ = pila_.back().uc;
        }
    }

    // One UTF-16 unit as one byte of text, as an ANSI program reads it: the
    // code points up to 0xFF are themselves, the rest a "?"; the second half
    // of a surrogate pair adds nothing, since the first gave the "?".
    void Unicode(long u) {
        if (u < 0) u += 65536;
        if (u < 0 || u > 0xFFFF) return;
        if (u >= 0xDC00 && u <= 0xDFFF) return;
        Texto(u <= 0xFF ? static_cast<char>(u) : '?');
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::vector<Estado> pila_;
    std::size_t exceso_ = 0;  // open groups beyond ProfundidadMaxima
    long pendientes_ = 0;     // fallback characters still to swallow
    std::string linea_;
    const Receptor& recibe_;
    bool sigue_ = true;  // the receptor wants more
};

std::string_view SinPreambulo(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::size_t i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
    return bytes.substr(i);
}

}  // namespace

std::string EscribeRtf(const std::vector<std::string>& lineas) {
    std::string salida(CabeceraRtf);
    for (const std::string& linea : lineas) {
        EscribeTexto(salida, linea);
        salida += "\\par\r\n";
    }
    salida += "}\r\n";
    return salida;
}

bool EsRtf(std::string_view bytes) {
    return SinPreambulo(bytes).substr(0, 5) == "{\\rtf";
}

namespace {

void RecorreRtf(std::string_view bytes, const Receptor& recibe) { LectorRtf(SinPreambulo(bytes), recibe).Lee(); }

void RecorreTexto(std::string_view bytes, const Receptor& recibe) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::string linea;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        linea.assign(bytes.substr(inicio, i - inicio));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        inicio = i + 1;
        if (!recibe(linea)) return;
    }
    if (inicio < bytes.size()) {
        linea.assign(bytes.substr(inicio));
        recibe(linea);
    }
}

// Every line kept, for the readers that want them all.
Receptor Todas(std::vector<std::string>& lineas) {
    return [&lineas](std::string& linea) {
        lineas.push_back(std::move(linea));
        return true;
    };
}

}  // namespace

std::vector<std::string> LeeRtf(std::string_view bytes) {
    std::vector<std::string> lineas;
    RecorreRtf(bytes, Todas(lineas));
    return lineas;
}

std::vector<std::string> LeeTexto(std::string_view bytes) {
    std::vector<std::string> lineas;
    RecorreTexto(bytes, Todas(lineas));
    return lineas;
}

void RecorreLineas(std::string_view bytes, const Receptor& recibe) {
    if (EsRtf(bytes)) RecorreRtf(bytes, recibe);
    else RecorreTexto(bytes, recibe);
}

std::vector<std::string> LeeLineas(std::string_view bytes) {
    std::vector<std::string> lineas;
    RecorreLineas(bytes, Todas(lineas));
    return lineas;
}

}  // namespace novenario::sdk
