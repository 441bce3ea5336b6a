#include "core/text/text_pieces.h"

#include <cstring>
#include <stdexcept>

namespace quorvel {

namespace {

// Most pieces are a word or a separator: copied with two overlapping fixed-size moves, which
// the compiler makes plain loads and stores, instead of a library call each.
template <std::size_t kSize>
void CopyOverlapping(char* out, const char* in, std::size_t size)
{
    char head[kSize];
    char tail[kSize];
    std::memcpy(head, in, kSize);
    std::memcpy(tail, in + size - kSize, kSize);
    std::memcpy(out, head, kSize);
    std::memcpy(out + size - kSize, tail, kSize);
}

void CopyPiece(char* out, const char* in, std::size_t size)
{
    if (size >= 8 && size <= 16) {
        CopyOverlapping<8>(out, in, size);
    } else if (size >= 4 && size < 8) {
        CopyOverlapping<4>(out, in, size);
    } else if (size > 16) {
        std::memcpy(out, in, size);
    } else {
        for (std::size_t i = 0; i < size; ++i) {
            out[i] = in[i];
        }
    }
}

}  // namespace

void TextPieces::TooManyPieces()
{
    throw std::length_error("too many text pieces");
}

std::string TextPieces::Joined() const
{
    std::string text(m_size, '\0');
    CopyTo(text.data());
    return text;
}

void TextPieces::CopyTo(char* out) const
{
    for (std::size_t i = 0; i < m_count; ++i) {
        CopyPiece(out, m_pieces[i].data, m_pieces[i].size);
        out += m_pieces[i].size;
    }
}

}  // namespace quorvel
