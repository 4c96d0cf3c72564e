#pragma once

#include <QString>

#include <stdexcept>

namespace db {

// Every failure of the data layer: description() is a sentence a user can read.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

private:
    QString description_;
};

}  // namespace db
