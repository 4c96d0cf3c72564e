#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// The one error type of the platform layers: description() is a sentence a user can read (about
// the file, the record or the other user, never the statement or call that failed). The event
// boundary catches this type.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

private:
    QString description_;
};

}  // namespace platform
