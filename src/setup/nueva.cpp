// "Nueva partida": nine cells are seeded at random, the engine completes the
// board, the completed board is kept as the solution, and as many randomly
// drawn cells as the level asks are emptied again; the rest become the givens.
// A seeding the engine cannot complete within 999 steps is dropped silently
// and the whole attempt made again.
//
// The random values come straight from the game's one generator, the same
// one the 10 ms timer advances (its ticks are made up before every draw), so
// games still differ with the moment of the click. An attempt draws, in this
// order:
//   - digits in 0..8, 0 read as 9, until nine distinct seed digits;
//   - the same for the nine distinct seed blocks;
//   - the same for the nine distinct places in those blocks;
// and when the engine completed the board:
//   - cell numbers in 0..80, 0 read as 81, until Paneles_Vacios distinct
//     cells to empty.
// Each list keeps its values in the order they were first drawn.
#include "board/ordenes.h"

namespace novenario {

namespace {

// A fresh draw into one of the random panels, after the timer ticks that
// have passed since the last one.
void Sorteo(TFormPrincipal& f, Control& panel, std::uint32_t n, const char* en_lugar_de_cero) {
    f.Timer01_Al_Dia();
    panel.Caption = std::to_string(f.Generador.Random(n));
    if (Trim(panel.Caption) == "0") panel.Caption = en_lugar_de_cero;
}

// Offers the panel's value to the list; only a value the list lacks is taken.
void Ofrece(TFormPrincipal& f, const Control& panel, std::vector<std::string>& lista, std::size_t ancho) {
    const std::string candidato = Trim(panel.Caption);
    for (const std::string& linea : lista) {
        const bool igual = Trim(linea.substr(0, ancho)) == candidato;
        f.Bombeo_Largo();
        if (igual) return;
    }
    lista.push_back(candidato);
    f.Contador_Lista += 1;
}

void Llena_Lista(TFormPrincipal& f, Control& panel, std::uint32_t n, const char* en_lugar_de_cero,
                 void (TFormPrincipal::*ofrecer)(), std::vector<std::string>& lista, int objetivo) {
    lista.clear();
    f.Contador_Lista = 0;
    while (f.Contador_Lista < objetivo) {
        Sorteo(f, panel, n, en_lugar_de_cero);
        if (!Trim(panel.Caption).empty()) (f.*ofrecer)();
        f.Bombeo_Largo();
    }
}

}  // namespace

void TFormPrincipal::Repetido_Numero() { Ofrece(*this, PNumero, RBienNumeros, 1); }
void TFormPrincipal::Repetido_Paneles() { Ofrece(*this, PPanel, RBienPaneles, 1); }
void TFormPrincipal::Repetido_Posicion() { Ofrece(*this, PPosicion, RBienPosicion, 1); }
void TFormPrincipal::Repetido_Borrar() { Ofrece(*this, PBorro, RBorroPaneles, 2); }

void TFormPrincipal::BNuevaPartida2Click() {
    Proceso_Largo = true;
    entorno_.ProcessMessages();
    PError.Hide();
    LTeclasCarga.Caption.clear();
    LBPanel.clear();
    PFichero.Caption = "Fichero";
    PContador_Jug.Caption = "0";
    Teclas_EnableNO();
    Creando_Partida = Bandera::S;
    PNoVerProceso.Show();
    PTeclasNum.Hide();
    PTeclasCarga.Show();
    Repetir_Partida = Bandera::S;
    EPartida.clear();
    Limite_Pasos = 999;
    Reloj_Activo = Bandera::N;
    Reinicia_Reloj();
    Ejecuta_Trabajo(*this, "Color Blanco");
    Ejecuta_Trabajo(*this, "Libera Paneles");
    entorno_.ProcessMessages();

    Intentos_Partida = 0;
    while (Repetir_Partida == Bandera::S) {
        ++Intentos_Partida;
        BBorraTodoClick();
        entorno_.ProcessMessages();
        Llena_Lista(*this, PNumero, 9, "9", &TFormPrincipal::Repetido_Numero, RBienNumeros, 9);
        Llena_Lista(*this, PPanel, 9, "9", &TFormPrincipal::Repetido_Paneles, RBienPaneles, 9);
        Llena_Lista(*this, PPosicion, 9, "9", &TFormPrincipal::Repetido_Posicion, RBienPosicion, 9);

        // Nine different digits in nine different blocks at nine different
        // places: no two seeds can break a rule.
        for (std::size_t i = 0; i < 9; ++i) {
            Numero_Activo = RBienNumeros[i].substr(0, 1);
            Panel_Activo = "P" + RBienPaneles[i].substr(0, 1) + "_" + RBienPosicion[i].substr(0, 1);
            Modifica_Panel();
            Bombeo_Largo();
        }

        Ver_Proceso = Bandera::N;
        BRellena2Click();
        entorno_.ProcessMessages();
        Repetir_Partida = Fallo_Calculo == Bandera::S ? Bandera::S : Bandera::N;
        if (Repetir_Partida == Bandera::N)
            Llena_Lista(*this, PBorro, 81, "81", &TFormPrincipal::Repetido_Borrar, RBorroPaneles,
                        Paneles_Vacios);
        EPartida.clear();
        for (int c = 0; c < NumCeldas; ++c) EPartida += Paneles[c].Caption;
        if (Repetir_Partida == Bandera::N) {
            for (const std::string& linea : RBorroPaneles) {
                const std::string numero = Trim(linea.substr(0, 2));
                int n = 0;
                for (char ch : numero) n = n * 10 + (ch - '0');
                Panel_Activo = tablero::Nombre(n - 1);
                Limpia_Campo();
            }
        }
        entorno_.ProcessMessages();
    }

    LBReloj.Caption = "&Reloj Si";
    entorno_.ProcessMessages();
    Ejecuta_Trabajo(*this, "Bloquea Paneles");
    PNoVerProceso.Hide();
    Teclas_EnableSI();
    for (Control* c : {&BPausa, &LBPausa, &LBpausaR, &BPararProceso, &LBPararProceso, &LBPararProcesoR})
        c->Enabled = false;
    Reloj_Activo = Bandera::S;
    Limite_Pasos = Limite_Normal;
    entorno_.ProcessMessages();
    Disponibles();
    Busca_Libre();
    Paneles_Libres();
    PContador_Jug.Caption = "0";
    PMensaje.Caption = "Partida creada";
    Creando_Partida = Bandera::N;
    PTeclasCarga.Hide();
    PTeclasNum.Show();
    Shape1.Visible = Pista_Activa != Bandera::N;
    if (Ayuda_Activa == Bandera::N && Pista_Activa == Bandera::N) Led1.Value = false;
    BAtras.Enabled = false;
    BAdelante.Enabled = false;
    Posicion_Lista = 0;
    Proceso_Largo = false;
    entorno_.ProcessMessages();
}

}  // namespace novenario
