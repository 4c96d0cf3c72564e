#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <variant>

namespace db {

// One field value as the windows see it: Null, a whole number, a double, text, a date or bytes.
class Value {
public:
    enum class Type { Null, Integer, Double, Text, Date, Bytes };

    Value() = default;
    Value(int v) : data_(std::int64_t{v}) {}
    Value(std::int64_t v) : data_(v) {}
    Value(double v) : data_(v) {}
    Value(const QString& v) : data_(v) {}
    Value(const char* v) : data_(QString::fromUtf8(v)) {}
    Value(const QDate& v) : data_(v) {}
    Value(const QByteArray& v) : data_(v) {}

    Type type() const { return static_cast<Type>(data_.index()); }
    bool isNull() const { return type() == Type::Null; }

    // Conversions never throw: Null gives 0, an empty text or an invalid date.
    std::int64_t toInt() const;
    double toDouble() const;
    QString toString() const;   // a date gives "dd/mm/yyyy"
    QDate toDate() const;
    QByteArray toBytes() const;

    bool operator==(const Value& other) const = default;

private:
    std::variant<std::monostate, std::int64_t, double, QString, QDate, QByteArray> data_;
};

}  // namespace db
