#pragma once

#include "platform/report/ReportDefinition.h"

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// A report broken into pages, ready to be painted on any device. Positions and sizes are in twips
// (1/1440 inch) from the top left corner of the paper.

// One piece of text: its lines as wrapped to the width of rect, drawn inside rect.
struct TextCell {
    QRectF rect;
    QStringList lines;
    Alignment alignment = Alignment::Left;
};

// A strip across the page. Its kind decides the font of its cells.
struct Band {
    enum class Kind {
        PageHeader,       // the page header text, on every page
        Title,            // the report's title, on every page
        ColumnHeadings,   // the columns' captions, on every page
        GroupHeading,     // where a group starts, and again atop a page that it continues on
        Detail,           // one row of the query, one cell per column
        NoRows,           // in place of the rows when the query gives none
        PageFooter,       // the page footer text, on every page
        PageNumber,       // the print date and "Page N of M"
    };
    Kind kind;
    QRectF rect;
    std::vector<TextCell> cells;
};

struct Page {
    std::vector<Band> bands;   // top to bottom
    std::vector<QLineF> rules;
};

struct PageModel {
    QString title;
    QSizeF paperSize;
    bool landscape = false;
    std::vector<Page> pages;
};

// The font of a band's text; its size is in twips, so that it scales with the page.
QFont fontOf(Band::Kind kind);

// The pen width of the rules, in twips.
constexpr qreal kRuleWidth = 10;

}  // namespace report
