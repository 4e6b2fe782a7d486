// frmTimeZone: the modal time zone picker. A double-click on a row, or
// Enter on it, writes that zone's hours and minutes into the zone fields of
// the page whose "TZ Help" was clicked, and closes the picker; Escape and
// "&Quit" close it without changing anything.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zkc::app {

// The two zone fields of each page.
struct ZoneFields {
    QLineEdit* hour;
    QLineEdit* minute;
};

class FrmTimeZone : public QDialog {
    Q_OBJECT

  public:
    // bTimeZoneForOracle is shared with the main window: true when the
    // picker fills page 2, false for page 1.
    FrmTimeZone(bool& bTimeZoneForOracle, ZoneFields page1, ZoneFields page2,
                QWidget* parent = nullptr);

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

    bool& bTimeZoneForOracle_;
    ZoneFields page1_;
    ZoneFields page2_;
};

}  // namespace zkc::app
