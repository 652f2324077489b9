// draft: the catalogue entry for one pattern of a service's unknown errors, printed,
// and with --write added to the program directory's ErrorList.ini.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

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

// "3", or "1,2" for patterns whose entries are added one after another.
std::vector<std::uint32_t> RankOperand(const std::string& text) {
    std::vector<std::uint32_t> ranks;
    std::string_view rest = text;
    for (;;) {
        const std::string_view item = rest.substr(0, rest.find(','));
        std::uint32_t rank = 0;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), rank);
        if (ec != std::errc() || end != item.data() + item.size() || rank < 1 ||
            std::find(ranks.begin(), ranks.end(), rank) != ranks.end())
            throw UsageError(Say(Msg::BadRank, {text}));
        ranks.push_back(rank);
        if (item.size() == rest.size()) return ranks;
        rest.remove_prefix(item.size() + 1);
    }
}

void PrintDraft(const CommandContext& c, std::string_view text) {
    // The draft's lines as they are, without their CR LF: the output's lines end in LF.
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        c.out.Line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
    }
}

}  // namespace

int DraftCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    if (!args.service) throw UsageError(Say(Msg::DraftNeedsService));
    RequireService(c.options.programDir, *args.service, "--service");
    const std::vector<std::uint32_t> ranks = RankOperand(args.operands[0]);
    if (ranks.size() > 1 && (args.name || !args.memo.empty()))
        throw UsageError(Say(Msg::NamesWithOneRank));
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
    for (const std::uint32_t rank : ranks) {
        if (rank > listing->groups.size())
            throw Failure(
                Say(Msg::NoPatternOfRank,
                    {std::to_string(rank), std::to_string(listing->groups.size()), path}));
        if (listing->groups[rank - 1].other)
            throw Failure(Say(Msg::RankBeyondCap, {std::to_string(rank)}));
    }

    // The entries go in in the order in which each takes exactly its pattern's lines.
    const std::vector<std::int64_t> known = KnownFindingLines(scan.findings);
    const std::vector<std::string> ignores = ReadIgnoreList(programDir, *args.service);
    const DraftOrder order =
        OrderPatternDrafts(DraftPatternsOf(*listing, ranks), path, known, ignores, c.stop);
    if (order.stopped) return 1;
    for (const DraftStep& step : order.steps) {
        if (step.keyword) continue;
        const std::string rank = std::to_string(step.rank);
        if (ranks.size() > 1) throw Failure(Say(Msg::NoDraftOrder, {rank}));
        // Alone it cannot go in: say which pattern's entry must come first.
        const std::uint32_t first =
            PatternToDraftFirst(DraftPatternsOf(*listing, {step.rank}).front(),
                                DraftPatternsOf(*listing), path, known, ignores, c.stop);
        if (first == 0) break;
        const std::string hint = Say(Msg::DraftFirst, {rank, std::to_string(first)});
        if (args.write) throw Failure(Say(Msg::ErrorListUnchanged, {hint}));
        c.err.Line(Say(Msg::DraftRefusedText, {hint}));
    }

    DraftReservations reserved;
    for (const DraftStep& step : order.steps) {
        // Each entry is made from the catalogue as the one before it left it.
        if (&step != &order.steps.front()) {
            try {
                file = ReadErrorListFile(programDir);
            } catch (const DraftRefused& e) {
                throw Failure(e.what());
            }
        }
        CatalogueDraft draft =
            DraftCatalogueEntry(*file, catalogue, *args.service, step.keyword, reserved);
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
        PrintDraft(c, draft.text);
    }
    return 0;
}

}  // namespace corvane::cli
