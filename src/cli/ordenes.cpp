// The companion tool's orders: resolver, generar, candidatos, mostrar and
// importar, each one line of JSON per result.
#include <chrono>
#include <iostream>

#include "cli/cli.h"
#include "board/juego.h"
#include "candidates/candidatos.h"
#include "sdk/formato.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"

namespace novenario::cli {

int Resolver(const Argumentos& a) {
    const long long limite = a.Valor(kLimite.nombre, 999999);
    const bool contar = a.Tiene(kContar.nombre);
    std::vector<Fuente> tableros;
    if (const auto fin = FuentesDeArgumentos(a, kAyudaResolver, tableros)) return *fin;

    int estado = 0;
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    // An output that cannot be written is said at the end; no use working on.
    for (std::size_t t = 0; t < tableros.size() && std::cout; ++t) {
        const Fuente& fuente = tableros[t];
        std::string error;
        TFormPrincipal& f = Juego_Nuevo(mudo, juego);
        if (fuente.partida) {
            if (!CargaPartida(f, mudo, fuente.texto, error)) {
                std::cerr << "novenario-cli: " << fuente.Nombre(t + 1) << ": " << error << "\n";
                estado = std::max(estado, 1);
                continue;
            }
        } else {
            const auto rejilla = LeeFuente(fuente, false, error);
            if (!rejilla) {
                std::cerr << "novenario-cli: " << fuente.Nombre(t + 1) << ": " << error << "\n";
                estado = 2;
                continue;
            }
            // Set up as a load sets up the saved game of its digits.
            Cargar_Tablero(f, *rejilla, "", "");
        }
        // Counted on the board as the engine gets it, before it runs.
        const int soluciones = contar ? CuentaSoluciones(f) : 0;
        f.Motor.Limite_Normal = f.Motor.Limite_Pasos = static_cast<int>(limite);
        BRellena2Click(f);
        std::cout << "{\"mensaje\":" << Json(f.Motor.Mensaje_Calculo) << ",\"resultado\":"
                  << Json(f.Motor.Resultado_Calculo) << ",\"pasos\":" << f.Motor.Pasos
                  << ",\"tablero\":" << Json(EnRejilla(f));
        if (contar) std::cout << ",\"soluciones\":" << soluciones;
        std::cout << "}\n";
    }
    return estado;
}

int Generar(const Argumentos& a) {
    if (!a.resto.empty()) return Uso(kAyudaGenerar, "generar no lleva tableros ni ficheros: '" + a.resto[0] + "'");
    const long long cantidad = a.Valor(kCantidad.nombre, 1);
    std::optional<std::pair<double, double>> banda;
    if (const auto d = a.textos.find(kDificultad.nombre); d != a.textos.end()) {
        banda = BandaDificultad(d->second);
        if (!banda) return Uso(kAyudaGenerar, kDificultad.error);
    }
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego_Nuevo(mudo, juego);
    if (a.valores.count(kTics.nombre)) {
        // Each tick of the 10 ms timer draws four values.
        f.Motor.Generador.Avanzar(static_cast<std::uint64_t>(a.Valor(kTics.nombre, 0)) * 4);
    } else {
        const auto ahora = std::chrono::steady_clock::now().time_since_epoch();
        f.Motor.Generador.PonerSemilla(static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(ahora).count() / 10 * 4));
    }
    f.Variables.Nivel = static_cast<int>(a.Valor(kNivel.nombre, 3));
    f.Variables.Paneles_Vacios = Vacios_De_Nivel(f.Variables.Nivel);
    f.Variables.Solucion_Unica = a.Tiene(kUnica.nombre);
    for (long long k = 0; k < cantidad && std::cout; ++k) {
        BNuevaPartida2Click(f);
        // With a band of difficulty, more games of the level until one falls in it.
        double dificultad = 0.0;
        if (banda) {
            int intentos = 1;
            while (true) {
                dificultad = logica::Calificar(TableroLogico(Enunciado(f))).dificultad;
                if (dificultad >= banda->first - 1e-9 && dificultad <= banda->second + 1e-9) break;
                if (intentos++ >= kIntentosDificultad) {
                    std::cerr << "novenario-cli: ninguna de " << kIntentosDificultad << " partidas seguidas del nivel "
                              << f.Variables.Nivel << " tiene una dificultad entre " << Decimal1(banda->first)
                              << " y " << Decimal1(banda->second) << "\n";
                    return 1;
                }
                BNuevaPartida2Click(f);
            }
        }
        int fijos = 0;
        for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja ? 1 : 0;
        std::cout << "{\"nivel\":" << f.Variables.Nivel << ",\"fijos\":" << fijos << ",\"tablero\":"
                  << Json(EnRejilla(f)) << ",\"solucion\":" << Json(EnRejilla(f.Partida.EPartida))
                  << ",\"intentos\":" << f.Motor.Intentos_Partida;
        if (banda) std::cout << ",\"dificultad\":" << Decimal1(dificultad);
        std::cout << "}\n";
    }
    return 0;
}

