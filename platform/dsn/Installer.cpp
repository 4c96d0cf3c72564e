#include "platform/dsn/Installer.h"

#include "platform/dsn/UserIni.h"

#include <QList>

#include <odbcinstext.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace dsn {

namespace {

using Attribute = std::pair<QString, QString>;   // keyword, value

struct DriverTranslation {
    const char* windowsName;
    const char* driver;              // the section of odbcinst.ini that registers it
    const char* fileKeyword;         // the keyword naming the database file on Windows
    const char* driverFileKeyword;   // the keyword this driver opens the file from
};

// The Windows drivers whose data sources are registered here on another driver.
constexpr DriverTranslation kDriverTranslations[] = {
    {"Microsoft Access Driver (*.mdb)", "SQLite3", "DBQ", "Database"},
};

// The pairs of an attribute text; nullopt when a pair has no keyword.
std::optional<QList<Attribute>> parseAttributes(const QString& text) {
    QList<Attribute> pairs;
    for (const QString& pair : text.split(QChar(0))) {
        if (pair.isEmpty()) break;
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0) return std::nullopt;
        pairs.append({pair.left(equals), pair.mid(equals + 1)});
    }
    return pairs;
}

std::optional<QString> valueOf(const QList<Attribute>& pairs, const QString& keyword) {
    for (const auto& [key, value] : pairs) {
        if (key.compare(keyword, Qt::CaseInsensitive) == 0) return value;
    }
    return std::nullopt;
}

// The driver to register and the pairs to write for it.
struct Registration {
    QString driver;
    QList<Attribute> pairs;
};

Registration translated(const QString& driver, QList<Attribute> pairs) {
    pairs.removeIf([](const Attribute& pair) { return pair.first.compare("DSN", Qt::CaseInsensitive) == 0; });
    for (const DriverTranslation& translation : kDriverTranslations) {
        if (driver.compare(QLatin1String(translation.windowsName), Qt::CaseInsensitive) != 0) continue;
        if (const std::optional<QString> file = valueOf(pairs, translation.fileKeyword)) {
            pairs.append({translation.driverFileKeyword, *file});
        }
        return {translation.driver, pairs};
    }
    return {driver, pairs};
}

bool installed(const QString& driver) {
    QByteArray library(INI_MAX_PROPERTY_VALUE + 1, '\0');
    return !driver.isEmpty() && SQLGetPrivateProfileString(driver.toLocal8Bit().constData(), "Driver", "",
                                                           library.data(), library.size(), "ODBCINST.INI") > 0;
}

// Whether odbc.ini gives the text back as written: a control character would break the line,
// and blanks at either end are trimmed on reading.
bool keptUnchanged(const QString& text) {
    return text == text.trimmed() &&
           std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool storable(const Attribute& pair) {
    const auto& [keyword, value] = pair;
    return !keyword.isEmpty() && !QStringLiteral("[#;").contains(keyword.front()) && keptUnchanged(keyword) &&
           keptUnchanged(value) && (keyword + QLatin1Char('=') + value).toLocal8Bit().size() < INI_MAX_LINE;
}

bool storableName(const QString& name) { return keptUnchanged(name) && SQLValidDSN(name.toLocal8Bit().constData()); }

bool addDataSource(const QString& name, const Registration& registration) {
    const QByteArray section = name.toLocal8Bit();
    const bool written =
        SQLWriteDSNToIni(section.constData(), registration.driver.toLocal8Bit().constData()) &&
        std::all_of(registration.pairs.cbegin(), registration.pairs.cend(), [&](const Attribute& pair) {
            return SQLWritePrivateProfileString(section.constData(), pair.first.toLocal8Bit().constData(),
                                                pair.second.toLocal8Bit().constData(), "ODBC.INI");
        });
    if (!written) SQLRemoveDSNFromIni(section.constData());
    return written;
}

bool removeDataSource(const QString& name) {
    const std::optional<QString> section = userini::section(name);
    return section && SQLRemoveDSNFromIni(section->toLocal8Bit().constData());
}

}  // namespace

bool sqlConfigDataSource(int request, const QString& driver, const QString& attributes) {
    const std::optional<QList<Attribute>> pairs = parseAttributes(attributes);
    if (!pairs) return false;
    const std::optional<QString> name = valueOf(*pairs, "DSN");
    if (!name || !storableName(*name)) return false;
    const Registration registration = translated(driver, *pairs);
    if (!installed(registration.driver)) return false;

    const userini::UserDataSourcesOnly userOnly;
    switch (request) {
    case kOdbcAddDsn:
        return storable({"Driver", registration.driver}) &&
               std::all_of(registration.pairs.cbegin(), registration.pairs.cend(), storable) &&
               addDataSource(*name, registration);
    case kOdbcRemoveDsn:
        return removeDataSource(*name);
    default:
        return false;
    }
}

}  // namespace dsn
