#pragma once

#include "platform/db/Value.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace db {

// Memory for packed rows, taken from the system in blocks that grow with the result and given back
// all at once: a result of thousands of rows costs a few allocations instead of one per row.
class RowArena {
public:
    RowArena() = default;
    ~RowArena();
    RowArena(const RowArena&) = delete;
    RowArena& operator=(const RowArena&) = delete;

    char* allocate(size_t size);

private:
    struct Block {
        char* data;
        size_t size;
        bool mapped;
    };
    std::vector<Block> blocks_;
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
