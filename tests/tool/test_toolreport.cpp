// orvtool report: the plain-text listing of chosen sections under the file's absolute path, the
// print date, the memory layout from the option or the settings store, and the PDF file, written
// without a display and never over the configuration file.
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include "tooltest.h"

namespace {

const QString Date = QStringLiteral("31.12.26");

// Emergency speed dials, courtesy tones and the CW message.
Image reportImage() {
    Image image{};
    putBytes(image, 1148, {3, 9, 1, 1});  // emergency entry 0: 911
    putWords(image, 1148 + 12, {340, 344});
    putBytes(image, 826, {3, 2, 1, 5, 3, 0, 8, 9});  // courtesy tone 1
    putBytes(image, 834, {0, 2, 1, 5, 3, 0, 8, 9});  // tone 2: no first frequency, only the number
    putBytes(image, 794, {5, 32, 1, 10, 32, 37});    // W 1 A W (AR)
    return image;
}

QStringList heading(const QString& file, const QString& date) {
    return {QString(),
            QString(),
            cols({{8, QStringLiteral("File: ") + file}}),
            cols({{8, QStringLiteral("Print Date: ") + date}}),
            QString(),
            QString()};
}

QStringList titleLines(const QString& title) {
    return {QString(), QString(), centred(title), QString(), QString()};
}

QString text(const QStringList& lines) { return lines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

}  // namespace

class ReportTest : public ToolTest {};

TEST_F(ReportTest, PrintsTheChosenSectionExactly) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());

    QStringList emergency =
        heading(file, Date) + titleLines(QStringLiteral("Emergency Speed Dial Numbers"));
    emergency << cols({{8, QStringLiteral(" 0")},
                       {15, QStringLiteral("911")},
                       {32, QStringLiteral(" E Emergency")}})
              << QString();
    for (int e = 1; e <= 4; ++e)
        emergency << cols({{8, QStringLiteral(" %1").arg(e)}}) << QString();

    QStringList tones = heading(file, Date) + titleLines(QStringLiteral("Courtesy Tones"));
    tones << cols({{15, QStringLiteral("Tone #1")},
                   {35, QStringLiteral("Delay")},
                   {45, QStringLiteral("Tone #2 Hz-Ms")},
                   {65, QStringLiteral("Delay")},
                   {75, QStringLiteral("Tone #3 Hz-Ms")}})
          << QString() << QString();
    tones << cols({{8, QStringLiteral(" 1")},
                   {15, QStringLiteral("500")},
                   {21, QStringLiteral("-")},
                   {24, QStringLiteral("100")},
                   {35, QStringLiteral("50")},
                   {45, QStringLiteral("700")},
                   {51, QStringLiteral("-")},
                   {54, QStringLiteral("150")},
                   {65, QStringLiteral("0")},
                   {75, QStringLiteral("1000")},
                   {81, QStringLiteral("-")},
                   {84, QStringLiteral("450")}})
          << QString();
    for (int t = 2; t <= 8; ++t) tones << cols({{8, QStringLiteral(" %1").arg(t)}}) << QString();
    tones << QString() << QString() << titleLines(QStringLiteral("CW Message"))
          << cols({{8, QStringLiteral("W1AW(AR)")}}) << QString();

    // clang-format off
    const struct { const char* sections; QStringList lines; } cases[] = {
        {"9",  emergency},
        {"12", tones},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sections);
        const ToolRun r = run({QStringLiteral("report"), file, QStringLiteral("--sections"),
                               QLatin1String(c.sections), QStringLiteral("--date"), Date});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, QString());
        EXPECT_EQ(r.out, text(c.lines));
    }
}

