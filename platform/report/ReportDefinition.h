#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace report {

// A report file is a JSON object:
//
//   {
//     "title": "Working Skills by Skill",
//     "orientation": "portrait",                       optional: "portrait" (default) or "landscape"
//     "pageSql": "SELECT owner, note FROM settings",   optional: one row for the page header and footer
//     "pageHeader": "{owner}",                         optional: printed at the top of every page
//     "pageFooter": "{note}",                          optional: printed at the foot of every page
//     "sql": "SELECT ... ORDER BY skill, name",        the rows of the report, in the order printed
//     "group": {                                       optional
//       "fields": ["skill"],                           a new group starts where any of them changes
//       "heading": "{skill}"                           the group's heading (default: the fields' values)
//     },
//     "columns": [
//       {"caption": "Name", "field": "name", "width": 3, "align": "left", "dateFormat": "dd/mm/yyyy"}
//     ]
//   }
//
// Texts in braces, such as "{owner}", are replaced by that field of the row: the page query's row
// for the page header and footer, the group's first row for its heading. A column's width is its
// share of the line: the widths of all columns are spread over the width between the margins.
// "align" is "left" (default), "center" or "right"; "dateFormat" (d, dd, m, mm, mmm, yy, yyyy)
// formats the dates of the column; "caption" defaults to the field's name. Rows are grouped in
// the order the query gives them, so the query orders them by the group's fields first.
// Every other entry is refused, so that a misspelt one does not go unnoticed.

enum class Alignment { Left, Center, Right };

struct ColumnDefinition {
    QString caption;
    QString field;
    double width = 1;
    Alignment alignment = Alignment::Left;
    QString dateFormat;   // empty: the value as the database gives it
};

struct ReportDefinition {
    QString title;
    bool landscape = false;
    QString pageSql;
    QString pageHeader;
    QString pageFooter;
    QString sql;
    QStringList groupFields;   // empty: the rows are not grouped
    QString groupHeading;
    std::vector<ColumnDefinition> columns;
};

// Reads and parses the report file at a native path; ReportError when it is missing, cannot be
// read or is not a valid report file, naming the file.
ReportDefinition readReportFile(const QString& nativePath);

}  // namespace report
