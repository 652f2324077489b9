// The catalogue update run at every start, before the catalogues are loaded:
// fetch the server's Version.ini and replace each local catalogue whose server
// version orders after the local one.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalog/ProfileString.h"
#include "online/ServerConfig.h"

namespace corvane {

// How long the update may take and how much it may fetch, and whom an HTTPS server's
// certificate must come from.  Only tests change them.
struct UpdateLimits {
    std::chrono::milliseconds connect{10000};  // to open the connection
    std::chrono::milliseconds stall{30000};    // a transfer that receives no byte this long fails
    // The whole update, including the wait for another instance that is updating the
    // same program directory.
    std::chrono::milliseconds overall{60000};
    std::size_t maxBytes = kIniFileMax;  // the largest body accepted
    // A PEM file of the certificate authorities trusted instead of the system's store;
    // empty: the system's store.
    std::string caFile;
};

// True when version `a` orders strictly after `b`: byte by byte as unsigned values,
// the first differing byte decides, and a proper prefix orders first ("10" < "9").
bool VersionOrdersAfter(std::string_view a, std::string_view b);

// The address of `path` ("/idc/...") on the configured server, in its scheme; empty
// when the host name cannot form a valid address.
std::string UpdateUrl(const ServerConfig& server, std::string_view path);

// Fetches `url` (http or https) into `target`, replacing any file of that name.  The
// body goes into a new file beside `target` (its name, random letters, ".tmp"), made
// exclusively and never through a link, which is renamed over `target` once complete.
// An HTTPS server must show a certificate that the trusted authorities signed for the
// host name of the address; otherwise the transfer fails.  True only when the
// server answered 200 with a complete body (as long as its Content-Length, when it
// sends one) of at most limits.maxBytes, sent as it is: the request asks for the
// identity coding.  Any other status, a body in a content or transfer coding other
// than identity (gzip from a compressing proxy), a connection failure, a transfer that
// stalls or outlasts limits.overall, a short or oversized body, or a write error gives
// false, leaves `target` as it was and removes the new file.  Never throws: what fails beyond the
// transfer (memory, the file system) is written to stderr and gives false.
bool DownloadFile(const std::string& url, const std::string& target,
                  const UpdateLimits& limits = {});

// The whole update.  True only when Version.ini was replaced by the server's copy;
// false at the first failure, which leaves every later step undone.  Updates of one
// program directory take turns (a lock on the directory, held for the whole update),
// so each catalogue is always either the complete old or the complete new file, and
// Version.ini names a catalogue version only once that catalogue is in place.  No
// temporary file is left behind.  Silent: never throws and shows the operator nothing;
// a failure beyond the update's own outcomes is written to stderr.
bool UpdateCatalogues(const std::string& catalogueDir, const ServerConfig& server,
                      const UpdateLimits& limits = {});

}  // namespace corvane
