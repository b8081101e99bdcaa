#include "save/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The folder a file lies in, as a prefix ("" for the current folder, "/" for the root).
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The permissions a new file gets here (what the umask leaves of rw-rw-rw-), as the plain
// creation of the file would have given it.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text, int& error) {
    // A name of its own, short whatever the length of path's: a name as long as the file
    // system allows stays writable, and a temporary file never takes another's place.
    std::string part = FolderOf(path) + ".quelmor-XXXXXX.part";
    const int fd = ::mkstemps(part.data(), 5);
    if (fd < 0) {
        error = errno;
        return false;
    }
    auto fail = [&](int why) {
        error = why ? why : EIO;
        ::unlink(part.c_str());
        return false;
    };
    ::fchmod(fd, NewFileMode());
    if (!WriteAll(fd, text)) {
        const int why = errno;
        ::close(fd);
        return fail(why);
    }
    // What was written must be all of it: a short file is never put in place.
    struct stat written {};
    if (::fstat(fd, &written) != 0 || written.st_size != static_cast<off_t>(text.size())) {
        const int why = errno;
        ::close(fd);
        return fail(why);
    }
    if (::close(fd) != 0) return fail(errno);
    if (::rename(part.c_str(), path.c_str()) != 0) return fail(errno);
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
