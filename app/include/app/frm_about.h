// frmAbout: the modal About box.
#pragma once

#include <QDialog>

class QPushButton;

namespace zkc::app {

class ClickableLabel;
class WebOpener;

class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    FrmAbout(WebOpener& web, QWidget* parent = nullptr);

    ClickableLabel* lblHomePage = nullptr;
    ClickableLabel* lblCoBrand = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace zkc::app
