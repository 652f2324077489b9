// draft: the catalogue entry for one pattern of a service's unknown errors, printed,
// and with --write added to the program directory's ErrorList.ini.
#include <charconv>
#include <optional>

#include "catalog/CatalogueDraft.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ServiceCatalogue.h"
#include "cli/Commands.h"
#include "cli/DayRun.h"
#include "cli/Messages.h"
#include "patterns/DraftKeyword.h"
#include "patterns/PatternListing.h"
#include "scan/Scanner.h"

namespace corvane::cli {
namespace {

std::uint32_t RankOperand(const std::string& text) {
    std::uint32_t rank = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rank);
    if (ec != std::errc() || end != text.data() + text.size() || rank < 1)
        throw UsageError(Say(Msg::BadRank, {text}));
    return rank;
}

}  // namespace

int DraftCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    if (!args.service) throw UsageError(Say(Msg::DraftNeedsService));
    RequireService(c.options.programDir, *args.service, "--service");
    const std::uint32_t rank = RankOperand(args.operands[0]);
    const std::string& path = args.operands[1];
    const std::string& programDir = c.options.programDir;

    // Read first: a change from here on, also one the loaded catalogue would not show,
    // makes --write refuse.
    std::optional<ErrorListFile> file;
    try {
        file = ReadErrorListFile(programDir);
    } catch (const DraftRefused& e) {
        throw Failure(e.what());
    }
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(programDir, catalogue);
    const std::optional<ScanResult> scanned = ScanForCommand(c, *args.service, path, catalogue);
    if (!scanned) return 1;
    const ScanResult& scan = *scanned;
    const std::optional<PatternListing> listing = MineUnknownFindingPatterns(scan.findings, c.stop);
    if (!listing) return 1;
    if (rank > listing->groups.size())
        throw Failure(Say(Msg::NoPatternOfRank,
                          {std::to_string(rank), std::to_string(listing->groups.size()), path}));
    const PatternGroup& pattern = listing->groups[rank - 1];
    if (pattern.other) throw Failure(Say(Msg::RankBeyondCap, {std::to_string(rank)}));

    const KeywordPass keyword = ChoosePatternKeyword(
        pattern.constants, path, PatternLinesOfRank(*listing, rank),
        KnownFindingLines(scan.findings), ReadIgnoreList(programDir, *args.service), c.stop);
    if (keyword.stopped) return 1;
    DraftReservations reserved;
    CatalogueDraft draft =
        DraftCatalogueEntry(*file, catalogue, *args.service, keyword.keyword, reserved);
    if ((args.name || !args.memo.empty()) && !draft.code.empty()) {
        try {
            std::vector<std::string> memo;
            for (const std::string& line : args.memo) memo.push_back(TypedText(c, line));
            EditDraft(draft, args.name ? TypedText(c, *args.name) : draft.name,
                      memo.empty() ? draft.memo : memo, draft.keyword);
        } catch (const DraftRefused& e) {
            throw UsageError(Say(Msg::DraftRefusedText, {e.what()}));
        }
    }
    if (args.write) {
        const DraftAddition added = AddDraftToCatalogue(programDir, draft);
        if (added.refusal) throw Failure(Say(Msg::ErrorListUnchanged, {added.detail}));
    }
    // The draft's lines as they are, without their CR LF: the output's lines end in LF.
    std::string_view text = draft.text;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        c.out.Line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
    }
    return 0;
}

}  // namespace corvane::cli
