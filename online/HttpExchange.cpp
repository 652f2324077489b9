#include "online/HttpExchange.h"

#include <curl/curl.h>

#include <exception>
#include <memory>

namespace corvane {

bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

bool SetTrustedTransfer(void* curl, const std::string& url, const std::string& caFile) {
    CURL* h = curl;
    const bool set = curl_easy_setopt(h, CURLOPT_URL, url.c_str()) == CURLE_OK &&
                     curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
                     // The program takes no settings from the environment: no *_proxy variables.
                     curl_easy_setopt(h, CURLOPT_PROXY, "") == CURLE_OK &&
                     curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
                     // An HTTPS server proves who it is, or nothing is fetched from it.
                     curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L) == CURLE_OK &&
                     curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L) == CURLE_OK;
    if (!set || caFile.empty()) return set;
    // Authorities of one's own replace the system's store entirely: its directory of
    // certificates is switched off along with its bundle.
    return curl_easy_setopt(h, CURLOPT_CAINFO, caFile.c_str()) == CURLE_OK &&
           curl_easy_setopt(h, CURLOPT_CAPATH, nullptr) == CURLE_OK;
}

namespace {

struct Answer {
    std::string* body;
    std::size_t maxBytes;
};

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* userdata) {
    auto& answer = *static_cast<Answer*>(userdata);
    const std::size_t n = size * count;
    if (answer.body->size() + n > answer.maxBytes) return 0;  // ends the transfer
    answer.body->append(data, n);
    return n;
}

// libcurl asks this often while it waits; a nonzero answer ends the transfer.
int Progress(void* userdata, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const StopToken*>(userdata)->stop_requested() ? 1 : 0;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct CurlListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

HttpReply HttpExchange(const std::string& url, const std::optional<std::string>& body,
                       const HttpLimits& limits, const StopToken& stop) {
    HttpReply reply;
    try {
        if (!CurlReady()) {
            reply.error = "libcurl could not be set up";
            return reply;
        }
        const std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
        if (!curl) {
            reply.error = "libcurl could not be set up";
            return reply;
        }
        CURL* h = curl.get();
        Answer answer{&reply.body, limits.maxBytes};
        char message[CURL_ERROR_SIZE] = {};
        // The body is sent as it is, not as a form.
        const std::unique_ptr<curl_slist, CurlListDeleter> headers(
            curl_slist_append(nullptr, "Content-Type: text/plain; charset=utf-8"));
        bool set = headers != nullptr && SetTrustedTransfer(h, url, limits.caFile) &&
                   curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                                    static_cast<long>(limits.connect.count())) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_TIMEOUT_MS,
                                    static_cast<long>(limits.overall.count())) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_ERRORBUFFER, message) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Collect) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_WRITEDATA, &answer) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Progress) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_XFERINFODATA, &stop) == CURLE_OK &&
                   curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
        if (set && body)
            set = curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get()) == CURLE_OK &&
                  curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE,
                                   static_cast<curl_off_t>(body->size())) == CURLE_OK &&
                  curl_easy_setopt(h, CURLOPT_POSTFIELDS, body->data()) == CURLE_OK;
        if (!set) {
            reply.error = "the request could not be set up";
            return reply;
        }
        const CURLcode rc = curl_easy_perform(h);
        if (rc != CURLE_OK) {
            reply.body.clear();
            reply.error = message[0] != '\0' ? message : curl_easy_strerror(rc);
            return reply;
        }
        curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &reply.status);
        if (!reply.Ok()) reply.error = "HTTP " + std::to_string(reply.status);
    } catch (const std::exception& e) {
        reply = HttpReply{};
        reply.error = e.what();
    }
    return reply;
}

}  // namespace corvane
