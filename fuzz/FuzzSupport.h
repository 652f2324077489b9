// What the fuzz targets share: a scratch directory for the files the core reads, and a
// failure that stops the fuzzer (or the replay) with a message.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace corvane::fuzz {

// A directory of this process, on a memory file system where there is one, removed when
// the process exits normally.
class Scratch {
public:
    Scratch() {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
        std::string pattern = (base / "corvane-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern + "/";
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline const std::string& ScratchDir() {
    static const Scratch scratch;
    return scratch.Path();
}

inline std::string WriteScratch(const std::string& name, const std::string& bytes) {
    const std::string path = ScratchDir() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
    return path;
}

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace corvane::fuzz
