// Printing the board: the main window's command and the page form's work.
#include "board/juego.h"
#include "print/imprimir.h"

namespace novenario {

TFormImprimir::TFormImprimir(Juego& f)
    : ReporSudoku(pagina::Disenar()), f_(f), entorno_(f.Ent) {
    FormCreate();
}

void TFormImprimir::FormCreate() {
    Aceptado = entorno_.ConfigurarImpresion(ReporSudoku);

    // The footer shows what the status bar shows at this moment, which the
    // clock timer keeps current: panel 3 the long date, panel 4 the time.
    if (Elemento* hora = ReporSudoku.Buscar("Fecha")) hora->Caption = f_.Ventana.StatusBar1[3];
    if (Elemento* fecha = ReporSudoku.Buscar("Hora")) fecha->Caption = f_.Ventana.StatusBar1[2];

    // The small labels are printed only as the help display shows them; with
    // it off the screen labels may still hold old texts, and those stay off
    // the paper.
    const bool ayuda = f_.Variables.Ayuda_Activa == Bandera::S;
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = f_.Paneles[c];
        if (Elemento* e = ReporSudoku.Buscar(pagina::NombrePosibles(c))) e->Caption = ayuda ? celda.PSD : std::string();
        if (Elemento* e = ReporSudoku.Buscar(pagina::NombreImposibles(c)))
            e->Caption = ayuda ? celda.PND : std::string();
    }

    for (int c = 0; c < NumCeldas; ++c)
        if (Elemento* e = ReporSudoku.Buscar(pagina::NombreValor(c))) e->Caption = f_.Paneles[c].Caption;

    // Only the given cells are shaded; the selection, the maroon marks and
    // the aqua marks of "Calcula" belong to the screen.
    for (int c = 0; c < NumCeldas; ++c)
        if (f_.Paneles[c].Color_ == Naranja)
            if (Elemento* e = ReporSudoku.Buscar(pagina::NombreMarco(c))) e->Relleno = Naranja;

    if (Aceptado) entorno_.ImprimirPagina(ReporSudoku);
}

void BImprimir2Click(Juego& f) {
    f.Ventana.PError.Hide();
    // The banner goes before the print dialog comes.
    f.Ent.ProcessMessages();
    TFormImprimir forma(f);
}

}  // namespace novenario
