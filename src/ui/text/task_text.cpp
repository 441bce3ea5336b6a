#include "ui/text/task_text.h"

#include <QStringDecoder>

#include "ui/lang/code_page_decoder.h"

namespace quorvel {

QString TaskTextForDisplay(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return DecodeCodePage(bytes, "CP1252");
}

}  // namespace quorvel
