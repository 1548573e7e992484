#pragma once

#include "printdocument.h"

#include <functional>

class QWidget;

// Qt's print preview of the document, modal over parent; from there the user prints it (also
// with Strg+P) or saves it as a PDF.
void ShowPrintPreview(const PrintDocument &document, QWidget *parent);

// How a window shows a preview; tests put a recorder in place of ShowPrintPreview.
using PrintPreview = std::function<void(const PrintDocument &, QWidget *)>;