TEST_F(ReportTest, OptionsAndSettingsChooseSectionsLayoutDateAndName) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    const QString memorySave4 = QStringLiteral("Memory Save 4 Control Codes");
    const QString formFeed = QStringLiteral("\f");

    // The box order, whatever the order of the list: codes first, then tones, one page each.
    ToolRun r = run({QStringLiteral("report"), file, QStringLiteral("--sections=12,0")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.count(formFeed), 1);
    EXPECT_LT(r.out.indexOf(QStringLiteral("Base Control Codes")),
              r.out.indexOf(QStringLiteral("Courtesy Tones")));

    // Memory save #4 is printed in the four-saves layout only: from the option, else from the
    // stored setting as the editor normalises it ("yes" is not "1"), else four.
    // clang-format off
    const struct { const char* stored; const char* option; int pages; } layouts[] = {
        {nullptr, nullptr, 4},
        {nullptr, "3",     3},
        {"yes",   nullptr, 3},
        {"0",     "4",     4},
        {"1",     nullptr, 4},
        {"",      nullptr, 4},
    };
    // clang-format on
    for (const auto& c : layouts) {
        SCOPED_TRACE(std::string(c.stored ? c.stored : "(none)") + " / " +
                     (c.option ? c.option : "(none)"));
        if (c.stored) setSetting(QStringLiteral("Configuration/Memory_4"), QLatin1String(c.stored));
        QStringList arguments = {QStringLiteral("report"), file, QStringLiteral("--sections"),
                                 QStringLiteral("1")};
        if (c.option) arguments << QStringLiteral("--memory-saves") << QLatin1String(c.option);
        r = run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.count(formFeed), c.pages - 1);
        EXPECT_EQ(r.out.contains(memorySave4), c.pages == 4);
    }

    // Without --date: today in the system's short form. A relative name is shown absolute.
    const QString folder = QFileInfo(path(QString())).canonicalFilePath();
    r = run({QStringLiteral("report"), QStringLiteral("club.orv"), QStringLiteral("--sections"),
             QStringLiteral("9")},
            folder);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(r.out.startsWith(text(heading(folder + QStringLiteral("/club.orv"), today))))
        << r.out.left(200).toStdString();
}

TEST_F(ReportTest, PrintsEverySectionByDefault) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    const ToolRun r = run({QStringLiteral("report"), file, QStringLiteral("--date"), Date});
    EXPECT_EQ(r.status, 0);
    // Pages: codes, timers and voice messages 5 each, macros 1, scheduler 2, speed dials 5,
    // emergency 1, zones 2 for each of the 5 blocks, tones and CW 1.
    EXPECT_EQ(r.out.count(QStringLiteral("\f")), 35 - 1);
    for (const char* title :
         {"Base Control Codes", "Memory Save 4 Timers", "Memory Save 2 Voice Messages",
          "Macro Commands", "Schedular Operations", "Speed Dial Numbers",
          "Emergency Speed Dial Numbers", "ORVANE Memory Save 3 Control Zones", "CW Message"})
        EXPECT_TRUE(r.out.contains(QLatin1String(title))) << title;
}

TEST_F(ReportTest, WritesAPdfWithoutADisplay) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    const QString pdf = path(QStringLiteral("club.pdf"));
    const ToolRun r =
        run({QStringLiteral("report"), file, QStringLiteral("--sections"), QStringLiteral("1,9"),
             QStringLiteral("--pdf"), pdf},
            QString(), [](QProcessEnvironment& environment) {
                for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                    environment.remove(QLatin1String(name));
            });
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Four memory save code pages and the emergency speed dials.
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(bytes));
    EXPECT_EQ(pages.captured(1), QStringLiteral("5"));
}

TEST_F(ReportTest, NeverWritesThePdfOverTheConfigurationFile) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    QDir().mkpath(path(QStringLiteral("sub")));
    QFile::link(file, path(QStringLiteral("link.orv")));
    for (const QString& target : {file, path(QStringLiteral("sub/../club.orv")),
                                  path(QStringLiteral("link.orv")), QStringLiteral("club.orv")}) {
        SCOPED_TRACE(target.toStdString());
        const ToolRun r = run({QStringLiteral("report"), file, QStringLiteral("--pdf"), target});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("orvtool: ") + target +
                                     QStringLiteral(": this is the configuration file itself")))
            << r.err.toStdString();
    }
    // A folder that does not exist: the writer's reason, status 2.
    const ToolRun r = run({QStringLiteral("report"), file, QStringLiteral("--pdf"),
                           path(QStringLiteral("missing/out.pdf"))});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("the PDF file could not be written")))
        << r.err.toStdString();
}
