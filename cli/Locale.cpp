#include "cli/Locale.h"

#include <langinfo.h>

#include <clocale>
#include <string>

namespace corvane::cli {

TextForm TextFormOfCodeset(std::string_view codeset) {
    return codeset == "UTF-8" ? TextForm::Utf8 : TextForm::Held;
}

Language LanguageOfLocaleName(std::string_view name) {
    const bool zh = name.substr(0, 2) == "zh" &&
                    (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
    return zh ? Language::Chinese : Language::English;
}

Locale EnvironmentLocale() {
    Locale locale;
    // When one category names a locale this system does not have, the whole of
    // LC_ALL is refused; the two categories that matter here are then tried alone.
    if (std::setlocale(LC_ALL, "") == nullptr) {
        std::setlocale(LC_CTYPE, "");
        std::setlocale(LC_MESSAGES, "");
    }
    locale.text = TextFormOfCodeset(nl_langinfo(CODESET));
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    locale.language = LanguageOfLocaleName(messages != nullptr ? messages : "C");
    std::setlocale(LC_ALL, "C");
    return locale;
}

}  // namespace corvane::cli
