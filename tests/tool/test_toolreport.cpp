// orvtool report: the plain-text listing of chosen sections under the file's absolute path, the
// print date, the memory layout from the option or the settings store, and the PDF file, written
// without a display and never over the configuration file.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "filelimit.h"
#include "tooltest.h"

namespace {

const QString Date = QStringLiteral("31.12.26");
const QString FormFeed = QStringLiteral("\f");

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

// A line with each text starting at its column (the first column is 1).
QString cols(std::initializer_list<std::pair<int, QString>> texts) {
    QString line;
    for (const auto& [column, text] : texts) line = line.leftJustified(column - 1) + text;
    return line;
}

// A line break, the title centred in 80 columns, a line break.
QStringList title(const QString& text) {
    return {{}, {}, QString((80 - text.size()) / 2, QLatin1Char(' ')) + text, {}, {}};
}

QString heading(const QString& file, const QString& date) {
    return QStringLiteral("\n\n       File: %1\n       Print Date: %2\n\n\n").arg(file, date);
}

// Numbered entry lines first..last with nothing else on them, each followed by an empty line.
QStringList emptyEntries(int first, int last) {
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines << cols({{8, QStringLiteral(" %1").arg(n)}}) << QString();
    return lines;
}

QString text(const QStringList& lines) { return lines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }

}  // namespace

class OrvtoolReport : public ToolTest {};

TEST_F(OrvtoolReport, PrintsTheChosenSectionExactly) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    // clang-format off
    const QStringList emergency = title("Emergency Speed Dial Numbers")
        + QStringList{cols({{8, " 0"}, {15, "911"}, {32, " E Emergency"}}), {}} + emptyEntries(1, 4);
    const QStringList tones = title("Courtesy Tones")
        + QStringList{cols({{15, "Tone #1"}, {35, "Delay"}, {45, "Tone #2 Hz-Ms"}, {65, "Delay"},
                            {75, "Tone #3 Hz-Ms"}}), {}, {},
                      cols({{8, " 1"}, {15, "500"}, {21, "-"}, {24, "100"}, {35, "50"}, {45, "700"},
                            {51, "-"}, {54, "150"}, {65, "0"}, {75, "1000"}, {81, "-"}, {84, "450"}}),
                      {}}
        + emptyEntries(2, 8) + QStringList{{}, {}} + title("CW Message")
        + QStringList{cols({{8, "W1AW(AR)"}}), {}};
    const struct { const char* sections; QStringList lines; } cases[] = {
        {"9", emergency},
        {"12", tones},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sections);
        const ToolRun r = run({"report", file, "--sections", c.sections, "--date", Date});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, QString());
        EXPECT_EQ(r.out, heading(file, Date) + text(c.lines));
    }
}

TEST_F(OrvtoolReport, OptionsAndSettingsChooseSectionsLayoutDateAndName) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());

    // Box order, whatever the order of the list.
    ToolRun r = run({"report", file, "--sections=12,0"});
    EXPECT_EQ(r.out.count(FormFeed), 1);
    EXPECT_LT(r.out.indexOf("Base Control Codes"), r.out.indexOf("Courtesy Tones"));

    // Memory save #4 is printed in the four-saves layout only: from the option, else from the
    // stored setting as the editor normalises it ("yes" is not "1"), else four.
    // clang-format off
    const struct { const char* stored; const char* option; int pages; } layouts[] = {
        {nullptr, nullptr, 4}, {nullptr, "3", 3}, {"yes", nullptr, 3}, {"0", "4", 4},
        {"1", nullptr, 4}, {"", nullptr, 4},
    };
    // clang-format on
    for (const auto& c : layouts) {
        SCOPED_TRACE(std::string(c.stored ? c.stored : "-") + " " + (c.option ? c.option : "-"));
        if (c.stored) setSetting("Configuration/Memory_4", c.stored);
        QStringList arguments = {"report", file, "--sections", "1"};
        if (c.option) arguments << "--memory-saves" << c.option;
        r = run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.count(FormFeed), c.pages - 1);
        EXPECT_EQ(r.out.contains("Memory Save 4 Control Codes"), c.pages == 4);
    }

    // Without --date: today in the system's short form. A relative name is shown absolute.
    const QString folder = QFileInfo(path(QString())).canonicalFilePath();
    r = run({"report", "club.orv", "--sections", "9"}, folder);
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(r.out.startsWith(heading(folder + "/club.orv", today))) << r.out.toStdString();

    // Every box: codes, timers and voice messages 5 pages each, macros 1, scheduler 2, speed
    // dials 5, emergency 1, zones 2 for each block, tones and CW 1.
    r = run({"report", file, "--memory-saves", "4"});
    EXPECT_EQ(r.out.count(FormFeed), 35 - 1);
    for (const char* title : {"Memory Save 4 Timers", "Memory Save 2 Voice Messages",
                              "Macro Commands", "Schedular Operations", "Speed Dial Numbers",
                              "ORVANE Memory Save 3 Control Zones", "CW Message"})
        EXPECT_TRUE(r.out.contains(title)) << title;
}

