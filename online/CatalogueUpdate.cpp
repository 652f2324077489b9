#include "online/CatalogueUpdate.h"

#include <curl/curl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <thread>

#include "base/AsciiCase.h"
#include "base/Error.h"
#include "base/FileAccess.h"
#include "catalog/DirectoryLock.h"
#include "online/HttpExchange.h"

namespace corvane {

namespace {

using Clock = std::chrono::steady_clock;

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct CurlMultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct CurlUrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct CurlListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct CurlStringDeleter {
    void operator()(char* text) const { curl_free(text); }
};

constexpr long kStatusOk = 200;

// The state of one transfer, shared with the callbacks.
struct Transfer {
    CURL* curl = nullptr;
    FileDescriptor* file = nullptr;
    std::size_t maxBytes = 0;
    std::size_t received = 0;
    Clock::time_point lastByte = Clock::now();
};

// Writes the body into the download's file once a 200 response delivers data: an error
// page never reaches it.  Returning less than was offered makes libcurl end the
// transfer with an error.
std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* userdata) {
    auto& transfer = *static_cast<Transfer*>(userdata);
    const std::size_t length = size * count;
    transfer.lastByte = Clock::now();
    long status = 0;
    if (curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK ||
        status != kStatusOk)
        return 0;
    if (length > transfer.maxBytes - transfer.received) return 0;  // over the size limit
    if (WriteAll(*transfer.file, data, length) != 0) return 0;
    transfer.received += length;
    return length;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// True when every coding listed in `value` (comma-separated) is one of `accepted`.
bool OnlyCodings(std::string_view value, std::initializer_list<std::string_view> accepted) {
    for (;;) {
        const std::size_t comma = value.find(',');
        const std::string_view coding = TrimBlanks(value.substr(0, comma));
        if (!coding.empty() &&
            std::none_of(accepted.begin(), accepted.end(),
                         [&](std::string_view a) { return EqualsIgnoringAsciiCase(coding, a); }))
            return false;
        if (comma == std::string_view::npos) return true;
        value.remove_prefix(comma + 1);
    }
}

// The body is stored byte for byte as the catalogue, so it has to arrive as the
// server's file holds it.  The request asks for the identity coding, and libcurl
// decodes nothing of its own accord; a reply that compresses the body anyway (as a
// compressing proxy does) is refused here, before any of its body is written.
bool CodingAccepted(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return true;
    const std::string_view name = TrimBlanks(line.substr(0, colon));
    const std::string_view value = line.substr(colon + 1);
    if (EqualsIgnoringAsciiCase(name, "Content-Encoding")) return OnlyCodings(value, {"identity"});
    // libcurl removes "chunked" itself and passes any other transfer coding through.
    if (EqualsIgnoringAsciiCase(name, "Transfer-Encoding"))
        return OnlyCodings(value, {"identity", "chunked"});
    return true;
}

// Header lines are bytes from the server too: they keep the transfer from stalling.
// Returning less than was offered ends the transfer with an error.
std::size_t NoteHeader(char* data, std::size_t size, std::size_t count, void* userdata) {
    static_cast<Transfer*>(userdata)->lastByte = Clock::now();
    if (!CodingAccepted(std::string_view(data, size * count))) return 0;
    return size * count;
}

// Runs the transfer, ending it once no byte came for limits.stall or `deadline` has
// passed.
bool Perform(CURL* h, Transfer& transfer, const UpdateLimits& limits, Clock::time_point deadline) {
    std::unique_ptr<CURLM, CurlMultiDeleter> multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), h) != CURLM_OK) return false;
    struct Detach {
        CURLM* m;
        CURL* e;
        ~Detach() { curl_multi_remove_handle(m, e); }
    } detach{multi.get(), h};

    transfer.lastByte = Clock::now();
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) return false;
        if (running == 0) break;
        const Clock::time_point now = Clock::now();
        const Clock::time_point stallEnd = transfer.lastByte + limits.stall;
        if (now >= stallEnd || now >= deadline) return false;
        const auto wait = std::min({std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::min(stallEnd, deadline) - now) +
                                        std::chrono::milliseconds(1),
                                    std::chrono::milliseconds(20)});
        if (curl_multi_poll(multi.get(), nullptr, 0, static_cast<int>(wait.count()), nullptr) !=
            CURLM_OK)
            return false;
    }
    int left = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi.get(), &left))
        if (msg->msg == CURLMSG_DONE && msg->easy_handle == h) return msg->data.result == CURLE_OK;
    return false;
}

