#pragma once
// Printing a window's text lines into a PDF in place of the default printer, and reading the
// pages back as text laid out as printed.
#include "Drukarka.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// pdftotext (Debian package poppler-utils) reads the printed pages back; empty when it is missing,
// and a test that needs it then skips with BrakPdftotext.
inline QString Pdftotext()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}
inline constexpr const char* BrakPdftotext = "pdftotext is not installed (package poppler-utils)";

// Triggers the print action and reads the pages back with pdftotext.
inline QString WydrukJakoTekst(QAction* drukuj)
{
    QTemporaryDir katalog;
    const QString pdf = katalog.filePath(QStringLiteral("wydruk.pdf"));
    {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(pdf);
        PodstawDrukarke podstawiona(&drukarka);
        drukuj->trigger();
    }
    EXPECT_TRUE(QFile::exists(pdf));
    QProcess proces;
    proces.start(Pdftotext(), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(proces.waitForFinished());
    return QString::fromUtf8(proces.readAllStandardOutput());
}
