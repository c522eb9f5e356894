// A stand-in for the outside world, and small helpers shared by the core
// tests of the board, the candidates and the game setup.
//
// EntornoFalso counts the pumps of the message loop (and can act at a given
// pump), keeps a simulated clock that moves when the game waits for a frame,
// records every modal form the game shows and answers it from a script,
// records the exit codes and returns fixed date and time texts.
//
// Boards are written as 81 characters in grid reading order (row by row from
// the top, left to right), "." for an empty cell.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "board/entorno.h"
#include "board/juego.h"
#include "mando/principal.h"
#include "candidates/candidatos.h"
#include "print/imprimir.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"
#include "entrada/entrada.h"

namespace novenario::prueba {

// How the fake closes a form.
enum class Respuesta { Aceptar, Cancelar, Cerrar };

// What a modal form looked like when it was shown.
struct FormaVista {
    FormaModal::Tipo Tipo = FormaModal::Tipo::Inicio;
    std::string Caption;
    std::string TextoParpadeo;
    int ClientWidth = 0, ClientHeight = 0, Left = 0, Top = 0;
    std::vector<std::string> Botones;
    std::vector<Color> ColoresBotones;
    std::vector<std::string> Lineas;
    std::string Direccion;
    bool CerradaAlVolver = false;  // the form was closed when MostrarModal returned
};

class EntornoFalso : public Entorno {
public:
    // ---- pumps ----
    int Bombeos = 0;
    std::map<int, std::function<void()>> AlBombeo;  // run at the Nth pump (1-based)
    std::function<void()> CadaBombeo;                // run at every pump

    void ProcessMessages() override {
        ++Bombeos;
        if (CadaBombeo) CadaBombeo();
        const auto it = AlBombeo.find(Bombeos);
        if (it != AlBombeo.end()) {
            auto accion = it->second;  // the action may add or remove others
            accion();
        }
    }

    // ---- the clock and the frames of long work ----
    // Simulated milliseconds: time passes only when the game waits for a
    // frame, or when a test moves it.
    long long Reloj = 0;
    std::vector<long long> Esperas;  // the moments the game waited for, in turn
    // Whether a pump inside long work is due at every chance (the default:
    // the game pumps after every step) or only at its frames.
    bool SiempreBombear = true;

    bool Hay_Que_Bombear() override { return SiempreBombear; }
    long long Milisegundos() override { return Reloj; }
    void EsperarHasta(long long momento) override {
        Esperas.push_back(momento);
        if (momento > Reloj) Reloj = momento;
        ProcessMessages();
    }

    // ---- modal forms ----
    std::vector<FormaVista> Formas;
    // Scripted answers per kind of form, used in turn; Aceptar when none is left.
    // Aceptar presses the default button (what Enter presses: "Aceptar", else
    // the first); Cancelar the button of that caption, else the second;
    // Cerrar uses the close box.
    std::map<FormaModal::Tipo, std::deque<Respuesta>> Respuestas;
    // Runs before the form is answered; a form it closes is not answered again.
    std::function<void(FormaModal&)> AlMostrar;

    void Responder(FormaModal::Tipo tipo, Respuesta r) { Respuestas[tipo].push_back(r); }

    void MostrarModal(FormaModal& forma) override {
        FormaVista v;
        v.Tipo = forma.tipo;
        v.Caption = forma.Caption;
        v.TextoParpadeo = forma.TextoParpadeo;
        v.ClientWidth = forma.ClientWidth;
        v.ClientHeight = forma.ClientHeight;
        v.Left = forma.Left;
        v.Top = forma.Top;
        v.Lineas = forma.Lineas;
        v.Direccion = forma.Direccion;
        for (const auto& b : forma.Botones) {
            v.Botones.push_back(b.Caption);
            v.ColoresBotones.push_back(b.FontColor);
        }
        if (AlMostrar) AlMostrar(forma);

        // A form the hook already closed is not answered again.
        if (!forma.Cerrada) {
            Respuesta r = Respuesta::Aceptar;
            auto& cola = Respuestas[forma.tipo];
            if (!cola.empty()) {
                r = cola.front();
                cola.pop_front();
            }
            switch (r) {
                case Respuesta::Aceptar: forma.Pulsar(forma.Predeterminado()); break;
                case Respuesta::Cancelar: forma.Pulsar(Boton(forma, "&Cancelar", 1)); break;
                case Respuesta::Cerrar: forma.CerrarVentana(); break;
            }
        }
        v.CerradaAlVolver = forma.Cerrada;
        Formas.push_back(v);
    }

