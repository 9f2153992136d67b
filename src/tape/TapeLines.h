#pragma once

#include "tape/TapeLine.h"

#include <cstddef>
#include <memory>
#include <vector>

// The lines of a tape, kept in fixed blocks: appending never moves the
// lines already there (no copy peak on a long tape), and a million lines
// cost a thousand allocations instead of a quarter of a million.
class TapeLines
{
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    TapeLine &operator[](std::size_t index) { return m_blocks[index >> BlockShift][index & BlockMask]; }
    const TapeLine &operator[](std::size_t index) const { return m_blocks[index >> BlockShift][index & BlockMask]; }
    TapeLine &back() { return (*this)[m_size - 1]; }
    const TapeLine &back() const { return (*this)[m_size - 1]; }

    // Appends a blank line and returns it.
    TapeLine &emplaceBack();
    void pushBack(TapeLine &&line) { emplaceBack() = std::move(line); }

    // Removes one line; the lines after it move down.
    void erase(std::size_t index);
    // Keeps the first count lines.
    void truncate(std::size_t count);
    void clear() { truncate(0); }

private:
    static constexpr std::size_t BlockShift = 10;
    static constexpr std::size_t BlockSize = std::size_t(1) << BlockShift;
    static constexpr std::size_t BlockMask = BlockSize - 1;

    std::vector<std::unique_ptr<TapeLine[]>> m_blocks;
    std::size_t m_size = 0;
};
