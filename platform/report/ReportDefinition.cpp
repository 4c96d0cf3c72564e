#include "platform/report/ReportDefinition.h"

#include "platform/report/ReportError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace report {

namespace {

// Why a text is not a valid report definition; readReportFile names the file in front of it.
struct Invalid {
    QString reason;
};

// The entries of one JSON object, each read once; `where` names the object in reasons ("column 2").
class Entries {
public:
    Entries(const QJsonObject& object, QString where, const QStringList& known)
        : object_(object), where_(std::move(where)) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key())) fail(QStringLiteral("the entry \"%1\" is unknown").arg(it.key()));
        }
    }

    bool has(const QString& key) const { return object_.contains(key); }
    QJsonValue value(const QString& key) const { return object_.value(key); }

    QString text(const QString& key, const QString& fallback = QString()) const {
        const QJsonValue v = object_.value(key);
        if (v.isUndefined()) return fallback;
        if (!v.isString()) fail(QStringLiteral("\"%1\" must be a text").arg(key));
        return v.toString();
    }

    QString requiredText(const QString& key) const {
        const QString v = text(key);
        if (v.trimmed().isEmpty()) fail(QStringLiteral("\"%1\" is missing or empty").arg(key));
        return v;
    }

    // One of choices; the first when the entry is absent.
    int choice(const QString& key, const QStringList& choices) const {
        const QString v = text(key, choices.front());
        const qsizetype index = choices.indexOf(v);
        if (index < 0) {
            fail(QStringLiteral("\"%1\" must be one of \"%2\"").arg(key, choices.join(QStringLiteral("\", \""))));
        }
        return int(index);
    }

    [[noreturn]] void fail(const QString& reason) const {
        throw Invalid{where_.isEmpty() ? reason : where_ + QStringLiteral(": ") + reason};
    }

private:
    QJsonObject object_;
    QString where_;
};

QStringList fieldNames(const Entries& group) {
    const QJsonValue fields = group.value(QStringLiteral("fields"));
    QStringList names;
    if (fields.isString()) names << fields.toString();
    for (const QJsonValue& field : fields.toArray()) names << field.toString();
    names.removeAll(QString());
    if (names.isEmpty()) group.fail(QStringLiteral("\"fields\" must name at least one field"));
    return names;
}

ColumnDefinition columnOf(const QJsonValue& value, int number) {
    const QString where = QStringLiteral("column %1").arg(number);
    if (!value.isObject()) throw Invalid{where + QStringLiteral(" is not an object")};
    const Entries entries(value.toObject(), where,
                          {"caption", "field", "width", "align", "dateFormat"});
    ColumnDefinition column;
    column.field = entries.requiredText(QStringLiteral("field"));
    column.caption = entries.text(QStringLiteral("caption"), column.field);
    if (entries.has(QStringLiteral("width"))) {
        const QJsonValue width = entries.value(QStringLiteral("width"));
        if (!width.isDouble() || !(width.toDouble() > 0)) {
            entries.fail(QStringLiteral("\"width\" must be a number above 0"));
        }
        column.width = width.toDouble();
    }
    column.alignment = Alignment(entries.choice(QStringLiteral("align"), {"left", "center", "right"}));
    column.dateFormat = entries.text(QStringLiteral("dateFormat"));
    return column;
}

ReportDefinition definitionOf(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        throw Invalid{QStringLiteral("it is not JSON text (%1 at character %2)").arg(error.errorString()).arg(error.offset)};
    }
    if (!document.isObject()) throw Invalid{QStringLiteral("it holds no JSON object")};
    const Entries entries(document.object(), QString(),
                          {"title", "orientation", "pageSql", "pageHeader", "pageFooter", "sql", "group", "columns"});

    ReportDefinition definition;
    definition.title = entries.text(QStringLiteral("title"));
    definition.landscape = entries.choice(QStringLiteral("orientation"), {"portrait", "landscape"}) == 1;
    definition.pageSql = entries.text(QStringLiteral("pageSql"));
    definition.pageHeader = entries.text(QStringLiteral("pageHeader"));
    definition.pageFooter = entries.text(QStringLiteral("pageFooter"));
    definition.sql = entries.requiredText(QStringLiteral("sql"));

    if (entries.has(QStringLiteral("group"))) {
        const QJsonValue group = entries.value(QStringLiteral("group"));
        if (!group.isObject()) entries.fail(QStringLiteral("\"group\" must be an object"));
        const Entries groupEntries(group.toObject(), QStringLiteral("group"), {"fields", "heading"});
        definition.groupFields = fieldNames(groupEntries);
        QStringList placeholders;
        for (const QString& field : definition.groupFields) placeholders << QLatin1Char('{') + field + QLatin1Char('}');
        definition.groupHeading = groupEntries.text(QStringLiteral("heading"), placeholders.join(QLatin1Char(' ')));
    }

    const QJsonArray columns = entries.value(QStringLiteral("columns")).toArray();
    if (columns.isEmpty()) entries.fail(QStringLiteral("\"columns\" must be a list of at least one column"));
    for (qsizetype i = 0; i < columns.size(); ++i) definition.columns.push_back(columnOf(columns[i], int(i) + 1));
    return definition;
}

}  // namespace

ReportDefinition readReportFile(const QString& nativePath) {
    const QFileInfo info(nativePath);
    if (!info.exists()) throw ReportError(QStringLiteral("The report file %1 could not be found.").arg(nativePath));
    if (info.isDir()) throw ReportError(QStringLiteral("%1 is a folder, not a report file.").arg(nativePath));
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ReportError(QStringLiteral("The report file %1 could not be read: %2.").arg(nativePath, file.errorString()));
    }
    try {
        return definitionOf(file.readAll());
    } catch (const Invalid& invalid) {
        throw ReportError(QStringLiteral("The report file %1 is not a valid report file: %2.").arg(nativePath, invalid.reason));
    }
}

}  // namespace report
