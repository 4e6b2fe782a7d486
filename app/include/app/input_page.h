// One input page: the birth details (page 1, fraDOBDetails) or the details
// of the day of the reading (page 2, fraOracleDetails). Both pages have the
// same rows; page 1 adds the name and "&Next", page 2 "&Get My Kota Chakra".
#pragma once

#include <QGroupBox>

#include "input/page_input.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zkc::app {

class ClickableLabel;

enum class PageKind { Birth, Oracle };

class InputPage : public QGroupBox {
    Q_OBJECT

  public:
    InputPage(PageKind kind, QWidget* parent = nullptr);

    // The page's contents as the checks read them.
    PageFields Fields() const;

    // The text box of a field, for the focus after a failed check.
    QWidget* FieldWidget(PageField field) const;

    // Fills the lists and selects their first entries.
    void FillLists();

    QLineEdit* txtName = nullptr;  // page 1 only
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    ClickableLabel* lblTZHelp = nullptr;
    QCheckBox* chkDST = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QRadioButton* optNorth = nullptr;
    QRadioButton* optSouth = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QRadioButton* optEast = nullptr;
    QRadioButton* optWest = nullptr;
    QLineEdit* txtUserCity = nullptr;
    QLineEdit* txtUserState = nullptr;
    QLineEdit* txtUserCountry = nullptr;
    QPushButton* cmdBrowser = nullptr;
    QPushButton* cmdGo = nullptr;  // "&Next" on page 1, "&Get My Kota Chakra" on page 2

  private:
    PageKind kind_;
};

}  // namespace zkc::app
