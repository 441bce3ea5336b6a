#include "core/text/charset_code_page.h"

namespace quorvel {

const char* CodePageOfCharset(int charset)
{
    switch (charset) {
        case 128:
            return "CP932";  // Shift-JIS as the platform extends it
        case 129:
            return "CP949";
        case 130:
            return "JOHAB";
        case 134:
            return "GBK";
        case 136:
            return "CP950";  // Big5 as the platform extends it
        case 161:
            return "CP1253";
        case 162:
            return "CP1254";
        case 163:
            return "CP1258";
        case 177:
            return "CP1255";
        case 178:
            return "CP1256";
        case 186:
            return "CP1257";
        case 204:
            return "CP1251";
        case 222:
            return "CP874";
        case 238:
            return "CP1250";
        default:
            return "CP1252";
    }
}

}  // namespace quorvel
