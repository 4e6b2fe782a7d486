// One input page: the birth details (page 1, fraDOBDetails) or the details
// of the day of the reading (page 2, fraOracleDetails). Both pages have the
// same rows; page 1 adds the name and "&Next", page 2 "&Get My Kota Chakra".
#pragma once

#include <QGroupBox>

#include "app/page_zone_binding.h"
#include "input/page_input.h"

class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zkc::app {

class ClickableLabel;
class PlaceCompleter;

enum class PageKind { Birth, Oracle };

class InputPage : public QGroupBox {
    Q_OBJECT

  public:
    InputPage(PageKind kind, QWidget* parent = nullptr);

    // The page's contents as the checks read them, with the zone it is
    // bound to.
    PageFields Fields() const;

    // Shows a page's fields, its zone binding included: a chart opened from
    // a file or the pages remembered from the last run.
    void SetFields(const PageFields& page);

    // Back to the initial state: first list entries, empty boxes, DST
    // unticked, North and East, no binding.
    void Reset();

    // Fills City, State, Country, latitude and longitude from an atlas town
    // and binds the page to its zone.
    void BindToPlace(const places::City& city);
    // Back to the zone fields and their rules; the zone line goes.
    void Unbind();
    bool IsBound() const { return binding_.IsBound(); }
    // Shows the bound zone's offset for the page's date and time.
    void RefreshZone();

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
    QPushButton* cmdGo = nullptr;   // "&Next" on page 1, "&Get My Kota Chakra" on page 2
    QLabel* lblZoneLine = nullptr;  // the bound zone and its offset on the page's date
    PlaceCompleter* placeCompleter = nullptr;

  signals:
    // Any field of the page changed, by the user or by the program.
    void edited();

  private:
    void ConnectSignals();
    PageFields FieldsAsShown() const;

    PageKind kind_;
    PageZoneBinding binding_;
};

}  // namespace zkc::app
