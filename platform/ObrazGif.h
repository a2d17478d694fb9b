#pragma once
// GIF pictures (the structural formulas carried in the program) decoded by giflib.
#include <QByteArray>
#include <QImage>
#include <QString>

// The first frame of the GIF drawn on its logical screen, in ARGB. The transparent colour named
// by the frame's graphics control block, and anything outside the frame, stay transparent.
// A null image when the bytes are not a readable GIF or declare a picture larger than the bound
// of PlikZwykly.h.
QImage DekodujGif(const QByteArray& bajty);

// The picture of a GIF file; a null image as above, or when the file is missing, is no regular
// file or is too large.
QImage WczytajGif(const QString& sciezka);
