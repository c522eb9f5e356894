// The boards of standard input: one a line, as a board is written on the
// command line, or a JSON line of generar. Read with bounds, so that endless
// or binary input (a device, a file that is no list of boards) ends in a
// message at once and not in a machine out of memory.
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/cli.h"

namespace novenario::cli {

namespace {

// The value of "campo" in a JSON line of generar (a plain string, as a
// board is), blanks allowed around the colon.
std::optional<std::string> CampoJson(std::string_view linea, std::string_view campo) {
    const std::string clave = "\"" + std::string(campo) + "\"";
    for (std::size_t i = linea.find(clave); i != std::string_view::npos; i = linea.find(clave, i + 1)) {
        std::size_t j = i + clave.size();
        while (j < linea.size() && (linea[j] == ' ' || linea[j] == '\t')) ++j;
        if (j >= linea.size() || linea[j] != ':') continue;
        ++j;
        while (j < linea.size() && (linea[j] == ' ' || linea[j] == '\t')) ++j;
        if (j >= linea.size() || linea[j] != '"') continue;
        const std::size_t hasta = linea.find('"', j + 1);
        if (hasta == std::string_view::npos) return std::nullopt;
        return std::string(linea.substr(j + 1, hasta - j - 1));
    }
    return std::nullopt;
}

std::string EnBytes(std::size_t n) {
    if (n >= (std::size_t{1} << 20) && n % (std::size_t{1} << 20) == 0) return std::to_string(n >> 20) + " MiB";
    if (n >= (std::size_t{1} << 10) && n % (std::size_t{1} << 10) == 0) return std::to_string(n >> 10) + " KiB";
    return std::to_string(n) + " bytes";
}

// One line of standard input taken as a board, or as no board at all.
void TomaLinea(const std::string& linea, std::size_t numero, std::vector<Fuente>& fuentes, std::size_t& tableros) {
    const std::string limpia = Trim(linea.substr(0, linea.find('#')));
    if (limpia.empty()) return;
    ++tableros;
    Fuente f;
    f.linea = numero;
    if (limpia.front() != '{') f.texto = limpia;
    else if (const auto tablero = CampoJson(limpia, "tablero")) f.texto = *tablero;
    else f.error = "la línea JSON no tiene \"tablero\"";
    fuentes.push_back(std::move(f));
}

}  // namespace

std::string Fuente::Nombre(std::size_t numero) const {
    std::string r = "tablero " + std::to_string(numero);
    if (linea) r += " (línea " + std::to_string(linea) + " de la entrada estándar)";
    return r;
}

LecturaEntrada LeeTablerosEntrada(std::istream& entrada, std::vector<Fuente>& fuentes, std::size_t max_linea,
                                  std::size_t max_total) {
    LecturaEntrada r;
    std::streambuf* buf = entrada.rdbuf();
    std::string linea;
    std::size_t total = 0;
    bool abierta = false;  // a line has begun and not ended
    errno = 0;
    while (buf) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) break;
        if (++total > max_total) {
            r.error = "la entrada estándar pasa de " + EnBytes(max_total) +
                      ": es demasiado grande para leerla como una lista de tableros";
            return r;
        }
        if (c == '\n') {
            TomaLinea(linea, ++r.lineas, fuentes, r.tableros);
            linea.clear();
            abierta = false;
            continue;
        }
        abierta = true;
        if (linea.size() >= max_linea) {
            r.error = "la línea " + std::to_string(r.lineas + 1) + " de la entrada estándar pasa de " +
                      EnBytes(max_linea) + ": no es un tablero ni una línea de generar";
            return r;
        }
        linea += static_cast<char>(c);
    }
    // A directory or a broken device on standard input reads as its end.
    if (&entrada == &std::cin && std::ferror(stdin)) {
        const int error = errno;
        std::clearerr(stdin);
        r.error = "no se ha podido leer la entrada estándar" + (error ? ": " + Motivo(error) : std::string());
        return r;
    }
    if (abierta) TomaLinea(linea, ++r.lineas, fuentes, r.tableros);
    return r;
}

std::optional<int> FuentesDeArgumentos(const Argumentos& a, const char* ayuda, std::vector<Fuente>& fuentes) {
    bool entrada = false;
    LecturaEntrada leida;
    for (const std::string& arg : a.resto) {
        if (arg != "-") {
            Fuente f;
            f.texto = arg;
            f.partida = EsPartida(arg);
            fuentes.push_back(std::move(f));
            continue;
        }
        // A second "-" finds the input at its end already.
        if (entrada) continue;
        entrada = true;
        leida = LeeTablerosEntrada(std::cin, fuentes);
        if (!leida.error.empty()) {
            std::cerr << "novenario-cli: " << leida.error << "\n";
            return 2;
        }
    }
    if (!fuentes.empty()) return std::nullopt;
    if (!entrada) return Uso(ayuda, "falta el tablero");
    if (leida.lineas == 0) return Uso(ayuda, "la entrada estándar no tiene ningún tablero: está vacía");
    return Uso(ayuda, "la entrada estándar no tiene ningún tablero: " +
                          (leida.lineas == 1 ? std::string("su línea está en blanco o es un comentario")
                                             : "sus " + std::to_string(leida.lineas) +
                                                   " líneas están en blanco o son comentarios"));
}

std::optional<TableroTexto> LeeFuente(const Fuente& fuente, bool reglas, std::string& error) {
    if (!fuente.error.empty()) {
        error = fuente.error;
        return std::nullopt;
    }
    return LeeTableroArgumento(fuente.texto, reglas, error);
}

}  // namespace novenario::cli
