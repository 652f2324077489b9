// corvane-scan's messages in the language of the locale: one table of the command
// line's own messages (English and Chinese), and one of the core's fixed GBK texts
// with their English.  A message is held text like everything else the core makes
// (GBK bytes); the standard error writer shows it in the terminal's character set.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "cli/Locale.h"

namespace corvane::cli {

enum class Msg {
    NumberAtLeastOne,        // {1} option, {2} value
    NumberAtMost,            // {1} option, {2} most, {3} value
    UnknownOption,           // {1} option
    NeedsValue,              // {1} option
    NoCommand,               //
    UnknownCommand,          // {1} command
    DoesNotTake,             // {1} command, {2} option
    OperandCount,            // {1} command, {2} count or range, {3} given
    FormsExclude,            //
    BadDay,                  // {1} day
    SeeHelp,                 // {1} "COMMAND " or nothing
    NotGbkText,              // {1} text
    NoSuchService,           // {1} where, {2} code
    NoSuchErrorCode,         // {1} code
    CannotReadDirectory,     // {1} directory, {2} reason
    CannotWriteOutput,       // {1} reason
    NoDayLogs,               // {1} day, {2} directory
    WaitingForDay,           // {1} day, {2} directory
    FollowMissing,           // {1} file
    FollowNotAFile,          // {1} file
    FollowUnreadable,        // {1} file
    FollowTruncated,         // {1} file
    FollowReplaced,          // {1} file
    CannotReadLogDirectory,  // {1} directory
    BackfillProgress,        // {1} n, {2} of, {3} day, {4} services, {5} MB, {6} s, {7} ms
    HistoryUsage,            //
    DbWithoutRecord,         //
    BadTuning,               // {1} value
    DraftNeedsService,       //
    BadRank,                 // {1} value
    NoPatternOfRank,         // {1} rank, {2} patterns, {3} file
    RankBeyondCap,           // {1} rank
    DraftRefusedText,        // {1} reason
    ErrorListUnchanged,      // {1} reason
    NamesWithOneRank,        //
    NoDraftOrder,            // {1} rank
    DraftFirst,              // {1} rank, {2} the rank to go first
    BadClock,                // {1} option, {2} value
    FromAfterTo,             // {1} from, {2} to
    FleetNothingSent,        //
    UnsentUsage,             //
    Count                    // not a message
};

// The language of every message from here on; main sets it once from the locale.
void UseMessageLanguage(Language language);

// Message `id` with {1}, {2}, ... replaced by `args`, as held text.  An argument is a
// file name or something typed: UTF-8 takes its GBK form, other bytes stay as they are.
std::string Say(Msg id, std::initializer_list<std::string_view> args = {});

// A message of the core (GBK, as the window shows it) in the language in use: in
// English its fixed GBK text is replaced by its English.
std::string InLanguage(std::string_view coreMessage);

}  // namespace corvane::cli
