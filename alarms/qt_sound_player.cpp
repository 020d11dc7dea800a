// QMediaPlayer behind the SoundPlayer interface; opening reports when the file has loaded.
#include "qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include <utility>

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
    watch_.reset();  // a pending opening is dropped with the player
    pending_.Handle().Cancel(CancelMode::Silent);
    player_->stop();
}

bool QtSoundPlayer::HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundPlayer::Finish(const OpenOutcome& outcome) {
    watch_.reset();
    Job<> job = std::exchange(pending_, Job<>());
    if (outcome.ready)
        job.Done();
    else if (!outcome.error.isEmpty())
        job.Fail(outcome.error);
    else
        job.Handle().Cancel(CancelMode::Notify);
}

void QtSoundPlayer::Close() {
    Finish({});
    player_->stop();
    player_->setSource(QUrl());
}

void QtSoundPlayer::SetFileName(const QString& path) {
    fileName_ = path;
}

void QtSoundPlayer::StartOpening(Job<> job) {
    Finish({});
    pending_ = std::move(job);
    watch_ = std::make_unique<QObject>();
    QObject* watch = watch_.get();
    const auto failLater = [this, watch](const QString& why) {
        const QString text = QStringLiteral("Cannot open \"%1\". %2").arg(fileName_, why);
        QTimer::singleShot(0, watch, [this, text] { Finish({false, text}); });
    };
    if (fileName_.isEmpty()) return failLater(QStringLiteral("No file name given."));
    if (!QFileInfo(fileName_).isFile())
        return failLater(QStringLiteral("The file does not exist."));

    player_->stop();
    const QUrl url = QUrl::fromLocalFile(QFileInfo(fileName_).absoluteFilePath());
    if (player_->source() == url) player_->setSource(QUrl());  // reload from the start

    // The first of loaded, failed or timed out settles the opening; the outcome is reported
    // from the event loop, after Open has returned.
    const auto settle = [this, watch, failLater] {
        if (watch->property("settled").toBool()) return;
        watch->setProperty("settled", true);
        QObject::disconnect(player_.get(), nullptr, watch, nullptr);
        if (player_->error() != QMediaPlayer::NoError) return failLater(player_->errorString());
        if (player_->mediaStatus() == QMediaPlayer::InvalidMedia)
            return failLater(QStringLiteral("The file is not a sound the player can play."));
        if (!Settled(player_->mediaStatus()))
            return failLater(QStringLiteral("The file took too long to open."));
        QTimer::singleShot(0, watch, [this] { Finish({true, {}}); });
    };
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, watch,
                     [settle](QMediaPlayer::MediaStatus s) {
                         if (Settled(s)) settle();
                     });
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, watch, settle);
    player_->setSource(url);
    if (Settled(player_->mediaStatus()) || player_->error() != QMediaPlayer::NoError) {
        settle();
        return;
    }
    auto* timeout = new QTimer(watch);
    timeout->setSingleShot(true);
    QObject::connect(timeout, &QTimer::timeout, watch, settle);
    timeout->start(openTimeoutMs_);
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
