#include "platform/DataFolder.h"

#include <cstdlib>

namespace {

std::string Absolute(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || value[0] != '/') return "";
    std::string path = value;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string UserSavesFolder() {
    std::string data = Absolute("XDG_DATA_HOME");
    if (data.empty()) {
        const std::string home = Absolute("HOME");
        if (home.empty()) return "";
        data = (home == "/" ? "" : home) + "/.local/share";
    }
    return (data == "/" ? "" : data) + "/quelmor/saves";
}