// Fetches `url` into a new file beside `target`, named after it with random letters
// and ".tmp" and created exclusively (CreateExclusive): a name planted in the
// directory, a link above all, is never written through.  Returns the file, flushed
// to the disk and still open, or one that is not open; a failed download leaves
// nothing behind.
ExclusiveFile Download(const std::string& url, const std::string& target,
                       const UpdateLimits& limits, Clock::time_point deadline) {
    if (url.empty() || !CurlReady()) return {};
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) return {};
    ExclusiveFile file = CreateExclusive(target, ".tmp", 0666);
    if (!file) return {};

    Transfer transfer;
    transfer.curl = curl.get();
    transfer.file = &file.File();
    transfer.maxBytes = limits.maxBytes;

    CURL* h = curl.get();
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (remaining.count() <= 0) return {};
    // Only an uncompressed body is wanted.  CURLOPT_ACCEPT_ENCODING stays unset: any
    // value there would have libcurl decode whatever the server sends.
    std::unique_ptr<curl_slist, CurlListDeleter> headers(
        curl_slist_append(nullptr, "Accept-Encoding: identity"));
    if (!headers) return {};
    bool configured =
        SetTrustedTransfer(h, url, limits.caFile) &&
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get()) == CURLE_OK &&
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(std::min(limits.connect, remaining).count())) ==
            CURLE_OK &&
        // A Content-Length above the limit ends the transfer before any body arrives.
        curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes)) ==
            CURLE_OK &&
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WriteBody) == CURLE_OK &&
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer) == CURLE_OK &&
        curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &NoteHeader) == CURLE_OK &&
        curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer) == CURLE_OK;
    if (!configured) return {};

    // A short body (fewer bytes than Content-Length) ends in CURLE_PARTIAL_FILE.  The
    // file is flushed to the disk: it is about to be renamed over a catalogue, and the
    // rename must never install a file whose data is not there.
    long status = 0;
    const bool ok = Perform(h, transfer, limits, deadline) &&
                    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK &&
                    status == kStatusOk && ::fsync(file.File().Get()) == 0;
    if (!ok) file.Discard();
    return file;
}

// A directory of that name does not count as an existing file.
bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

struct Versions {
    std::string service;
    std::string error;
};

Versions ReadVersions(const std::string& path) {
    ProfileFile file(path);
    return {file.ReadString("VERSION", "ServiceList", "0"),
            file.ReadString("VERSION", "ErrorList", "0")};
}

