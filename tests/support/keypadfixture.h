// The real keypad under test: a pad on scripted prompts that reacts at once (no arming delay
// unless the test asks for one), opened on one entry, and clicked key by key.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogcheck.h"
#include "scriptedprompts.h"
#include "ui/keypaddialog.h"

struct KeypadFixture {
    explicit KeypadFixture(int armDelayMs = 0) : pad(prompts, nullptr, armDelayMs) {}

    // Sets up the entry as opening the pad does, and shows the pad.
    void begin(const KeypadRequest& request) {
        pad.begin(request);
        pad.show();
    }

    QPushButton* button(const QString& name) { return child<QPushButton>(pad, name); }

    // Clicks a sequence on the pad: key characters, "," = Delay, "X" = Clear, "K" = OK,
    // "Q" = Cancel.
    void press(const char* script) {
        for (const char* c = script; *c; ++c) {
            QString name;
            switch (*c) {
                case ',':
                    name = QStringLiteral("cmdDelay");
                    break;
                case 'X':
                    name = QStringLiteral("cmdClear");
                    break;
                case 'K':
                    name = QStringLiteral("cmdOK");
                    break;
                case 'Q':
                    name = QStringLiteral("cmdCancel");
                    break;
                default:
                    name = keyButtonName(QLatin1Char(*c));
                    break;
            }
            if (QPushButton* b = button(name)) QTest::mouseClick(b, Qt::LeftButton);
        }
    }

    // The text the display label shows.
    QString display() { return child<QLabel>(pad, QStringLiteral("lblDisplay"))->text(); }

    ScriptedPrompts prompts;
    KeypadDialog pad;
};
