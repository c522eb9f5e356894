// "Calcula" and the commands around it. The engine completes the board from
// whatever it holds: first every empty cell with a single candidate is filled
// (the logic phase), then a bounded depth-first search runs over the cells
// still empty. The player watches the search at a pace meant for the eye;
// "Pausa" and "Cancelar" reach it while it waits for its next frame.
#include "board/ordenes.h"
#include "solver/busqueda.h"
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

void Pausa_Y_Cancelar(TFormPrincipal& f, bool enabled) {
    for (Control* c : {&f.BPausa, &f.LBPausa, &f.LBpausaR, &f.BPararProceso, &f.LBPararProceso,
                       &f.LBPararProcesoR})
        c->Enabled = enabled;
}

}  // namespace

// The search's pumps. A run the player watches is shown in frames: after the
// steps of each frame the board is copied from the search and the program
// sleeps until that frame is due (ritmo.h says how many steps and when).
// Between frames, and in a run that is not watched, a pump runs only when the
// outside says one is due, so the search runs at full speed in between.
class TFormPrincipal::Bomba_Calcula : public Bomba {
public:
    Bomba_Calcula(TFormPrincipal& f, Busqueda& b, bool a_ritmo) : f_(f), b_(b), a_ritmo_(a_ritmo) {}

    void Bombea(Momento momento) override {
        if (momento == Momento::AlVaciar) vacio_ = true;
        if (a_ritmo_ && momento == Momento::AlEmpezar) {
            inicio_ = f_.entorno_.Milisegundos();
            Fotograma();
            return;
        }
        if (a_ritmo_ && momento == Momento::TrasPaso && b_.Pasos() >= hasta_) {
            Fotograma();
            return;
        }
        if (!f_.entorno_.Hay_Que_Bombear()) return;
        Copia();
        f_.entorno_.ProcessMessages();
    }

    // The engine's state as the rest of the game sees it.
    void Copia() {
        for (int c = 0; c < NumCeldas; ++c) {
            const std::string_view v = b_.Valor(c);
            std::string& caption = f_.Paneles[c].Caption;
            if (caption != v) caption.assign(v);
        }
        f_.Pasos = b_.Pasos();
        f_.Numero_Prueba = b_.Numero_Prueba();
        f_.Indice_Panel = b_.Indice_Panel();
        f_.Total_Paneles = b_.Total_Paneles();
        f_.Encontrado = b_.Encontrado() ? Bandera::S : Bandera::N;
        f_.Panel_Activo = b_.Panel_Activo();
        if (f_.Creando_Partida == Bandera::N && f_.Pasos > 0)
            f_.PContador_Jug.Caption = ConMiles(f_.Pasos - 1);
    }

    bool Vacio() const { return vacio_; }

private:
    void Fotograma() {
        Copia();
        const long long momento = inicio_ + ritmo::MomentoDelFotograma(fotograma_);
        f_.entorno_.EsperarHasta(momento);
        // A pause dialog or a stalled window: the frames go on from now, at
        // the pace they had, instead of racing to catch up.
        const long long retraso = f_.entorno_.Milisegundos() - momento;
        if (retraso > ritmo::RetrasoTolerado) inicio_ += retraso;
        ++fotograma_;
        hasta_ += ritmo::PasosDelFotograma(fotograma_);
    }

    TFormPrincipal& f_;
    Busqueda& b_;
    const bool a_ritmo_;
    bool vacio_ = false;
    long long inicio_ = 0;     // when frame 0 was due
    long long fotograma_ = 0;  // the frame shown last
    long long hasta_ = 0;      // the steps the next frame shows
};

void TFormPrincipal::Carga_ComboAux() {
    ComboAux.clear();
    for (int c : tablero::OrdenRejilla())
        if (Paneles[c].Caption.empty()) ComboAux.push_back(tablero::Nombre(c));
}

void TFormPrincipal::BLogicaClick() {
    PMensaje.Caption = "Procesando ...";
    PMensaje.FontColor = Negro;
    entorno_.ProcessMessages();
    Hay_Cambios = Bandera::S;
    while (Hay_Cambios == Bandera::S) {
        Hay_Cambios = Bandera::N;
        for (int c = 0; c < NumCeldas; ++c) {
            Celda& celda = Paneles[c];
            const std::string candidato = Trim(celda.PSD);
            if (candidato.size() == 1 && Trim(celda.Caption).empty()) {
                celda.Caption = candidato;
                Disponibles();
                Hay_Cambios = Bandera::S;
            }
        }
    }
}

