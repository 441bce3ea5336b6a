#include "ui/lang/code_page_decoder.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace quorvel {
namespace {

// Owns one conversion descriptor for the length of a call.
class Converter {
public:
    explicit Converter(const char* codePage) : m_cd(iconv_open("UTF-8", codePage))
    {
        if (m_cd == kFailed) {
            m_cd = iconv_open("UTF-8", "CP1252");
        }
    }
    ~Converter()
    {
        if (m_cd != kFailed) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Ok() const { return m_cd != kFailed; }
    iconv_t Get() const { return m_cd; }

private:
    static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);
    iconv_t m_cd;
};

}  // namespace

QString DecodeCodePage(std::string_view bytes, const char* codePage)
{
    if (bytes.empty()) {
        return {};
    }
    Converter converter(codePage);
    if (!converter.Ok()) {
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    }

    std::string out;
    char buffer[1024];
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter.Get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (done != static_cast<std::size_t>(-1) || errno == E2BIG) {
            continue;
        }
        // EILSEQ or EINVAL: an undefined or cut-off sequence. Mark it and go on after its first byte.
        out.append("\xEF\xBF\xBD");
        ++in;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return QString::fromUtf8(out.data(), qsizetype(out.size()));
}

}  // namespace quorvel
