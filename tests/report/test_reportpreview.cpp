// The print preview: its "Print..." as the system's print ports run it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "dialogcheck.h"
#include "report/printports.h"
#include "report/reportpreviewdialog.h"
#include "reportlines.h"

namespace {

// Does `act` to the preview once it is up (it runs modally, so from a timer).
void whenPreviewShows(QTimer& poll, std::function<void(ReportPreviewDialog&)> act) {
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, act = std::move(act)] {
        auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible()) return;
        poll.stop();
        act(*preview);
    });
    poll.start();
}

}  // namespace

TEST(ReportPreviewPrint, PrintClosesThePreviewThenRunsThePrint) {
    const ReportDocument document =
        composeReport(zeroImage(), inputsFor({ReportBox::BaseCodes, ReportBox::BaseVoice}));
    QtPrintPorts ports;
    struct Case {
        const char* button;
        bool offered;
        int prints;
    };
    const Case cases[] = {{"cmdPrint", true, 1}, {"cmdClose", true, 0}, {"cmdPrint", false, 0}};
    for (const Case& c : cases) {
        bool shown = false;
        QTimer poll;
        whenPreviewShows(poll, [&](ReportPreviewDialog& preview) {
            auto* button = child<QPushButton>(preview, QString::fromLatin1(c.button));
            shown = button && button->isVisible();
            if (shown)
                button->click();
            else
                preview.reject();
        });
        int prints = 0;
        bool previewGone = false;
        const std::function<void()> print = [&] {
            ++prints;
            previewGone = QApplication::activeModalWidget() == nullptr;
        };
        ports.preview(document, c.offered ? print : std::function<void()>());
        EXPECT_EQ(shown, c.offered) << c.button;
        EXPECT_EQ(prints, c.prints) << c.button;
        if (prints) {
            EXPECT_TRUE(previewGone) << "the preview is still up while printing";
        }
    }
}
