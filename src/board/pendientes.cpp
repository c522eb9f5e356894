// Commands whose work is not in the game yet: they are in the window, answer
// their clicks, and change nothing.
#include "board/ordenes.h"

namespace novenario {

void TFormPrincipal::BSalvar2Click() {}
void TFormPrincipal::BCargar2Click() {}
void TFormPrincipal::BAyuda2Click() {}
void TFormPrincipal::BAcerca2Click() {}
void TFormPrincipal::BImprimir2Click() {}
void TFormTrabajo::Salvar_Partida() {}
void TFormTrabajo::Cargar_Partida() {}

}  // namespace novenario
