// Running a program of the project as a user would: arguments and standard
// input in; exit status, standard output and standard error out.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace zkc::test {

struct Run {
    int exitCode = -1;  // −1: the program crashed or did not finish
    QByteArray out;
    QByteArray err;
};

inline Run RunProgram(const QString& program, const QStringList& args,
                      const QByteArray& input = {}, int timeoutMs = 120000) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted()) {
        return {};
    }
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

}  // namespace zkc::test
