// The catalogue update run at every start, before the catalogues are loaded:
// fetch the server's Version.ini and replace each local catalogue whose server
// version orders after the local one.
#pragma once

#include <string>
#include <string_view>

#include <curl/curl.h>

#include "analysis/Host.h"
#include "online/ServerConfig.h"

namespace corvane {

// True when version `a` orders strictly after `b`: byte by byte as unsigned values,
// the first differing byte decides, and a proper prefix orders first ("10" < "9").
bool VersionOrdersAfter(std::string_view a, std::string_view b);

// The plain-HTTP address of `path` ("/idc/...") on the configured server; empty when
// the host name cannot form a valid address.
std::string UpdateUrl(const ServerConfig& server, std::string_view path);

// Progress handler of a transfer: lets the window handle its pending events.
// `clientp` is the EventPump of the download.  Always returns 0: a download is
// never cancelled from here.
int DownloadProgress(void* clientp, curl_off_t dltotal, curl_off_t dlnow, curl_off_t ultotal,
                     curl_off_t ulnow);

// Fetches `url` into `target` (created or truncated).  True only when the server
// answered with a 2xx status and the whole body is in the file.  Any other status,
// a connection failure, a stalled or short transfer, or a write error gives false;
// such a failure may leave part of a body in `target`.  Never throws.
bool DownloadFile(const std::string& url, const std::string& target, EventPump& pump);

// The whole update.  True only when Version.ini was replaced by the server's copy;
// false at the first failure, which leaves every later step undone.  Silent: never
// throws and shows nothing.
bool UpdateCatalogues(const std::string& programDir, const ServerConfig& server, EventPump& pump);

}  // namespace corvane
