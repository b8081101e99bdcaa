#pragma once
// Copies of the game's folder with every picture, tune and sound damaged in one way, and
// fingerprints of a folder to prove that a run changed nothing in it.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <system_error>
#include <unistd.h>

namespace damaged {

namespace fs = std::filesystem;

enum class Kind { Missing, Empty, Half, Noise };

inline const char* Name(Kind k) {
    switch (k) {
        case Kind::Missing: return "Missing";
        case Kind::Empty: return "Empty";
        case Kind::Half: return "Half";
        case Kind::Noise: return "Noise";
    }
    return "?";
}

// The game's own files in the build's folder: every regular file that is not a program.
inline bool IsGameFile(const fs::directory_entry& e) {
    if (!e.is_regular_file()) return false;
    return (e.status().permissions() & fs::perms::owner_exec) == fs::perms::none;
}

inline std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::string bytes(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

inline void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A new empty folder under the temporary folder.
inline fs::path NewFolder(const std::string& tag) {
    fs::path p = fs::temp_directory_path() / ("quelmor-" + tag + "-" + std::to_string(getpid()));
    std::error_code ec;
    fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(p, ec);
    fs::create_directories(p);
    return p;
}

// Fills folder with the game's files from the build's folder, each one damaged: left out,
// emptied, cut to its first half, or replaced by as many random bytes. Returns how many.
inline int CopyDamaged(Kind kind, const fs::path& folder, const fs::path& from = QUELMOR_BIN_DIR) {
    std::mt19937_64 noise(20261209);
    int count = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(from)) {
        if (!IsGameFile(e)) continue;
        ++count;
        const fs::path to = folder / e.path().filename();
        std::string bytes = Read(e.path());
        switch (kind) {
            case Kind::Missing: continue;
            case Kind::Empty: bytes.clear(); break;
            case Kind::Half: bytes.resize(bytes.size() / 2); break;
            case Kind::Noise:
                // Eight bytes a draw: the tests run unoptimised, and the programs are large.
                for (size_t i = 0; i < bytes.size(); i += 8) {
                    const uint64_t r = noise();
                    std::memcpy(bytes.data() + i, &r, std::min<size_t>(8, bytes.size() - i));
                }
                break;
        }
        Write(to, bytes);
    }
    return count;
}

// Every file below folder by its relative name, with a hash of its bytes and its permissions.
inline std::map<std::string, uint64_t> Fingerprint(const fs::path& folder) {
    std::map<std::string, uint64_t> out;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        uint64_t h = static_cast<uint64_t>(e.status().permissions());
        // The library's hash of the whole bytes: a loop here would crawl through the programs.
        if (e.is_regular_file()) h = h * 1099511628211ull ^ std::hash<std::string>{}(Read(e.path()));
        out[fs::relative(e.path(), folder).string()] = h;
    }
    return out;
}

// Removes a folder that was made read-only.
inline void Remove(const fs::path& folder) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder, ec))
        fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(folder, ec);
}

// Takes every write permission away, for everyone, throughout the folder.
inline void MakeReadOnly(const fs::path& folder) {
    const fs::perms w = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder))
        fs::permissions(e.path(), w, fs::perm_options::remove);
    fs::permissions(folder, w, fs::perm_options::remove);
}

}  // namespace damaged
