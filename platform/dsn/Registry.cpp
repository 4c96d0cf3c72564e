#include "platform/dsn/Registry.h"

#include "platform/dsn/UserIni.h"

#include <algorithm>
#include <map>

namespace dsn {

namespace {

// The sections behind the open keys.
std::map<KeyHandle, QString>& openKeys() {
    static std::map<KeyHandle, QString> keys;
    return keys;
}

// The data source whose key a sub-key path names; empty when it names another key.
QString dataSourceName(const QString& subKey) {
    static const QString dataSources = QStringLiteral("Software\\ODBC\\ODBC.INI\\");
    if (!subKey.startsWith(dataSources, Qt::CaseInsensitive)) return {};
    const QString name = subKey.mid(dataSources.size());
    return name.contains(QLatin1Char('\\')) ? QString() : name;
}

}  // namespace

long regOpenKeyEx(RootKey /*root*/, const QString& subKey, std::uint32_t /*options*/,
                  std::uint32_t /*access*/, KeyHandle& key) {
    const QString name = dataSourceName(subKey);
    const std::optional<QString> section = name.isEmpty() ? std::nullopt : userini::section(name);
    if (!section) return kErrorFileNotFound;
    static KeyHandle lastHandle = 0;
    key = ++lastHandle;
    openKeys().emplace(key, *section);
    return kErrorSuccess;
}

long regQueryValueEx(KeyHandle key, const QString& valueName, std::uint32_t& type, QByteArray& buffer,
                     std::uint32_t& size) {
    const auto open = openKeys().find(key);
    if (open == openKeys().end()) return kErrorInvalidHandle;
    const std::optional<QString> entry = userini::key(open->second, valueName);
    if (!entry) return kErrorFileNotFound;
    QByteArray data = userini::value(open->second, *entry);
    data.append('\0');
    type = kRegSz;
    const auto needed = static_cast<std::uint32_t>(data.size());
    if (needed > std::min<std::uint32_t>(size, buffer.size())) {
        size = needed;
        return kErrorMoreData;
    }
    std::copy(data.cbegin(), data.cend(), buffer.begin());
    size = needed;
    return kErrorSuccess;
}

long regCloseKey(KeyHandle key) { return openKeys().erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle; }

}  // namespace dsn