    // The button with that caption, or the one at that place when none has it.
    static std::size_t Boton(const FormaModal& forma, const std::string& caption, std::size_t si_no) {
        for (std::size_t i = 0; i < forma.Botones.size(); ++i)
            if (forma.Botones[i].Caption == caption) return i;
        return si_no;
    }

    int Contar(FormaModal::Tipo tipo) const {
        int n = 0;
        for (const auto& v : Formas) n += v.Tipo == tipo ? 1 : 0;
        return n;
    }

    // ---- end of the process ----
    std::vector<int> Terminaciones;
    void Terminar(int codigo) override { Terminaciones.push_back(codigo); }

    // ---- date and time ----
    std::string Fecha = "martes, 8 de diciembre de 2026";
    std::string HoraTexto = "17:45:09";
    std::string FechaLarga() override { return Fecha; }
    std::string Hora() override { return HoraTexto; }

    // ---- files and file dialogs ----
    // The file system: names to bytes. A name whose folder is listed in
    // SinPermiso cannot be written; one listed in Ilegibles cannot be read;
    // one listed in NoFicheros is there, but is a pipe or a device.
    std::map<std::string, std::string> Ficheros;
    std::vector<std::string> SinPermiso, Ilegibles, NoFicheros;
    // Why the last write failed.
    std::string Motivo;
    // What each file dialog returns, in turn; "" (cancel) when none is left.
    std::deque<std::string> EligeSalvar, EligeAbrir;
    std::vector<DialogoFichero> DialogosSalvar, DialogosAbrir;
    // The message boxes shown: text and title.
    std::vector<std::pair<std::string, std::string>> Mensajes;

    std::string DialogoSalvar(const DialogoFichero& d) override { return Elegir(DialogosSalvar, EligeSalvar, d); }
    std::string DialogoAbrir(const DialogoFichero& d) override { return Elegir(DialogosAbrir, EligeAbrir, d); }
    bool ExisteFichero(const std::string& nombre) override { return Ficheros.count(nombre) != 0; }
    bool ExisteNombre(const std::string& nombre) override {
        return ExisteFichero(nombre) || Listado(NoFicheros, nombre);
    }
    Leido LeerFichero(const std::string& nombre, std::string& bytes, std::size_t maximo) override {
        bytes.clear();
        const auto it = Ficheros.find(nombre);
        if (it == Ficheros.end() || Listado(Ilegibles, nombre)) return Leido::Ilegible;
        if (it->second.size() > maximo) return Leido::Grande;
        bytes = it->second;
        return Leido::Bien;
    }
    bool EscribirFichero(const std::string& nombre, const std::string& bytes) override {
        const auto barra = nombre.rfind('/');
        const std::string carpeta = barra == std::string::npos ? std::string() : nombre.substr(0, barra);
        Motivo.clear();
        if (Listado(SinPermiso, carpeta)) {
            Motivo = "no hay permiso para escribir ahí";
            return false;
        }
        ++Escrituras;
        Ficheros[nombre] = bytes;
        return true;
    }
    bool BorrarFichero(const std::string& nombre) override { return Ficheros.erase(nombre) != 0; }
    // The file that keeps the last game ("" when there is none), and how
    // often its folder was asked for, to be written into.
    std::string Ultima;
    int CarpetasUltima = 0;
    std::string FicheroUltima(bool crear) override {
        if (crear) ++CarpetasUltima;
        return Ultima;
    }
    std::string MotivoEscritura() const override { return Motivo; }
    // The files written, counted.
    int Escrituras = 0;
    void MensajeError(const std::string& texto, const std::string& titulo) override {
        Mensajes.emplace_back(texto, titulo);
        Detalles.emplace_back();
    }
    // The detail under each message's text ("" for a plain message).
    std::vector<std::string> Detalles;
    void MensajeErrorDetalle(const std::string& texto, const std::string& detalle, const std::string& titulo) override {
        Mensajes.emplace_back(texto, titulo);
        Detalles.push_back(detalle);
    }
    // The web addresses the game asked to open.
    std::vector<std::string> Direcciones;
    void AbrirDireccion(const std::string& direccion) override { Direcciones.push_back(direccion); }

private:
    static std::string Elegir(std::vector<DialogoFichero>& vistos, std::deque<std::string>& cola,
                              const DialogoFichero& d) {
        vistos.push_back(d);
        if (cola.empty()) return {};
        std::string nombre = cola.front();
        cola.pop_front();
        return nombre;
    }
    static bool Listado(const std::vector<std::string>& lista, const std::string& s) {
        for (const auto& x : lista)
            if (x == s) return true;
        return false;
    }
};

// ---- cells by name and by grid position ----

// The name of the cell at grid row r and column c (both 1..9), from the
// naming rule: block by bands of three, place by reading order in the block.
inline std::string NombreEn(int r, int c) {
    const int b = 3 * ((r - 1) / 3) + (c - 1) / 3 + 1;
    const int k = 3 * ((r - 1) % 3) + (c - 1) % 3 + 1;
    return std::string{'P', static_cast<char>('0' + b), '_', static_cast<char>('0' + k)};
}

// Index 0..80 in name order of a cell name "Pb_k".
inline int Idx(std::string_view nombre) { return (nombre[1] - '1') * 9 + (nombre[3] - '1'); }

inline Celda& En(TFormPrincipal& f, std::string_view nombre) { return f.Paneles[Idx(nombre)]; }

// Puts the values of an 81-character grid into the cells ("." empties a cell).
// Colours and enabled flags are left as they are.
inline void CargarRejilla(TFormPrincipal& f, std::string_view rejilla) {
    ASSERT_EQ(rejilla.size(), 81u) << "a board has 81 cells";
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const char ch = rejilla[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
            En(f, NombreEn(r, c)).Caption = ch == '.' ? std::string() : std::string(1, ch);
        }
}

// The values of the board as an 81-character grid, "." for an empty cell.
inline std::string LeerRejilla(TFormPrincipal& f) {
    std::string s;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const std::string& v = En(f, NombreEn(r, c)).Caption;
            s += v.empty() ? '.' : v[0];
        }
    return s;
}

