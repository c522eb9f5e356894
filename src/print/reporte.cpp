#include "print/reporte.h"

#include <utility>

#include "board/tablero.h"

namespace novenario {

Elemento& Reporte::Agregar(Elemento e) {
    // A second item of the same name replaces nothing: the first one stays
    // the one found by name.
    indice_.try_emplace(e.Nombre, elementos_.size());
    elementos_.push_back(std::move(e));
    return elementos_.back();
}

Elemento* Reporte::Buscar(std::string_view nombre) {
    const auto it = indice_.find(nombre);
    return it == indice_.end() ? nullptr : &elementos_[it->second];
}

const Elemento* Reporte::Buscar(std::string_view nombre) const {
    const auto it = indice_.find(nombre);
    return it == indice_.end() ? nullptr : &elementos_[it->second];
}

namespace pagina {

namespace {

bool EnTablero(int c) { return c >= 0 && c < NumCeldas; }

std::size_t Pos(int uno_a_nueve) { return static_cast<std::size_t>(uno_a_nueve - 1); }

// An item of that kind in its box; the constructors below add the rest.
Elemento Caja(std::string nombre, TipoElemento tipo, Decimas left, Decimas top, Decimas width, Decimas height) {
    Elemento e;
    e.Nombre = std::move(nombre);
    e.Tipo = tipo;
    e.Left = left;
    e.Top = top;
    e.Width = width;
    e.Height = height;
    return e;
}

Elemento Forma(std::string nombre, Decimas left, Decimas top, Decimas width, Decimas height, int pen,
               std::optional<Color> relleno, Color borde = Negro) {
    Elemento e = Caja(std::move(nombre), TipoElemento::Forma, left, top, width, height);
    e.Pen = pen;
    e.Relleno = relleno;
    e.Borde = borde;
    return e;
}

Elemento Etiqueta(std::string nombre, Decimas left, Decimas top, Decimas width, Decimas height, int puntos,
                  bool negrita, Alineacion alineado, std::string caption = {}) {
    Elemento e = Caja(std::move(nombre), TipoElemento::Etiqueta, left, top, width, height);
    e.Fuente = "Courier New";
    e.Puntos = puntos;
    e.Negrita = negrita;
    e.Alineado = alineado;
    e.Transparente = true;
    e.Caption = std::move(caption);
    return e;
}

Elemento Imagen(std::string nombre, Decimas left, Decimas top, Decimas width, Decimas height, Dibujo dibujo,
                int ancho_px, int alto_px) {
    Elemento e = Caja(std::move(nombre), TipoElemento::Imagen, left, top, width, height);
    e.Imagen = dibujo;
    e.AnchoPixeles = ancho_px;
    e.AltoPixeles = alto_px;
    return e;
}

}  // namespace

std::string NombreMarco(int c) { return EnTablero(c) ? "P" + std::to_string(c + 1) : std::string(); }
std::string NombreValor(int c) { return tablero::Nombre(c); }
std::string NombrePosibles(int c) { return EnTablero(c) ? "PSD" + tablero::Nombre(c).substr(1) : std::string(); }
std::string NombreImposibles(int c) { return EnTablero(c) ? "PND" + tablero::Nombre(c).substr(1) : std::string(); }

Reporte Disenar() {
    Reporte r;
    r.Titulo = "Novenario";

    // Painted in this order: the title, the board's frame, the cells, the
    // block lines over the gaps between the cells, the emblem, the footer.
    r.Agregar(Imagen("QRImage2", 595, 270, 905, 257, Dibujo::Titulo, 338, 93));
    r.Agregar(Forma("QRShape4", 156, 749, 1783, 1394, PenTablero, Blanco));

    for (int c = 0; c < NumCeldas; ++c) {
        const std::size_t fila = Pos(tablero::Fila(c)), columna = Pos(tablero::Columna(c));
        r.Agregar(Forma(NombreMarco(c), IzquierdaMarco[columna], ArribaMarco[fila], AnchoMarco, AltoMarco,
                        PenMarco, Blanco));
        r.Agregar(Etiqueta(NombrePosibles(c), IzquierdaAyuda[columna], ArribaPosibles[fila], AnchoAyuda,
                           AltoAyuda, 8, false, Alineacion::Centro));
        r.Agregar(Etiqueta(NombreValor(c), IzquierdaValor[columna], ArribaValor[fila], AnchoValor, AltoValor, 12,
                           true, Alineacion::Centro));
        r.Agregar(Etiqueta(NombreImposibles(c), IzquierdaAyuda[columna], ArribaImposibles[fila], AnchoAyuda,
                           AltoAyuda, 8, false, Alineacion::Centro));
    }

    r.Agregar(Forma("QRShape14", 749, 751, 5, 1389, PenTablero, Negro));
    r.Agregar(Forma("QRShape25", 1341, 751, 5, 1389, PenTablero, Negro));
    r.Agregar(Forma("QRShape26", 159, 1212, 1778, 5, PenTablero, Negro));
    r.Agregar(Forma("QRShape27", 159, 1675, 1778, 5, PenTablero, Negro));

    r.Agregar(Imagen("QRImage1", 913, 2312, 278, 278, Dibujo::Emblema, 121, 89));

    r.Agregar(Forma("QRShape3", 116, 2757, 1852, 48, 1, Naranja, Granate));
    r.Agregar(Etiqueta("NPrograma", 127, 2762, 206, 42, 9, false, Alineacion::Centro, "Novenario"));
    r.Agregar(Etiqueta("Orvalia", 384, 2762, 362, 45, 9, false, Alineacion::Centro, "* Orvalia Software *"));
    r.Agregar(Etiqueta("QRLabel13", 794, 2762, 135, 42, 9, false, Alineacion::Izquierda, "Hora .."));
    // The two fields after the captions were named the other way round when
    // the page was drawn: the label `Fecha` shows the time and `Hora` the date.
    r.Agregar(Etiqueta("Fecha", 942, 2762, 156, 42, 9, false, Alineacion::Izquierda));
    r.Agregar(Etiqueta("QRLabel12", 1132, 2762, 153, 42, 9, false, Alineacion::Izquierda, "Fecha .."));
    r.Agregar(Etiqueta("Hora", 1299, 2762, 659, 42, 9, false, Alineacion::Izquierda));
    return r;
}

}  // namespace pagina

}  // namespace novenario
