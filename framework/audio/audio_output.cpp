// The audio output module: plays a decoded sound through Qt Multimedia's QAudioSink, which pulls
// the samples from memory as the device needs them. The framework loads this module on the first
// Play; nothing here runs, and no audio device is opened, before that.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>

#include "framework/audio/audio_module.h"
#include "framework/sound_file.h"

namespace fw {
namespace {

// Hands the sink one sound's samples once, from the beginning; it shares the samples instead of
// copying them. A restart is a new source.
class PcmSource : public QIODevice {
  public:
    explicit PcmSource(std::shared_ptr<const PcmSound> sound)
        : sound_(std::move(sound)),
          bytes_(reinterpret_cast<const char*>(sound_->samples.data())),
          size_(static_cast<qint64>(sound_->samples.size() * sizeof(sound_->samples[0]))) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return size_ - offset_ + QIODevice::bytesAvailable(); }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 count = std::min(maxSize, size_ - offset_);
        if (count <= 0) {
            return 0;
        }
        std::memcpy(data, bytes_ + offset_, static_cast<std::size_t>(count));
        offset_ += count;
        return count;
    }
    qint64 writeData(const char* /*data*/, qint64 /*size*/) override { return -1; }

  private:
    std::shared_ptr<const PcmSound> sound_;
    const char* bytes_;
    qint64 size_;
    qint64 offset_ = 0;
};

// The one output of the process. The source is declared before the sink so that the sink, which
// reads from it, goes first.
struct Player {
    QAudioDevice device;
    QAudioFormat format;
    std::unique_ptr<PcmSource> source;
    // No Qt parent and never deleteLater(): this pointer alone owns the sink.
    std::unique_ptr<QAudioSink> sink;
};

Player* thePlayer = nullptr;

Player& ThePlayer() {
    if (thePlayer == nullptr) {
        thePlayer = new Player;
        // The sink must go while the application object still exists. A program that never destroys
        // its application object leaves the player to the end of the process.
        qAddPostRoutine([] {
            delete thePlayer;
            thePlayer = nullptr;
        });
    }
    return *thePlayer;
}

void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// The first look at the devices connects to the sound server, and Qt reports on the console when
// there is none. A machine without sound is an ordinary place for this program to run, so that
// report is dropped.
QAudioDevice QuietDefaultOutput() {
    const QtMessageHandler previous = qInstallMessageHandler(DropMessage);
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previous);
    return device;
}

bool Playable(const std::shared_ptr<const PcmSound>& sound) {
    if (!sound || sound->sampleRate <= 0 || sound->channels <= 0 || sound->samples.empty()) {
        return false;
    }
    return sound->samples.size() % static_cast<std::size_t>(sound->channels) == 0;
}

QAudioFormat FormatOf(const PcmSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// A sink on that device for that format, which stops once its sound has been played out, so that
// the device's stream is not held open between sounds. Idle alone is not the end: a sink also idles
// when the device outruns the feed for a moment.
std::unique_ptr<QAudioSink> NewSink(const QAudioDevice& device, const QAudioFormat& format,
                                    const Player& player) {
    auto sink = std::make_unique<QAudioSink>(device, format);
    QAudioSink* raw = sink.get();
    QObject::connect(raw, &QAudioSink::stateChanged, raw, [raw, &player](QAudio::State state) {
        if (state == QAudio::IdleState && player.source && player.source->atEnd()) {
            raw->stop();
        }
    });
    return sink;
}

bool Failed(const QAudioSink& sink) {
    return sink.error() == QAudio::OpenError || sink.error() == QAudio::FatalError;
}

AudioOutcome Play(const std::shared_ptr<const PcmSound>& sound) {
    if (QCoreApplication::instance() == nullptr ||
        QThread::currentThread() != QCoreApplication::instance()->thread()) {
        return AudioOutcome::NoApplication;
    }
    if (!Playable(sound)) {
        return AudioOutcome::NotPlayable;
    }
    const QAudioDevice device = QuietDefaultOutput();
    if (device.isNull()) {
        return AudioOutcome::NoAudioDevice;
    }
    // The device plays the decoded samples as they are; one that cannot stays silent rather than
    // getting a converted copy. The sound servers of desktop systems accept any rate.
    const QAudioFormat format = FormatOf(*sound);
    if (!device.isFormatSupported(format)) {
        return AudioOutcome::FormatNotSupported;
    }

    Player& player = ThePlayer();
    if (player.sink &&
        (player.device != device || player.format != format || Failed(*player.sink))) {
        player.sink.reset();
    }
    if (player.sink) {
        player.sink->stop();  // a sound still playing is cut off and starts again
    } else {
        player.sink = NewSink(device, format, player);
        player.device = device;
        player.format = format;
    }
    player.source = std::make_unique<PcmSource>(sound);
    player.sink->start(player.source.get());
    if (Failed(*player.sink) || player.sink->state() == QAudio::StoppedState) {
        player.sink.reset();
        player.source.reset();
        return AudioOutcome::DeviceFailed;
    }
    return AudioOutcome::Started;
}

}  // namespace
}  // namespace fw

extern "C" Q_DECL_EXPORT fw::AudioOutcome brenquill_audio_play(
    const std::shared_ptr<const fw::PcmSound>& sound) {
    return fw::Play(sound);
}

// The framework finds the entry point by name and calls it through this type.
static_assert(std::string_view(fw::kAudioModuleEntryPoint) == "brenquill_audio_play");
static_assert(std::is_same_v<decltype(&brenquill_audio_play), fw::AudioModulePlay>);
