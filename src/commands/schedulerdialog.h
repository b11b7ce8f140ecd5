// The scheduler: the overview of the forty events, ten at a time, and the dialog that edits one
// event (days, time, command) and stores it on "OK".
#pragma once

#include <memory>

#include "commands/scheduler.h"
#include "core/image.h"
#include "ui/editordialog.h"

class GroupSelector;
class Prompts;
class QCheckBox;
class QComboBox;
class QLabel;
class ValueField;

class SchedulerDialog : public EditorDialog {
    Q_OBJECT
public:
    // Row r (1..10) of the group shown: lblNum_r, lblTime_r (opens the event), lblDOW_r,
    // lblMOY_r, lblDOM_r, lblCmd_r; the group selector fraGroup with optGroup0..3; cmdOK hides.
    explicit SchedulerDialog(const EditorContext& context, QWidget* parent = nullptr);

    int group() const { return m_group; }
    // Opens the event dialog for event n (1..40); the overview shows the group afresh after.
    void editEvent(int n);

protected:
    void display() override { showGroup(); }
    void showField(const Fields::Field& field) override;
    // "OK" hides the overview; it keeps its group for the next opening.
    void confirm() override { hide(); }

private:
    void showGroup();
    void changeGroup(int group);

    int m_group = 0;
    GroupSelector* m_groups;
    struct Row {
        QLabel* number;
        ValueField* time;
        QLabel* dayOfWeek;
        QLabel* month;
        QLabel* dayOfMonth;
        QLabel* command;
    };
    Row m_rows[Scheduler::GroupSize] = {};
};

// The event is read once, when the dialog opens; nothing the user has chosen is read again.
class ScheduledEventDialog : public PlainDialog {
    Q_OBJECT
public:
    // chkErase, chkHour, the frame Frame1 with optWk0..4, cmbWk, cmbMonth, cmbMoDay, the captions
    // lblA0..2, the fields lblTime and lblCmd, lblReview, cmdOK.
    ScheduledEventDialog(Image& image, Prompts& prompts, int event, QWidget* parent = nullptr);

    const Scheduler::EventEditor& editor() const { return m_editor; }

private:
    void display();
    // Everything but "Erase(d) Location", which the erased look hides.
    QList<QWidget*> eventWidgets() const;
    void editTime();
    void editCommand();
    void storeAndClose();

    Image& m_image;
    Prompts& m_prompts;
    Scheduler::EventEditor m_editor;
    QCheckBox* m_erase;
    QCheckBox* m_everyHour;
    GroupSelector* m_days;
    QComboBox* m_weekday;
    QComboBox* m_month;
    QComboBox* m_day;
    QLabel* m_captions[3] = {};
    ValueField* m_time;
    ValueField* m_command;
    QLabel* m_review;
    bool m_showing = false;  // set while display() fills the controls
};
