// "Calcula" and the commands around it. The engine completes the board from
// whatever it holds: first every empty cell with a single candidate is filled
// (the logic phase), then a bounded depth-first search runs over the cells
// still empty. The player watches the search at a pace meant for the eye;
// "Pausa" and "Cancelar" reach it while it waits for its next frame.
#include "board/juego.h"
#include "entrada/entrada.h"
#include "solver/busqueda.h"
#include "solver/calcula.h"
#include "solver/ritmo.h"

namespace novenario {

namespace {

// "#,##0" with the Spanish thousands separator.
std::string ConMiles(long long n) {
    std::string digitos = std::to_string(n < 0 ? -n : n), r;
    for (std::size_t i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0) r += '.';
        r += digitos[i];
    }
    return n < 0 ? "-" + r : r;
}

}  // namespace

// The search's pumps. A run the player watches is shown in frames: after the
// steps of each frame the board is copied from the search and the program
// sleeps until that frame is due (ritmo.h says how many steps and when).
// Between frames, and in a run that is not watched, a pump runs only when the
// outside says one is due, so the search runs at full speed in between.
namespace {

class Bomba_Calcula : public Bomba {
public:
    Bomba_Calcula(Juego& f, Busqueda& b, bool a_ritmo) : f_(f), b_(b), a_ritmo_(a_ritmo) {}

    void Bombea(Momento momento) override {
        if (momento == Momento::AlVaciar) vacio_ = true;
        if (a_ritmo_ && momento == Momento::AlEmpezar) {
            inicio_ = f_.Ent.Milisegundos();
            Fotograma();
            return;
        }
        if (a_ritmo_ && momento == Momento::TrasPaso && b_.Pasos() >= hasta_) {
            Fotograma();
            return;
        }
        if (!f_.Ent.Hay_Que_Bombear()) return;
        Copia();
        f_.Ent.ProcessMessages();
    }

    // The engine's state as the rest of the game sees it.
    void Copia() {
        for (int c = 0; c < NumCeldas; ++c) {
            const std::string_view v = b_.Valor(c);
            std::string& caption = f_.Paneles[c].Caption;
            if (caption != v) caption.assign(v);
        }
        f_.Motor.Pasos = b_.Pasos();
        f_.Motor.Numero_Prueba = b_.Numero_Prueba();
        f_.Motor.Indice_Panel = b_.Indice_Panel();
        f_.Motor.Total_Paneles = b_.Total_Paneles();
        f_.Motor.Encontrado = b_.Encontrado() ? Bandera::S : Bandera::N;
        f_.Variables.Panel_Activo = b_.Panel_Activo();
        if (f_.Motor.Creando_Partida == Bandera::N && f_.Motor.Pasos > 0)
            f_.Ventana.PContador_Jug.Caption = ConMiles(f_.Motor.Pasos - 1);
    }

    bool Vacio() const { return vacio_; }

private:
    void Fotograma() {
        Copia();
        const long long momento = inicio_ + ritmo::MomentoDelFotograma(fotograma_);
        f_.Ent.EsperarHasta(momento);
        // A pause dialog or a stalled window: the frames go on from now, at
        // the pace they had, instead of racing to catch up.
        const long long retraso = f_.Ent.Milisegundos() - momento;
        if (retraso > ritmo::RetrasoTolerado) inicio_ += retraso;
        ++fotograma_;
        hasta_ += ritmo::PasosDelFotograma(fotograma_);
    }

    Juego& f_;
    Busqueda& b_;
    const bool a_ritmo_;
    bool vacio_ = false;
    long long inicio_ = 0;     // when frame 0 was due
    long long fotograma_ = 0;  // the frame shown last
    long long hasta_ = 0;      // the steps the next frame shows
};

}  // namespace

void Carga_ComboAux(Juego& f) {
    f.Motor.ComboAux.clear();
    for (int c : tablero::OrdenRejilla())
        if (f.Paneles[c].Caption.empty()) f.Motor.ComboAux.push_back(tablero::Nombre(c));
}