// Waits for another update of the directory to end, at most until `deadline`.
bool AcquireUpdateLock(DirectoryLock& lock, Clock::time_point deadline) {
    for (;;) {
        switch (lock.TryTake()) {
            case DirectoryLock::Attempt::Taken:
                return true;
            case DirectoryLock::Attempt::Failed:
                return false;
            case DirectoryLock::Attempt::Held:
                break;
        }
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Renames the finished download over the local file.  Its permissions are taken over
// where they can be; the update does not depend on it.
bool PutInPlace(ExclusiveFile& download, const std::string& target) {
    TakeOverPermissions(download.File(), target);
    if (std::rename(download.Path().c_str(), target.c_str()) != 0) return false;
    download.Keep();
    return download.File().Close() == 0;
}

// Downloads one catalogue into its temporary file and renames that over the local
// catalogue.  rename() replaces the target in one step, so the old catalogue stays
// whole and in use until the new one has taken its place.
bool FetchCatalogue(const std::string& catalogueDir, const ServerConfig& server,
                    const std::string& name, const UpdateLimits& limits,
                    Clock::time_point deadline) {
    ExclusiveFile download =
        Download(UpdateUrl(server, "/idc/" + name + ".ini"), catalogueDir + name, limits, deadline);
    return download && PutInPlace(download, catalogueDir + name + ".ini");
}

bool RunUpdate(const std::string& catalogueDir, const ServerConfig& server,
               const UpdateLimits& limits) {
    const Clock::time_point deadline = Clock::now() + limits.overall;
    // One update of the program directory at a time.
    DirectoryLock lock(catalogueDir);
    if (!AcquireUpdateLock(lock, deadline)) return false;

    // Each download removes its own file when it fails.  Files of the fixed names that
    // older versions downloaded into and may have left behind go too; removing a name
    // never follows a link.
    struct RemoveTemporaries {
        const std::string& dir;
        ~RemoveTemporaries() {
            for (const char* name : {"Version.tmp", "ServiceList.tmp", "ErrorList.tmp"})
                std::remove((dir + name).c_str());
        }
    } cleanup{catalogueDir};

    const std::string localVersionFile = catalogueDir + "Version.ini";

    Versions local{"0", "0"};
    if (FileExists(localVersionFile)) local = ReadVersions(localVersionFile);

    ExclusiveFile serverVersion =
        Download(UpdateUrl(server, "/idc/Version.ini"), catalogueDir + "Version", limits, deadline);
    if (!serverVersion) return false;
    const Versions remote = ReadVersions(serverVersion.Path());

    // Service catalogue first, then the error catalogue, then the version file:
    // Version.ini changes only after both catalogues are in place, so any failure
    // keeps the old local versions and the next start compares and fetches again.
    if (VersionOrdersAfter(remote.service, local.service) &&
        !FetchCatalogue(catalogueDir, server, "ServiceList", limits, deadline))
        return false;
    if (VersionOrdersAfter(remote.error, local.error) &&
        !FetchCatalogue(catalogueDir, server, "ErrorList", limits, deadline))
        return false;
    lock.Sync();

    // Stored even when nothing was newer, and even when the server lowered a version.
    if (!PutInPlace(serverVersion, localVersionFile)) return false;
    lock.Sync();
    return true;
}

}  // namespace

bool VersionOrdersAfter(std::string_view a, std::string_view b) {
    // std::char_traits<char>::compare orders bytes as unsigned char, and a proper
    // prefix before the longer string.
    return a.compare(b) > 0;
}

std::string UpdateUrl(const ServerConfig& server, std::string_view path) {
    if (!CurlReady()) return {};
    std::unique_ptr<CURLU, CurlUrlDeleter> url(curl_url());
    if (!url) return {};
    const std::string port = std::to_string(server.httpPort);
    const std::string pathText(path);
    const char* scheme = server.scheme == UpdateScheme::Https ? "https" : "http";
    if (curl_url_set(url.get(), CURLUPART_SCHEME, scheme, 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_HOST, server.host.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PORT, port.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PATH, pathText.c_str(), 0) != CURLUE_OK)
        return {};
    char* text = nullptr;
    if (curl_url_get(url.get(), CURLUPART_URL, &text, 0) != CURLUE_OK) return {};
    std::unique_ptr<char, CurlStringDeleter> owned(text);
    return std::string(text);
}

bool DownloadFile(const std::string& url, const std::string& target, const UpdateLimits& limits) {
    try {
        ExclusiveFile download = Download(url, target, limits, Clock::now() + limits.overall);
        if (!download || std::rename(download.Path().c_str(), target.c_str()) != 0) return false;
        download.Keep();
        return true;
    } catch (const std::exception& e) {
        WriteFailure("catalogue download", e.what());
        return false;
    }
}

bool UpdateCatalogues(const std::string& catalogueDir, const ServerConfig& server,
                      const UpdateLimits& limits) {
    try {
        return RunUpdate(catalogueDir, server, limits);
    } catch (const std::exception& e) {
        WriteFailure("catalogue update", e.what());
        return false;
    }
}

}  // namespace corvane
