#pragma once
// Picture files in any format the toolkit reads (images a page or a mark-up names).
#include <QImage>
#include <QString>

// The picture of the file; a null image when the file is missing, is no regular file, is too
// large, declares a picture too large or cannot be decoded (bounds in PlikZwykly.h).
QImage WczytajObraz(const QString& sciezka);
