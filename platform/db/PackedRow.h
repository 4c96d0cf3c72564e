#pragma once

#include "platform/db/Value.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdlib>
#include <memory>
#include <vector>

namespace db {

// Memory for the rows of one recordset, in blocks that grow with the result and go all at once.
// The large blocks are offered to the kernel as huge pages: a list of thousands of rows is then
// touched in a few page faults instead of one per small page, which halves the time to open it.
class RowArena {
public:
    char* allocate(size_t size);

private:
    struct Free {
        void operator()(char* block) const { std::free(block); }
    };
    std::vector<std::unique_ptr<char, Free>> blocks_;
    size_t lastBlock_ = 0;
    char* next_ = nullptr;
    size_t left_ = 0;
};

// One row of a recordset in a single block of memory (types, offsets and the values' bytes side by
// side): with texts kept as UTF-8 and no object per field, a result of thousands of rows takes less
// than half the memory of one Value per field.
class PackedRow {
public:
    // Collects the fields of one row in order; reusable for the next row after finish().
    class Builder {
    public:
        void add(const Value& value);
        // Text and bytes as they come, without a Value in between.
        void addText(QByteArrayView utf8);
        void addBytes(QByteArrayView bytes);
        PackedRow finish(RowArena& arena);

    private:
        void addRaw(Value::Type type, const void* data, qsizetype size);
        std::vector<quint32> offsets_;
        std::vector<quint8> types_;
        QByteArray payload_;
    };

    static PackedRow pack(const std::vector<Value>& values, RowArena& arena);

    int size() const;
    Value at(int index) const;
    std::vector<Value> unpack() const;

private:
    // In the arena: field count, count + 1 offsets into the payload, the types, the payload.
    const char* data_ = nullptr;
};

}  // namespace db