void BLogicaClick(Juego& f) {
    f.Ventana.PMensaje.Caption = "Procesando ...";
    f.Ventana.PMensaje.FontColor = Negro;
    f.Ent.ProcessMessages();
    f.Motor.Hay_Cambios = Bandera::S;
    while (f.Motor.Hay_Cambios == Bandera::S) {
        f.Motor.Hay_Cambios = Bandera::N;
        for (int c = 0; c < NumCeldas; ++c) {
            Celda& celda = f.Paneles[c];
            const std::string candidato = Trim(celda.PSD);
            if (candidato.size() == 1 && Trim(celda.Caption).empty()) {
                celda.Caption = candidato;
                Disponibles(f);
                f.Motor.Hay_Cambios = Bandera::S;
            }
        }
    }
}

namespace {

// Before the run: every command off but "Pausa" and "Cancelar", the clock
// stopped at zero, the board locked, the player's entries aqua, the logic
// phase done and the cells left for the search listed.
void Empieza_Calculo(Juego& f, bool creando) {
    f.Ventana.PMenti.Hide();
    f.Ent.ProcessMessages();
    f.Ventana.PError.Hide();
    f.Ventana.LTeclasCarga.Caption.clear();
    f.Ventana.Led1.Value = true;
    Teclas_EnableNO(f);
    if (!creando) Pausa_Y_Cancelar(f, true);
    f.Ventana.PTeclasNum.Show();
    f.Ventana.PTeclasCarga.Hide();

    f.Variables.Reloj_Activo = Bandera::N;
    Reinicia_Reloj(f);
    f.Ventana.LBReloj.Caption = "&Reloj No";
    f.Ventana.PanelJuego.Enabled = false;

    // The player's entries turn aqua and, like the givens, stay untouched.
    Color_Normal(f);
    Ejecuta_Trabajo(f, "Marca Usuario");

    f.Ventana.PMensaje.Caption = "Procesando ...";
    f.Ventana.PMensaje.FontColor = Negro;
    BLogicaClick(f);
    Carga_ComboAux(f);
}

// The search over the cells still empty, its pumps showing it; afterwards
// the game holds what the search left: board, counters, stack and the
// routines' variables.
void Busca(Juego& f) {
    std::array<std::string, NumCeldas> valores;
    for (int c = 0; c < NumCeldas; ++c) valores[static_cast<std::size_t>(c)] = f.Paneles[c].Caption;
    Busqueda busqueda(valores);
    f.Motor.Numero_Prueba = 1;
    f.Motor.Indice_Panel = 0;
    f.Motor.Total_Paneles = static_cast<int>(f.Motor.ComboAux.size());
    f.Variables.Panel_Activo = f.Motor.ComboAux.empty() ? std::string() : f.Motor.ComboAux.front();
    f.Motor.ComboAuxNum.clear();
    f.Motor.Pasos = 0;
    f.Ventana.PContador_Jug.Caption = "0";
    f.Motor.Fallo_Calculo = Bandera::N;
    {
        Bomba_Calcula bomba(f, busqueda, f.Motor.Ver_Proceso != Bandera::N);
        f.Motor.Busqueda_En_Curso = &busqueda;
        busqueda.Ejecutar(f.Motor.Limite_Pasos, f.Motor.Ver_Proceso != Bandera::N, &bomba);
        f.Motor.Busqueda_En_Curso = nullptr;
        bomba.Copia();
        f.Motor.ComboAuxNum.clear();
        for (int d : busqueda.Pila()) f.Motor.ComboAuxNum.push_back(std::to_string(d));
        f.Motor.EditComodin = busqueda.EditComodin();
        if (!busqueda.Hay_Error().empty()) {
            f.Variables.Numero_Activo = busqueda.Numero_Activo();
            f.Variables.Valor_Anterior = busqueda.Valor_Anterior();
            f.Variables.Hay_Error = busqueda.Hay_Error() == "S" ? Bandera::S : Bandera::N;
        }
        // Every backtrack empties a cell through Limpia_Campo, which also
        // shows or hides the erase keys by the help display.
        if (bomba.Vacio())
            f.Ventana.BBorrar.Visible = f.Ventana.PTBorrar.Visible = f.Variables.Ayuda_Activa != Bandera::S;
    }
    f.Motor.Fallo_Calculo = busqueda.Fallo() ? Bandera::S : Bandera::N;
}

// After the run: its message ("Fin proceso", "Sin solución", "Sin tiempo"),
// the commands back, the end of the game when the board is full, the
// candidates and the first free cell.
void Termina_Calculo(Juego& f, bool creando) {
    f.Motor.Mensaje_Calculo.clear();
    if (f.Motor.Fallo_Calculo == Bandera::N) {
        f.Ventana.PMensaje.Caption = "Fin proceso";
        f.Ventana.PMensaje.FontColor = Negro;
    } else if (!creando) {
        f.Ventana.PMensaje.Caption = f.Motor.Pasos < f.Motor.Limite_Pasos ? "Sin solución" : "Sin tiempo";
        f.Ventana.PMensaje.FontColor = Granate;
        f.Motor.Resultado_Calculo = f.Motor.Pasos < f.Motor.Limite_Pasos ? "SS" : "ST";
        Muestra_SinSolucion(f);
        f.Ventana.PTeclasCarga.Hide();
    }
    // The selection at the end clears the message line; the companion tool
    // reports what the run said.
    f.Motor.Mensaje_Calculo = f.Ventana.PMensaje.Caption;

    f.Motor.Ver_Proceso = Bandera::S;
    f.Ventana.PanelJuego.Enabled = true;
    if (!creando) Teclas_EnableSI(f);
    Pausa_Y_Cancelar(f, false);
    if (Trim(f.Partida.EPartida).empty()) Desactiva_Solucion(f);

    if (f.Motor.Fallo_Calculo == Bandera::N && !creando) {
        Ejecuta_Trabajo(f, "Fin Partida");
        if (f.Variables.Partida_Terminada == Bandera::S) {
            Disponibles(f);
            Para_Reloj(f);
            Muestra_FinPartida(f);
        }
        f.Ventana.PTeclasCarga.Hide();
    }

    Disponibles(f);
    Pongo_ColorRojo(f);
    Busca_Libre(f);
    Paneles_Libres(f);
    Pongo_ColorRojo(f);
    Reinicia_Historia(f);
}

}  // namespace

