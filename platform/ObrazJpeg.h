#pragma once
// JPEG pictures of the program (help pages, equation pictures) decoded with libjpeg.
#include <QImage>
#include <QString>

// The picture of a JPEG file; a null image when the file is missing or not a readable JPEG.
QImage WczytajJpeg(const QString& sciezka);
