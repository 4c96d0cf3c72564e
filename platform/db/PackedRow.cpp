#include "platform/db/PackedRow.h"

#include <algorithm>
#include <cstring>
#include <new>

#include <sys/mman.h>

namespace db {

namespace {

template <typename T> T readAt(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

constexpr size_t kFirstBlock = 16 * 1024;
constexpr size_t kHugePage = 2 * 1024 * 1024;

// A block of a huge page's size starts on a huge-page boundary and is offered to the kernel as a
// huge page; smaller ones come from malloc as they are.
char* newBlock(size_t size) {
    const bool huge = size % kHugePage == 0;
    void* block = huge ? std::aligned_alloc(kHugePage, size) : std::malloc(size);
    if (!block) throw std::bad_alloc();
    if (huge) madvise(block, size, MADV_HUGEPAGE);
    return static_cast<char*>(block);
}

}  // namespace

char* RowArena::allocate(size_t size) {
    size = (size + 7) & ~size_t{7};
    if (size > left_) {
        lastBlock_ = std::min(kHugePage, lastBlock_ == 0 ? kFirstBlock : lastBlock_ * 2);
        const size_t block = std::max(size, lastBlock_);
        std::unique_ptr<char, Free> fresh(newBlock(block));
        next_ = fresh.get();
        blocks_.push_back(std::move(fresh));
        left_ = block;
    }
    char* result = next_;
    next_ += size;
    left_ -= size;
    return result;
}

void PackedRow::Builder::addRaw(Value::Type type, const void* data, qsizetype size) {
    offsets_.push_back(static_cast<quint32>(payload_.size()));
    types_.push_back(static_cast<quint8>(type));
    payload_.append(static_cast<const char*>(data), size);
}

void PackedRow::Builder::addText(QByteArrayView utf8) { addRaw(Value::Type::Text, utf8.data(), utf8.size()); }
void PackedRow::Builder::addBytes(QByteArrayView bytes) { addRaw(Value::Type::Bytes, bytes.data(), bytes.size()); }

void PackedRow::Builder::add(const Value& value) {
    const auto addNumber = [&](Value::Type type, auto number) { addRaw(type, &number, sizeof number); };
    switch (value.type()) {
    case Value::Type::Null: addRaw(Value::Type::Null, nullptr, 0); break;
    case Value::Type::Integer: addNumber(Value::Type::Integer, value.toInt()); break;
    case Value::Type::Double: addNumber(Value::Type::Double, value.toDouble()); break;
    case Value::Type::Date: addNumber(Value::Type::Date, std::int64_t{value.toDate().toJulianDay()}); break;
    case Value::Type::Text: addText(value.toString().toUtf8()); break;
    case Value::Type::Bytes: addBytes(value.toBytes()); break;
    }
}

PackedRow PackedRow::Builder::finish(RowArena& arena) {
    const quint32 count = static_cast<quint32>(types_.size());
    offsets_.push_back(static_cast<quint32>(payload_.size()));
    const qsizetype header = sizeof count + qsizetype(offsets_.size() * sizeof(quint32)) + qsizetype(count);
    PackedRow row;
    char* out = arena.allocate(size_t(header + payload_.size()));
    row.data_ = out;
    std::memcpy(out, &count, sizeof count);
    out += sizeof count;
    std::memcpy(out, offsets_.data(), offsets_.size() * sizeof(quint32));
    out += offsets_.size() * sizeof(quint32);
    std::memcpy(out, types_.data(), count);
    out += count;
    std::memcpy(out, payload_.constData(), size_t(payload_.size()));
    offsets_.clear();
    types_.clear();
    payload_.resize(0);   // keeps the capacity for the next row
    return row;
}

PackedRow PackedRow::pack(const std::vector<Value>& values, RowArena& arena) {
    Builder builder;
    for (const Value& value : values) builder.add(value);
    return builder.finish(arena);
}

int PackedRow::size() const { return data_ ? static_cast<int>(readAt<quint32>(data_)) : 0; }

Value PackedRow::at(int index) const {
    const char* base = data_;
    const quint32 count = readAt<quint32>(base);
    const char* offsets = base + sizeof count;
    const char* types = offsets + (count + 1) * sizeof(quint32);
    const char* payload = types + count;
    const quint32 begin = readAt<quint32>(offsets + index * sizeof(quint32));
    const quint32 end = readAt<quint32>(offsets + (index + 1) * sizeof(quint32));
    const char* at = payload + begin;
    switch (static_cast<Value::Type>(types[index])) {
    case Value::Type::Null: return Value();
    case Value::Type::Integer: return Value(readAt<std::int64_t>(at));
    case Value::Type::Double: return Value(readAt<double>(at));
    case Value::Type::Date: return Value(QDate::fromJulianDay(readAt<std::int64_t>(at)));
    case Value::Type::Text: return Value(QString::fromUtf8(at, end - begin));
    case Value::Type::Bytes: return Value(QByteArray(at, end - begin));
    }
    return Value();
}

std::vector<Value> PackedRow::unpack() const {
    std::vector<Value> values;
    values.reserve(size_t(size()));
    for (int i = 0; i < size(); ++i) values.push_back(at(i));
    return values;
}

}  // namespace db
