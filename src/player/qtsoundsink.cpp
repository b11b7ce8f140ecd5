// The editor's sound output: rendered samples played through Qt Multimedia's audio sink. Built as
// a library of its own and loaded on the first Play, so Qt Multimedia and the libraries it brings
// never weigh on the editor's start. Its entry points are plain C functions, so the library shares
// no C++ type with the program that loads it.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <cstring>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("SoundPlayer", text); }

using Ended = void (*)(void* context);

class Output {
public:
    QString start(const QByteArray& pcm, int sampleRate, Ended ended, void* context) {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return tr("No sound output was found.");
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return tr("The sound output %1 cannot play 16-bit mono sound.")
                .arg(device.description());
        m_buffer.close();
        m_buffer.setData(pcm);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = new QAudioSink(device, format);
        m_ended = ended;
        m_context = context;
        QObject::connect(m_sink, &QAudioSink::stateChanged, m_sink, [this](QAudio::State state) {
            // Idle: every sample was played; Stopped with an error: the output went away.
            if (state == QAudio::IdleState ||
                (state == QAudio::StoppedState && m_sink && m_sink->error() != QAudio::NoError)) {
                const Ended ended = m_ended;
                void* context = m_context;
                stop();
                if (ended) ended(context);
            }
        });
        m_sink->start(&m_buffer);
        if (m_sink->error() != QAudio::NoError) {
            stop();
            return tr("The sound output %1 could not be opened.").arg(device.description());
        }
        return {};
    }

    void stop() {
        m_ended = nullptr;
        if (!m_sink) return;
        QAudioSink* sink = m_sink;
        m_sink = nullptr;
        QObject::disconnect(sink, nullptr, nullptr, nullptr);
        sink->stop();
        sink->deleteLater();
    }

private:
    QAudioSink* m_sink = nullptr;
    QBuffer m_buffer;
    Ended m_ended = nullptr;
    void* m_context = nullptr;
};

Output& output() {
    static Output* one = new Output;  // lives as long as the program
    return *one;
}

}  // namespace

// Starts playing 16-bit mono samples; 0 when they play, else 1 with the reason in `problem`
// (UTF-8, cut to its size). `ended` is called with `context` once the last sample has played.
extern "C" Q_DECL_EXPORT int orvPlayerStart(const char* pcm, long long bytes, int sampleRate,
                                            Ended ended, void* context, char* problem,
                                            int problemSize) {
    const QString reason =
        output().start(QByteArray(pcm, qsizetype(bytes)), sampleRate, ended, context);
    if (reason.isEmpty()) return 0;
    const QByteArray text = reason.toUtf8().left(problemSize - 1);
    std::memcpy(problem, text.constData(), std::size_t(text.size()));
    problem[text.size()] = '\0';
    return 1;
}

// Stops the sound; `ended` is not called.
extern "C" Q_DECL_EXPORT void orvPlayerStop() { output().stop(); }