// Makes a fixed cell (a given): the value, orange, disabled.
inline void Fijar(TFormPrincipal& f, std::string_view nombre, const std::string& valor) {
    Celda& celda = En(f, nombre);
    celda.Caption = valor;
    celda.Color_ = Naranja;
    celda.Enabled = false;
}

// Every digit of the grid becomes a fixed cell; "." cells are left alone.
inline void FijarRejilla(TFormPrincipal& f, std::string_view rejilla) {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const char ch = rejilla[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
            if (ch != '.') Fijar(f, NombreEn(r, c), std::string(1, ch));
        }
}

// A completed board that keeps every rule: row r, column c holds
// (3 * (r mod 3) + r div 3 + c) mod 9 + 1, counting rows and columns from 0.
// Each row is a shift of 1..9; the shifts 0,3,6,1,4,7,2,5,8 of the rows differ
// by three inside a band, which keeps columns and blocks free of repeats.
inline std::string RejillaResuelta() {
    std::string s;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) s += static_cast<char>('1' + (3 * (r % 3) + r / 3 + c) % 9);
    return s;
}

// The digit of RejillaResuelta() at grid row r and column c (1..9).
inline std::string DigitoResuelto(int r, int c) {
    return std::string(1, RejillaResuelta()[static_cast<std::size_t>((r - 1) * 9 + c - 1)]);
}

// A grid-order text rewritten in name order (the order of the stored solution).
inline std::string EnOrdenDeNombres(std::string_view rejilla) {
    std::string s(81, '.');
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            s[static_cast<std::size_t>(Idx(NombreEn(r, c)))] =
                rejilla[static_cast<std::size_t>((r - 1) * 9 + c - 1)];
    return s;
}

// The same board with one cell emptied.
inline std::string SinCelda(std::string rejilla, int r, int c) {
    rejilla.replace(static_cast<std::size_t>((r - 1) * 9 + c - 1), 1, 1, '.');
    return rejilla;
}

// A board with the given values, everything else empty.
inline std::string Rejilla(std::initializer_list<std::pair<std::string_view, char>> valores) {
    std::string s(81, '.');
    for (const auto& [nombre, v] : valores) {
        const int i = Idx(nombre);
        const int b = i / 9, k = i % 9;
        const int r = 3 * (b / 3) + k / 3, c = 3 * (b % 3) + k % 3;
        s[static_cast<std::size_t>(r * 9 + c)] = v;
    }
    return s;
}

// ---- the whole game at one moment ----

