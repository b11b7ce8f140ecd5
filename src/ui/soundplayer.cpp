#include "ui/soundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcessEnvironment>

#include "core/loadedlibrary.h"

namespace {

// Where the output library is: beside the program (the build), else where it is installed.
QStringList libraryCandidates() {
    const QDir folder(QCoreApplication::applicationDirPath());
    return {folder.filePath(QStringLiteral("liborvplayer.so")),
            QDir::cleanPath(folder.filePath(QStringLiteral(ORV_PLAYER_RELATIVE)))};
}

// Qt Multimedia plays through a PulseAudio server (PipeWire's included): one must be reachable.
bool soundServerReachable() {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.value(QStringLiteral("PULSE_SERVER")).isEmpty()) return true;
    QStringList sockets{QStringLiteral("/run/pulse/native"),
                        QStringLiteral("/var/run/pulse/native")};
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty()) sockets.prepend(QDir(runtime).filePath(QStringLiteral("pulse/native")));
    for (const QString& socket : sockets)
        if (QFileInfo(socket).exists()) return true;
    return false;
}

// The sound output library's two C entry points, behind the sink interface.
class LibrarySink final : public SoundSink {
public:
    using Start = int (*)(const char*, long long, int, void (*)(void*), void*, char*, int);
    using Stop = void (*)();

    LibrarySink(Start start, Stop stop) : m_start(start), m_stop(stop) {}
    ~LibrarySink() override { m_stop(); }

    bool start(const QByteArray& pcm, int sampleRate, QString* problem) override {
        char reason[512] = {};
        if (m_start(pcm.constData(), pcm.size(), sampleRate, &LibrarySink::ended, this, reason,
                    int(sizeof reason)) == 0)
            return true;
        *problem = QString::fromUtf8(reason);
        return false;
    }
    void stop() override { m_stop(); }

private:
    static void ended(void* self) { emit static_cast<LibrarySink*>(self)->finished(); }

    Start m_start;
    Stop m_stop;
};

}  // namespace

SoundPlayer& SoundPlayer::instance() {
    static SoundPlayer* player = new SoundPlayer;  // lives as long as the program
    return *player;
}

void SoundPlayer::setSinkFactory(std::function<std::unique_ptr<SoundSink>()> factory) {
    stop();
    m_factory = std::move(factory);
    m_sink.reset();
    m_problem.clear();
}

QString SoundPlayer::unavailable() const {
    if (!m_problem.isEmpty()) return m_problem;
    if (m_factory || m_sink) return {};
    if (!soundServerReachable())
        return tr("No sound output: no sound server (PulseAudio or PipeWire) is running.");
    return {};
}

bool SoundPlayer::ensureSink() {
    if (m_sink) return true;
    if (m_factory) {
        m_sink = m_factory();
    } else {
        for (const QString& candidate : libraryCandidates()) {
            if (!QFileInfo::exists(candidate)) continue;
            const LoadedLibrary library(QFile::encodeName(candidate).constData());
            LibrarySink::Start start = nullptr;
            LibrarySink::Stop stop = nullptr;
            if (!library.find("orvPlayerStart", start) || !library.find("orvPlayerStop", stop)) {
                m_problem =
                    tr("No sound output: %1")
                        .arg(library.error() ? QString::fromLocal8Bit(library.error())
                                             : tr("%1 lacks its entry points.").arg(candidate));
                return false;
            }
            m_sink = std::make_unique<LibrarySink>(start, stop);
            break;
        }
        if (!m_sink && m_problem.isEmpty())
            m_problem = tr("No sound output: the editor's sound library is not installed.");
    }
    if (!m_sink) return false;
    connect(m_sink.get(), &SoundSink::finished, this, &SoundPlayer::ended);
    return true;
}

bool SoundPlayer::play(const QByteArray& pcm, int sampleRate, QObject* owner) {
    stop();
    if (!unavailable().isEmpty() || !ensureSink()) {
        emit stateChanged();
        return false;
    }
    QString problem;
    if (!m_sink->start(pcm, sampleRate, &problem)) {
        m_problem = problem.isEmpty() ? tr("No sound output was found.") : problem;
        emit stateChanged();
        return false;
    }
    m_playing = true;
    m_owner = owner;
    emit stateChanged();
    return true;
}

void SoundPlayer::stop() {
    if (!m_playing) return;
    m_sink->stop();
    ended();
}

void SoundPlayer::ended() {
    if (!m_playing) return;
    m_playing = false;
    m_owner = nullptr;
    emit stateChanged();
}

PlayUnavailableLabel::PlayUnavailableLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblPlayUnavailable"));
    setWordWrap(true);
    connect(&SoundPlayer::instance(), &SoundPlayer::stateChanged, this,
            &PlayUnavailableLabel::follow);
    follow();
}

void PlayUnavailableLabel::follow() {
    const QString problem = SoundPlayer::instance().unavailable();
    setText(problem);
    setVisible(!problem.isEmpty());
}

PlayButton::PlayButton(std::function<QByteArray()> render, int sampleRate, QWidget* parent)
    : QPushButton(playText(), parent), m_render(std::move(render)), m_sampleRate(sampleRate) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &PlayButton::toggle);
    connect(&SoundPlayer::instance(), &SoundPlayer::stateChanged, this, &PlayButton::follow);
    follow();
}

QString PlayButton::playText() { return tr("Play"); }
QString PlayButton::stopText() { return tr("Stop"); }

void PlayButton::setPlayable(bool playable) {
    m_playable = playable;
    follow();
}

void PlayButton::setToolTipText(const QString& text) {
    m_toolTip = text;
    follow();
}

void PlayButton::toggle() {
    SoundPlayer& player = SoundPlayer::instance();
    if (player.isPlaying() && player.owner() == this) {
        player.stop();
        return;
    }
    player.play(m_render(), m_sampleRate, this);
}

void PlayButton::follow() {
    const SoundPlayer& player = SoundPlayer::instance();
    const bool mine = player.isPlaying() && player.owner() == this;
    setText(mine ? stopText() : playText());
    // While its sound plays, the button sees every key first: Escape goes to it wherever the
    // focus is in its window.
    if (mine)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
    const QString problem = player.unavailable();
    setEnabled(m_playable && problem.isEmpty());
    setToolTip(problem.isEmpty() ? m_toolTip : problem);
}

void PlayButton::showEvent(QShowEvent* event) {
    follow();
    QPushButton::showEvent(event);
}

bool PlayButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        SoundPlayer& player = SoundPlayer::instance();
        auto* target = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
            player.isPlaying() && player.owner() == this && target &&
            target->window() == window()) {
            if (event->type() == QEvent::KeyPress) player.stop();
            event->accept();
            return true;
        }
    }
    return QPushButton::eventFilter(watched, event);
}
