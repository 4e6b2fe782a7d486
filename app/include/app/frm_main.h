// frmMain: the program's one working window. Three pages lie at one place:
// the birth details, the details of the day, and the result. The page in
// front is the only one shown: the pages it covers are hidden as well, so
// that neither the keyboard nor a screen reader reaches a page nobody sees.
// No page is ever destroyed, so every control keeps its contents.
#pragma once

#include <QMainWindow>

#include "driver/chart_calculation.h"
#include "input/page_input.h"

class QAction;
class QFrame;
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
    void ShowMessage(std::string_view text, MessageIcon icon);

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
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;
    QList<QLineEdit*> digitOnlyBoxes_;
};

}  // namespace zkc::app
