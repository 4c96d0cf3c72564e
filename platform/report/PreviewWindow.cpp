#include "platform/report/PreviewWindow.h"

#include "platform/forms/Services.h"
#include "platform/report/PagePainter.h"
#include "platform/report/ReportError.h"

#include <QDir>
#include <QFileDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace report {

PreviewWindow::PreviewWindow(std::shared_ptr<const PageModel> pages, QWidget* parent)
    : QMainWindow(parent, Qt::Window), pages_(std::move(pages)), printer_(QPrinter::HighResolution) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(pages_->title.isEmpty() ? QStringLiteral("Report") : pages_->title);
    printer_.setDocName(windowTitle());
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(pages_->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_.setFullPage(true);   // the pages carry their own margins

    preview_ = new QPrintPreviewWidget(&printer_, this);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        try {
            paintPages(*pages_, *printer, printer->fromPage(), printer->toPage());
        } catch (const ReportError& error) {
            forms::msgBox(error.description(), forms::Buttons::OK, forms::Icon::Critical);
        }
    });
    setCentralWidget(preview_);

    QToolBar* tools = addToolBar(QStringLiteral("Report"));
    tools->setMovable(false);
    tools->addAction(QStringLiteral("Print..."), this, &PreviewWindow::print);
    tools->addAction(QStringLiteral("Save as PDF..."), this, &PreviewWindow::saveAsPdf);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Zoom In"), preview_, [this] { preview_->zoomIn(); });
    tools->addAction(QStringLiteral("Zoom Out"), preview_, [this] { preview_->zoomOut(); });
    tools->addAction(QStringLiteral("Fit Width"), preview_, &QPrintPreviewWidget::fitToWidth);
    tools->addAction(QStringLiteral("Whole Page"), preview_, &QPrintPreviewWidget::fitInView);
    const QSize screen = this->screen()->availableSize();
    resize(std::min(pages_->landscape ? 1200 : 900, screen.width() * 9 / 10), std::min(1000, screen.height() * 9 / 10));
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::print() {
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() == QDialog::Accepted) preview_->print();
}

void PreviewWindow::saveAsPdf() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"),
                                                QDir::home().filePath(windowTitle() + QStringLiteral(".pdf")),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    try {
        writePdf(*pages_, path);
    } catch (const ReportError& error) {
        forms::msgBox(error.description(), forms::Buttons::OK, forms::Icon::Critical);
    }
}

}  // namespace report
