#include "app/screen_reader_names.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/clickable_label.h"
#include "app/input_page.h"
#include "app/place_completer.h"

namespace zkc::app {
namespace {

// On Linux, Qt reports a drop-down list's current entry as its name and
// leaves the caption to a label relation, which the minute, second, day and
// year lists have none of ("0, combo box"). This one reports the list's own
// name, its entry as its value, and opens on a screen reader's press.
class AccessibleList : public QAccessibleWidget {
  public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return List()->currentText();
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == List()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            List()->showPopup();
        }
    }

  private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && list && !list->isEditable() &&
        !list->accessibleName().isEmpty()) {
        return new AccessibleList(list);
    }
    return nullptr;
}

}  // namespace

void NameForScreenReaders(InputPage& page, PageKind kind) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ListFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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
    page.txtUserCity->setAccessibleDescription(
        "Type a town to choose it from the atlas: it fills the place and binds the page to "
        "the town's time zone");
    name(page.lblZoneLine, "bound time zone");
    name(page.placeCompleter->popup(), "towns of the atlas");
    name(page.txtUserState, "state");
    name(page.txtUserCountry, "country");
}

}  // namespace zkc::app
