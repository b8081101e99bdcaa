#include "save/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& why) {
    const std::string part = path + ".part";
    std::error_code ec;
    {
        errno = 0;
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!out) {
            why = errno ? std::strerror(errno) : "cannot create " + fs::path(part).filename().string();
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        out.close();
        if (!out) {
            why = errno ? std::strerror(errno) : "write failed";
            fs::remove(part, ec);
            return false;
        }
    }
    // What was written must be all of it: a short file is never put in place.
    if (fs::file_size(part, ec) != text.size() || ec) {
        why = ec ? ec.message() : "the file was not written in full";
        fs::remove(part, ec);
        return false;
    }
    fs::rename(part, path, ec);
    if (ec) {
        why = ec.message();
        fs::remove(part, ec);
        return false;
    }
    return true;
}

ReadResult ReadWholeFile(const std::string& path, long long most, std::string& text) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) return ReadResult::Missing;
    if (!fs::is_regular_file(st)) return ReadResult::Unreadable;
    const auto size = fs::file_size(path, ec);
    if (ec) return ReadResult::Unreadable;
    if (static_cast<long long>(size) > most) return ReadResult::TooLarge;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadResult::Unreadable;
    std::string data(static_cast<size_t>(size), '\0');
    in.read(data.data(), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size)) return ReadResult::Unreadable;
    text = std::move(data);
    return ReadResult::Read;
}
