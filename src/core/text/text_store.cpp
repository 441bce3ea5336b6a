#include "core/text/text_store.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quorvel {

namespace {

constexpr std::size_t kDefaultBlock = 1024;

}  // namespace

TextStore::TextStore(std::size_t firstBlock) : m_nextBlock(firstBlock == 0 ? kDefaultBlock : firstBlock) {}

std::string_view TextStore::Adopt(std::unique_ptr<char[]> bytes, std::size_t size)
{
    const char* const data = bytes.get();
    m_blocks.push_back(std::move(bytes));
    return {data, size};
}

std::string_view TextStore::Keep(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    char* const out = Room(text.size());
    std::memcpy(out, text.data(), text.size());
    return {out, text.size()};
}

std::string_view TextStore::Keep(const TextPieces& pieces)
{
    if (pieces.Size() == 0) {
        return {};
    }
    char* const out = Room(pieces.Size());
    pieces.CopyTo(out);
    return {out, pieces.Size()};
}

char* TextStore::Room(std::size_t size)
{
    if (size > m_left) {
        // Each block twice the last, so a store of any size takes few allocations; the room
        // left in the block before is given up.
        const std::size_t block = std::max(size, m_nextBlock);
        m_nextBlock = block * 2;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(block));
        m_free = m_blocks.back().get();
        m_left = block;
    }
    char* const out = m_free;
    m_free += size;
    m_left -= size;
    return out;
}

}  // namespace quorvel
