#include "report/cupsjob.h"

#include <cups/cups.h>

#include <QCoreApplication>

#include "core/loadedlibrary.h"

namespace {

// The service's library, loaded on the first print job.
struct Service {
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsAddOption) addOption = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
    decltype(&cupsCreateJob) createJob = nullptr;
    decltype(&cupsCancelJob2) cancelJob = nullptr;
    decltype(&cupsStartDocument) startDocument = nullptr;
    decltype(&cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&cupsFinishDocument) finishDocument = nullptr;
    QString failure;  // why the library cannot be used, or empty
};

const Service& service() {
    static const Service loaded = [] {
        Service s;
        const LoadedLibrary library("libcups.so.2");
        if (!library.find("cupsLastErrorString", s.lastErrorString) ||
            !library.find("cupsAddOption", s.addOption) ||
            !library.find("cupsFreeOptions", s.freeOptions) ||
            !library.find("cupsCreateJob", s.createJob) ||
            !library.find("cupsCancelJob2", s.cancelJob) ||
            !library.find("cupsStartDocument", s.startDocument) ||
            !library.find("cupsWriteRequestData", s.writeRequestData) ||
            !library.find("cupsFinishDocument", s.finishDocument))
            s.failure =
                QCoreApplication::translate("PrintJob",
                                            "The print service's library (libcups.so.2) could "
                                            "not be loaded: %1")
                    .arg(QString::fromLocal8Bit(library.error() ? library.error()
                                                                : "a function is missing"));
        return s;
    }();
    return loaded;
}

QString lastError() {
    const char* reason = service().lastErrorString();
    return reason && *reason
               ? QString::fromUtf8(reason)
               : QCoreApplication::translate("PrintJob", "The printer refused the job.");
}

// The options as the service takes them, freed with the object.
class Options {
public:
    explicit Options(const PrintJobOptions& options) {
        for (const auto& [name, value] : options)
            m_count = service().addOption(name.constData(), value.constData(), m_count, &m_options);
    }
    ~Options() { service().freeOptions(m_count, m_options); }
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
    const Service& cups = service();
    if (!cups.failure.isEmpty()) return cups.failure;
    // The service knows the queue by its name; an instance only names a set of saved options.
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray name = title.toUtf8();
    const Options jobOptions(options);
    const int job = cups.createJob(CUPS_HTTP_DEFAULT, queue.constData(), name.constData(),
                                   jobOptions.count(), jobOptions.data());
    if (job == 0) return lastError();
    const auto abandon = [&] {
        const QString reason = lastError();
        cups.cancelJob(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        return reason;
    };
    if (cups.startDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, name.constData(),
                           CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
        return abandon();
    if (cups.writeRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), std::size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cups.finishDocument(CUPS_HTTP_DEFAULT, queue.constData());
        return abandon();
    }
    if (cups.finishDocument(CUPS_HTTP_DEFAULT, queue.constData()) > IPP_STATUS_OK_CONFLICTING)
        return abandon();
    return QString();
}
