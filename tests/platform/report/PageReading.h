#pragma once

#include "platform/report/PageModel.h"
#include "tests/support/Printing.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace tests {

// Each cell's text, its wrapped lines joined again by blanks.
inline QStringList textsOf(const report::Band& band) {
    QStringList texts;
    for (const report::TextCell& cell : band.cells) texts << cell.lines.join(QLatin1Char(' '));
    return texts;
}

inline std::vector<const report::Band*> bandsOf(const report::Page& page, report::Band::Kind kind) {
    std::vector<const report::Band*> bands;
    for (const report::Band& band : page.bands) {
        if (band.kind == kind) bands.push_back(&band);
    }
    return bands;
}

// What the rows of a report read as, page after page: each group heading as a one-text line
// (headings repeated atop a page included), each row as its cells' texts.
inline std::vector<QStringList> bodyOf(const report::PageModel& model) {
    std::vector<QStringList> lines;
    for (const report::Page& page : model.pages) {
        for (const report::Band& band : page.bands) {
            if (band.kind == report::Band::Kind::GroupHeading || band.kind == report::Band::Kind::Detail) {
                lines.push_back(textsOf(band));
            }
        }
    }
    return lines;
}

// The number of page objects in a PDF file.
inline int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++count;
    return count;
}

}  // namespace tests
