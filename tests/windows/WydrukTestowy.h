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

// Triggers the print action; empty when pdftotext is not installed.
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
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    QProcess proces;
    proces.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(proces.waitForFinished());
    return QString::fromUtf8(proces.readAllStandardOutput());
}
