#include "core/text/locale_abbreviation.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quorvel {
namespace {

struct LocaleEntry {
    std::string_view language;   // ISO 639 code, lower case
    std::string_view territory;  // ISO 3166 code, upper case; empty: the language's main entry
    std::string_view abbreviation;
};

// Language and territory to the platform's abbreviation. Each language's entry without a
// territory comes first among its rows; it is the answer for territories not listed.
constexpr std::array kLocaleTable{
    LocaleEntry{"af", "", "AFK"},   LocaleEntry{"ar", "", "ARA"},   LocaleEntry{"ar", "AE", "ARU"},
    LocaleEntry{"ar", "BH", "ARH"}, LocaleEntry{"ar", "DZ", "ARG"}, LocaleEntry{"ar", "EG", "ARE"},
    LocaleEntry{"ar", "IQ", "ARI"}, LocaleEntry{"ar", "JO", "ARJ"}, LocaleEntry{"ar", "KW", "ARK"},
    LocaleEntry{"ar", "LB", "ARB"}, LocaleEntry{"ar", "LY", "ARL"}, LocaleEntry{"ar", "MA", "ARM"},
    LocaleEntry{"ar", "OM", "ARO"}, LocaleEntry{"ar", "QA", "ARQ"}, LocaleEntry{"ar", "SY", "ARS"},
    LocaleEntry{"ar", "TN", "ART"}, LocaleEntry{"ar", "YE", "ARY"}, LocaleEntry{"be", "", "BEL"},
    LocaleEntry{"bg", "", "BGR"},   LocaleEntry{"ca", "", "CAT"},   LocaleEntry{"cs", "", "CSY"},
    LocaleEntry{"da", "", "DAN"},   LocaleEntry{"de", "", "DEU"},   LocaleEntry{"de", "AT", "DEA"},
    LocaleEntry{"de", "CH", "DES"}, LocaleEntry{"de", "LI", "DEC"}, LocaleEntry{"de", "LU", "DEL"},
    LocaleEntry{"el", "", "ELL"},   LocaleEntry{"en", "", "ENU"},   LocaleEntry{"en", "AU", "ENA"},
    LocaleEntry{"en", "BZ", "ENL"}, LocaleEntry{"en", "CA", "ENC"}, LocaleEntry{"en", "GB", "ENG"},
    LocaleEntry{"en", "IE", "ENI"}, LocaleEntry{"en", "IN", "ENN"}, LocaleEntry{"en", "JM", "ENJ"},
    LocaleEntry{"en", "MY", "ENM"}, LocaleEntry{"en", "NZ", "ENZ"}, LocaleEntry{"en", "PH", "ENP"},
    LocaleEntry{"en", "SG", "ENE"}, LocaleEntry{"en", "TT", "ENT"}, LocaleEntry{"en", "ZA", "ENS"},
    LocaleEntry{"en", "ZW", "ENW"}, LocaleEntry{"es", "", "ESN"},   LocaleEntry{"es", "AR", "ESS"},
    LocaleEntry{"es", "BO", "ESB"}, LocaleEntry{"es", "CL", "ESL"}, LocaleEntry{"es", "CO", "ESO"},
    LocaleEntry{"es", "CR", "ESC"}, LocaleEntry{"es", "DO", "ESD"}, LocaleEntry{"es", "EC", "ESF"},
    LocaleEntry{"es", "GT", "ESG"}, LocaleEntry{"es", "HN", "ESH"}, LocaleEntry{"es", "MX", "ESM"},
    LocaleEntry{"es", "NI", "ESI"}, LocaleEntry{"es", "PA", "ESA"}, LocaleEntry{"es", "PE", "ESR"},
    LocaleEntry{"es", "PR", "ESU"}, LocaleEntry{"es", "PY", "ESZ"}, LocaleEntry{"es", "SV", "ESE"},
    LocaleEntry{"es", "US", "EST"}, LocaleEntry{"es", "UY", "ESY"}, LocaleEntry{"es", "VE", "ESV"},
    LocaleEntry{"et", "", "ETI"},   LocaleEntry{"eu", "", "EUQ"},   LocaleEntry{"fa", "", "FAR"},
    LocaleEntry{"fi", "", "FIN"},   LocaleEntry{"fr", "", "FRA"},   LocaleEntry{"fr", "BE", "FRB"},
    LocaleEntry{"fr", "CA", "FRC"}, LocaleEntry{"fr", "CH", "FRS"}, LocaleEntry{"fr", "LU", "FRL"},
    LocaleEntry{"fr", "MC", "FRM"}, LocaleEntry{"gl", "", "GLC"},   LocaleEntry{"he", "", "HEB"},
    LocaleEntry{"hi", "", "HIN"},   LocaleEntry{"hr", "", "HRV"},   LocaleEntry{"hu", "", "HUN"},
    LocaleEntry{"id", "", "IND"},   LocaleEntry{"is", "", "ISL"},   LocaleEntry{"it", "", "ITA"},
    LocaleEntry{"it", "CH", "ITS"}, LocaleEntry{"ja", "", "JPN"},   LocaleEntry{"ko", "", "KOR"},
    LocaleEntry{"lt", "", "LTH"},   LocaleEntry{"lv", "", "LVI"},   LocaleEntry{"mk", "", "MKI"},
    LocaleEntry{"ms", "", "MSL"},   LocaleEntry{"nb", "", "NOR"},   LocaleEntry{"nl", "", "NLD"},
    LocaleEntry{"nl", "BE", "NLB"}, LocaleEntry{"nn", "", "NON"},   LocaleEntry{"no", "", "NOR"},
    LocaleEntry{"pl", "", "PLK"},   LocaleEntry{"pt", "", "PTG"},   LocaleEntry{"pt", "BR", "PTB"},
    LocaleEntry{"ro", "", "ROM"},   LocaleEntry{"ru", "", "RUS"},   LocaleEntry{"sk", "", "SKY"},
    LocaleEntry{"sl", "", "SLV"},   LocaleEntry{"sq", "", "SQI"},   LocaleEntry{"sr", "", "SRB"},
    LocaleEntry{"sv", "", "SVE"},   LocaleEntry{"sv", "FI", "SVF"}, LocaleEntry{"th", "", "THA"},
    LocaleEntry{"tr", "", "TRK"},   LocaleEntry{"uk", "", "UKR"},   LocaleEntry{"vi", "", "VIT"},
    LocaleEntry{"zh", "", "CHS"},   LocaleEntry{"zh", "HK", "ZHH"}, LocaleEntry{"zh", "MO", "ZHM"},
    LocaleEntry{"zh", "SG", "ZHI"}, LocaleEntry{"zh", "TW", "CHT"},
};

std::string ToCase(std::string_view text, int (*convert)(int))
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [convert](unsigned char c) { return static_cast<char>(convert(c)); });
    return result;
}

}  // namespace

std::string MessagesLocaleName(std::string_view lcAll, std::string_view lcMessages, std::string_view lang)
{
    for (const std::string_view name : {lcAll, lcMessages, lang}) {
        if (!name.empty()) {
            return std::string(name);
        }
    }
    return {};
}

std::string WindowsLanguageAbbreviation(std::string_view localeName)
{
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") {
        return "ENU";
    }
    const auto underscore = name.find('_');
    const std::string language = ToCase(name.substr(0, underscore), ::tolower);
    const std::string territory =
        underscore == std::string_view::npos ? std::string() : ToCase(name.substr(underscore + 1), ::toupper);
    // Serbian in Latin letters has an abbreviation of its own.
    if (language == "sr" && localeName.find("@latin") != std::string_view::npos) {
        return "SRL";
    }

    std::string_view fallback;
    for (const auto& entry : kLocaleTable) {
        if (entry.language != language) {
            continue;
        }
        if (entry.territory == territory) {
            return std::string(entry.abbreviation);
        }
        if (entry.territory.empty()) {
            fallback = entry.abbreviation;
        }
    }
    return std::string(fallback);
}

}  // namespace quorvel
