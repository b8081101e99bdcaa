// The pictures, tunes and sounds as tasks for the generator's threads.
#include "common.h"

namespace assetgen {

std::vector<PictureTask> PictureTasks() {
    std::vector<PictureTask> tasks;
    for (int scale : {3, 2, 1}) {
        for (int zone = 1; zone <= 4; ++zone) tasks.push_back({scale, GenerateMapZone, zone});
        for (int i = 0; i < kSceneCount; ++i) tasks.push_back({scale, GenerateScene, i});
        for (int i = 0; i < kInterfaceParts; ++i) tasks.push_back({scale, GenerateInterfacePart, i});
        tasks.push_back({scale, [](const QString& dir, int) { GenerateSpells(dir); }, 0});
        tasks.push_back({scale, [](const QString& dir, int) { GenerateEnemies(dir); }, 0});
        tasks.push_back({scale, [](const QString& dir, int) { GenerateFigures(dir); }, 0});
    }
    tasks.push_back({1, [](const QString& dir, int) { GenerateMusic(dir); }, 0});
    tasks.push_back({1, [](const QString& dir, int) { GenerateSounds(dir); }, 0});
    return tasks;
}

}  // namespace assetgen
