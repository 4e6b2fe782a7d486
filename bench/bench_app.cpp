// The window: start-up to the first shown window, and one calculation click
// (both charts, the reading, the report into RTBResult).
//
// Run headless: QT_QPA_PLATFORM=offscreen (set here when unset).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/frm_main.h"
#include "app/reading_document.h"
#include "app/seams.h"
#include "bench_inputs.h"

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

class NoFiles : public app::FileDialogs {
  public:
    std::optional<QString> ChartToOpen(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ChartToSave(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ExportTo(QWidget*, const QString&) override { return {}; }
    std::optional<QString> TableTo(QWidget*, const QString&) override { return {}; }
};
class DiscardChanges : public app::UnsavedQuestion {
  public:
    app::UnsavedChanges Ask(QWidget*, const QString&) override {
        return app::UnsavedChanges::Discard;
    }
};
class NoPrinter : public app::Printing {
  public:
    bool Print(QWidget*, const QString&, const std::function<void(QPagedPaintDevice&)>&) override {
        return false;
    }
};
class NoSettings : public app::SettingsStore {
  public:
    QVariant Value(const QString&) const override { return {}; }
    void SetValue(const QString&, const QVariant&) override {}
};

SilentMessages silentMessages;
NoWeb web;
NoSearch search;
NoFiles files;
DiscardChanges unsaved;
NoPrinter printing;
NoSettings settings;
app::SystemClock systemClock;
const app::Services kServices{silentMessages, web,      search,   files,
                              unsaved,        printing, settings, systemClock};

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
        app::FrmMain window(kServices);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.winId());
    }
}
BENCHMARK(WindowStartup)->Unit(benchmark::kMillisecond);

// What Qt alone needs for a window with as many widgets of the same kinds
// (the lists empty): the floor the start-up is measured against.
static void BareWindowOfTheSameWidgets(benchmark::State& state) {
    app::FrmMain reference(kServices);
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
    app::FrmMain window(kServices);
    Fill(window, "", true);
    Fill(window, "Oracle", false);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.cmdCalculate_Click();
    }
}
BENCHMARK(CalculationClick)->Unit(benchmark::kMicrosecond);

// A chart file opened, calculated and shown in a window that is already up.
static void OpenCalculateShow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.kota");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(R"({"format": "kotachakra-chart", "version": 1,
      "birth": {"Name": "Asha Rao", "Month": 1, "Day": 26, "Year": 1990, "Hour": 16,
                "Minute": 5, "ZoneHours": 5, "ZoneMinutes": 30, "LongitudeDegrees": 77,
                "LongitudeMinutes": 13, "IsEast": true, "LatitudeDegrees": 28,
                "LatitudeMinutes": 39, "IsSouth": false, "IsDaylightSaving": false},
      "day": {"Month": 7, "Day": 15, "Year": 2026, "Hour": 12, "Minute": 0,
              "ZoneHours": 1, "ZoneMinutes": 0, "LongitudeDegrees": 3, "LongitudeMinutes": 42,
              "IsEast": false, "LatitudeDegrees": 40, "LatitudeMinutes": 25, "IsSouth": false,
              "IsDaylightSaving": true, "TimeZone": "Europe/Madrid"}})");
    file.close();
    app::FrmMain window(kServices);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.OpenChartFile(path);
        window.cmdCalculate_Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(OpenCalculateShow)->Unit(benchmark::kMillisecond);

// The PDF of one reading, in memory.
static void PdfExport(benchmark::State& state) {
    ChartCalculation charts;
    ChartInput birth = bench::AtDelhi(1990, 1, 26, 16, 5);
    birth.Name = "Asha Rao";
    charts.Calculate(birth, bench::AtDelhi(2026, 12, 8, 9, 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(app::ReadingPdf(charts, "Asha Rao"));
    }
}
BENCHMARK(PdfExport)->Unit(benchmark::kMillisecond);

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
