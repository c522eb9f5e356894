// The companion tool's orders of the reasoning engine: calificar (the rating
// of each board) and explicar (the steps a person would take), and the
// rating the other orders show (generar --dificultad, the booklet).
#include <cstdio>
#include <iostream>

#include "board/juego.h"
#include "candidates/candidatos.h"
#include "cli/cli.h"
#include "logica/logica.h"
#include "savegame/partidas.h"
#include "ayuda/ayuda.h"

namespace novenario::cli {

// Never through printf: the booklet's Qt sets the machine's locale, and a
// rating must read "4.2" in every language.
std::string Decimal1(double x) { return logica::TextoDificultad(x); }

std::optional<std::pair<double, double>> BandaDificultad(const std::string& texto) {
    const std::size_t dos = texto.find(':');
    if (dos == std::string::npos) return std::nullopt;
    auto lee = [](const std::string& s) -> std::optional<double> {
        if (s.empty() || s.size() > 8) return std::nullopt;
        for (char c : s)
            if (!(c >= '0' && c <= '9') && c != '.') return std::nullopt;
        try {
            std::size_t fin = 0;
            const double x = std::stod(s, &fin);
            if (fin != s.size() || x < 0.0 || x > 20.0) return std::nullopt;
            return x;
        } catch (...) {
            return std::nullopt;
        }
    };
    const auto a = lee(texto.substr(0, dos)), b = lee(texto.substr(dos + 1));
    if (!a || !b || *a > *b) return std::nullopt;
    return std::make_pair(*a, *b);
}

logica::Tablero TableroLogico(const std::string& rejilla) {
    logica::Tablero t{};
    for (std::size_t i = 0; i < t.size() && i < rejilla.size(); ++i)
        t[i] = (rejilla[i] >= '1' && rejilla[i] <= '9') ? static_cast<std::uint8_t>(rejilla[i] - '0') : 0;
    return t;
}

std::string Enunciado(const TFormPrincipal& f) {
    std::string r;
    for (int c : tablero::OrdenRejilla())
        r += (f.Paneles[c].Color_ == Naranja && !f.Paneles[c].Caption.empty()) ? f.Paneles[c].Caption : ".";
    return r;
}

namespace {

// One board for the engine: its digits, and for a saved game its stored
// solution and the player's moves.
struct Puzle {
    std::string rejilla;       // 81 characters, "." empty
    logica::Contexto contexto;
};

// A fault of one board is said on standard error and the others go on; the
// exit status is 2 for a badly written board, 1 for a saved game that does
// not load.
std::vector<std::optional<Puzle>> Puzles(const std::vector<Fuente>& fuentes, int& estado) {
    std::vector<std::optional<Puzle>> r;
    for (std::size_t t = 0; t < fuentes.size(); ++t) {
        const Fuente& fuente = fuentes[t];
        std::string error = fuente.error;
        r.emplace_back();
        if (fuente.partida) {
            EntornoMudo mudo;
            std::optional<TFormPrincipal> juego;
            TFormPrincipal& f = Juego_Nuevo(mudo, juego);
            if (!CargaPartida(f, mudo, fuente.texto, error)) {
                std::cerr << "novenario-cli: " << fuente.Nombre(t + 1) << ": " << error << "\n";
                estado = std::max(estado, 1);
                continue;
            }
            Puzle p;
            p.rejilla = EnRejilla(f);
            p.contexto = Contexto_Logico(f);
            r.back() = p;
        } else {
            const auto rejilla = LeeFuente(fuente, false, error);
            if (!rejilla) {
                std::cerr << "novenario-cli: " << fuente.Nombre(t + 1) << ": " << error << "\n";
                estado = 2;
                continue;
            }
            Puzle p;
            for (char c : *rejilla) p.rejilla += (c >= '1' && c <= '9') ? c : '.';
            r.back() = p;
        }
    }
    return r;
}

std::string Digitos(const std::vector<logica::Digito>& ds) {
    std::string s = "[";
    for (std::size_t k = 0; k < ds.size(); ++k) {
        if (k) s += ",";
        s += "{\"fila\":" + std::to_string(ds[k].celda / 9 + 1) + ",\"columna\":" + std::to_string(ds[k].celda % 9 + 1) +
             ",\"cifra\":" + std::to_string(ds[k].cifra) + "}";
    }
    return s + "]";
}

}  // namespace

int Calificar(const Argumentos& a) {
    if (a.resto.empty()) return Uso(kAyudaCalificar, "calificar necesita al menos un tablero");
    int estado = 0;
    std::vector<Fuente> fuentes;
    if (const auto fin = FuentesDeArgumentos(a, kAyudaCalificar, fuentes)) return *fin;
    const auto puzles = Puzles(fuentes, estado);
    for (const auto& p : puzles) {
        if (!p || !std::cout) continue;
        const logica::Calificacion c = logica::Calificar(TableroLogico(p->rejilla));
        std::cout << "{\"tablero\":" << Json(p->rejilla) << ",\"soluciones\":" << c.soluciones
                  << ",\"dificultad\":" << Decimal1(c.dificultad) << ",\"nivel\":"
                  << (c.soluciones ? Json(c.nivel) : "null") << ",\"tecnica\":"
                  << (c.soluciones ? Json(c.tecnica) : "null") << "}\n";
    }
    return estado;
}

int Explicar(const Argumentos& a) {
    if (a.resto.size() != 1) return Uso(kAyudaExplicar, "explicar necesita un tablero");
    int estado = 0;
    std::vector<Fuente> fuentes;
    if (const auto fin = FuentesDeArgumentos(a, kAyudaExplicar, fuentes)) return *fin;
    if (fuentes.size() > 1) return Uso(kAyudaExplicar, "explicar lee un solo tablero");
    const auto puzles = Puzles(fuentes, estado);
    if (!puzles[0]) return estado;
    const Puzle& p = *puzles[0];
    const logica::Tablero t = TableroLogico(p.rejilla);
    const auto pasos = a.Tiene(kTodo.nombre) ? logica::Resolver(t, p.contexto) : logica::HastaColocar(t, p.contexto);
    for (std::size_t k = 0; k < pasos.size() && std::cout; ++k) {
        const logica::Paso& paso = pasos[k];
        std::string casas = "[";
        for (std::size_t j = 0; j < paso.casas.size(); ++j)
            casas += (j ? "," : "") + Json(logica::NombreCasa(paso.casas[j]));
        casas += "]";
        std::cout << "{\"paso\":" << k + 1 << ",\"tecnica\":" << Json(paso.nombre) << ",\"dificultad\":"
                  << Decimal1(paso.dificultad) << ",\"coloca\":" << Digitos(paso.coloca)
                  << ",\"elimina\":" << Digitos(paso.elimina) << ",\"casas\":" << casas
                  << ",\"resumen\":" << Json(paso.resumen) << ",\"texto\":" << Json(paso.texto) << "}\n";
    }
    return estado;
}

}  // namespace novenario::cli
