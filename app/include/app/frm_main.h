// frmMain: the program's one working window. Three pages lie at one place:
// the birth details, the details of the day, and the result. The page in
// front is the only one shown: the pages it covers are hidden as well, so
// that neither the keyboard nor a screen reader reaches a page nobody sees.
// No page is ever destroyed, so every control keeps its contents.
#pragma once

#include <QMainWindow>
#include <optional>

#include "app/file_seams.h"
#include "app/page_memory.h"
#include "driver/chart_calculation.h"
#include "input/page_input.h"

class QAction;
class QFrame;
class QMenu;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace zkc::app {

class ClickableLabel;
class EnterKey;
class InputPage;
class MessageBoxes;
class ResultPage;
class WebOpener;
class WebSearchComponent;

// The outside world as the window reaches it.
struct Services {
    MessageBoxes& messages;
    WebOpener& web;
    WebSearchComponent& search;
    FileDialogs& files;
    UnsavedQuestion& unsaved;
    Printing& printing;
    SettingsStore& settings;
    Clock& clock;
};

class FrmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit FrmMain(Services services, QWidget* parent = nullptr);

    // Event handlers, named after their control and event.
    void Form_Load();
    void cmdNext_Click();
    void cmdCalculate_Click();
    void cmdBack_Click();
    void mnuCalculate_Click();
    void mnuTransits_Click();
    void lblTZHelp_Click();
    void lblTZHelpOracle_Click();
    void cmdBrowser_Click(int index);
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuMakeMoney_Click();
    void lblBanner_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();
    void RTBResult_Change();
    void RTBResult_Click();
    void RTBResult_MouseDown();
    void RTBResult_MouseMove();
    void RTBResult_MouseUp();

    // The File menu's chart files, export, printing and quitting.
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuQuit_Click();
    void mnuSetDayToNow_Click();

    // Shows a chart file in both pages. A file that cannot be read or is
    // refused changes nothing and says why. True when it was opened.
    bool OpenChartFile(const QString& path);
    // Writes both pages to a chart file; the pages must pass their checks.
    bool SaveChartFile(const QString& path);
    // Writes the reading of the current pages as a PDF or PNG by the path's
    // suffix, computing it first.
    bool ExportReading(const QString& path);

    // The chart file shown, empty when the pages are not from a file.
    const QString& CurrentFile() const { return currentFile_; }

    // The page checks; each shows its own message and moves the focus.
    bool ValidateDOBDetails();
    bool ValidateOracleDetails();

    // The reading of the last calculation into RTBResult.
    void Kota_Chakra();

    // The page in front: fraDOBDetails, fraOracleDetails or fraResult.
    QWidget* FrontPage() const;

    // The first control of a page, where the focus goes when it comes to
    // the front.
    QWidget* FirstField(QWidget* page) const;

    const ChartCalculation& Charts() const { return charts_; }

    // True while the zone picker is to fill page 2.
    bool bTimeZoneForOracle = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildClientArea();
    void Arrange();
    void PlaceOnScreen();
    void ConnectSignals();
    void ShowPage(QWidget* page);
    bool Validate(InputPage& page);
    bool AcceptDigitKey(const QKeyEvent& key);
    void FindLatLongOnline(int index);
    void OpenTimeZonePicker(bool forOracle);
    void OpenWebPage(const QUrl& address);
    void BuildFileMenu(QMenu* file);
    void FillRecentMenu();
    void SetCurrentFile(const QString& path);
    // The chart just opened or saved: the current file, first of the recent
    // ones, its folder the last used.
    void BecomeCurrentFile(const QString& path);
    // Checks both pages (birth first), computes both charts and writes the
    // reading; false when a check or the zone refused, with its message.
    bool ComputeReading();
    // True when nothing unsaved would be lost: saved, discarded or clean.
    bool MayDiscardChanges();
    void RememberPages();
    void RestorePages();
    void ShowMessage(std::string_view text, MessageIcon icon);
    // The chart input of a page with its bound zone applied; a time the
    // zone's clocks skipped is refused with a message.
    std::optional<ChartInput> MomentOf(InputPage& page);

    Services services_;
    ChartCalculation charts_;

    QScrollArea* scroll_ = nullptr;  // the client area scrolls on a screen too small for it
    QWidget* client_ = nullptr;
    ClickableLabel* lblBanner_ = nullptr;
    QLabel* introduction_ = nullptr;
    QFrame* fraMain_ = nullptr;
    InputPage* fraDOBDetails_ = nullptr;
    InputPage* fraOracleDetails_ = nullptr;
    ResultPage* fraResult_ = nullptr;
    EnterKey* enterOnBirth_ = nullptr;
    EnterKey* enterOnDay_ = nullptr;
    QFrame* fraFullBrand_ = nullptr;
    ClickableLabel* lblFullBrand_ = nullptr;
    ClickableLabel* lblCobrand_ = nullptr;
    QAction* mnuCalculate_ = nullptr;
    QAction* mnuTransits_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;
    QAction* mnuNew_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QMenu* mnuRecent_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuExport_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QAction* mnuQuit_ = nullptr;
    QAction* mnuSetDayToNow_ = nullptr;
    QString currentFile_;
    RecentCharts recent_;
    QList<QLineEdit*> digitOnlyBoxes_;
};

}  // namespace zkc::app
