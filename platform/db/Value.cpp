#include "platform/db/Value.h"

#include "platform/db/DateText.h"

#include <cmath>

namespace db {

std::int64_t Value::toInt() const {
    switch (type()) {
    case Type::Integer: return std::get<std::int64_t>(data_);
    case Type::Double: return std::llround(std::get<double>(data_));
    case Type::Text: {
        const QString text = std::get<QString>(data_).trimmed();
        bool ok = false;
        const qint64 whole = text.toLongLong(&ok);
        if (ok) return whole;
        const double real = text.toDouble(&ok);
        return ok ? std::llround(real) : 0;
    }
    default: return 0;
    }
}

double Value::toDouble() const {
    switch (type()) {
    case Type::Integer: return static_cast<double>(std::get<std::int64_t>(data_));
    case Type::Double: return std::get<double>(data_);
    case Type::Text: return std::get<QString>(data_).trimmed().toDouble();
    default: return 0.0;
    }
}

QString Value::toString() const {
    switch (type()) {
    case Type::Null: return QString();
    case Type::Integer: return QString::number(std::get<std::int64_t>(data_));
    case Type::Double: return QString::number(std::get<double>(data_), 'g', 15);
    case Type::Text: return std::get<QString>(data_);
    case Type::Date: return std::get<QDate>(data_).toString(QStringLiteral("dd/MM/yyyy"));
    case Type::Bytes: return QString::fromUtf8(std::get<QByteArray>(data_));
    }
    return QString();
}

QDate Value::toDate() const {
    switch (type()) {
    case Type::Date: return std::get<QDate>(data_);
    case Type::Text: return parseDateText(std::get<QString>(data_));
    default: return QDate();
    }
}

QByteArray Value::toBytes() const {
    switch (type()) {
    case Type::Null: return QByteArray();
    case Type::Bytes: return std::get<QByteArray>(data_);
    default: return toString().toUtf8();
    }
}

}  // namespace db
