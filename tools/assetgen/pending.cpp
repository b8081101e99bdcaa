// Families of pictures and sounds still being drawn: weak empty definitions keep the
// generator linkable; each family's own file replaces its entry.
#include "common.h"

namespace assetgen {
__attribute__((weak)) void GenerateMaps(const QString&) {}
__attribute__((weak)) void GenerateFigures(const QString&) {}
__attribute__((weak)) void GenerateEnemies(const QString&) {}
__attribute__((weak)) void GenerateScenes(const QString&) {}
__attribute__((weak)) void GenerateInterface(const QString&) {}
__attribute__((weak)) void GenerateSpells(const QString&) {}
__attribute__((weak)) void GenerateMusic(const QString&) {}
__attribute__((weak)) void GenerateSounds(const QString&) {}
}  // namespace assetgen
