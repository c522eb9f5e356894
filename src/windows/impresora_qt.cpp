// The page on a printer: with the window, since Qt's printers come with its
// widgets; the page painter itself needs no more than Qt Gui.
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "windows/pagina_qt.h"

namespace novenario::vista {

bool ImprimirReporte(const Reporte& pagina, QPrinter& impresora) {
    // The positions are from the paper's corner, not from the printable area.
    impresora.setFullPage(true);
    QPainter p;
    if (!p.begin(&impresora)) return false;
    // Copies the printer system makes itself are asked for with the job.
    const int copias = impresora.supportsMultipleCopies() ? 1 : std::max(1, impresora.copyCount());
    for (int i = 0; i < copias; ++i) {
        if (i > 0 && !impresora.newPage()) break;
        PintarReporte(pagina, p);
    }
    const bool terminado = p.end();
    return terminado && impresora.printerState() != QPrinter::Error;
}

}  // namespace novenario::vista
