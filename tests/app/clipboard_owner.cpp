// Another program on the clipboard: puts the text given as its argument on
// the system clipboard, says "ready" on standard output once it owns it, and
// keeps serving it until its standard input closes or it is killed. The
// window tests start it to hold content that is not the window's own.
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: clipboard_owner TEXT\n");
        return 64;
    }
    const QString text = QString::fromLocal8Bit(argv[1]);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);

    // Ownership is taken asynchronously on some platforms: say "ready" only
    // once it is ours, so that the test never races the clipboard.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (clipboard->ownsClipboard() && clipboard->text() == text) {
            poll.stop();
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    });
    poll.start(10);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            QGuiApplication::quit();
        }
    });
    return QGuiApplication::exec();
}
