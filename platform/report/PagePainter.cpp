#include "platform/report/PagePainter.h"

#include "platform/report/ReportError.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace report {

namespace {

class PagePainter {
public:
    explicit PagePainter(QPainter& painter) : painter_(painter) {}

    void paint(const Page& page) {
        painter_.setPen(QPen(Qt::black, kRuleWidth));
        for (const QLineF& rule : page.rules) painter_.drawLine(rule);
        for (const Band& band : page.bands) {
            const Style& style = styleOf(band.kind);
            painter_.setFont(style.font);
            for (const TextCell& cell : band.cells) paint(cell, style.metrics);
        }
    }

private:
    struct Style {
        QFont font;
        QFontMetricsF metrics;
    };

    const Style& styleOf(Band::Kind kind) {
        auto& slot = styles_[size_t(kind)];
        if (!slot) {
            const QFont font = fontOf(kind);
            slot = std::make_unique<Style>(Style{font, QFontMetricsF(font)});
        }
        return *slot;
    }

    void paint(const TextCell& cell, const QFontMetricsF& metrics) {
        if (cell.lines.isEmpty()) return;
        const qreal lineHeight = cell.rect.height() / qreal(cell.lines.size());
        qreal baseline = cell.rect.top() + metrics.ascent();
        for (const QString& line : cell.lines) {
            qreal x = cell.rect.left();
            if (cell.alignment != Alignment::Left) {
                const qreal free = cell.rect.width() - metrics.horizontalAdvance(line);
                x += cell.alignment == Alignment::Right ? free : free / 2;
            }
            painter_.drawText(QPointF(x, baseline), line);
            baseline += lineHeight;
        }
    }

    QPainter& painter_;
    std::array<std::unique_ptr<Style>, size_t(Band::Kind::PageNumber) + 1> styles_;
};

// Paints on a painter begun on device.
void paintOn(QPainter& painter, QPagedPaintDevice& device, const PageModel& model, int fromPage, int toPage) {
    const int count = int(model.pages.size());
    const int first = std::max(fromPage, 1);
    const int last = toPage > 0 ? std::min(toPage, count) : count;
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(device.width() / model.paperSize.width(), device.height() / model.paperSize.height());
    painter.scale(scale, scale);
    PagePainter pagePainter(painter);
    for (int number = first; number <= last; ++number) {
        if (number > first) device.newPage();
        pagePainter.paint(model.pages[size_t(number - 1)]);
    }
    painter.end();
}

}  // namespace

void paintPages(const PageModel& model, QPagedPaintDevice& device, int fromPage, int toPage) {
    QPainter painter;
    if (!painter.begin(&device)) throw ReportError(QStringLiteral("The report could not be sent to the printer."));
    paintOn(painter, device, model, fromPage, toPage);
}

void writePdf(const PageModel& model, const QString& nativePath) {
    QPdfWriter writer(nativePath);
    writer.setTitle(model.title);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     model.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw ReportError(QStringLiteral("The PDF file %1 could not be written.").arg(nativePath));
    }
    paintOn(painter, writer, model, 0, 0);
}

}  // namespace report