std::string Hex(Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

int Candidatos(const Argumentos& a) {
    if (a.resto.size() != 1) return Uso(kAyudaCandidatos, "candidatos necesita un tablero");
    const std::string& arg = a.resto[0];
    std::string error;
    EntornoMudo mudo;
    std::optional<TFormPrincipal> juego;
    TFormPrincipal& f = Juego_Nuevo(mudo, juego);
    if (EsPartida(arg)) {
        if (!CargaPartida(f, mudo, arg, error)) {
            std::cerr << "novenario-cli: " << error << "\n";
            return 1;
        }
    } else {
        const auto rejilla = LeeTableroArgumento(arg, false, error);
        if (!rejilla) {
            std::cerr << "novenario-cli: tablero 1: " << error << "\n";
            return 2;
        }
        BBorraTodoClick(f);
        const auto& orden = tablero::OrdenRejilla();
        for (std::size_t i = 0; i < NumCeldas; ++i) {
            Celda& celda = f.Paneles[orden[i]];
            celda.Color_ = Blanco;
            if (!(*rejilla)[i]) continue;
            celda.Caption = std::string(1, (*rejilla)[i]);
            celda.Color_ = Naranja;
            celda.Enabled = false;
        }
        Disponibles(f);
    }
    std::cout << "{\"celdas\":[";
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = f.Paneles[c];
        std::cout << (c ? "," : "") << "{\"nombre\":" << Json(tablero::Nombre(c)) << ",\"valor\":"
                  << Json(celda.Caption) << ",\"psd\":" << Json(celda.PSD) << ",\"pnd\":"
                  << Json(celda.PND) << ",\"color\":" << Json(Hex(celda.Color_)) << "}";
    }
    std::cout << "]}\n";
    return 0;
}

int Mostrar(const Argumentos& a) {
    if (a.resto.size() != 1) return Uso(kAyudaMostrar, "mostrar necesita un fichero .sdk");
    const std::string& ruta = a.resto[0];
    EntornoMudo mudo;
    std::string bytes;
    const Leido leido = mudo.LeerFichero(ruta, bytes, sdk::MaximoFichero);
    if (leido != Leido::Bien) {
        std::cerr << "novenario-cli: " << sdk::MensajeNoLeido(leido, ruta) << "\n";
        return 1;
    }
    const sdk::Lectura lectura = sdk::LeePartida(bytes);
    if (!lectura.Correcta) {
        std::cerr << "novenario-cli: " << lectura.Error << "\n";
        return 1;
    }
    const sdk::Partida& p = lectura.Juego;
    std::string valores, fijos;
    for (int c : tablero::OrdenRejilla()) {
        const sdk::ParLeido& par = p.Pares[static_cast<std::size_t>(c)];
        const sdk::Efecto efecto = sdk::EfectoDe(par);
        valores += efecto == sdk::Efecto::Ninguno || par.Valor.empty() ? std::string(".") : par.Valor;
        fijos += efecto == sdk::Efecto::Fijo ? 'R' : '.';
    }
    std::cout << "{\"tablero\":" << Json(valores, true) << ",\"fijos\":" << Json(fijos)
              << ",\"LPHor\":" << Json(p.LPHor, true) << ",\"LPMin\":" << Json(p.LPMin, true)
              << ",\"LPseg\":" << Json(p.LPseg, true) << ",\"EPartida\":" << Json(p.EPartida, true)
              << ",\"ENivel_Juego\":" << Json(p.ENivel_Juego, true) << ",\"LBPanel\":[";
    for (std::size_t i = 0; i < p.LBPanel.size(); ++i) std::cout << (i ? "," : "") << Json(p.LBPanel[i], true);
    std::cout << "]}\n";
    return 0;
}

int Importar(const Argumentos& a) {
    const long long nivel = a.Valor(kNivel.nombre, 3);
    if (a.resto.size() != 2) return Uso(kAyudaImportar, "importar necesita un tablero y un fichero .sdk");
    const std::string& destino = a.resto[1];
    std::string error;
    const auto rejilla = LeeTableroArgumento(a.resto[0], true, error);
    if (!rejilla) {
        std::cerr << "novenario-cli: tablero 1: " << error << "\n";
        return 2;
    }

    const Importado importado = Resuelve_Importado(*rejilla);
    // Taken all the same, as the game's own new games may have several.
    if (importado.Soluciones > 1) std::cerr << "novenario-cli: tablero 1: tiene más de una solución\n";
    const std::string& solucion = importado.Solucion;
    const std::string bytes =
        sdk::EscribePartida(Lineas_Importadas(*rejilla, solucion, static_cast<int>(nivel)));
    if (const Escrito e = EscribeDestino(destino, bytes); e != Escrito::Fichero) return e == Escrito::Salida ? 0 : 1;
    std::cout << "{\"fichero\":" << Json(destino) << ",\"resultado\":" << Json(importado.Resultado)
              << ",\"solucion\":" << Json(solucion.empty() ? std::string() : EnRejilla(solucion))
              << ",\"nivel\":" << (solucion.empty() ? std::string("null") : std::to_string(nivel)) << "}\n";
    return 0;
}

}  // namespace novenario::cli
