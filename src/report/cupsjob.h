// Sends a finished document to a queue of the system's print service (CUPS) as one print job and
// says whether the service took it: Qt's own printer sends its jobs without looking at the answer,
// so a queue that refuses jobs would pass for one that printed.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

using PrintJobOptions = QList<std::pair<QByteArray, QByteArray>>;

// Sends `pdf` to the queue `printer` ("name" or "name/instance") as a job titled `title` with the
// given options. Returns nothing when the service accepted the whole document, else its reason.
QString sendPdfJob(const QString& printer, const QString& title, const QByteArray& pdf,
                   const PrintJobOptions& options);
