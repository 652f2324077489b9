// The one temporary directory of the tests: made fresh, removed with everything in
// it (permissions a test took away are given back first).
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace corvane::testing_support {

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern + "/";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Ends in "/", like the program directory.
    const std::string& path() const { return path_; }
    const std::string& Dir() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    // Writes `bytes` into the file `name` of the directory; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string file = path_ + name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error("cannot write " + file);
        return file;
    }

private:
    std::string path_;
};

}  // namespace corvane::testing_support
