#include "platform/report/PageLayout.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace report {

namespace {

// A4, and the spaces around and between the parts of a page, in twips.
constexpr qreal kA4Width = 11906;
constexpr qreal kA4Height = 16838;
constexpr qreal kMargin = 720;
constexpr qreal kPadX = 60;         // between a cell's text and its column's edges
constexpr qreal kPadY = 25;         // above and below a band's text
constexpr qreal kTitleGap = 160;    // between the title and the column headings
constexpr qreal kBodyGap = 80;      // between the column headings' rule and the first row
constexpr qreal kGroupGap = 140;    // above a group heading that follows rows
constexpr qreal kFooterGap = 160;   // between the last row and the footer's rule

const QString kNoRows = QStringLiteral("No records to list.");
const QString kContinued = QStringLiteral(" (continued)");

// Measures and wraps the text of one kind of band.
class TextMeasure {
public:
    explicit TextMeasure(Band::Kind kind) : font_(fontOf(kind)), metrics_(font_) {}

    qreal lineHeight() const { return std::ceil(metrics_.lineSpacing()); }

    // The lines of text within width: broken at word boundaries where it can, anywhere where a
    // word alone is wider; line breaks in the text are kept. Never fewer than one line.
    QStringList wrap(const QString& text, qreal width) const {
        const bool oneLine = !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
        if (oneLine && metrics_.horizontalAdvance(text) <= width) return {text};

        QString prepared = text;
        prepared.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        prepared.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextLayout layout(prepared, font_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = prepared.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace()) part.chop(1);
            lines << part;
        }
        layout.endLayout();
        if (lines.isEmpty()) lines << QString();
        return lines;
    }

private:
    QFont font_;
    QFontMetricsF metrics_;
};

struct ColumnSpan {
    qreal left;
    qreal width;
    Alignment alignment;
};

class PageBuilder {
public:
    PageBuilder(const ReportContent& content, const QDate& printDate) : content_(content), printDate_(printDate) {
        model_.title = content.title;
        model_.landscape = content.landscape;
        model_.paperSize = content.landscape ? QSizeF(kA4Height, kA4Width) : QSizeF(kA4Width, kA4Height);
        lineWidth_ = model_.paperSize.width() - 2 * kMargin;
        spreadColumns();
        buildPageTop();
        bodyBottom_ = model_.paperSize.height() - kMargin - footerHeight() - kFooterGap;
    }

    PageModel build() {
        startPage();
        if (content_.rows.empty()) place(fullWidthBand(Band::Kind::NoRows, kNoRows, Alignment::Left));
        int group = -1;
        for (const ReportContent::Row& row : content_.rows) {
            Band detail = detailBand(row.cells);
            if (row.group != group) {
                group = row.group;
                startGroup(group, detail);
            }
            placeDetail(std::move(detail));
        }
        addFooters();
        return std::move(model_);
    }

private:
    const TextMeasure& measure(Band::Kind kind) {
        auto& slot = measures_[size_t(kind)];
        if (!slot) slot = std::make_unique<TextMeasure>(kind);
        return *slot;
    }

    void spreadColumns() {
        qreal total = 0;
        for (const ColumnDefinition& column : content_.columns) total += column.width;
        qreal left = kMargin;
        for (const ColumnDefinition& column : content_.columns) {
            const qreal width = lineWidth_ * column.width / total;
            columns_.push_back({left, width, column.alignment});
            left += width;
        }
    }

    // A band of one cell per column, its texts wrapped to their columns; placed at the top.
    Band columnsBand(Band::Kind kind, const QStringList& texts) {
        const TextMeasure& m = measure(kind);
        Band band{kind, {}, {}};
        band.cells.reserve(columns_.size());
        qsizetype lines = 1;
        for (size_t i = 0; i < columns_.size(); ++i) {
            const ColumnSpan& column = columns_[i];
            const qreal width = column.width - 2 * kPadX;
            TextCell cell{QRectF(column.left + kPadX, kPadY, width, 0), m.wrap(texts.value(qsizetype(i)), width),
                          column.alignment};
            lines = std::max(lines, cell.lines.size());
            band.cells.push_back(std::move(cell));
        }
        setLines(band, lines);
        return band;
    }

    Band detailBand(const QStringList& cells) { return columnsBand(Band::Kind::Detail, cells); }

    Band fullWidthBand(Band::Kind kind, const QString& text, Alignment alignment) {
        const qreal width = lineWidth_ - 2 * kPadX;
        TextCell cell{QRectF(kMargin + kPadX, kPadY, width, 0), measure(kind).wrap(text, width), alignment};
        Band band{kind, {}, {std::move(cell)}};
        setLines(band, band.cells.front().lines.size());
        return band;
    }

    // Sizes a band at the top of the page for its tallest cell of `lines` lines, and each cell
    // for its own lines.
    void setLines(Band& band, qsizetype lines) {
        const qreal lineHeight = measure(band.kind).lineHeight();
        band.rect = QRectF(kMargin, 0, lineWidth_, qreal(lines) * lineHeight + 2 * kPadY);
        for (TextCell& cell : band.cells) cell.rect.setHeight(qreal(cell.lines.size()) * lineHeight);
    }

    static void moveTo(Band& band, qreal top) {
        const qreal dy = top - band.rect.top();
        band.rect.translate(0, dy);
        for (TextCell& cell : band.cells) cell.rect.translate(0, dy);
    }

