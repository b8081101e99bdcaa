// quelmor-assetgen OUTDIR: writes every picture, tune and sound that the game loads, and each
// picture again at two and three times its size (table1.bmp@2x.png, table1.bmp@3x.png).
#include "common.h"

#include <QDir>
#include <QGuiApplication>
#include <QThread>
#include <algorithm>
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
    QDir().mkpath(dir);
    try {
        // The game's own pictures and the sharper copies the windows use when scaled up: each
        // family at each scale is a task of its own, run on as many threads as there are cores
        // (the files are the same bytes whatever the order).
        using Family = void (*)(const QString&);
        const Family families[] = {assetgen::GenerateMaps,  assetgen::GenerateFigures,  assetgen::GenerateEnemies,
                                   assetgen::GenerateScenes, assetgen::GenerateInterface, assetgen::GenerateSpells};
        std::vector<std::pair<int, Family>> tasks;
        for (int scale : {3, 2, 1})  // the longest first
            for (Family f : families) tasks.emplace_back(scale, f);
        std::atomic<size_t> next{0};
        std::exception_ptr failure;
        std::mutex failureLock;
        auto work = [&] {
            for (size_t i; (i = next++) < tasks.size();) {
                try {
                    assetgen::SetDrawScale(tasks[i].first);
                    tasks[i].second(dir);
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
        assetgen::SetDrawScale(1);
        assetgen::GenerateMusic(dir);
        assetgen::GenerateSounds(dir);
    } catch (const assetgen::MissingFont& e) {
        std::fprintf(stderr, "quelmor-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
