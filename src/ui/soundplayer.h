// Playing rendered sound through the desktop's sound output. The output itself (Qt Multimedia,
// which brings its own libraries) lives in a library of its own, loaded on the first Play, so the
// editor's start never carries it. One sound plays at a time.
#pragma once

#include <QByteArray>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <memory>

// A sound output: plays 16-bit mono samples and says when they have ended. The program's own is
// the library loaded on the first Play; tests give one of their own.
class SoundSink : public QObject {
    Q_OBJECT
public:
    // False when no sound output takes the samples; `problem` then says why.
    virtual bool start(const QByteArray& pcm, int sampleRate, QString* problem) = 0;
    virtual void stop() = 0;

signals:
    void finished();
};

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static SoundPlayer& instance();

    // Why no sound can be played here (no sound server, the library missing or refusing), or
    // empty when it may. Until the first Play only the sound server is looked for.
    QString unavailable() const;

    // Plays the samples for `owner`, stopping any other sound; false (and unavailable() says why)
    // when nothing plays.
    bool play(const QByteArray& pcm, int sampleRate, QObject* owner);
    void stop();
    bool isPlaying() const { return m_playing; }
    // The object whose sound plays now, or null.
    QObject* owner() const { return m_owner; }

    // Tests put a sink of their own in the library's place.
    void setSinkFactory(std::function<std::unique_ptr<SoundSink>()> factory);

signals:
    // Playing began or ended (stopped, finished or failed).
    void stateChanged();

private:
    SoundPlayer() = default;
    bool ensureSink();
    void ended();

    std::function<std::unique_ptr<SoundSink>()> m_factory;
    std::unique_ptr<SoundSink> m_sink;
    QString m_problem;
    bool m_playing = false;
    QPointer<QObject> m_owner;
};

// "Play", and "Stop" while its own sound plays. While any sound plays, Escape in its window stops
// it and does nothing else. Disabled, with the reason as its tooltip, where no sound can play.
// One line under a dialog's Play buttons that says why they cannot be used (no sound output), shown
// only then: a keyboard user never sees the buttons' tool tips.
class PlayUnavailableLabel : public QLabel {
    Q_OBJECT
public:
    explicit PlayUnavailableLabel(QWidget* parent = nullptr);

private:
    void follow();
};

class PlayButton : public QPushButton {
    Q_OBJECT
public:
    // `render` gives the samples (16-bit mono PCM at `sampleRate`) when the button is pressed.
    PlayButton(std::function<QByteArray()> render, int sampleRate, QWidget* parent = nullptr);

    // Whether there is anything to play; false disables the button.
    void setPlayable(bool playable);
    void setToolTipText(const QString& text);

    static QString playText();
    static QString stopText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void toggle();
    void follow();

    std::function<QByteArray()> m_render;
    int m_sampleRate;
    bool m_playable = true;
    QString m_toolTip;
};
