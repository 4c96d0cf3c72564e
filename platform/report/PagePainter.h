#pragma once

#include "platform/report/PageModel.h"

#include <QString>

class QPagedPaintDevice;

namespace report {

// Paints the pages on a paged device (the preview's printer, a printer, a PDF writer), each page
// scaled to fit the device's page. fromPage and toPage (1-based, inclusive; 0 for no bound) pick
// the pages a printer was asked for.
void paintPages(const PageModel& model, QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

// Writes every page into a PDF file at a native path, replacing it; ReportError when the file
// cannot be written.
void writePdf(const PageModel& model, const QString& nativePath);

}  // namespace report
