#include "tape/TapeLines.h"

#include <algorithm>

TapeLine &TapeLines::emplaceBack()
{
    if (m_size == m_blocks.size() * BlockSize)
        m_blocks.push_back(std::make_unique<TapeLine[]>(BlockSize));
    return (*this)[m_size++];
}

void TapeLines::erase(std::size_t index)
{
    for (std::size_t i = index; i + 1 < m_size; ++i)
        (*this)[i] = std::move((*this)[i + 1]);
    truncate(m_size - 1);
}

void TapeLines::truncate(std::size_t count)
{
    if (count >= m_size)
        return;
    const std::size_t keptBlocks = (count + BlockSize - 1) / BlockSize;
    // Lines past the end in the last kept block must hold nothing, as
    // emplaceBack hands them out again as blank lines.
    const std::size_t keptEnd = std::min(m_size, keptBlocks * BlockSize);
    for (std::size_t i = count; i < keptEnd; ++i)
        (*this)[i] = TapeLine();
    m_size = count;
    m_blocks.resize(keptBlocks);
}
