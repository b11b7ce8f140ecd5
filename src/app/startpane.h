// The main window's centre while no file is open: what to do first, every choice a button the
// keyboard reaches (Tab, then Enter or Space): Open..., the recent files, and a copy of the
// sample configuration where one is installed or built.
#pragma once

#include <QWidget>
#include <array>

#include "core/settings.h"

class QLabel;
class QPushButton;

class StartPane : public QWidget {
    Q_OBJECT
public:
    explicit StartPane(QWidget* parent = nullptr);

    // The recent files offered, most recent first; empty entries are not offered.
    void setRecentFiles(const std::array<QString, RecentFileCount>& files);
    // The sample configuration offered as a copy; none when `path` is empty.
    void setSample(const QString& path);
    // Where the sample lies: built beside the program, else installed with it; empty when neither.
    static QString foundSample();
    // Puts the keyboard on the first choice.
    void focusFirstChoice();

signals:
    void openRequested();
    void recentRequested(int n);  // the recent file n, 1..RecentFileCount
    void sampleRequested(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_hint;
    QPushButton* m_open;
    QPushButton* m_sample;
    std::array<QPushButton*, RecentFileCount> m_recent = {};
    QString m_samplePath;
};
