// The real player on a WAV file made here; playing is skipped where there is no audio output.
#include <gtest/gtest.h>

#include <cmath>

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/qt_sound_player.h"
#include "core/error.h"

using hx::alarms::QtSoundPlayer;

namespace {

// A mono 16-bit PCM WAV of a 440 Hz tone.
QByteArray ToneWav(int sampleRate, double seconds) {
    const qint32 samples = qint32(sampleRate * seconds);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto tag = [&](const char* t) { out.writeRawData(t, 4); };
    tag("RIFF");
    out << qint32(36 + samples * 2);
    tag("WAVE");
    tag("fmt ");
    out << qint32(16) << qint16(1) << qint16(1) << qint32(sampleRate) << qint32(sampleRate * 2)
        << qint16(2) << qint16(16);
    tag("data");
    out << qint32(samples * 2);
    for (qint32 i = 0; i < samples; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * 440 * i / sampleRate));
    return bytes;
}

class QtSoundPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Make(const char* name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QTemporaryDir dir_;
};

TEST_F(QtSoundPlayerTest, OpensAWavAndPlaysItWhereThereIsAnOutput) {
    QtSoundPlayer player;
    const QString wav = Make("tone one.wav", ToneWav(8000, 1.0));
    player.SetFileName(wav);
    EXPECT_EQ(player.FileName(), wav);
    ASSERT_NO_THROW(player.Open());
    EXPECT_EQ(player.mediaPlayer()->mediaStatus(), QMediaPlayer::LoadedMedia);
    player.Close();
    ASSERT_NO_THROW(player.Open());  // a second open of the same file loads it again

    if (!QtSoundPlayer::HasAudioOutput())
        GTEST_SKIP() << "No audio output on this machine: opened the WAV, skipped playing it.";
    player.Play();
    QElapsedTimer t;
    t.start();
    while (player.mediaPlayer()->position() == 0 && t.elapsed() < 5000) QTest::qWait(20);
    EXPECT_GT(player.mediaPlayer()->position(), 0);
    player.Close();
}

TEST_F(QtSoundPlayerTest, OpenRaisesForFilesItCannotPlayAndKeepsTheName) {
    QtSoundPlayer player(3000);
    for (const QString& path :
         {Make("junk.wav", QByteArray("this is not a sound at all\n").repeated(50)),
          dir_.filePath("missing.wav"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        player.SetFileName(path);
        try {
            player.Open();
            ADD_FAILURE() << "opened";
        } catch (const hx::Error& e) {
            EXPECT_FALSE(e.message().isEmpty());
        }
        EXPECT_EQ(player.FileName(), path);
    }
}

}  // namespace