void BRellena2Click(Juego& f) {
    const bool creando = f.Motor.Creando_Partida == Bandera::S;
    Empieza_Proceso_Largo(f);
    Empieza_Calculo(f, creando);
    Busca(f);
    Termina_Calculo(f, creando);
    if (!creando) f.Variables.Proceso_Largo = false;
    f.Ent.ProcessMessages();
}

void BRellenaSinVerClick(Juego& f) {
    f.Motor.Ver_Proceso = Bandera::N;
    BRellena2Click(f);
}

void BPararProceso2Click(Juego& f) {
    f.Motor.Hay_Cambios = Bandera::N;
    f.Motor.Numero_Prueba = 99;
    f.Motor.Indice_Panel = 99999;
    if (f.Motor.Busqueda_En_Curso) f.Motor.Busqueda_En_Curso->Cancelar();
}

void Muestra_SinSolucion(Juego& f) {
    FormaModal forma = Forma(FormaModal::Tipo::SinSolucion, " Novenario.     Sin Solución.", 343, 160, 266, 289);
    if (f.Motor.Resultado_Calculo == "SS") forma.TextoParpadeo = "Sin Solución";
    if (f.Motor.Resultado_Calculo == "ST") forma.TextoParpadeo = "Sin Tiempo";
    forma.ColorParpadeo = Granate;
    Boton_Que_Cierra(forma, "&Aceptar");
    f.Ent.MostrarModal(forma);
}

void BSolucion2Click(Juego& f) {
    f.Ventana.PTeclasCarga.Hide();
    f.Ventana.PTeclasNum.Show();
    f.Ventana.PMenti.Hide();
    f.Ent.ProcessMessages();
    f.Ventana.Led1.Value = true;
    f.Ventana.PError.Hide();
    f.Ventana.PContador_Jug.Caption = "0";
    f.Variables.Reloj_Activo = Bandera::N;
    Reinicia_Reloj(f);
    f.Ventana.LBReloj.Caption = "&Reloj No";
    if (!Trim(f.Partida.EPartida).empty()) {
        Ejecuta_Trabajo(f, "Nueva Partida");
        f.Ventana.PMensaje.Caption = "Fin proceso";
        f.Ventana.PMensaje.FontColor = Negro;
        Disponibles(f);
        Muestra_FinPartida(f);
    }
    Busca_Libre(f);
    Paneles_Libres(f);
    Reinicia_Historia(f);
    f.Ent.ProcessMessages();
}

}  // namespace novenario
