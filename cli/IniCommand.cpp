// ini: what the program reads from an INI file.
#include "catalog/ProfileString.h"
#include "cli/Commands.h"

namespace corvane::cli {

int IniCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const auto name = [&](const std::string& text) { return TypedText(c, text); };
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
