// The pictures, tunes and sounds as tasks for the generator's threads.
#include "common.h"

namespace assetgen {

std::vector<PictureTask> PictureTasks() {
    std::vector<PictureTask> tasks;
    for (int scale : {3, 2, 1}) {
        for (int zone = 1; zone <= 4; ++zone) tasks.push_back({scale, "maps", GenerateMapZone, zone});
        for (int i = 0; i < kSceneCount; ++i) tasks.push_back({scale, "scenes", GenerateScene, i});
        for (int i = 0; i < kInterfaceParts; ++i) tasks.push_back({scale, "interface", GenerateInterfacePart, i});
        tasks.push_back({scale, "spells", [](const QString& dir, int) { GenerateSpells(dir); }, 0});
        tasks.push_back({scale, "enemies", [](const QString& dir, int) { GenerateEnemies(dir); }, 0});
        tasks.push_back({scale, "figures", [](const QString& dir, int) { GenerateFigures(dir); }, 0});
    }
    tasks.push_back({1, "music", [](const QString& dir, int) { GenerateMusic(dir); }, 0, false});
    tasks.push_back({1, "sounds", [](const QString& dir, int) { GenerateSounds(dir); }, 0, false});
    return tasks;
}

}  // namespace assetgen
