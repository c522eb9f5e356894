// The small modal windows of the game, all built the one way: a form with its
// caption, size and place (Forma), given its buttons; and the main window's
// own three: pause, exit confirmation and end of game.
#include "board/juego.h"

namespace novenario {

FormaModal Forma(FormaModal::Tipo tipo, const char* caption, int ancho, int alto, int left, int top) {
    FormaModal forma(tipo);
    forma.Caption = caption;
    forma.ClientWidth = ancho;
    forma.ClientHeight = alto;
    forma.Left = left;
    forma.Top = top;
    return forma;
}

void Boton_Que_Cierra(FormaModal& forma, const char* caption) {
    FormaModal* p = &forma;
    forma.Botones.push_back({caption, Negro, [p] { p->Cerrada = true; }});
}

void BPausa2Click(Juego& f) {
    FormaModal pausa = Forma(FormaModal::Tipo::Pausa, " Novenario.", 343, 160, 266, 289);
    pausa.TextoParpadeo = "Pausa";
    Boton_Que_Cierra(pausa, "&Aceptar");
    f.Ent.MostrarModal(pausa);
}

void Muestra_FinPartida(Juego& f) {
    FormaModal fin = Forma(FormaModal::Tipo::FinPartida, " Novenario.     Fin Partida.", 343, 160, 266, 289);
    fin.TextoParpadeo = "Fin Partida";
    Boton_Que_Cierra(fin, "&Aceptar");
    f.Ent.MostrarModal(fin);
}

void BSalir2Click(Juego& f) {
    f.Ventana.PError.Hide();
    FormClose(f);
}

void FormClose(Juego& f) {
    FormaModal cerrar = Forma(FormaModal::Tipo::Cerrar, " Novenario.", 287, 153, 295, 292);
    cerrar.TextoParpadeo = "Salir del Programa";
    FormaModal* p = &cerrar;
    cerrar.Botones = {
        {"&Aceptar", Negro, [&f, p] { f.Variables.Respuesta_Salir = Bandera::S; p->Cerrada = true; }},
        {"&Cancelar", Granate, [&f, p] { f.Variables.Respuesta_Salir = Bandera::N; p->Cerrada = true; }},
    };
    f.Ent.MostrarModal(cerrar);
    if (f.Variables.Respuesta_Salir == Bandera::S) {
        if (f.Antes_De_Terminar) f.Antes_De_Terminar();
        f.Ent.Terminar(1);
        return;
    }
    f.Ventana.BSalir.Mover(690, 474);
    f.Ventana.LBSalir.Mover(697, 478);
    f.Ventana.BSalir.Presionado = f.Ventana.LBSalir.Presionado = false;
}

}  // namespace novenario
