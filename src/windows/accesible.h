// What a screen reader finds in the game's windows (through Qt's
// accessibility, which the desktop's bus carries to Orca and the like):
//
//   each command one push button, its picture and its label together, named
//   by its caption without the "&", its tooltip as description, with a press
//   action that clicks it; the pads' keys and the dialogs' buttons likewise;
//   the board one panel of 81 cells, row by row, that answers as a table of
//   9 rows and 9 columns; each cell says its place, its value, "fija" for a
//   given, its candidates while the help display shows them, and which of
//   them the cursor stands on;
//   the error banner an alert, the message line a status bar;
//   the labels on the buttons and the decorations nothing at all.
//
// The board is a panel, not a table, for a reader's sake: Orca reads the
// whole row of a table cell when the focus comes from another row, nine
// cells where the player moved to one. A cell of a panel is read alone, and
// the table behind it still gives its row and column to whoever asks.
//
// The window tells the reader what changes (Avisar): the cell the cursor
// moves to, the banner when it appears, a new message; and what follows an
// answer through its Pregonero.
#pragma once

#include <QAccessible>
#include <QWidget>

class QObject;

namespace novenario::vista {

// What the window tells the player after an answer ("5, Número 5 aceptado").
// To a screen reader it is a notification, which Orca speaks each time it
// appears whatever has the focus: Qt 6.4 cannot raise an announcement, Orca
// 43 does not speak the new name of a table cell, and Qt 6.4 sends a new
// description without its text. Its parent is the message line, a status
// bar: Orca then speaks the message alone, without the word
// "notification" before it. On screen it is one transparent pixel.
class Pregonero : public QWidget {
    Q_OBJECT
public:
    explicit Pregonero(QWidget* padre);
    void Decir(const QString& texto);
    const QString& Texto() const { return texto_; }

private:
    QString texto_;
};

// A dialog's own line of news: a status bar to a screen reader, invisible
// on screen, holding a Pregonero that speaks without the word
// "notification" before it, as the window's message line does.
class LineaAvisos : public QWidget {
    Q_OBJECT
public:
    explicit LineaAvisos(QWidget* padre);
    Pregonero* Voz() const { return voz_; }

private:
    Pregonero* voz_;
};

// Installs the game's accessible interfaces; once, before any window.
void InstalarAccesibilidad();

// Sends the event for that object, when a screen reader (or a test) listens.
void Avisar(QObject* objeto, QAccessible::Event evento);

// The widget's name or description for a screen reader, set only when it
// changes: each setting is an event the reader hears.
void Nombrar(QWidget* w, const QString& nombre);
void Describir(QWidget* w, const QString& descripcion);

}  // namespace novenario::vista
