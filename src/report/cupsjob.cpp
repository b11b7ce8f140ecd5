#include "report/cupsjob.h"

#include <cups/cups.h>

#include <QCoreApplication>

namespace {

QString lastError() {
    const char* reason = cupsLastErrorString();
    return reason && *reason
               ? QString::fromUtf8(reason)
               : QCoreApplication::translate("PrintJob", "The printer refused the job.");
}

// The options as the service takes them, freed with the object.
class Options {
public:
    explicit Options(const PrintJobOptions& options) {
        for (const auto& [name, value] : options)
            m_count = cupsAddOption(name.constData(), value.constData(), m_count, &m_options);
    }
    ~Options() { cupsFreeOptions(m_count, m_options); }
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;

    int count() const { return m_count; }
    cups_option_t* data() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

}  // namespace

QString sendPdfJob(const QString& printer, const QString& title, const QByteArray& pdf,
                   const PrintJobOptions& options) {
    // The service knows the queue by its name; an instance only names a set of saved options.
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray name = title.toUtf8();
    const Options jobOptions(options);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), name.constData(),
                                  jobOptions.count(), jobOptions.data());
    if (job == 0) return lastError();
    const auto abandon = [&] {
        const QString reason = lastError();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        return reason;
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, name.constData(),
                          CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
        return abandon();
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), std::size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData());
        return abandon();
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) > IPP_STATUS_OK_CONFLICTING)
        return abandon();
    return QString();
}
