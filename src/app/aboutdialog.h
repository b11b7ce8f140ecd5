// The About window; without its buttons and with the busy pointer it is also the start-up splash.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QStringList>

class Prompts;
class QPushButton;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { About, Splash };
    AboutDialog(Prompts& prompts, Mode mode, QWidget* parent = nullptr);

    // The system-information tools looked for on the PATH, in order of preference.
    static QStringList systemInfoTools();
    // The editor's icon in every size it is drawn in: the windows' icon and the About window's
    // picture.
    static QIcon editorIcon();

private:
    void showSystemInfo();
    void setFrameStyle();

    Prompts& m_prompts;
};
