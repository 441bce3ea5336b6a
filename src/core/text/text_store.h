#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "core/text/text_pieces.h"

namespace quorvel {

// Texts that stay where they were put for as long as the store lives: many small texts of one
// rebuild share a few large blocks instead of a heap allocation each, and views into them stay
// valid however the store grows.
class TextStore {
public:
    // The first block holds `firstBlock` bytes (a default size when 0): a caller that knows about
    // how much it will keep gets it in one allocation.
    explicit TextStore(std::size_t firstBlock = 0);

    // Takes over `size` bytes already in a buffer of their own, e.g. a file as it was read.
    std::string_view Adopt(std::unique_ptr<char[]> bytes, std::size_t size);

    std::string_view Keep(std::string_view text);
    std::string_view Keep(const TextPieces& pieces);

private:
    char* Room(std::size_t size);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_free = nullptr;
    std::size_t m_left = 0;
    std::size_t m_nextBlock;
};

}  // namespace quorvel
