#pragma once
// GIF pictures (the structural formulas carried in the program) decoded by giflib.
#include <QByteArray>
#include <QImage>

// The first frame of the GIF drawn on its logical screen, in ARGB. The transparent colour named
// by the frame's graphics control block, and anything outside the frame, stay transparent.
// A null image when the bytes are not a readable GIF.
QImage DekodujGif(const QByteArray& bajty);
