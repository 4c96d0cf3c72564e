#pragma once

#include "platform/report/ReportDefinition.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace db {
class Connection;
}

namespace report {

// A report's texts as they are printed: every value formatted, every row in its group.
struct ReportContent {
    struct Row {
        int group = -1;   // index in groupHeadings; -1 when the report is not grouped
        QStringList cells;   // one per column; a Null is an empty text
    };

    QString title;
    bool landscape = false;
    QString pageHeader;
    QString pageFooter;
    std::vector<ColumnDefinition> columns;
    QStringList groupHeadings;
    std::vector<Row> rows;
};

// Runs the report's queries over an open connection and formats what they give. ReportError when
// a query fails or when the report names a field that its query does not give.
ReportContent fetchContent(const ReportDefinition& definition, db::Connection& connection);

}  // namespace report
