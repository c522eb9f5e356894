// The game's pictures that live as files beside the source (the two
// animations of ApliGraf and the desktop icon), drawn with the game's own
// drawing routines, and the check that a kept file is what they draw.
//
// The check looks at what a picture is, not at its bytes: the same drawing
// encoded by another build of the image libraries, or rasterised by another
// build of Qt, differs by a level here and there. A PNG is compared pixel by
// pixel within a small tolerance; a GIF by its size, its number of frames,
// their delays and repeat count, and each frame's pixels within what its
// 256-colour palette can lose; the SVG by the picture it renders.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>
#include <vector>

namespace novenario::dibujos {

struct Fotograma {
    QImage imagen;
    int centesimas = 0;  // how long it stays (GIF frames)
};

// One picture as drawn now: its file's bytes, and the frames it was encoded
// from (one for a PNG, none for the SVG).
struct Dibujo {
    QByteArray bytes;
    std::vector<Fotograma> fotogramas;
};

// An animated GIF of the frames, looping for ever; empty if it cannot be
// encoded.
QByteArray Gif(const std::vector<Fotograma>& fotogramas);

// Every picture by its path under the resources folder ("iconos/novenario-16.png").
std::map<QString, Dibujo> Dibujos();

// Largest difference of a colour channel, in levels of 255, between a kept
// pixel and the drawn one that still counts as the same picture.
inline constexpr int Tolerancia = 4;
// In a GIF frame, on top of that: what the 256-colour palette may move a
// colour. The kept animations are at most 20 levels from their drawings
// (the emblem's black ink comes out (20,14,9)); a re-quantisation of a
// drawing a level apart moves a box's average by a few levels more.
inline constexpr int ToleranciaPaleta = 32;

// A picture as the bytes of a PNG file.
QByteArray Png(const QImage& img);

// Why the kept bytes of nombre are not the picture d ("" when they are).
QString Diferencia(const QString& nombre, const QByteArray& guardado, const Dibujo& d);

}  // namespace novenario::dibujos
