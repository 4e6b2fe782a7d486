// Pictures of the window as a person sees it, for looking at by eye:
//   shoot_window OUT.png [--dark] [--page 1|2|result|transits]
// fills both pages, calculates, shows the page asked for (or the transits
// window of the reading) and saves it (frame excluded) as PNG. Run it on a real display or under
// xvfb-run; QT_SCALE_FACTOR=2 gives the window at twice the scale.
#include <QStyleFactory>

#include "dark_desktop.h"
#include "window_fixture.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shoot_window OUT.png [--dark] [--page 1|2|result|transits]\n");
        return 64;
    }
    if (args.contains("--dark")) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(zkc::test::DarkDesktop());
    }
    const qsizetype pageAt = args.indexOf("--page");
    const QString page = pageAt > 0 && pageAt + 1 < args.size() ? args[pageAt + 1] : "result";

    zkc::test::Window w;
    w.FillBoth();
    if (page != "1") {
        w.Click("cmdNext");
    }
    if (page == "result" || page == "transits") {
        w.Click("cmdCalculate");
    }
    QTest::qWait(300);
    QImage shot = w.frm->grab().toImage();
    if (page == "transits") {
        zkc::test::WhenModalOpens([&shot](QWidget* transits) {
            QTest::qWait(300);
            shot = transits->grab().toImage();
            transits->close();
        });
        w.Action("mnuTransits")->trigger();
    }
    std::printf("window %dx%d at %d,%d on a screen of %dx%d (device pixel ratio %.1f)\n",
                w.frm->width(), w.frm->height(), w.frm->x(), w.frm->y(),
                w.frm->screen()->availableGeometry().width(),
                w.frm->screen()->availableGeometry().height(), w.frm->devicePixelRatioF());
    return shot.save(args[1]) ? 0 : 1;
}
