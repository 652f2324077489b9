// One HTTP(S) request and its answer, for the metrics server: a short exchange with
// tight time limits that never holds up what asked for it.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "base/Stop.h"

namespace corvane {

// libcurl's global set-up, done once and kept until the program ends; false when it
// failed and no transfer can be made.
bool CurlReady();

// What every transfer of the program sets on its libcurl handle (a CURL*): the address,
// no signals, no proxy from the environment, http and https only, and an HTTPS server
// that proves who it is, to the system's authorities or, when `caFile` names a PEM
// file, to those alone.  False when libcurl refused a setting.
bool SetTrustedTransfer(void* curl, const std::string& url, const std::string& caFile);

struct HttpLimits {
    std::chrono::milliseconds connect{2000};   // to open the connection
    std::chrono::milliseconds overall{10000};  // the whole request
    std::size_t maxBytes = 64u << 20;          // the largest answer accepted
    // A PEM file of the certificate authorities trusted instead of the system's store;
    // empty: the system's store.  An HTTPS server's certificate and name are verified.
    std::string caFile;
};

struct HttpReply {
    long status = 0;    // the HTTP status; 0 when no answer came
    std::string body;   // the answer's body (up to HttpLimits::maxBytes)
    std::string error;  // why no answer came, or the status line's meaning
    bool Ok() const { return status >= 200 && status < 300; }
};

// GETs `url`, or POSTs `body` to it when given.  A stop request through `stop` ends
// the exchange within a fraction of a second, as a failure.  Never throws: every
// failure comes back in the reply.
HttpReply HttpExchange(const std::string& url, const std::optional<std::string>& body,
                       const HttpLimits& limits = {}, const StopToken& stop = {});

}  // namespace corvane
