// orvtool's standard streams and arguments: what a command prints reaches standard output whole or
// the program says why not, and only names that the file system and the program spell alike are
// taken.
#pragma once

#include <QByteArray>
#include <QString>

namespace Tool {

struct StandardStreams {
    bool outputClosed = false;  // descriptor 1 was closed when the program started
};

// Puts /dev/null on each of the descriptors 0, 1 and 2 that is closed. Called first, before any
// file is opened, so no file the program opens takes the place of a standard stream and receives
// what is printed there.
StandardStreams reserveStandardStreams();

// Writes all of `bytes` to descriptor `fd`, through interrupted and partial writes; returns 0 when
// everything was written, else the errno of the write that failed.
int writeAll(int fd, const QByteArray& bytes);

// Prints a command's output on standard output and its messages on standard error, then closes
// standard output. When the output cannot be written whole, the reason follows the messages
// ("orvtool: standard output: No space left on device") and the status becomes Failure: a status
// must never claim a result that did not reach its reader. Returns the exit status.
int deliver(int status, const QString& output, const QString& messages,
            const StandardStreams& streams);

// Why an argument cannot be taken: its bytes are not valid UTF-8, so its name as the program
// reads it is not the file's name. Empty when the argument is fine.
QString argumentProblem(const QByteArray& argument);

}  // namespace Tool
