// SPDX-License-Identifier: GPL-3.0-or-later
// Wave playback: where a wave path is looked for, and that playing never needs the file twice
// nor anything at all when there is no file.
#include "platform/Sound.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>
#include <fstream>

namespace {

// A short silent mono wave file.
void WriteWave(const QString& path)
{
    const uint32_t samples = 800;
    const uint32_t dataBytes = samples * 2;
    std::ofstream out(path.toStdString(), std::ios::binary);
    const auto u32 = [&out](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&out](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + dataBytes);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    out << "data";
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i)
        u16(0);
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(programDir_.isValid());
        QVERIFY(currentDir_.isValid());
        previousCurrent_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(currentDir_.path()));
        WriteWave(programDir_.filePath(QStringLiteral("BOTH.WAV")));
        WriteWave(currentDir_.filePath(QStringLiteral("BOTH.WAV")));
        WriteWave(programDir_.filePath(QStringLiteral("PROGRAM.WAV")));
    }
    void cleanupTestCase() { QDir::setCurrent(previousCurrent_); }

    void aRelativePathIsLookedForInTheCurrentDirectoryFirst()
    {
        brv::Sound sound(programDir_.path().toStdString() + "/");
        QCOMPARE(QString::fromStdString(sound.Locate("BOTH.WAV")),
                 currentDir_.filePath(QStringLiteral("BOTH.WAV")));
        QCOMPARE(QString::fromStdString(sound.Locate("PROGRAM.WAV")),
                 programDir_.filePath(QStringLiteral("PROGRAM.WAV")));
        QCOMPARE(sound.Locate("NONE.WAV"), std::string());
        QCOMPARE(sound.Locate(""), std::string());
    }

    void anAbsolutePathIsTakenAsItIs()
    {
        brv::Sound sound(currentDir_.path().toStdString() + "/");
        const std::string program = programDir_.filePath(QStringLiteral("PROGRAM.WAV")).toStdString();
        QCOMPARE(sound.Locate(program), program);
        QCOMPARE(sound.Locate(programDir_.path().toStdString() + "/NONE.WAV"), std::string());
        // A directory is no wave file.
        QCOMPARE(sound.Locate(programDir_.path().toStdString()), std::string());
    }

    void eachFileIsLoadedOnceAndMissingOnesPlayNothing()
    {
        brv::Sound sound(programDir_.path().toStdString() + "/");
        sound.Play("NONE.WAV");
        QCOMPARE(sound.LoadedCount(), size_t{0});
        sound.Play("PROGRAM.WAV");
        sound.Play("PROGRAM.WAV");
        sound.Play(programDir_.filePath(QStringLiteral("PROGRAM.WAV")).toStdString());
        QCOMPARE(sound.LoadedCount(), size_t{1});
        sound.Play("BOTH.WAV");
        QCOMPARE(sound.LoadedCount(), size_t{2});
        // Whatever the machine's audio, the game goes on.
        QTest::qWait(50);
    }

private:
    QTemporaryDir programDir_;
    QTemporaryDir currentDir_;
    QString previousCurrent_;
};

QTEST_MAIN(SoundTest)
#include "SoundTest.moc"
