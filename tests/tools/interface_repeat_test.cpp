// The interface, spell, music and sound families draw and compose the same bytes every
// time: a fresh run here matches, file for file, what the build wrote into the bin folder.
#include "common.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AssetRepeat, FreshRunMatchesTheBuiltFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    assetgen::GenerateInterface(dir.path());
    assetgen::GenerateSpells(dir.path());
    assetgen::GenerateMusic(dir.path());
    assetgen::GenerateSounds(dir.path());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), 151);
    for (const QString& name : files) {
        const QByteArray fresh = Bytes(dir.path() + "/" + name);
        EXPECT_FALSE(fresh.isEmpty()) << name.toStdString();
        EXPECT_TRUE(fresh == Bytes(QString(QUELMOR_BIN_DIR) + "/" + name)) << name.toStdString() << " differs";
    }
}

}  // namespace
