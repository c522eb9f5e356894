// The print command's page form. It is never shown: creating it lays out
// the page `ReporSudoku`, asks the outside for the print dialog, fills the
// page from the main window (the footer's time and date as the status bar
// shows them, the small candidate labels only while the help display is on,
// the values, orange frames for the fixed cells) and prints it when the
// player accepted the dialog. The page is filled even when the dialog was
// cancelled; it is then simply not printed. Nothing in the game changes.
#pragma once

#include "board/estado.h"
#include "print/reporte.h"

namespace novenario {

// "Imprimir": reads the board, the help switch and the status bar.
void BImprimir2Click(Juego& f);

class TFormImprimir {
public:
    // Lays out the page and runs FormCreate, as creating the form does.
    explicit TFormImprimir(Juego& f);
    TFormImprimir(const TFormImprimir&) = delete;
    TFormImprimir& operator=(const TFormImprimir&) = delete;

    void FormCreate();

    Reporte ReporSudoku;
    bool Aceptado = false;  // the player accepted the print dialog

private:
    const Juego& f_;
    Entorno& entorno_;
};

}  // namespace novenario
