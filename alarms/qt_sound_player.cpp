// QMediaPlayer behind the SoundPlayer interface; opening waits for the file to load.
#include "qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include "core/error.h"

namespace hx::alarms {

namespace {
constexpr qint64 kStepMs = 5000;

bool Settled(QMediaPlayer::MediaStatus s) {
    return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::InvalidMedia ||
           s == QMediaPlayer::BufferedMedia || s == QMediaPlayer::EndOfMedia;
}
}  // namespace

QtSoundPlayer::QtSoundPlayer(int openTimeoutMs)
    : output_(std::make_unique<QAudioOutput>()),
      player_(std::make_unique<QMediaPlayer>()),
      openTimeoutMs_(openTimeoutMs) {
    player_->setAudioOutput(output_.get());
}

QtSoundPlayer::~QtSoundPlayer() {
    player_->stop();
}

bool QtSoundPlayer::HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundPlayer::Close() {
    player_->stop();
    player_->setSource(QUrl());
}

void QtSoundPlayer::SetFileName(const QString& path) {
    fileName_ = path;
}

void QtSoundPlayer::Open() {
    const auto fail = [&](const QString& why) {
        throw Error(QStringLiteral("Cannot open \"%1\". %2").arg(fileName_, why));
    };
    if (fileName_.isEmpty()) fail(QStringLiteral("No file name given."));
    if (!QFileInfo(fileName_).isFile()) fail(QStringLiteral("The file does not exist."));

    player_->stop();
    const QUrl url = QUrl::fromLocalFile(QFileInfo(fileName_).absoluteFilePath());
    if (player_->source() == url) player_->setSource(QUrl());  // reload from the start

    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &loop,
                     [&](QMediaPlayer::MediaStatus s) {
                         if (Settled(s)) loop.quit();
                     });
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    player_->setSource(url);
    if (!Settled(player_->mediaStatus()) && player_->error() == QMediaPlayer::NoError) {
        timeout.start(openTimeoutMs_);
        // Clicks wait until the file is open, so the dialog's button cannot start a second open.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (player_->error() != QMediaPlayer::NoError) fail(player_->errorString());
    if (player_->mediaStatus() == QMediaPlayer::InvalidMedia)
        fail(QStringLiteral("The file is not a sound the player can play."));
    if (!Settled(player_->mediaStatus())) fail(QStringLiteral("The file took too long to open."));
}

void QtSoundPlayer::Play() {
    player_->play();
}
void QtSoundPlayer::Pause() {
    player_->pause();
}
void QtSoundPlayer::Stop() {
    player_->stop();
}
void QtSoundPlayer::Step() {
    player_->setPosition(std::min(player_->duration(), player_->position() + kStepMs));
}
void QtSoundPlayer::Back() {
    player_->setPosition(std::max<qint64>(0, player_->position() - kStepMs));
}

}  // namespace hx::alarms
