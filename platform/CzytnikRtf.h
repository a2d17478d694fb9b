#pragma once
// A small reader of rich-text (RTF) files as word processors write them: paragraphs, bold and
// italic, CP1250 "\'xx" escapes and "\uN" characters. Fonts, colours, tables and pictures are
// skipped; the text comes out as simple HTML for a rich-text box.
#include <QByteArray>
#include <QString>

QString RtfNaHtml(const QByteArray& rtf);
