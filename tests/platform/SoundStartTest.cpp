// The game shows its title before it loads the sound library (some forty shared libraries with
// FluidSynth): the first frame must not wait for the sound, and the sound must still come.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Game() { return (fs::path(QUELMOR_BIN_DIR) / "quelmor").string(); }

// Whether any thread of the process is SDL's audio thread (it runs only while a device is open).
bool HasAudioThread(pid_t pid) {
    std::error_code ec;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec))
        if (Slurp(task.path() / "comm").rfind("SDLAudio", 0) == 0) return true;
    return false;
}

}  // namespace

TEST(SoundStart, TheFirstFrameComesBeforeTheSoundLibraryLoads) {
    const fs::path log = fs::temp_directory_path() / ("quelmor-libs-" + std::to_string(getpid()) + ".txt");
    // The loader names every library it maps; the game ends right after its first painted frame.
    const std::string command = "cd " + std::string(QUELMOR_BIN_DIR) +
                                " && QUELMOR_EXIT_AFTER_FIRST_PAINT=1 LD_DEBUG=files LD_DEBUG_OUTPUT=" + log.string() +
                                " timeout 20 " + Game() + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the game did not end after its first frame";
    std::string libs;
    for (const auto& entry : fs::directory_iterator(log.parent_path()))
        if (entry.path().filename().string().rfind(log.filename().string(), 0) == 0) {
            libs += Slurp(entry.path());
            fs::remove(entry.path());
        }
    ASSERT_NE(libs.find("file=libQt6Widgets"), std::string::npos) << "no loader trace was written";
    EXPECT_EQ(libs.find("libSDL2_mixer"), std::string::npos) << "the sound library loaded before the first frame";
    EXPECT_EQ(libs.find("libqsvg"), std::string::npos) << "a picture decoder the game doesn't use was loaded";
    EXPECT_EQ(libs.find("libqjpeg"), std::string::npos) << "a picture decoder the game doesn't use was loaded";
}

TEST(SoundStart, TheSoundDeviceOpensSoonAfterTheTitleShows) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(QUELMOR_BIN_DIR) != 0) _exit(127);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(Game().c_str(), "quelmor", static_cast<char*>(nullptr));
        _exit(127);
    }
    bool opened = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!opened && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        opened = HasAudioThread(pid);
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) FAIL() << "the game ended by itself, status " << status;
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(opened) << "no sound device was opened";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
}
