#include "platform/report/ReportContent.h"

#include "platform/db/Recordset.h"
#include "platform/forms/DateFormat.h"
#include "platform/report/ReportError.h"

#include <algorithm>

namespace report {

namespace {

// The index of a field of the query; ReportError naming what asked for it when there is none.
// No rows at all: the report has no page query.
int fieldIndexOf(const db::Recordset* rows, const QString& field, const QString& user, const QString& query) {
    if (!rows) {
        throw ReportError(QStringLiteral("%1 names the field \"%2\", but the report has no page query.").arg(user, field));
    }
    const int index = rows->fieldIndex(field);
    if (index < 0) {
        throw ReportError(QStringLiteral("%1 names the field \"%2\", which %3 does not give.").arg(user, field, query));
    }
    return index;
}

// A text with {field} placeholders, resolved against the fields of one query.
class FieldTemplate {
public:
    FieldTemplate(const QString& text, const db::Recordset* rows, const QString& user, const QString& query) {
        qsizetype done = 0;
        for (qsizetype open = text.indexOf(QLatin1Char('{')); open >= 0; open = text.indexOf(QLatin1Char('{'), open + 1)) {
            const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
            if (close < 0) break;
            const QString field = text.mid(open + 1, close - open - 1);
            if (field.isEmpty() || field.contains(QLatin1Char('{'))) continue;
            parts_.push_back({text.mid(done, open - done), fieldIndexOf(rows, field, user, query)});
            done = close + 1;
            open = close;
        }
        parts_.push_back({text.mid(done), -1});
    }

    // The text for one row of the query; the fields are empty when there is no row.
    QString fill(const db::Recordset* rows, int row) const {
        QString text;
        for (const Part& part : parts_) {
            text += part.literal;
            if (part.field >= 0 && row >= 0) text += rows->valueAt(row, part.field).toString();
        }
        return text;
    }

private:
    struct Part {
        QString literal;
        int field;   // -1: the literal alone
    };
    std::vector<Part> parts_;
};

// Opens rows on a query; ReportError saying which query failed and why.
void openQuery(db::Recordset& rows, const QString& sql, db::Connection& connection, const QString& query) {
    try {
        rows.open(sql, &connection);
    } catch (const db::DbError& error) {
        throw ReportError(QStringLiteral("%1 could not be run. %2").arg(query, error.description()));
    }
}

QString cellText(const db::Value& value, const QString& dateFormat) {
    if (!dateFormat.isEmpty()) {
        const QDate date = value.toDate();
        if (date.isValid()) return forms::formatDate(date, dateFormat);
    }
    return value.toString();
}

void fetchPageTexts(const ReportDefinition& definition, db::Connection& connection, ReportContent& content) {
    db::Recordset pageRows;
    const bool hasQuery = !definition.pageSql.trimmed().isEmpty();
    if (hasQuery) openQuery(pageRows, definition.pageSql, connection, QStringLiteral("The page query"));
    const db::Recordset* rows = hasQuery ? &pageRows : nullptr;
    const int row = hasQuery && pageRows.recordCount() > 0 ? 0 : -1;
    const QString query = QStringLiteral("the page query");
    content.pageHeader = FieldTemplate(definition.pageHeader, rows, QStringLiteral("The page header"), query).fill(rows, row);
    content.pageFooter = FieldTemplate(definition.pageFooter, rows, QStringLiteral("The page footer"), query).fill(rows, row);
}

}  // namespace

ReportContent fetchContent(const ReportDefinition& definition, db::Connection& connection) {
    ReportContent content;
    content.title = definition.title;
    content.landscape = definition.landscape;
    content.columns = definition.columns;
    fetchPageTexts(definition, connection, content);

    db::Recordset rows;
    openQuery(rows, definition.sql, connection, QStringLiteral("The report's query"));
    const QString query = QStringLiteral("the report's query");
    std::vector<int> columnFields;
    for (const ColumnDefinition& column : definition.columns) {
        columnFields.push_back(fieldIndexOf(&rows, column.field, QStringLiteral("A column"), query));
    }
    std::vector<int> groupFields;
    for (const QString& field : definition.groupFields) {
        groupFields.push_back(fieldIndexOf(&rows, field, QStringLiteral("The group"), query));
    }
    const FieldTemplate heading(definition.groupHeading, &rows, QStringLiteral("The group heading"), query);

    const int count = rows.recordCount();
    content.rows.reserve(size_t(count));
    for (int row = 0; row < count; ++row) {
        ReportContent::Row line;
        if (!groupFields.empty()) {
            const bool startsGroup = row == 0 || std::any_of(groupFields.begin(), groupFields.end(), [&](int field) {
                                         return rows.valueAt(row, field) != rows.valueAt(row - 1, field);
                                     });
            if (startsGroup) content.groupHeadings << heading.fill(&rows, row);
            line.group = int(content.groupHeadings.size()) - 1;
        }
        line.cells.reserve(qsizetype(columnFields.size()));
        for (size_t i = 0; i < columnFields.size(); ++i) {
            line.cells << cellText(rows.valueAt(row, columnFields[i]), definition.columns[i].dateFormat);
        }
        content.rows.push_back(std::move(line));
    }
    return content;
}

}  // namespace report
