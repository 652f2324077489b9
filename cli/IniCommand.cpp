// ini: what the program reads from an INI file.
#include <optional>

#include "base/GbkUtf8.h"
#include "catalog/ProfileString.h"
#include "cli/Commands.h"

namespace corvane::cli {

namespace {

// Names given in UTF-8 on the command line, as the GBK bytes the INI files hold.
std::string Utf8ToGbk(const std::string& text) {
    std::optional<std::string> gbk;
    try {
        gbk = FromUtf8(text, "GBK");
    } catch (const std::runtime_error& e) {
        throw Failure(e.what());
    }
    if (!gbk) throw UsageError("\"" + text + "\" is not UTF-8 text with a GBK form");
    return *gbk;
}

}  // namespace

int IniCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const auto name = [&](const std::string& text) { return args.utf8 ? Utf8ToGbk(text) : text; };
    const ProfileFile ini(args.operands[0]);
    const std::size_t n = args.operands.size();
    if (n == 1) {
        for (const std::string& section : ini.ReadSectionNames()) c.out.Line(section);
    } else if (n == 2) {
        for (const std::string& key : ini.ReadSection(name(args.operands[1]))) c.out.Line(key);
    } else {
        c.out.Line(
            ini.ReadString(name(args.operands[1]), name(args.operands[2]), name(args.defaultText)));
    }
    return 0;
}

}  // namespace corvane::cli