void TFormPrincipal::BRellena2Click() {
    const bool creando = Creando_Partida == Bandera::S;
    Proceso_Largo = true;

    PMenti.Hide();
    entorno_.ProcessMessages();
    PError.Hide();
    LTeclasCarga.Caption.clear();
    Led1.Value = true;
    Teclas_EnableNO();
    if (!creando) Pausa_Y_Cancelar(*this, true);
    PTeclasNum.Show();
    PTeclasCarga.Hide();

    Reloj_Activo = Bandera::N;
    Reinicia_Reloj();
    LBReloj.Caption = "&Reloj No";
    PanelJuego.Enabled = false;

    // The player's entries turn aqua and, like the givens, stay untouched.
    Color_Normal();
    Ejecuta_Trabajo(*this, "Marca Usuario");

    PMensaje.Caption = "Procesando ...";
    PMensaje.FontColor = Negro;
    BLogicaClick();
    Carga_ComboAux();

    std::array<std::string, NumCeldas> valores;
    for (int c = 0; c < NumCeldas; ++c) valores[static_cast<std::size_t>(c)] = Paneles[c].Caption;
    Busqueda busqueda(valores);
    Numero_Prueba = 1;
    Indice_Panel = 0;
    Total_Paneles = static_cast<int>(ComboAux.size());
    Panel_Activo = ComboAux.empty() ? std::string() : ComboAux.front();
    ComboAuxNum.clear();
    Pasos = 0;
    PContador_Jug.Caption = "0";
    Fallo_Calculo = Bandera::N;
    {
        Bomba_Calcula bomba(*this, busqueda, Ver_Proceso != Bandera::N);
        busqueda_ = &busqueda;
        busqueda.Ejecutar(Limite_Pasos, Ver_Proceso != Bandera::N, &bomba);
        busqueda_ = nullptr;
        bomba.Copia();
        ComboAuxNum.clear();
        for (int d : busqueda.Pila()) ComboAuxNum.push_back(std::to_string(d));
        EditComodin = busqueda.EditComodin();
        if (!busqueda.Hay_Error().empty()) {
            Numero_Activo = busqueda.Numero_Activo();
            Valor_Anterior = busqueda.Valor_Anterior();
            Hay_Error = busqueda.Hay_Error() == "S" ? Bandera::S : Bandera::N;
        }
        // Every backtrack empties a cell through Limpia_Campo, which also
        // shows or hides the erase keys by the help display.
        if (bomba.Vacio()) BBorrar.Visible = PTBorrar.Visible = Ayuda_Activa != Bandera::S;
    }
    Fallo_Calculo = busqueda.Fallo() ? Bandera::S : Bandera::N;
    Mensaje_Calculo.clear();

    if (Fallo_Calculo == Bandera::N) {
        PMensaje.Caption = "Fin proceso";
        PMensaje.FontColor = Negro;
    } else if (!creando) {
        PMensaje.Caption = Pasos < Limite_Pasos ? "Sin solución" : "Sin tiempo";
        PMensaje.FontColor = Granate;
        Resultado_Calculo = Pasos < Limite_Pasos ? "SS" : "ST";
        Muestra_SinSolucion();
        PTeclasCarga.Hide();
    }
    // The selection at the end clears the message line; the companion tool
    // reports what the run said.
    Mensaje_Calculo = PMensaje.Caption;

    Ver_Proceso = Bandera::S;
    PanelJuego.Enabled = true;
    if (!creando) Teclas_EnableSI();
    Pausa_Y_Cancelar(*this, false);
    if (Trim(EPartida).empty()) Desactiva_Solucion();

    if (Fallo_Calculo == Bandera::N && !creando) {
        Ejecuta_Trabajo(*this, "Fin Partida");
        if (Partida_Terminada == Bandera::S) {
            Disponibles();
            Para_Reloj();
            Muestra_FinPartida();
        }
        PTeclasCarga.Hide();
    }

    Disponibles();
    Pongo_ColorRojo();
    Busca_Libre();
    Paneles_Libres();
    Pongo_ColorRojo();
    Reinicia_Historia();
    if (!creando) Proceso_Largo = false;
    entorno_.ProcessMessages();
}

void TFormPrincipal::BRellenaSinVerClick() {
    Ver_Proceso = Bandera::N;
    BRellena2Click();
}

void TFormPrincipal::BPararProceso2Click() {
    Hay_Cambios = Bandera::N;
    Numero_Prueba = 99;
    Indice_Panel = 99999;
    if (busqueda_) busqueda_->Cancelar();
}

void TFormPrincipal::Muestra_SinSolucion() {
    FormaModal forma(FormaModal::Tipo::SinSolucion);
    forma.Caption = " Novenario.     Sin Solución.";
    forma.ClientWidth = 343;
    forma.ClientHeight = 160;
    forma.Left = 266;
    forma.Top = 289;
    if (Resultado_Calculo == "SS") forma.TextoParpadeo = "Sin Solución";
    if (Resultado_Calculo == "ST") forma.TextoParpadeo = "Sin Tiempo";
    forma.ColorParpadeo = Granate;
    FormaModal* p = &forma;
    forma.Botones = {{"&Aceptar", Negro, [p] { p->Cerrada = true; }}};
    entorno_.MostrarModal(forma);
}

void TFormPrincipal::BSolucion2Click() {
    PTeclasCarga.Hide();
    PTeclasNum.Show();
    PMenti.Hide();
    entorno_.ProcessMessages();
    Led1.Value = true;
    PError.Hide();
    PContador_Jug.Caption = "0";
    Reloj_Activo = Bandera::N;
    Reinicia_Reloj();
    LBReloj.Caption = "&Reloj No";
    if (!Trim(EPartida).empty()) {
        Ejecuta_Trabajo(*this, "Nueva Partida");
        PMensaje.Caption = "Fin proceso";
        PMensaje.FontColor = Negro;
        Disponibles();
        Muestra_FinPartida();
    }
    Busca_Libre();
    Paneles_Libres();
    Reinicia_Historia();
    entorno_.ProcessMessages();
}

}  // namespace novenario
