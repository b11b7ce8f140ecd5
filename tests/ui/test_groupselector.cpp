// The framed option group: names, and a signal only when the user changes the choice.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "dialogcheck.h"
#include "ui/groupselector.h"

TEST(GroupSelector, SignalsOnlyARealChangeByTheUser) {
    const QStringList hours = {QStringLiteral("12 Hour"), QStringLiteral("24 Hour"),
                               QStringLiteral("Off")};
    GroupSelector selector(QStringLiteral("Clock Announcements"), hours, QStringLiteral("fraClock"),
                           QStringLiteral("optClock%1"));
    showSettled(selector);
    EXPECT_EQ(selector.objectName(), QStringLiteral("fraClock"));
    EXPECT_EQ(selector.title(), QStringLiteral("Clock Announcements"));
    ASSERT_EQ(child<QRadioButton>(selector, QStringLiteral("optClock2")), selector.option(2));
    EXPECT_EQ(selector.option(2)->text(), QStringLiteral("Off"));
    EXPECT_EQ(selector.current(), -1);

    QSignalSpy changed(&selector, &GroupSelector::changed);
    auto click = [&](int i) { QTest::mouseClick(selector.option(i), Qt::LeftButton); };
    auto key = [&](int i, Qt::Key k) {
        selector.option(i)->setFocus();
        QTest::keyClick(selector.option(i), k);
    };
    // clang-format off
    const struct { const char* step; std::function<void()> act; int current; int signalled; } steps[] = {
        {"set 1",                  [&] { selector.setCurrent(1); },  1, -1},
        {"click the selected one", [&] { click(1); },                1, -1},
        {"click another",          [&] { click(2); },                2,  2},
        {"arrow up",               [&] { key(2, Qt::Key_Up); },      1,  1},
        {"set 0",                  [&] { selector.setCurrent(0); },  0, -1},
        {"set outside: none",      [&] { selector.setCurrent(7); }, -1, -1},
        {"click after none",       [&] { click(0); },                0,  0},
        {"space on another",       [&] { key(2, Qt::Key_Space); },   2,  2},
    };
    // clang-format on
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(selector.current(), s.current);
        for (int i = 0; i < selector.count(); ++i)
            EXPECT_EQ(selector.option(i)->isChecked(), i == s.current) << i;
        if (s.signalled < 0) {
            EXPECT_EQ(changed.count(), 0);
        } else {
            ASSERT_EQ(changed.count(), 1);
            EXPECT_EQ(changed.takeFirst().at(0).toInt(), s.signalled);
        }
        changed.clear();
    }
}
