#pragma once

#include <QString>

// The text of a PDF file as pdftotext gives it ("" when it cannot be read).
QString pdfText(const QString& path);
// Renders page 1 of a PDF file as a PNG with pdftoppm; false when it cannot.
bool pdfFirstPageToPng(const QString& pdf, const QString& pngBase);
