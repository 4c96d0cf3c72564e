#pragma once

#include "platform/report/PageModel.h"

#include <QMainWindow>
#include <QPrinter>

#include <memory>

class QPrintPreviewWidget;

namespace report {

// The report on screen, page by page, with buttons to print it, to save it as PDF and to zoom.
// It keeps its own share of the pages, so that the report control can run again meanwhile.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PreviewWindow(std::shared_ptr<const PageModel> pages, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    QPrintPreviewWidget* preview() const { return preview_; }

private:
    void print();
    void saveAsPdf();

    std::shared_ptr<const PageModel> pages_;
    QPrinter printer_;
    QPrintPreviewWidget* preview_;
};

}  // namespace report
