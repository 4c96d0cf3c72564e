#pragma once

#include "platform/report/PageModel.h"

#include <memory>

namespace report {

// Where a report control sends its finished pages.
class ReportViewer {
public:
    virtual ~ReportViewer() = default;
    // Shows the pages and returns at once; the user prints them or saves them as PDF from there.
    virtual void show(std::shared_ptr<const PageModel> pages) = 0;
};

// Installing replaces the preview window (tests install a scripted viewer). nullptr restores it.
void installReportViewer(std::unique_ptr<ReportViewer> viewer);
ReportViewer& reportViewer();

}  // namespace report