TEST_F(OrvtoolReport, WritesAPdfWithoutADisplayButNeverOverTheConfigurationFile) {
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    const QString pdf = path(QStringLiteral("club.pdf"));
    ToolRun r = run({"report", file, "--sections", "1,9", "--pdf", pdf}, QString(),
                    [](QProcessEnvironment& environment) {
                        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                            environment.remove(name);
                    });
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(written.readAll());
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Four memory save code pages and the emergency speed dials.
    EXPECT_EQ(QRegularExpression("/Count (\\d+)").match(bytes).captured(1), "5");

    QDir().mkpath(path("sub"));
    QFile::link(file, path("link.orv"));
    for (const QString& target :
         {file, path("sub/../club.orv"), path("link.orv"), QString("club.orv")}) {
        SCOPED_TRACE(target.toStdString());
        r = run({"report", file, "--pdf", target});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "orvtool: " + target +
                             ": this is the configuration file itself; the report is not written "
                             "over it\n");
    }
    r = run({"report", file, "--pdf", path("missing/out.pdf")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("the PDF file could not be written")) << r.err.toStdString();
}

TEST_F(OrvtoolReport, PdfNeverLandsOnTheConfigurationByAnotherNameNorOnANonFileNorCutShort) {
    // The second name comes first: making it changes the file's status, which the end of the
    // test compares.
    QFile(path("club.orv")).open(QIODevice::WriteOnly);
    const QString hard = path(QStringLiteral("club-report.pdf"));
    ASSERT_EQ(::link(QFile::encodeName(path("club.orv")).constData(),
                     QFile::encodeName(hard).constData()),
              0);
    const QString file = input(QStringLiteral("club.orv"), reportImage());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.pdf")).constData(), 0600), 0);
    // clang-format off
    std::vector<std::pair<QString, QString>> cases = {
        {hard, ": this is the configuration file itself; the report is not written over it\n"},
        {path("fifo.pdf"), ": this is a FIFO, not a regular file; nothing is written over it\n"},
    };
    // clang-format on
    // A device node and a second mount of the folder need rights a test run may lack.
    if (::mknod(QFile::encodeName(path("null.pdf")).constData(), S_IFCHR | 0666, makedev(1, 3)) ==
        0)
        cases.push_back({path("null.pdf"),
                         ": this is a device, not a regular file; nothing is written over it\n"});
    else
        std::cout << "[ SKIPPED  ] device node: " << std::strerror(errno) << '\n';
    QDir().mkpath(path("mounted"));
    const QByteArray mounted = QFile::encodeName(path("mounted"));
    const bool bound = ::mount(QFile::encodeName(path(".")).constData(), mounted.constData(),
                               nullptr, MS_BIND, nullptr) == 0;
    if (bound)
        cases.push_back({path("mounted/club.orv"),
                         ": this is the configuration file itself; the report is not written "
                         "over it\n"});
    else
        std::cout << "[ SKIPPED  ] bind mount: " << std::strerror(errno) << '\n';
    for (const auto& [target, reason] : cases) {
        SCOPED_TRACE(target.toStdString());
        const ToolRun r = run({"report", file, "--pdf", target});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "orvtool: " + target + reason);
    }
    if (bound) ::umount2(mounted.constData(), MNT_DETACH);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path("fifo.pdf")).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    // A full disk: the older PDF of that name stays and the run fails with the system's reason.
    const QString pdf = input(QStringLiteral("old.pdf"), QByteArray("%PDF-1.4 older\n"));
    ToolRun r;
    {
        const FileSizeLimit limit(4096);  // inherited by the program
        ASSERT_TRUE(limit.active());
        r = run({"report", file, "--pdf", pdf});
    }
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "orvtool: " + pdf + ": the PDF file could not be written: " +
                         QString::fromLocal8Bit(std::strerror(EFBIG)) + "\n");

    // A name holding a line break is shown escaped, never as two lines.
    const QString odd = input(QStringLiteral("odd\nname.orv"), reportImage());
    r = run({"info", odd});
    EXPECT_TRUE(r.out.startsWith("File: " + path("odd\\nname.orv") + "\n")) << r.out.toStdString();
}
