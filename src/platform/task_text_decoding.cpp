#include "platform/task_text_decoding.h"

#include <iconv.h>

#include <QStringDecoder>
#include <cerrno>
#include <string>

namespace quorvel {
namespace {

QString DecodeWindows1252(std::string_view bytes)
{
    const iconv_t converter = ::iconv_open("UTF-8", "WINDOWS-1252");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    std::string input(bytes);
    std::string output(input.size() * 3 + 4, '\0');  // no Windows-1252 character needs more
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (inLeft > 0) {
        if (::iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // One of the five bytes the code page leaves out: mark it and go on with the rest.
        static constexpr char kReplacement[] = "\xEF\xBF\xBD";
        for (const char c : std::string_view(kReplacement, 3)) {
            *out++ = c;
            --outLeft;
        }
        ++in;
        --inLeft;
    }
    ::iconv_close(converter);
    output.resize(output.size() - outLeft);
    return QString::fromUtf8(output.data(), static_cast<qsizetype>(output.size()));
}

}  // namespace

QString DecodeTaskText(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return DecodeWindows1252(bytes);
}

}  // namespace quorvel
