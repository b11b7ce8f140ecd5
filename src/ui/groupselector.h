// A framed group of option buttons for one choice (the DIP switch, the clock form, the recorder
// type, a speed-dial group): the frame caption above, one option per index, and a signal only
// when the user really changes the choice.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class GroupSelector : public QGroupBox {
    Q_OBJECT
public:
    // `frameName` is the frame's object name; `optionName` that of the options, "%1" standing for
    // the option's index (0 first), e.g. "optDip%1".
    GroupSelector(const QString& caption, const QStringList& options, const QString& frameName,
                  const QString& optionName, Qt::Orientation orientation = Qt::Vertical,
                  QWidget* parent = nullptr);

    int count() const { return int(m_options.size()); }
    QRadioButton* option(int index) const;

    // The selected option's index; -1 while none is selected.
    int current() const;
    // Selects an option without signalling; an index outside the options clears the choice.
    void setCurrent(int index);

    // Lays `widgets` out on the option's own line, after it (a list that belongs to the option).
    void placeBeside(int index, const QList<QWidget*>& widgets);

signals:
    // The user selected another option; clicking the selected one again says nothing.
    void changed(int index);

private:
    QButtonGroup* m_group;
    QList<QRadioButton*> m_options;
    bool m_quiet = false;  // set while setCurrent changes the selection
};
