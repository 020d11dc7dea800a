// The real player on a WAV file made here; playing is skipped where there is no audio output.
#include <gtest/gtest.h>

#include <cmath>

#include <QDataStream>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/qt_sound_player.h"
#include "core/error.h"

using hx::alarms::QtSoundPlayer;

namespace {

// One second of a 440 Hz tone, mono 16-bit PCM at 8 kHz.
QByteArray ToneWav() {
    const qint32 rate = 8000, samples = 8000;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << qint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << qint32(16) << qint16(1) << qint16(1) << rate << qint32(rate * 2) << qint16(2)
        << qint16(16);
    out.writeRawData("data", 4);
    out << qint32(samples * 2);
    for (qint32 i = 0; i < samples; ++i) out << qint16(8000 * std::sin(2 * M_PI * 440 * i / rate));
    return bytes;
}

QString Make(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

TEST(QtSoundPlayer, OpenRaisesForFilesItCannotPlayAndKeepsTheName) {
    QTemporaryDir dir;
    QtSoundPlayer player(3000);
    const QString junk = Make(dir, "junk.wav", QByteArray("not a sound\n").repeated(100));
    for (const QString& path : {junk, dir.filePath("missing.wav"), QString()}) {
        player.SetFileName(path);
        EXPECT_THROW(player.Open(), hx::Error) << path.toStdString();
        EXPECT_EQ(player.FileName(), path);
    }
}

TEST(QtSoundPlayer, OpensAWavAndPlaysItWhereThereIsAnOutput) {
    QTemporaryDir dir;
    QtSoundPlayer player;
    player.SetFileName(Make(dir, "tone one.wav", ToneWav()));
    ASSERT_NO_THROW(player.Open());
    EXPECT_EQ(player.mediaPlayer()->mediaStatus(), QMediaPlayer::LoadedMedia);
    player.Close();
    ASSERT_NO_THROW(player.Open());  // the same file again, after closing

    if (!QtSoundPlayer::HasAudioOutput())
        GTEST_SKIP() << "No audio output on this machine: opened the WAV, skipped playing it.";
    player.Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.mediaPlayer()->position() > 0; }, 5000));
}

}  // namespace
