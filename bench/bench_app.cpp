// The window: start-up to the first shown window, and one calculation click
// (both charts, the reading, the report into RTBResult).
//
// Run headless: QT_QPA_PLATFORM=offscreen (set here when unset).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/frm_main.h"
#include "app/seams.h"

using namespace zkc;

namespace {

class SilentMessages : public app::MessageBoxes {
  public:
    void Show(QWidget*, const QString&, MessageIcon) override {}
};
class NoWeb : public app::WebOpener {
  public:
    void OpenWebPage(const QUrl&) override {}
};
class NoSearch : public app::WebSearchComponent {
  public:
    void Search(const QString&) override {}
};

SilentMessages silentMessages;
NoWeb web;
NoSearch search;

void Fill(app::FrmMain& w, const QString& suffix, bool name) {
    const auto set = [&](const QString& box, const QString& text) {
        w.findChild<QLineEdit*>(box)->setText(text);
    };
    if (name) {
        set("txtName", "Asha Rao");
    }
    set("txtZoneHour" + suffix, "5");
    set("txtZoneMinute" + suffix, "30");
    set("txtLonD" + suffix, "77");
    set("txtLonM" + suffix, "13");
    set("txtLatD" + suffix, "28");
    set("txtLatM" + suffix, "39");
}

}  // namespace

// From nothing to a shown, painted main window.
static void WindowStartup(benchmark::State& state) {
    for (auto _ : state) {
        app::FrmMain window({silentMessages, web, search});
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.winId());
    }
}
BENCHMARK(WindowStartup)->Unit(benchmark::kMillisecond);

// What Qt alone needs for a window with as many widgets of the same kinds
// (the lists empty): the floor the start-up is measured against.
static void BareWindowOfTheSameWidgets(benchmark::State& state) {
    app::FrmMain reference({silentMessages, web, search});
    const auto combos = reference.findChildren<QComboBox*>().size();
    const auto edits = reference.findChildren<QLineEdit*>().size();
    const auto labels = reference.findChildren<QLabel*>().size();
    const auto buttons = reference.findChildren<QPushButton*>().size();
    for (auto _ : state) {
        QWidget window;
        for (qsizetype i = 0; i < combos; ++i)
            new QComboBox(&window);
        for (qsizetype i = 0; i < edits; ++i)
            new QLineEdit(&window);
        for (qsizetype i = 0; i < labels; ++i)
            new QLabel("label", &window);
        for (qsizetype i = 0; i < buttons; ++i)
            new QPushButton("button", &window);
        window.resize(600, 430);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.winId());
    }
}
BENCHMARK(BareWindowOfTheSameWidgets)->Unit(benchmark::kMillisecond);

// "&Get My Kota Chakra": page check, both charts, reading, report.
static void CalculationClick(benchmark::State& state) {
    app::FrmMain window({silentMessages, web, search});
    Fill(window, "", true);
    Fill(window, "Oracle", false);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.cmdCalculate_Click();
    }
}
BENCHMARK(CalculationClick)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