    // The page header, title and column headings with their rules: the same atop every page.
    void buildPageTop() {
        qreal y = kMargin;
        auto add = [&](Band band) {
            moveTo(band, y);
            y = band.rect.bottom();
            pageTop_.push_back(std::move(band));
        };
        if (!content_.pageHeader.isEmpty()) {
            add(fullWidthBand(Band::Kind::PageHeader, content_.pageHeader, Alignment::Center));
        }
        if (!content_.title.isEmpty()) add(fullWidthBand(Band::Kind::Title, content_.title, Alignment::Center));
        y += kTitleGap;
        QStringList captions;
        for (const ColumnDefinition& column : content_.columns) captions << column.caption;
        topRules_.push_back(QLineF(kMargin, y, kMargin + lineWidth_, y));
        add(columnsBand(Band::Kind::ColumnHeadings, captions));
        topRules_.push_back(QLineF(kMargin, y, kMargin + lineWidth_, y));
        bodyTop_ = y + kBodyGap;
    }

    Band footerBand() { return fullWidthBand(Band::Kind::PageFooter, content_.pageFooter, Alignment::Center); }

    Band pageNumberBand(int number, int count) {
        Band band = fullWidthBand(Band::Kind::PageNumber,
                                  QStringLiteral("Printed on ") + printDate_.toString(QStringLiteral("dd/MM/yyyy")),
                                  Alignment::Left);
        TextCell page = band.cells.front();
        page.lines = QStringList{QStringLiteral("Page %1 of %2").arg(number).arg(count)};
        page.alignment = Alignment::Right;
        band.cells.push_back(std::move(page));
        return band;
    }

    qreal footerHeight() {
        const qreal numberHeight = pageNumberBand(1, 1).rect.height();
        return content_.pageFooter.isEmpty() ? numberHeight : numberHeight + footerBand().rect.height();
    }

    void addFooters() {
        const int count = int(model_.pages.size());
        const qreal footerTop = model_.paperSize.height() - kMargin - footerHeight();
        for (int i = 0; i < count; ++i) {
            Page& page = model_.pages[size_t(i)];
            page.rules.push_back(QLineF(kMargin, footerTop, kMargin + lineWidth_, footerTop));
            qreal y = footerTop;
            if (!content_.pageFooter.isEmpty()) {
                Band footer = footerBand();
                moveTo(footer, y);
                y = footer.rect.bottom();
                page.bands.push_back(std::move(footer));
            }
            Band number = pageNumberBand(i + 1, count);
            moveTo(number, y);
            page.bands.push_back(std::move(number));
        }
    }

    void startPage() {
        model_.pages.push_back(Page{pageTop_, topRules_});
        y_ = bodyTop_;
    }

    bool grouped() const { return !content_.groupHeadings.isEmpty(); }
    bool pageHasRows() const { return y_ > bodyTop_; }
    qreal room() const { return bodyBottom_ - y_; }

    void place(Band band) {
        moveTo(band, y_);
        y_ = band.rect.bottom();
        model_.pages.back().bands.push_back(std::move(band));
    }

    Band headingBand(const QString& suffix = QString()) {
        return fullWidthBand(Band::Kind::GroupHeading, heading_ + suffix, Alignment::Left);
    }

    // A group's heading goes on the page only with room for its first row below it, or for the
    // row's first line when the row would not fit on any page.
    void startGroup(int group, const Band& firstRow) {
        heading_ = content_.groupHeadings.value(group);
        const Band heading = headingBand();
        const qreal firstRowPart = fitsOnAPage(firstRow) ? firstRow.rect.height()
                                                         : measure(Band::Kind::Detail).lineHeight() + 2 * kPadY;
        const qreal gap = pageHasRows() ? kGroupGap : 0;
        if (pageHasRows() && gap + heading.rect.height() + firstRowPart > room()) {
            startPage();
        } else {
            y_ += gap;
        }
        place(heading);
    }

    // A new page, atop which the group that goes on is named again.
    void breakPage() {
        startPage();
        if (grouped()) place(headingBand(kContinued));
    }

    // Whether a row fits below the heading that a page opens with.
    bool fitsOnAPage(const Band& row) {
        const qreal continuedHeading = grouped() ? headingBand(kContinued).rect.height() : 0;
        return row.rect.height() <= bodyBottom_ - bodyTop_ - continuedHeading;
    }

    // The row where it fits; on the next page when it fits there; else as many of its lines as fit
    // here, the rest over the following pages.
    void placeDetail(Band detail) {
        const qreal lineHeight = measure(Band::Kind::Detail).lineHeight();
        for (;;) {
            if (detail.rect.height() <= room()) {
                place(std::move(detail));
                return;
            }
            const int linesHere = int(std::floor((room() - 2 * kPadY) / lineHeight));
            if (fitsOnAPage(detail) || linesHere < 1) {
                breakPage();
                continue;
            }
            place(takeLines(detail, linesHere));
            breakPage();
        }
    }

    // The first `count` lines of every cell of band, which keeps the rest.
    Band takeLines(Band& band, int count) {
        Band head = band;
        qsizetype rest = 1;
        for (size_t i = 0; i < band.cells.size(); ++i) {
            head.cells[i].lines = band.cells[i].lines.mid(0, count);
            band.cells[i].lines = band.cells[i].lines.mid(count);
            rest = std::max(rest, band.cells[i].lines.size());
        }
        setLines(head, count);
        setLines(band, rest);
        return head;
    }

    const ReportContent& content_;
    const QDate printDate_;
    PageModel model_;
    std::array<std::unique_ptr<TextMeasure>, size_t(Band::Kind::PageNumber) + 1> measures_;
    qreal lineWidth_ = 0;
    std::vector<ColumnSpan> columns_;
    std::vector<Band> pageTop_;
    std::vector<QLineF> topRules_;
    qreal bodyTop_ = 0;
    qreal bodyBottom_ = 0;
    qreal y_ = 0;
    QString heading_;   // of the group being laid out
};

}  // namespace

PageModel layOut(const ReportContent& content, const QDate& printDate) {
    return PageBuilder(content, printDate).build();
}

}  // namespace report
