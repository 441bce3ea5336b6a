#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_store.h"

namespace quorvel {
namespace {

// Many texts of mixed sizes, some far larger than a block, so the store grows several times.
TEST(TextStoreTest, KeptTextsStayIntactWhileTheStoreGrows)
{
    TextStore store(16);
    std::vector<std::string> originals;
    std::vector<std::string_view> kept;
    for (int i = 0; i < 400; ++i) {
        originals.push_back(std::string(static_cast<std::size_t>(i % 7 == 0 ? 300 : i % 13), 'a' + i % 26) +
                            std::to_string(i));
        kept.push_back(store.Keep(originals.back()));
    }
    for (std::size_t i = 0; i < originals.size(); ++i) {
        EXPECT_EQ(kept[i], originals[i]) << i;
        EXPECT_NE(kept[i].data(), originals[i].data()) << "a copy, not the caller's text";
    }
}

TEST(TextStoreTest, PiecesAreJoinedIntoTheStore)
{
    TextStore store;
    const std::string first = "Waiting";
    TextPieces pieces;
    pieces.Add(first);
    pieces.Add(" ---- ");
    pieces.Add("Daily");
    const std::string_view joined = store.Keep(pieces);
    const std::string_view empty = store.Keep(TextPieces());
    EXPECT_EQ(joined, "Waiting ---- Daily");
    EXPECT_EQ(joined, pieces.Joined());
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(store.Keep(std::string_view()), "");
}

TEST(TextStoreTest, AdoptedBytesAreKeptAsTheyAreAlongsideKeptTexts)
{
    TextStore store(8);
    constexpr std::string_view kBytes = "line one\r\nline two";
    auto bytes = std::make_unique<char[]>(kBytes.size());
    std::memcpy(bytes.get(), kBytes.data(), kBytes.size());
    const char* const where = bytes.get();
    const std::string_view adopted = store.Adopt(std::move(bytes), kBytes.size());
    const std::string_view kept = store.Keep("a text longer than the first block");
    EXPECT_EQ(adopted.data(), where);
    EXPECT_EQ(adopted, kBytes);
    EXPECT_EQ(kept, "a text longer than the first block");
}

}  // namespace
}  // namespace quorvel
