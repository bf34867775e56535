// QtMultimedia sound output.
#include "backends/qt_sound/qt_sound_device.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QMetaObject>
#include <vector>

namespace backends {

using platform::PcmSource;
using platform::SoundChannel;

namespace {

size_t index(SoundChannel channel) { return channel == SoundChannel::Music ? 0 : 1; }

// The sink pulls the decoded sound through this device, chunk by chunk; a loop
// starts again at the end. It counts the bytes taken.
class SoundDevice : public QIODevice {
 public:
  SoundDevice(std::shared_ptr<PcmSource> sound, bool loop, std::atomic<int64_t>& taken)
      : sound_(std::move(sound)), loop_(loop), taken_(taken) {
    open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return true; }
  bool atEnd() const override { return ended_; }
  bool ended() const { return ended_; }
  qint64 bytesAvailable() const override { return ended_ ? 0 : 65536 + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const int64_t frameBytes = int64_t(sizeof(int16_t)) * sound_->channels();
    const int64_t wanted = maxSize / frameBytes;
    int64_t given = 0;
    while (given < wanted && !ended_) {
      const int64_t got = sound_->read(reinterpret_cast<int16_t*>(data) + given * sound_->channels(), wanted - given);
      given += got;
      if (got > 0) continue;
      if (!loop_ || sound_->frames() == 0 || !sound_->rewind()) ended_ = true;
    }
    taken_ += given * frameBytes;
    return given * frameBytes;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  std::shared_ptr<PcmSource> sound_;
  bool loop_;
  bool ended_ = false;
  std::atomic<int64_t>& taken_;
};

}  // namespace

// Lives on the output's thread: everything about the sinks happens there.
class SoundWorker : public QObject {
 public:
  explicit SoundWorker(std::shared_ptr<QtSoundDevice::Shared> shared) : shared_(std::move(shared)) {}
  ~SoundWorker() override {
    for (auto& channel : channels_) close(channel);
  }

  void play(SoundChannel which, std::shared_ptr<PcmSource> sound, bool loop) {
    Channel& channel = channels_[index(which)];
    close(channel);
    shared_->taken[index(which)] = 0;
    QAudioFormat format;
    format.setSampleRate(sound->sampleRate());
    format.setChannelCount(sound->channels());
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return finished(which);
    channel.device = std::make_unique<SoundDevice>(std::move(sound), loop, shared_->taken[index(which)]);
    channel.sink = std::make_unique<QAudioSink>(device, format);
    channel.sink->setVolume(volume(which));
    QObject::connect(channel.sink.get(), &QAudioSink::stateChanged, this, [this, which](QAudio::State state) {
      Channel& channel = channels_[index(which)];
      if (!channel.sink) return;
      const bool drained = state == QAudio::IdleState && channel.device && channel.device->ended();
      if (drained || state == QAudio::StoppedState) finished(which);
    });
    channel.sink->start(channel.device.get());
    if (channel.sink->error() != QAudio::NoError) finished(which);
  }

  void stop(SoundChannel which) {
    close(channels_[index(which)]);
    shared_->playing[index(which)] = false;
  }

  void applyVolumes() {
    for (SoundChannel which : {SoundChannel::Music, SoundChannel::Effect})
      if (auto& sink = channels_[index(which)].sink) sink->setVolume(volume(which));
  }

 private:
  struct Channel {
    std::unique_ptr<SoundDevice> device;
    std::unique_ptr<QAudioSink> sink;
  };

  double volume(SoundChannel which) const {
    if (shared_->muted) return 0.0;
    return which == SoundChannel::Music ? shared_->musicVolume.load() : 1.0;
  }

  void finished(SoundChannel which) { shared_->playing[index(which)] = false; }

  void close(Channel& channel) {
    if (channel.sink) {
      channel.sink->disconnect(this);
      channel.sink->stop();
    }
    channel.sink.reset();
    channel.device.reset();
  }

  std::shared_ptr<QtSoundDevice::Shared> shared_;
  std::array<Channel, 2> channels_;
};

QtSoundDevice::QtSoundDevice() : worker_(new SoundWorker(shared_)) {
  thread_.setObjectName(QStringLiteral("mirandel sound"));
  worker_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.start();
}

QtSoundDevice::~QtSoundDevice() {
  thread_.quit();
  thread_.wait();
}

void QtSoundDevice::play(SoundChannel channel, std::shared_ptr<PcmSource> sound, bool loop) {
  if (!sound) return;
  shared_->playing[index(channel)] = true;
  QMetaObject::invokeMethod(worker_, [worker = worker_, channel, sound = std::move(sound), loop]() mutable {
    worker->play(channel, std::move(sound), loop);
  });
}

void QtSoundDevice::stop(SoundChannel channel) {
  shared_->playing[index(channel)] = false;
  QMetaObject::invokeMethod(worker_, [worker = worker_, channel] { worker->stop(channel); });
}

bool QtSoundDevice::playing(SoundChannel channel) const { return shared_->playing[index(channel)]; }

void QtSoundDevice::setMusicVolume(double volume) {
  shared_->musicVolume = volume;
  QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->applyVolumes(); });
}

void QtSoundDevice::setMuted(bool muted) {
  shared_->muted = muted;
  QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->applyVolumes(); });
}

int64_t QtSoundDevice::bytesTaken(SoundChannel channel) const { return shared_->taken[index(channel)]; }

}  // namespace backends
