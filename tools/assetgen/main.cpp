// quelmor-assetgen OUTDIR: writes every picture, tune and sound that the game loads.
#include "common.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts for QPainter text
    if (argc < 2) {
        std::fprintf(stderr, "usage: quelmor-assetgen OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    try {
        assetgen::GenerateMaps(dir);
        assetgen::GenerateFigures(dir);
        assetgen::GenerateEnemies(dir);
        assetgen::GenerateScenes(dir);
        assetgen::GenerateInterface(dir);
        assetgen::GenerateSpells(dir);
        assetgen::GenerateMusic(dir);
        assetgen::GenerateSounds(dir);
    } catch (const assetgen::MissingFont& e) {
        std::fprintf(stderr, "quelmor-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
