#include "core/text/text_pieces.h"

#include <cstring>
#include <stdexcept>

namespace quorvel {

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
        std::memcpy(out, m_pieces[i].data, m_pieces[i].size);
        out += m_pieces[i].size;
    }
}

}  // namespace quorvel
