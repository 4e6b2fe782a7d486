// Running a program of the project as a user would: arguments and standard
// input in; exit status, standard output and standard error out.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <functional>

namespace zkc::test {

struct Run {
    int exitCode = -1;  // −1: the program crashed or did not finish
    QByteArray out;
    QByteArray err;
};

// `prepare` sets the process up before it starts: files for the standard
// streams, the environment, descriptors to close. Standard input is the
// given bytes unless `prepare` gave it a file.
inline Run RunProgram(const QString& program, const QStringList& args, const QByteArray& input = {},
                      const std::function<void(QProcess&)>& prepare = {}) {
    QProcess p;
    if (prepare) {
        prepare(p);
    }
    p.start(program, args);
    if (!p.waitForStarted()) {
        return {};
    }
    if (!input.isEmpty()) {
        p.write(input);
    }
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

}  // namespace zkc::test
