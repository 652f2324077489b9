#include "cli/Locale.h"

#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <cstdlib>
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

namespace {

// The locale the environment names for character classes: LC_ALL, LC_CTYPE or LANG,
// the first that is set and not empty.
std::string NamedCtypeLocale() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

// The character set in a locale's name ("en_US.UTF-8", "zh_CN.utf8@euro"), spelt as
// nl_langinfo spells UTF-8.
std::string CodesetOfName(const std::string& name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos) return {};
    std::string codeset = name.substr(dot + 1, name.find('@', dot) - dot - 1);
    for (char& c : codeset) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return codeset == "UTF8" ? "UTF-8" : codeset;
}

}  // namespace

Locale EnvironmentLocale() {
    Locale locale;
    // When one category names a locale this system does not have, the whole of
    // LC_ALL is refused; the two categories that matter here are then tried alone.
    bool ctype = true;
    if (std::setlocale(LC_ALL, "") == nullptr) {
        ctype = std::setlocale(LC_CTYPE, "") != nullptr;
        std::setlocale(LC_MESSAGES, "");
    }
    // A UTF-8 terminal whose locale was never generated here still shows UTF-8: its
    // name says so.
    locale.text =
        TextFormOfCodeset(ctype ? nl_langinfo(CODESET) : CodesetOfName(NamedCtypeLocale()));
    const char* messages = std::setlocale(LC_MESSAGES, nullptr);
    locale.language = LanguageOfLocaleName(messages != nullptr ? messages : "C");
    std::setlocale(LC_ALL, "C");
    return locale;
}

}  // namespace corvane::cli
