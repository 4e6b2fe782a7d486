#include "app/screen_reader_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/clickable_label.h"
#include "app/input_page.h"

namespace zkc::app {

void NameForScreenReaders(InputPage& page, PageKind kind) {
    // Only the page in front is shown to a screen reader, but the page's
    // word keeps the names apart in lists of every control.
    const QString of = kind == PageKind::Birth ? "Birth" : "Day";
    const auto name = [&of](QWidget* w, const char* what) {
        w->setAccessibleName(of + " " + QLatin1String(what));
    };
    if (page.txtName) {
        page.txtName->setAccessibleName("Name");
    }
    name(page.cboMonth, "date month");
    name(page.cboDate, "date day");
    name(page.cboYear, "date year");
    name(page.cboHH, "time hours");
    name(page.cboMM, "time minutes");
    name(page.cboSS, "time seconds");
    name(page.txtZoneHour, "time zone hours");
    name(page.txtZoneMinute, "time zone minutes");
    name(page.lblTZHelp, "time zone help");
    name(page.chkDST, "time zone daylight saving (DST)");
    name(page.txtZoneHour->parentWidget(), "time zone");
    name(page.txtLatD, "latitude degrees");
    name(page.txtLatM, "latitude minutes");
    name(page.optNorth, "latitude North");
    name(page.optSouth, "latitude South");
    name(page.txtLonD, "longitude degrees");
    name(page.txtLonM, "longitude minutes");
    name(page.optEast, "longitude East");
    name(page.optWest, "longitude West");
    name(page.txtUserCity, "city");
    name(page.txtUserState, "state");
    name(page.txtUserCountry, "country");
}

}  // namespace zkc::app
