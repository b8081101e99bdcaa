// quelmor-assetgen OUTDIR: writes every picture, tune and sound that the game loads, and each
// picture again at two and three times its size (table1.bmp@2x.png, table1.bmp@3x.png).
// QUELMOR_ASSETGEN_TIMING=1 prints each drawing task's time on stderr.
#include "common.h"

#include <QDir>
#include <QGuiApplication>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <chrono>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
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
        const std::vector<assetgen::PictureTask> all = assetgen::PictureTasks();
        // The larger drawings, the tunes and the sounds run on threads of Qt's own pool: there Qt
        // paints, converts and scales on the calling thread instead of handing each large fill
        // over to that pool and waiting for it, which cost more in hand-overs than it gained
        // with every core busy. The game's own pictures are drawn on this thread, where Qt splits
        // large fills over its pool as it always has: their bytes depend on it (a soft edge may
        // round the other way).
        std::vector<assetgen::PictureTask> pooled, here;
        for (const assetgen::PictureTask& t : all) (t.picture && t.scale == 1 ? here : pooled).push_back(t);
        std::exception_ptr failure;
        std::mutex failureLock;
        auto run = [&](const assetgen::PictureTask& task) {
            try {
                assetgen::SetDrawScale(task.scale);
                const auto t0 = std::chrono::steady_clock::now();
                task.draw(dir, task.part);
                if (timing)
                    std::fprintf(stderr, "scale %d, %s part %d: %.2f s\n", task.scale, task.name, task.part,
                                 std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
            } catch (...) {
                std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) failure = std::current_exception();
            }
        };
        std::atomic<size_t> next{0};
        auto work = [&] {
            for (size_t i; (i = next++) < pooled.size();) run(pooled[i]);
        };
        const int cores = std::max(1, QThread::idealThreadCount());
        QThreadPool* pool = QThreadPool::globalInstance();
        pool->setMaxThreadCount(cores + 1);  // one more for the fills this thread hands over
        for (int t = 0; t < cores; ++t) pool->start(work);
        for (const assetgen::PictureTask& task : here) run(task);
        pool->waitForDone();
        if (failure) std::rethrow_exception(failure);
    } catch (const assetgen::MissingFont& e) {
        std::fprintf(stderr, "quelmor-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
