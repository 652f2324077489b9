#include "online/CatalogueUpdate.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "catalog/ProfileString.h"

namespace corvane {

namespace {

// libcurl's global set-up is done once and kept until the program ends.
bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct CurlUrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
struct CurlStringDeleter {
    void operator()(char* text) const { curl_free(text); }
};

// The state of one transfer, shared with the write callback.
struct Transfer {
    CURL* curl = nullptr;
    const std::string* target = nullptr;
    std::FILE* file = nullptr;

    ~Transfer() {
        if (file != nullptr) std::fclose(file);
    }

    bool OpenTarget() {
        if (file == nullptr) file = std::fopen(target->c_str(), "wb");
        return file != nullptr;
    }

    // Flushed to the disk before closing: the file is about to be renamed over a
    // catalogue, and the rename must never install a file whose data is not there.
    bool CloseTarget() {
        std::FILE* f = file;
        file = nullptr;
        bool ok = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
        return std::fclose(f) == 0 && ok;
    }
};

bool IsSuccessStatus(long status) { return status >= 200 && status <= 299; }

// Writes the body into the target file, which is only created once a successful
// response delivers data: an error page never reaches it.  Returning less than
// was offered makes libcurl end the transfer with an error.
std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* userdata) {
    auto& transfer = *static_cast<Transfer*>(userdata);
    const std::size_t length = size * count;
    long status = 0;
    if (curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK ||
        !IsSuccessStatus(status))
        return 0;
    if (!transfer.OpenTarget()) return 0;
    return std::fwrite(data, 1, length, transfer.file) == length ? length : 0;
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

// Downloads one catalogue into its temporary file and renames that over the local
// catalogue.  rename() replaces the target in one step, so the old catalogue stays
// whole and in use until the new one has taken its place; on any failure the
// temporary file is left where it is.
bool FetchCatalogue(const std::string& programDir, const ServerConfig& server, EventPump& pump,
                    const std::string& name) {
    const std::string temporary = programDir + name + ".tmp";
    if (!DownloadFile(UpdateUrl(server, "/idc/" + name + ".ini"), temporary, pump)) return false;
    return std::rename(temporary.c_str(), (programDir + name + ".ini").c_str()) == 0;
}

bool RunUpdate(const std::string& programDir, const ServerConfig& server, EventPump& pump) {
    const std::string localVersionFile = programDir + "Version.ini";
    const std::string serverVersionFile = programDir + "Version.tmp";

    Versions local{"0", "0"};
    if (FileExists(localVersionFile)) local = ReadVersions(localVersionFile);

    if (!DownloadFile(UpdateUrl(server, "/idc/Version.ini"), serverVersionFile, pump)) return false;
    const Versions remote = ReadVersions(serverVersionFile);

    // Service catalogue first, then the error catalogue, then the version file:
    // Version.ini changes only after both catalogues are in place, so any failure
    // keeps the old local versions and the next start compares and fetches again.
    if (VersionOrdersAfter(remote.service, local.service) &&
        !FetchCatalogue(programDir, server, pump, "ServiceList"))
        return false;
    if (VersionOrdersAfter(remote.error, local.error) &&
        !FetchCatalogue(programDir, server, pump, "ErrorList"))
        return false;

    // Stored even when nothing was newer, and even when the server lowered a version.
    return std::rename(serverVersionFile.c_str(), localVersionFile.c_str()) == 0;
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
    if (curl_url_set(url.get(), CURLUPART_SCHEME, "http", 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_HOST, server.host.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PORT, port.c_str(), 0) != CURLUE_OK ||
        curl_url_set(url.get(), CURLUPART_PATH, pathText.c_str(), 0) != CURLUE_OK)
        return {};
    char* text = nullptr;
    if (curl_url_get(url.get(), CURLUPART_URL, &text, 0) != CURLUE_OK) return {};
    std::unique_ptr<char, CurlStringDeleter> owned(text);
    return std::string(text);
}

int DownloadProgress(void* clientp, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    // Nothing may unwind through libcurl; an error of the event handling does not
    // concern the download either.
    try {
        static_cast<EventPump*>(clientp)->ProcessEvents();
    } catch (...) {
    }
    return 0;
}

bool DownloadFile(const std::string& url, const std::string& target, EventPump& pump) {
    try {
        if (url.empty() || !CurlReady()) return false;
        std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
        if (!curl) return false;

        Transfer transfer;
        transfer.curl = curl.get();
        transfer.target = &target;

        CURL* h = curl.get();
        bool configured =
            curl_easy_setopt(h, CURLOPT_URL, url.c_str()) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
            // The program takes no settings from the environment: no *_proxy variables.
            curl_easy_setopt(h, CURLOPT_PROXY, "") == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, 10L) == CURLE_OK &&
            // A transfer that stalls (under 1 byte/s for 30 s) is abandoned.
            curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, 30L) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WriteBody) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &DownloadProgress) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_XFERINFODATA, static_cast<void*>(&pump)) == CURLE_OK &&
            curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
        if (!configured) return false;

        // A short body (fewer bytes than Content-Length) ends in CURLE_PARTIAL_FILE.
        if (curl_easy_perform(h) != CURLE_OK) return false;
        long status = 0;
        if (curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK ||
            !IsSuccessStatus(status))
            return false;
        // An empty body never reached the write callback; the file must exist anyway.
        if (!transfer.OpenTarget()) return false;
        return transfer.CloseTarget();
    } catch (...) {
        return false;
    }
}

bool UpdateCatalogues(const std::string& programDir, const ServerConfig& server, EventPump& pump) {
    try {
        return RunUpdate(programDir, server, pump);
    } catch (...) {
        return false;
    }
}

}  // namespace corvane
