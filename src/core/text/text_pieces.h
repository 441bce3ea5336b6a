#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// A text made of a few pieces that are joined only once, when the whole is wanted: a list line
// and the repeat text inside it are put together from the same pieces without building either
// twice. The pieces are views; what they view must outlive them.
class TextPieces {
public:
    static constexpr std::size_t kCapacity = 24;

    // Throws std::length_error beyond kCapacity pieces (a programming error: the texts built
    // from pieces have a fixed form).
    void Add(std::string_view piece)
    {
        if (piece.empty()) {
            return;
        }
        if (m_count == kCapacity) {
            TooManyPieces();
        }
        m_pieces[m_count++] = Piece{piece.data(), piece.size()};
        m_size += piece.size();
    }

    // Characters in all pieces so far.
    std::size_t Size() const { return m_size; }

    std::string Joined() const;

    // Writes the pieces one after another from `out`, which has room for Size() characters.
    void CopyTo(char* out) const;

private:
    [[noreturn]] static void TooManyPieces();

    // Plain pointers and sizes: left uninitialised beyond m_count, as a list made per task
    // should not first clear room it mostly does not use.
    struct Piece {
        const char* data;
        std::size_t size;
    };
    std::array<Piece, kCapacity> m_pieces;
    std::size_t m_count = 0;
    std::size_t m_size = 0;
};

}  // namespace quorvel
