// The terminal's locale as corvane-scan sees it: the character set its text is shown
// in and the language of its messages.  Read once in main, before anything is parsed
// or printed, and handed to the writers and the operand conversion from there.
#pragma once

#include <string_view>

namespace corvane::cli {

// How text leaves and arrives: as the bytes the core holds (GBK), or as UTF-8.
enum class TextForm { Held, Utf8 };

enum class Language { English, Chinese };

struct Locale {
    TextForm text = TextForm::Held;
    Language language = Language::English;
};

// TextForm::Utf8 for the character set "UTF-8"; the bytes as held for GBK, GB18030,
// the C locale's ASCII and anything else.
TextForm TextFormOfCodeset(std::string_view codeset);

// Chinese for a message locale named "zh" or "zh_..." (zh_CN.GBK, zh_TW.UTF-8),
// English for every other, the C and POSIX locales included.
Language LanguageOfLocaleName(std::string_view name);

// The environment's locale (LC_ALL, LC_CTYPE, LC_MESSAGES, LANG) as the C library
// resolves it; a character-class locale this system lacks counts by the character set
// its name gives.  The program itself goes on in the C locale: the core's numbers and
// byte classes are written for it.
Locale EnvironmentLocale();

}  // namespace corvane::cli
