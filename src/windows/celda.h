// One cell of the board on screen: its colour, its value in the middle and
// its two candidate labels (possible digits on top, digits taken by its
// peers below, in maroon) while the help display shows them. A click on the
// cell or on either label is a click on the cell.
//
// The board panel behind the cells draws the brown board and the four dark
// bars between the blocks.
#pragma once

#include <QWidget>

#include "board/tablero.h"
#include "windows/pulsable.h"

namespace novenario::vista {

class EtiquetaCelda : public ZonaPulsable {
    Q_OBJECT
public:
    EtiquetaCelda(bool inferior, QWidget* padre);
    void PonerTexto(const std::string& texto);
    const QString& Texto() const { return texto_; }
    // The digit drawn bold where it stands in the text ('\0' for none).
    void PonerResalte(char digito);
    char Resalte() const { return resalte_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool inferior_;
    QString texto_;
    char resalte_ = '\0';
};

class CeldaVista : public ZonaPulsable {
    Q_OBJECT
public:
    CeldaVista(int indice, QWidget* padre);

    void Sincronizar(const Celda& celda);
    // The digit lit on the board (0 for none) and whether this cell is one
    // of those holding it: then its background takes a light tint over its
    // own colour, and its labels show that digit bold.
    void Iluminar(int digito, bool iluminada);
    bool Iluminada() const { return iluminada_; }
    // The background as drawn: the cell's colour, tinted when lit.
    QColor Fondo() const;
    // The light tint of a lit cell over its own colour.
    static QColor Tenido(const QColor& fondo);
    int Indice() const { return indice_; }
    EtiquetaCelda* Superior() const { return superior_; }
    EtiquetaCelda* Inferior() const { return inferior_; }
    const Celda& Estado() const { return ultima_; }

    // A cell as a player thinks of it: "fila 6, columna 1, vacía", or
    // "fila 6, columna 1, 4"; a fixed cell adds ", fija". Its name in the
    // game (P4_7) is its object name, not spoken.
    static QString NombreAccesible(int indice, const std::string& valor, bool fija = false);
    // While the help display shows them, "posibles 3 5 8; ocupados 1 2 4 6 7 9".
    QString Candidatos() const;
    // A whole row, column or block read out for a screen reader, in slot
    // order: "fila 4: 5, vacía, 9, ...". The group is the one of that kind
    // holding cell c; an index off the board reads as nothing.
    static QString LecturaDeGrupo(const Tablero& paneles, TipoGrupo tipo, int c);
    // The cell the keyboard cursor stands on (Panel_Activo names it).
    bool Activa() const { return activa_; }
    void PonerActiva(bool activa) { activa_ = activa; }

signals:
    void clic(int indice);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int indice_;
    bool activa_ = false;
    bool iluminada_ = false;
    Celda ultima_;
    bool primera_ = true;
    EtiquetaCelda* superior_;
    EtiquetaCelda* inferior_;
};

class TableroVista : public QWidget {
    Q_OBJECT
public:
    explicit TableroVista(QWidget* padre);
    void Sincronizar(const Control& panel);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Control ultimo_;
    bool primero_ = true;
};

}  // namespace novenario::vista
