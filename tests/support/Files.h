// Reading and writing whole files, byte for byte, for every test.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace corvane::testing_support {

// The bytes of the file at `path`, or nothing when it cannot be opened.
inline std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The bytes of the file at `path`; empty when it cannot be opened.
inline std::string ReadFileBytes(const std::string& path) { return ReadFile(path).value_or(""); }

// Writes `content` into the file at `path`, making its folders first.
inline void WriteFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace corvane::testing_support
