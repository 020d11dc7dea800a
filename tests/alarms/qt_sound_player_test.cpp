// The real player on a WAV file made here; playing is skipped where there is no audio output.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>

#include <QDataStream>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/qt_sound_player.h"

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

// Opens and waits for the outcome, which never comes while Open is still running.
std::optional<hx::alarms::OpenOutcome> OpenAndWait(QtSoundPlayer& player, int ms = 6000) {
    std::optional<hx::alarms::OpenOutcome> got;
    player.Open([&](const hx::alarms::OpenOutcome& o) { got = o; });
    EXPECT_FALSE(got.has_value()) << "reported inside Open";
    (void)QTest::qWaitFor([&] { return got.has_value(); }, ms);
    return got;
}

TEST(QtSoundPlayer, OpeningFailsForFilesItCannotPlayAndKeepsTheName) {
    QTemporaryDir dir;
    QtSoundPlayer player(3000);
    const QString junk = Make(dir, "junk.wav", QByteArray("not a sound\n").repeated(100));
    for (const QString& path : {junk, dir.filePath("missing.wav"), QString()}) {
        player.SetFileName(path);
        const auto got = OpenAndWait(player);
        ASSERT_TRUE(got.has_value()) << path.toStdString();
        EXPECT_FALSE(got->ready);
        EXPECT_TRUE(got->error.startsWith("Cannot open")) << got->error.toStdString();
        EXPECT_EQ(player.FileName(), path);
    }
}

TEST(QtSoundPlayer, OpensAWavAndPlaysItWhereThereIsAnOutput) {
    QTemporaryDir dir;
    QtSoundPlayer player;
    player.SetFileName(Make(dir, "tone one.wav", ToneWav()));
    auto got = OpenAndWait(player);
    ASSERT_TRUE(got && got->ready) << (got ? got->error.toStdString() : "no outcome");
    EXPECT_EQ(player.mediaPlayer()->mediaStatus(), QMediaPlayer::LoadedMedia);
    player.Close();
    got = OpenAndWait(player);  // the same file again, after closing
    ASSERT_TRUE(got && got->ready);

    if (!QtSoundPlayer::HasAudioOutput())
        GTEST_SKIP() << "No audio output on this machine: opened the WAV, skipped playing it.";
    player.Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.mediaPlayer()->position() > 0; }, 5000));
}

// A Close or a second Open ends the pending opening with neither outcome; a player destroyed
// while opening drops its completion.
TEST(QtSoundPlayer, ClosingOrReopeningSupersedesAndDestroyingDrops) {
    QTemporaryDir dir;
    const QString wav = Make(dir, "tone.wav", ToneWav());
    for (const int way : {0, 1, 2}) {
        auto player = std::make_unique<QtSoundPlayer>();
        player->SetFileName(wav);
        int calls = 0;
        hx::alarms::OpenOutcome first{true, "unset"};
        player->Open([&](const hx::alarms::OpenOutcome& o) {
            ++calls;
            first = o;
        });
        if (way == 0) player->Close();
        if (way == 1) player->Open([](const hx::alarms::OpenOutcome&) {});
        if (way == 2) player.reset();
        QTest::qWait(300);
        EXPECT_EQ(calls, way == 2 ? 0 : 1) << way;
        if (way != 2) {
            EXPECT_FALSE(first.ready || !first.error.isEmpty()) << way;
        }
    }
}

}  // namespace
