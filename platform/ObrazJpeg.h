#pragma once
// JPEG pictures of the program (help pages, equation pictures) decoded with libjpeg.
#include <QImage>
#include <QString>

// The picture of a JPEG file; a null image when the file is missing, is no regular file, is too
// large or declares a picture too large (PlikZwykly.h), or is not a readable JPEG.
QImage WczytajJpeg(const QString& sciezka);