// Everything of the game the player can see or that a later command reads,
// to prove that a command changed nothing (or only what it should).
struct Foto {
    std::vector<std::tuple<std::string, Color, bool, std::string, std::string, bool, int>> Celdas;
    std::vector<std::string> LBPanel;
    int Posicion_Lista = 0;
    std::string Reloj, LBReloj, LBNivel, PFichero, PMensaje, EPartida, ENivel_Juego, Panel_Activo, Numero_Activo;
    Color ColorMensaje = 0;
    long long Horas = 0, Minutos = 0, Segundos = 0;
    int Nivel = 0, Paneles_Vacios = 0;
    Bandera Reloj_Activo{}, Pista_Activa{}, Ayuda_Activa{}, Partida_Terminada{};
    std::array<std::string, 4> StatusBar1{};
    std::vector<bool> Activos;  // back, forward, the solution commands
    bool PMenti = false, Shape1 = false;

    explicit Foto(const TFormPrincipal& f)
        : LBPanel(f.Variables.LBPanel), Posicion_Lista(f.Variables.Posicion_Lista),
          Reloj(f.Ventana.LPHor.Caption + ":" + f.Ventana.LPMin.Caption + ":" + f.Ventana.LPseg.Caption), LBReloj(f.Ventana.LBReloj.Caption),
          LBNivel(f.Ventana.LBNivel.Caption), PFichero(f.Ventana.PFichero.Caption), PMensaje(f.Ventana.PMensaje.Caption),
          EPartida(f.Partida.EPartida), ENivel_Juego(f.Partida.ENivel_Juego), Panel_Activo(f.Variables.Panel_Activo),
          Numero_Activo(f.Variables.Numero_Activo), ColorMensaje(f.Ventana.PMensaje.FontColor), Horas(f.Variables.Horas), Minutos(f.Variables.Minutos),
          Segundos(f.Variables.Segundos), Nivel(f.Variables.Nivel), Paneles_Vacios(f.Variables.Paneles_Vacios), Reloj_Activo(f.Variables.Reloj_Activo),
          Pista_Activa(f.Variables.Pista_Activa), Ayuda_Activa(f.Variables.Ayuda_Activa), Partida_Terminada(f.Variables.Partida_Terminada),
          StatusBar1(f.Ventana.StatusBar1), PMenti(f.Ventana.PMenti.Visible), Shape1(f.Ventana.Shape1.Visible) {
        for (int c = 0; c < NumCeldas; ++c) {
            const Celda& p = f.Paneles[c];
            Celdas.emplace_back(p.Caption, p.Color_, p.Enabled, p.PSD, p.PND, p.EtiquetasVisibles, p.TamanoFuente);
        }
        for (const Control* c : {&f.Ventana.BAtras, &f.Ventana.BAdelante, &f.Ventana.BSolucion, &f.Ventana.LBSolucion, &f.Ventana.LBSolucionR,
                                 &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos, &f.Ventana.LBDejarRojosR, &f.Ventana.BVerPista,
                                 &f.Ventana.LBVerPista, &f.Ventana.LBVerPistasR})
            Activos.push_back(c->Enabled);
    }
    bool operator==(const Foto&) const = default;
};

// What the picture holds, for a failure message.
inline void PrintTo(const Foto& x, std::ostream* os) {
    *os << "reloj " << x.Reloj << " " << x.LBReloj << ", nivel " << x.Nivel << " " << x.LBNivel << " "
        << x.Paneles_Vacios << ", fichero '" << x.PFichero << "', mensaje '" << x.PMensaje << "', activa '"
        << x.Panel_Activo << "', movimientos " << x.LBPanel.size() << " en " << x.Posicion_Lista
        << ", solución '" << x.EPartida << "' nivel '" << x.ENivel_Juego << "', cursor " << x.PMenti
        << ", pista " << x.Shape1 << ", tablero";
    for (const auto& [v, color, activa, psd, pnd, etiquetas, tamano] : x.Celdas)
        *os << " " << (v.empty() ? "." : v) << std::hex << color << std::dec << (activa ? "" : "*") << psd << "/"
            << pnd;
}

// ---- the main window after start-up ----

// The main window created with the start window accepted: P1_1 selected,
// help off, candidate labels computed. The forms and pumps of start-up are
// forgotten so that a test sees only its own.
class Partida : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(f.FormCreate());
        ent.Formas.clear();
        ent.Bombeos = 0;
    }

    // Selects a cell as a click on it does.
    void Seleccionar(std::string_view nombre) { PClick(f, Idx(nombre)); }

    EntornoFalso ent;
    TFormPrincipal f{ent};
};

}  // namespace novenario::prueba
