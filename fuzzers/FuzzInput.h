#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

// Takes typed values off the front of a fuzzer's input; what is missing reads as zeros.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    template <typename T> T take()
    {
        T value {};
        const std::size_t count = std::min(sizeof value, m_size);
        std::memcpy(&value, m_data, count);
        m_data += count;
        m_size -= count;
        return value;
    }

    // Up to `limit` bytes as a text of the same number of characters (Latin-1: any byte).
    QString text(std::size_t limit)
    {
        const std::size_t count = std::min(limit, m_size);
        const QString result
            = QString::fromLatin1(reinterpret_cast<const char*>(m_data), qsizetype(count));
        m_data += count;
        m_size -= count;
        return result;
    }

    QString rest() { return text(m_size); }
    std::size_t size() const { return m_size; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};
