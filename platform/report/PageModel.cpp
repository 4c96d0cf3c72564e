#include "platform/report/PageModel.h"

namespace report {

QFont fontOf(Band::Kind kind) {
    struct Style {
        int points;
        bool bold;
        bool italic;
    };
    Style style{9, false, false};
    switch (kind) {
    case Band::Kind::PageHeader: style = {12, true, false}; break;
    case Band::Kind::Title: style = {14, true, false}; break;
    case Band::Kind::ColumnHeadings: style = {9, true, false}; break;
    case Band::Kind::GroupHeading: style = {10, true, false}; break;
    case Band::Kind::Detail: break;
    case Band::Kind::NoRows: style = {9, false, true}; break;
    case Band::Kind::PageFooter:
    case Band::Kind::PageNumber: style = {8, false, false}; break;
    }
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(style.points * 20);   // a point is 20 twips
    font.setBold(style.bold);
    font.setItalic(style.italic);
    // Unhinted, so that the widths measured for the layout hold at every resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace report
