#pragma once
// Runs a shell command (one of the project's programs in a process of its own) and returns
// what it wrote on its standard output; empty when it could not be started.
#include <array>
#include <cstdio>
#include <string>

inline std::string CommandOutput(const std::string& command) {
    FILE* p = popen(command.c_str(), "r");
    if (!p) return "";
    std::string out;
    std::array<char, 4096> buf;
    while (fgets(buf.data(), buf.size(), p)) out += buf.data();
    pclose(p);
    return out;
}
