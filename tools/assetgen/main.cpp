// quelmor-assetgen OUTDIR: writes every picture, tune and sound that the game loads, and each
// picture again at two and three times its size (table1.bmp@2x.png, table1.bmp@3x.png).
// QUELMOR_ASSETGEN_TIMING=1 prints each drawing task's time on stderr.
#include "common.h"

#include <QDir>
#include <QGuiApplication>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts for QPainter text
    if (argc < 2) {
        std::fprintf(stderr, "usage: quelmor-assetgen OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    // QUELMOR_ASSETGEN_TIMING=1 prints how long each task took, for finding the long ones.
    const bool timing = qEnvironmentVariableIntValue("QUELMOR_ASSETGEN_TIMING") == 1;
    QDir().mkpath(dir);
    try {
        // The game's own pictures, the sharper copies the windows use when scaled up, the tunes
        // and the sounds: each part of a family at each scale is a task of its own, run on as
        // many threads as there are cores (the files are the same bytes whatever the order).
        const std::vector<assetgen::PictureTask> tasks = assetgen::PictureTasks();
        std::atomic<size_t> next{0};
        std::exception_ptr failure;
        std::mutex failureLock;
        auto work = [&] {
            std::chrono::steady_clock::time_point t0;
            for (size_t i; (i = next++) < tasks.size();) {
                try {
                    assetgen::SetDrawScale(tasks[i].scale);
                    if (timing) t0 = std::chrono::steady_clock::now();
                    tasks[i].draw(dir, tasks[i].part);
                    if (timing)
                        std::fprintf(stderr, "task %zu (scale %d, part %d): %.2f s\n", i, tasks[i].scale, tasks[i].part,
                                     std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
                } catch (...) {
                    std::lock_guard<std::mutex> lock(failureLock);
                    if (!failure) failure = std::current_exception();
                }
            }
        };
        std::vector<std::thread> threads;
        for (int t = 1; t < std::max(1, QThread::idealThreadCount()); ++t) threads.emplace_back(work);
        work();
        for (std::thread& t : threads) t.join();
        if (failure) std::rethrow_exception(failure);
    } catch (const assetgen::MissingFont& e) {
        std::fprintf(stderr, "quelmor-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
