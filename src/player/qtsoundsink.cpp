// The editor's sound output: rendered samples played through Qt Multimedia's audio sink. Built as
// a library of its own and loaded on the first Play, so Qt Multimedia and the libraries it brings
// never weigh on the editor's start.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

#include "ui/soundplayer.h"

namespace {

class QtSoundSink final : public SoundSink {
public:
    bool start(const QByteArray& pcm, int sampleRate, QString* problem) override {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            *problem = tr("No sound output was found.");
            return false;
        }
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            *problem =
                tr("The sound output %1 cannot play 16-bit mono sound.").arg(device.description());
            return false;
        }
        m_buffer.close();
        m_buffer.setData(pcm);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = new QAudioSink(device, format, this);
        connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            // Idle: every sample was played; Stopped with an error: the output went away.
            if (state == QAudio::IdleState ||
                (state == QAudio::StoppedState && m_sink && m_sink->error() != QAudio::NoError)) {
                stop();
                emit finished();
            }
        });
        m_sink->start(&m_buffer);
        if (m_sink->error() != QAudio::NoError) {
            *problem = tr("The sound output %1 could not be opened.").arg(device.description());
            stop();
            return false;
        }
        return true;
    }

    void stop() override {
        if (!m_sink) return;
        QAudioSink* sink = m_sink;
        m_sink = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }

private:
    QAudioSink* m_sink = nullptr;
    QBuffer m_buffer;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundSink* orvCreateSoundSink() { return new QtSoundSink; }
