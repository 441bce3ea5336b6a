#pragma once

namespace quorvel {

// A setting of wake.ini: its section, key and the value a missing entry reads as. The three forms
// are distinct types so that a switch cannot be read as free text by mistake, nor the other way.

// Free text.
struct TextSetting {
    const char* section;
    const char* key;
    const char* defaultValue;
};

// "1" is on; anything else, absence included, is off. Written as "1" or "0".
struct SwitchSetting {
    const char* section;
    const char* key;
};

// Integer boolean: any number but 0 is true, text that is no number gives the default.
struct BoolSetting {
    const char* section;
    const char* key;
    bool defaultValue;
};

}  // namespace quorvel
