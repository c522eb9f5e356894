// Paints a printed page of the game (a Reporte) on anything Qt can paint on:
// a printer, a PDF file, a picture. Millimetres become device units at the
// device's own resolution, from the paper's top-left corner.
//
// How the report's pens look on paper: a pen of width n is n tenths of a
// millimetre thick (the board's frame and its block lines 0.5 mm, a cell's
// frame 0.3 mm, the footer bar's outline 0.1 mm), never thinner than one
// device pixel, and drawn inside its rectangle so that no shape reaches
// past its own box.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include "print/reporte.h"

class QPainter;
class QPaintDevice;
class QPrinter;

namespace novenario::vista {

// Thickness on paper of a report pen of that width.
double MilimetrosDePen(int pen);

// Paints the page with the painter; hoja is the whole paper (210 by 297 mm
// for A4) in the painter's coordinates.
void PintarReporte(const Reporte& pagina, QPainter& p, const QRectF& hoja);
// Paints the page with a painter already open on a device, the paper's
// corner at the painter's origin, at the device's resolution.
void PintarReporte(const Reporte& pagina, QPainter& p);

// The page as a white picture of that many pixels per millimetre.
QImage ImagenReporte(const Reporte& pagina, double pixeles_por_mm);

// Prints the page on a printer set up beforehand (the copies the printer
// system cannot make itself are printed one after the other). False when
// the printer could not be opened or failed. Built with the window
// (impresora_qt.cpp), not with the painter: printers need Qt's widgets.
bool ImprimirReporte(const Reporte& pagina, QPrinter& impresora);

// Writes the page as a one-page PDF file of the page's paper size.
bool EscribirPdf(const Reporte& pagina, const QString& fichero, int ppp = 600);

}  // namespace novenario::vista
