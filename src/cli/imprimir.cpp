// The companion tool's booklet: the page "Imprimir" prints for every board,
// each board set up in a game of its own as a load sets it up, and with
// --soluciones the page of the same game after "Solución". The pages are
// data (print/reporte.h); painting them into a PDF file is the one thing
// here that needs Qt, and the small library that does it is there only when
// the tool was built with the window.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "board/juego.h"
#include "cli/cli.h"
#include "print/imprimir.h"
#include "savegame/partidas.h"
#include "solver/calcula.h"
#include "windows/libro.h"

namespace novenario::cli {

namespace {

// The outside world of a booklet's game: the print dialog is accepted at
// once and the page the game prints is kept; the date and the time are the
// machine's, as the status bar shows them (the long date in Spanish), or,
// for a booklet made again byte for byte, those of SOURCE_DATE_EPOCH (in
// UTC, as reproducible builds read it).
class EntornoLibro : public EntornoMudo {
public:
    std::string FechaLarga() override {
        static const char* const dias[] = {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"};
        static const char* const meses[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                                            "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
        const std::tm t = Ahora();
        return std::string(dias[t.tm_wday % 7]) + ", " + std::to_string(t.tm_mday) + " de " + meses[t.tm_mon % 12] +
               " de " + std::to_string(t.tm_year + 1900);
    }
    std::string Hora() override {
        const std::tm t = Ahora();
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
        return buf;
    }
    bool ConfigurarImpresion(const Reporte&) override { return true; }
    bool ImprimirPagina(const Reporte& pagina) override {
        Paginas.push_back(pagina);
        return true;
    }
    std::vector<Reporte> Paginas;

private:
    static std::tm Ahora() {
        std::tm t{};
        if (const char* fijo = std::getenv("SOURCE_DATE_EPOCH"); fijo && *fijo) {
            char* fin = nullptr;
            errno = 0;
            const long long segundos = std::strtoll(fijo, &fin, 10);
            if (errno == 0 && *fin == '\0' && segundos >= 0 && segundos <= 253402300799LL) {  // to year 9999
                const std::time_t momento = static_cast<std::time_t>(segundos);
                if (gmtime_r(&momento, &t)) return t;
            }
        }
        const std::time_t ahora = std::time(nullptr);
        localtime_r(&ahora, &t);
        return t;
    }
};

// A line of text across the page, centred, at its height in the page's units.
void Rotulo(Reporte& pagina, const char* nombre, int top, bool negrita, const std::string& texto) {
    Elemento e;
    e.Nombre = nombre;
    e.Tipo = TipoElemento::Etiqueta;
    e.Left = 156;
    e.Top = top;
    e.Width = 1783;
    e.Height = 55;
    e.Puntos = 12;
    e.Negrita = negrita;
    e.Alineado = Alineacion::Centro;
    e.Caption = texto;
    pagina.Agregar(std::move(e));
}

// "Tablero 3" between the title and the board, so a solution is found by
// its number.
void Numera(Reporte& pagina, const std::string& texto) { Rotulo(pagina, "NumeroLibro", 590, true, texto); }

// "Dificultad 4.2" under the board, the rating of its given cells.
void Califica(Reporte& pagina, const std::string& enunciado) {
    const logica::Calificacion c = logica::Calificar(TableroLogico(enunciado));
    if (c.soluciones != 0) Rotulo(pagina, "DificultadLibro", 2170, false, "Dificultad " + Decimal1(c.dificultad));
}

void Avisa(const Fuente& fuente, std::size_t numero, const std::string& texto) {
    std::cerr << "novenario-cli: " << fuente.Nombre(numero) << ": " << texto << "\n";
}

// The painter of the booklet comes with the window; a tool built without it
// says so before it reads anything.
#ifdef NOVENARIO_LIBRO_PDF
constexpr bool kConLibro = true;
bool PintaLibro(const vista::Libro& libro, std::string& bytes) { return vista::LibroPdf(libro, bytes); }
#else
constexpr bool kConLibro = false;
bool PintaLibro(const vista::Libro&, std::string&) { return false; }
#endif

}  // namespace

int Imprimir(const Argumentos& a) {
    if (!kConLibro) {
        std::cerr << "novenario-cli: imprimir no está disponible en esta compilación: se construyó sin la ventana "
                     "(NOVENARIO_GUI=OFF), y sin Qt no se pintan páginas\n";
        return 1;
    }
    const auto pdf = a.textos.find(kPdf.nombre);
    if (pdf == a.textos.end()) return Uso(kAyudaImprimir, "imprimir necesita --pdf LIBRO.pdf");
    vista::Libro libro;
    libro.PorHoja = static_cast<int>(a.Valor(kPorPagina.nombre, 1));
    if (libro.PorHoja == 3) return Uso(kAyudaImprimir, kPorPagina.error);
    const bool soluciones = a.Tiene(kSoluciones.nombre);
    if (a.resto.empty()) return Uso(kAyudaImprimir, "imprimir necesita al menos un tablero");

    std::vector<Fuente> fuentes;
    if (const auto fin = FuentesDeArgumentos(a, kAyudaImprimir, fuentes)) return *fin;

    int estado = 0;
    for (std::size_t t = 0; t < fuentes.size(); ++t) {
        const Fuente& fuente = fuentes[t];
        const std::size_t numero = t + 1;
        std::string error;
        bool varias = false;  // several solutions: the one printed is one of them
        EntornoLibro mudo;
        std::optional<TFormPrincipal> juego;
        TFormPrincipal& f = Juego_Nuevo(mudo, juego);
        if (fuente.partida) {
            if (!CargaPartida(f, mudo, fuente.texto, error)) {
                Avisa(fuente, numero, error);
                estado = std::max(estado, 1);
                continue;
            }
        } else {
            const auto rejilla = LeeFuente(fuente, true, error);
            if (!rejilla) {
                Avisa(fuente, numero, error);
                estado = 2;
                continue;
            }
            const Importado importado = Resuelve_Importado(*rejilla);
            if (importado.Soluciones == 0) Avisa(fuente, numero, "no tiene solución");
            varias = importado.Soluciones > 1;
            Cargar_Tablero(f, *rejilla, importado.Solucion, "");
        }
        // Nothing is printed once a board has failed; the rest are still
        // read, so every fault is told at once.
        if (estado != 0) continue;
        // The footer's time and date, as the clock timer keeps them.
        Timer02Timer(f);
        BImprimir2Click(f);
        if (mudo.Paginas.empty()) continue;
        libro.Tableros.push_back(std::move(mudo.Paginas.back()));
        Numera(libro.Tableros.back(), "Tablero " + std::to_string(numero));
        Califica(libro.Tableros.back(), Enunciado(f));
        if (!soluciones) continue;
        if (fuente.partida && Trim(f.Partida.EPartida).empty()) Avisa(fuente, numero, "la partida no guarda su solución");
        BSolucion2Click(f);
        BImprimir2Click(f);
        libro.Soluciones.push_back(std::move(mudo.Paginas.back()));
        Numera(libro.Soluciones.back(), "Solución " + std::to_string(numero) + (varias ? ", una de varias" : ""));
    }
    if (estado != 0) return estado;

    std::string bytes;
    if (!PintaLibro(libro, bytes)) {
        std::cerr << "novenario-cli: no se ha podido pintar el cuadernillo\n";
        return 1;
    }
    const std::string& destino = pdf->second;
    if (const Escrito e = EscribeDestino(destino, bytes); e != Escrito::Fichero) return e == Escrito::Salida ? 0 : 1;
    std::cout << "{\"fichero\":" << Json(destino) << ",\"tableros\":" << libro.Tableros.size()
              << ",\"hojas\":" << vista::HojasDe(libro) << "}\n";
    return 0;
}

}  // namespace novenario::cli
