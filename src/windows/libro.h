// A booklet: printed pages of the game gathered in one PDF file, one, two or
// four pages to a sheet of A4. The pages of the boards come first; the pages
// of their solutions start on a sheet of their own, in the same order, so a
// solution sits on the sheet after the puzzles as it sat among them.
//
// This header needs no Qt, so the companion tool (which knows nothing of Qt)
// can ask for a booklet; the painting is windows/libro_qt.cpp, in the small
// library of the page painter (novenario_pagina), built only with the window.
//
// Two pages to a sheet stand side by side on a landscape sheet, four in two
// rows of two on a portrait one; either way each page is shrunk evenly, its
// printed area (the paper inside its margins) centred in its share of the
// sheet's own printed area, so frames, fills and digits keep their shapes
// and nothing comes near the sheet's edge.
#pragma once

#include <string>
#include <vector>

#include "print/reporte.h"

namespace novenario::vista {

struct Libro {
    std::vector<Reporte> Tableros;    // the boards' pages, in order
    std::vector<Reporte> Soluciones;  // their solved pages, from a fresh sheet on
    int PorHoja = 1;                  // 1, 2 or 4
};

// The sheets the booklet takes.
inline int HojasDe(const Libro& libro) {
    const auto hojas = [&](std::size_t paginas) {
        const auto n = static_cast<std::size_t>(libro.PorHoja > 0 ? libro.PorHoja : 1);
        return static_cast<int>((paginas + n - 1) / n);
    };
    return hojas(libro.Tableros.size()) + hojas(libro.Soluciones.size());
}

// The bytes of the booklet's PDF file; false when it could not be painted
// (a PorHoja other than 1, 2 or 4, no page at all, or Qt failing). With no
// Qt application in the program, one is started on Qt's offscreen platform
// and kept for the rest of the run, with the game's fonts.
bool LibroPdf(const Libro& libro, std::string& pdf);

}  // namespace novenario::vista
