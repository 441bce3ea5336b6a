#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/text/text_pieces.h"

namespace quorvel {
namespace {

// Pieces of every size from empty to well past a word, each of distinct characters, so a byte
// lost, doubled or moved shows in the joined text.
TEST(TextPiecesTest, JoinsPiecesOfEverySizeInOrder)
{
    std::vector<std::string> texts;
    for (std::size_t size = 0; size <= 40; ++size) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i) {
            text += static_cast<char>('!' + (size * 7 + i) % 90);
        }
        texts.push_back(text);
    }
    for (std::size_t first = 0; first + 3 <= texts.size(); ++first) {
        TextPieces pieces;
        std::string expected;
        for (std::size_t i = first; i < first + 3; ++i) {
            pieces.Add(texts[i]);
            pieces.Add(texts[texts.size() - 1 - i]);
            expected += texts[i] + texts[texts.size() - 1 - i];
        }
        EXPECT_EQ(pieces.Size(), expected.size());
        EXPECT_EQ(pieces.Joined(), expected) << first;
        std::string copied(expected.size() + 2, '#');
        pieces.CopyTo(copied.data() + 1);
        EXPECT_EQ(copied, "#" + expected + "#") << "nothing written outside the room given";
    }
}

TEST(TextPiecesTest, MorePiecesThanRoomIsRefused)
{
    TextPieces pieces;
    for (std::size_t i = 0; i < TextPieces::kCapacity; ++i) {
        pieces.Add("x");
    }
    pieces.Add("");
    EXPECT_THROW(pieces.Add("y"), std::length_error);
    EXPECT_EQ(pieces.Joined(), std::string(TextPieces::kCapacity, 'x'));
}

}  // namespace
}  // namespace quorvel
