#include "platform/report/ReportViewer.h"

#include "platform/report/PreviewWindow.h"

#include <QApplication>

namespace report {

namespace {

class PreviewWindows : public ReportViewer {
public:
    void show(std::shared_ptr<const PageModel> pages) override {
        // Closed with the window that asked for it; deletes itself when closed.
        auto* window = new PreviewWindow(std::move(pages), QApplication::activeWindow());
        window->show();
    }
};

std::unique_ptr<ReportViewer>& installed() {
    static std::unique_ptr<ReportViewer> viewer;
    return viewer;
}

}  // namespace

void installReportViewer(std::unique_ptr<ReportViewer> viewer) { installed() = std::move(viewer); }

ReportViewer& reportViewer() {
    if (!installed()) installed() = std::make_unique<PreviewWindows>();
    return *installed();
}

}  // namespace report
