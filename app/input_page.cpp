#include "app/input_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/app_style.h"
#include "app/clickable_label.h"
#include "app/place_completer.h"
#include "app/screen_reader_names.h"
#include "app/wrapping_push_button.h"
#include "documents/core_text.h"
#include "engine/month_names.h"
#include "input/page_lists.h"
#include "places/coordinates.h"

namespace zkc::app {
namespace {

constexpr int kNumberLength = 5;  // room for the zone picker's "-30" and a little more

// A row's caption, bold, labelling the row's first field for screen readers.
QLabel* Caption(const QString& text, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setFont(CaptionFont());
    label->setBuddy(buddy);
    return label;
}

// A regular-weight tag beside a field ("Hour", "Deg"), labelling it.
QLabel* Tag(const QString& text, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* NumberBox(const QString& name, int digits, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(kNumberLength);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) +
                       12);
    return box;
}

// A drop-down list as wide as its widest entry, given rather than measured:
// the fixed size-adjust policy keeps Qt from measuring every entry (the
// twelve lists of the two pages hold 674).
QComboBox* List(const QString& name, const QString& widest, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(1);
    list->setMaxVisibleItems(16);
    list->setFixedWidth(list->fontMetrics().horizontalAdvance(widest) + 30);
    return list;
}

}  // namespace

InputPage::InputPage(PageKind kind, QWidget* parent) : QGroupBox(parent), kind_(kind) {
    const bool birth = kind == PageKind::Birth;
    // Page 2's controls carry the suffix "Oracle" ("_Oracle" for the place
    // texts); the control arrays carry their index.
    const auto name = [birth](const char* base) {
        return birth ? QString::fromLatin1(base) : QString::fromLatin1(base) + "Oracle";
    };
    const auto placeName = [birth](const char* base) {
        return birth ? QString::fromLatin1(base) : QString::fromLatin1(base) + "_Oracle";
    };
    const int arrayBase = birth ? 0 : 2;

    setObjectName(birth ? "fraDOBDetails" : "fraOracleDetails");
    setTitle(birth ? "Personal Details" : "Enter Details of Day to be Calculated");
    setFont(CaptionFont());
    PaintBackground(this, kFrameGreen, Qt::black);

    // Everything inside the frame is in the regular font; captions are bold.
    auto* body = new QWidget(this);
    body->setFont(ApplicationFont());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(5, 2, 5, 4);
    outer->addWidget(body);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    int row = 0;

    if (birth) {
        txtName = new QLineEdit(body);
        txtName->setObjectName("txtName");
        txtName->setMaxLength(static_cast<int>(kMaxTextLength));
        grid->addWidget(Caption("Name", body, txtName), row, 0);
        grid->addWidget(txtName, row++, 1, 1, 2);
    }

    auto* dateRow = new QHBoxLayout;
    cboMonth = List(name("cboMonth"), "September", body);
    cboDate = List(name("cboDate"), "31", body);
    cboYear = List(name("cboYear"), QString::number(kListedYears.Last), body);
    dateRow->addWidget(cboMonth);
    dateRow->addWidget(cboDate);
    dateRow->addWidget(cboYear);
    dateRow->addStretch();
    grid->addWidget(Caption(birth ? "Date of Birth" : "Date", body, cboMonth), row, 0);
    grid->addLayout(dateRow, row++, 1, 1, 2);

    auto* timeRow = new QHBoxLayout;
    cboHH = List(name("cboHH"), "23", body);
    cboMM = List(name("cboMM"), "59", body);
    cboSS = List(name("cboSS"), "59", body);
    timeRow->addWidget(cboHH);
    timeRow->addWidget(cboMM);
    timeRow->addWidget(cboSS);
    timeRow->addWidget(Tag("HH:MM:SS", body, cboHH));
    timeRow->addStretch();
    grid->addWidget(Caption(birth ? "Time of Birth" : "Time", body, cboHH), row, 0);
    grid->addLayout(timeRow, row++, 1, 1, 2);

    auto* zone = new QFrame(body);
    zone->setObjectName(name("fraZone"));
    zone->setFrameShape(QFrame::StyledPanel);
    auto* zoneRow = new QHBoxLayout(zone);
    zoneRow->setContentsMargins(3, 1, 3, 1);
    zoneRow->setSpacing(4);
    txtZoneHour = NumberBox(name("txtZoneHour"), 3, zone);
    txtZoneMinute = NumberBox(name("txtZoneMinute"), 3, zone);
    lblTZHelp = new ClickableLabel("TZ Help", zone);
    lblTZHelp->setObjectName(name("lblTZHelp"));
    StyleAsLink(lblTZHelp);
    chkDST = new QCheckBox("DST", zone);
    chkDST->setObjectName(name("chkDST"));
    zoneRow->addWidget(Tag("Hour", zone, txtZoneHour));
    zoneRow->addWidget(txtZoneHour);
    zoneRow->addWidget(Tag("Min", zone, txtZoneMinute));
    zoneRow->addWidget(txtZoneMinute);
    zoneRow->addStretch();
    zoneRow->addWidget(lblTZHelp);
    zoneRow->addWidget(chkDST);
    grid->addWidget(Caption("Time Zone", body, txtZoneHour), row, 0);
    grid->addWidget(zone, row++, 1, 1, 2);

    // The bound zone's line. It keeps its room while empty, so that binding
    // and unbinding never move the rows below it.
    lblZoneLine = new QLabel(body);
    lblZoneLine->setObjectName(name("lblZoneLine"));
    lblZoneLine->setWordWrap(true);
    lblZoneLine->setMinimumHeight(2 * lblZoneLine->fontMetrics().lineSpacing());
    lblZoneLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(lblZoneLine, row++, 1, 1, 2);

    // Latitude (left) and longitude (right): degrees and minutes, and the
    // two exclusive directions of each group.
    const auto angleGroup = [&](const char* title, QLineEdit*& degrees, const char* degreesName,
                                QLineEdit*& minutes, const char* minutesName, QRadioButton*& first,
                                const char* firstCaption, QRadioButton*& second,
                                const char* secondCaption, const char* arrayName) {
        auto* group = new QGroupBox(title, body);
        group->setFont(CaptionFont());
        auto* inside = new QWidget(group);
        inside->setFont(ApplicationFont());
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setContentsMargins(4, 0, 4, 2);
        groupLayout->addWidget(inside);
        auto* g = new QGridLayout(inside);
        g->setContentsMargins(0, 0, 0, 0);
        g->setVerticalSpacing(1);
        g->setHorizontalSpacing(3);
        degrees = NumberBox(name(degreesName), 3, inside);
        minutes = NumberBox(name(minutesName), 2, inside);
        first = new QRadioButton(firstCaption, inside);
        second = new QRadioButton(secondCaption, inside);
        first->setObjectName(QString("%1_%2").arg(arrayName).arg(arrayBase));
        second->setObjectName(QString("%1_%2").arg(arrayName).arg(arrayBase + 1));
        auto* exclusive = new QButtonGroup(group);
        exclusive->addButton(first);
        exclusive->addButton(second);
        first->setChecked(true);
        g->addWidget(Tag("Deg", inside, degrees), 0, 0);
        g->addWidget(degrees, 0, 1);
        g->addWidget(Tag("Min", inside, minutes), 0, 2);
        g->addWidget(minutes, 0, 3);
        g->addWidget(first, 1, 0, 1, 2);
        g->addWidget(second, 1, 2, 1, 2);
        return group;
    };
    auto* places = new QHBoxLayout;
    places->setSpacing(4);
    places->addWidget(angleGroup("Latitude", txtLatD, "txtLatD", txtLatM, "txtLatM", optNorth,
                                 "North", optSouth, "South", "optLat"));
    places->addWidget(angleGroup("Longitude", txtLonD, "txtLonD", txtLonM, "txtLonM", optEast,
                                 "East", optWest, "West", "optLong"));
    grid->addLayout(places, row++, 0, 1, 3);

    txtUserCity = new QLineEdit(body);
    txtUserState = new QLineEdit(body);
    txtUserCountry = new QLineEdit(body);
    txtUserCity->setObjectName(placeName("txtUserCity"));
    txtUserState->setObjectName(placeName("txtUserState"));
    txtUserCountry->setObjectName(placeName("txtUserCountry"));
    cmdBrowser = new WrappingPushButton("Click Here To Find Latitude && Longitude", body);
    cmdBrowser->setObjectName(QString("cmdBrowser_%1").arg(birth ? 0 : 1));
    const int placeRow = row;
    for (auto [caption, box] : {std::pair{"City", txtUserCity}, std::pair{"State", txtUserState},
                                std::pair{"Country", txtUserCountry}}) {
        box->setMaxLength(static_cast<int>(kMaxTextLength));
        grid->addWidget(Caption(caption, body, box), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(cmdBrowser, placeRow, 2, 3, 1);

    grid->setRowStretch(row++, 1);  // the button sits at the bottom of the page
    if (birth) {
        cmdGo = new QPushButton("&Next", body);
        cmdGo->setObjectName("cmdNext");
        auto* goRow = new QHBoxLayout;
        goRow->addStretch();
        goRow->addWidget(cmdGo);
        grid->addLayout(goRow, row++, 0, 1, 3);
    } else {
        cmdGo = new QPushButton("&Get My Kota Chakra", body);
        cmdGo->setObjectName("cmdCalculate");
        grid->addWidget(cmdGo, row++, 0, 1, 3);
    }
    cmdGo->setFont(CaptionFont());
    grid->setColumnStretch(1, 1);

    // The order in which Tab visits the page.
    QList<QWidget*> order;
    if (birth) {
        order << txtName;
    }
    order << cboMonth << cboDate << cboYear << cboHH << cboMM << cboSS << txtLonD << txtLonM
          << optEast << txtLatD << txtLatM << optNorth << txtUserCity << txtUserState
          << txtUserCountry << cmdGo << txtZoneHour << txtZoneMinute << chkDST << cmdBrowser
          << lblTZHelp;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    placeCompleter = new PlaceCompleter(txtUserCity);
    NameForScreenReaders(*this, kind);
    ConnectSignals();
}

// The page's own signals: completing the City box from the atlas, and
// keeping a binding to a zone, all connected here.
void InputPage::ConnectSignals() {
    connect(txtUserCity, &QLineEdit::textEdited, placeCompleter, &PlaceCompleter::Offer);
    connect(placeCompleter, &PlaceCompleter::placeChosen, this,
            [this](const places::City& city) { BindToPlace(city); });
    // Typing a zone or a coordinate of one's own leaves the town's zone.
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute, txtLatD, txtLatM, txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textEdited, this, [this] { Unbind(); });
    }
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{chkDST, optNorth, optSouth, optEast, optWest}) {
        connect(button, &QAbstractButton::clicked, this, [this] { Unbind(); });
    }
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { RefreshZone(); });
    }

    // Every change of a field, for the window's modified mark.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textChanged, this, &InputPage::edited);
    }
    for (QComboBox* list : findChildren<QComboBox*>()) {
        connect(list, &QComboBox::currentIndexChanged, this, &InputPage::edited);
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            connect(button, &QAbstractButton::toggled, this, &InputPage::edited);
        }
    }
}

void InputPage::SetFields(const PageFields& page) {
    if (txtName) {
        txtName->setText(QString::fromStdString(page.Name));
    }
    cboMonth->setCurrentIndex(page.MonthIndex);
    cboDate->setCurrentIndex(page.DayIndex);
    cboYear->setCurrentIndex(cboYear->findText(QString::number(page.Year)));
    cboHH->setCurrentIndex(cboHH->findText(QString::number(page.Hour)));
    cboMM->setCurrentIndex(cboMM->findText(QString::number(page.Minute)));
    txtZoneHour->setText(QString::fromStdString(page.ZoneHour));
    txtZoneMinute->setText(QString::fromStdString(page.ZoneMinute));
    chkDST->setChecked(page.IsDaylightSaving);
    txtLatD->setText(QString::fromStdString(page.LatDegrees));
    txtLatM->setText(QString::fromStdString(page.LatMinutes));
    (page.IsSouth ? optSouth : optNorth)->setChecked(true);
    txtLonD->setText(QString::fromStdString(page.LonDegrees));
    txtLonM->setText(QString::fromStdString(page.LonMinutes));
    (page.IsEast ? optEast : optWest)->setChecked(true);
    txtUserCity->setText(QString::fromStdString(page.City));
    txtUserState->setText(QString::fromStdString(page.State));
    txtUserCountry->setText(QString::fromStdString(page.Country));
    if (page.TimeZone.empty()) {
        binding_.Unbind();
    } else {
        binding_.Bind(QString::fromStdString(page.TimeZone), page.Place);
    }
    RefreshZone();
}

void InputPage::Reset() {
    PageFields initial;
    initial.HasName = kind_ == PageKind::Birth;
    SetFields(initial);
    cboSS->setCurrentIndex(0);
}

void InputPage::BindToPlace(const places::City& city) {
    const places::DegreesMinutes lat = places::ToDegreesMinutes(city.LatitudeDegrees);
    const places::DegreesMinutes lon = places::ToDegreesMinutes(city.LongitudeDegrees);
    txtUserCity->setText(city.Name);
    txtUserState->setText(city.State);
    txtUserCountry->setText(city.Country);
    txtLatD->setText(QString::number(lat.Degrees));
    txtLatM->setText(QString::number(lat.Minutes));
    (lat.Negative ? optSouth : optNorth)->setChecked(true);
    txtLonD->setText(QString::number(lon.Degrees));
    txtLonM->setText(QString::number(lon.Minutes));
    (lon.Negative ? optWest : optEast)->setChecked(true);
    binding_.Bind(city);
    RefreshZone();
}

void InputPage::Unbind() {
    if (binding_.IsBound()) {
        binding_.Unbind();
        RefreshZone();
    }
}

void InputPage::RefreshZone() {
    if (!binding_.IsBound()) {
        lblZoneLine->clear();
        return;
    }
    const PageZoneBinding::Shown shown = binding_.ShownFor(FieldsAsShown());
    lblZoneLine->setText(shown.Line);
    if (shown.Fields) {
        // The same offset in the page's own terms: standard offset and DST.
        txtZoneHour->setText(QString::number(shown.Fields->Hours));
        txtZoneMinute->setText(QString::number(shown.Fields->Minutes));
        chkDST->setChecked(shown.Fields->DaylightSaving);
    }
}

void InputPage::FillLists() {
    QStringList months;
    for (std::string_view month : kMonthNames) {
        months << FromCore(month);
    }
    const auto numbers = [](ListRange range) {
        QStringList list;
        for (int n = range.First; n <= range.Last; ++n) {
            list << QString::number(n);
        }
        return list;
    };
    cboMonth->addItems(months);
    cboDate->addItems(numbers(kListedDays));
    cboYear->addItems(numbers(kListedYears));
    cboHH->addItems(numbers(kListedHours));
    cboMM->addItems(numbers(kListedMinutes));
    cboSS->addItems(numbers(kListedMinutes));
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        list->setCurrentIndex(0);
    }
}

PageFields InputPage::Fields() const {
    PageFields page = FieldsAsShown();
    binding_.WriteInto(page);
    return page;
}

PageFields InputPage::FieldsAsShown() const {
    PageFields page;
    page.HasName = kind_ == PageKind::Birth;
    if (txtName) {
        page.Name = txtName->text().toStdString();
    }
    page.MonthIndex = cboMonth->currentIndex();
    page.DayIndex = cboDate->currentIndex();
    page.Year = cboYear->currentText().trimmed().toInt();
    page.Hour = cboHH->currentText().trimmed().toInt();
    page.Minute = cboMM->currentText().trimmed().toInt();
    page.ZoneHour = txtZoneHour->text().toStdString();
    page.ZoneMinute = txtZoneMinute->text().toStdString();
    page.LonDegrees = txtLonD->text().toStdString();
    page.LonMinutes = txtLonM->text().toStdString();
    page.LatDegrees = txtLatD->text().toStdString();
    page.LatMinutes = txtLatM->text().toStdString();
    page.IsDaylightSaving = chkDST->isChecked();
    page.IsEast = optEast->isChecked();
    page.IsSouth = optSouth->isChecked();
    page.City = txtUserCity->text().toStdString();
    page.State = txtUserState->text().toStdString();
    page.Country = txtUserCountry->text().toStdString();
    return page;
}

QWidget* InputPage::FieldWidget(PageField field) const {
    switch (field) {
        case PageField::Name:
            return txtName;
        case PageField::ZoneHour:
            return txtZoneHour;
        case PageField::ZoneMinute:
            return txtZoneMinute;
        case PageField::LonDegrees:
            return txtLonD;
        case PageField::LonMinutes:
            return txtLonM;
        case PageField::LatDegrees:
            return txtLatD;
        case PageField::LatMinutes:
            return txtLatM;
        case PageField::City:
            return txtUserCity;
        case PageField::State:
            return txtUserState;
        case PageField::Country:
            return txtUserCountry;
        case PageField::None:
            break;
    }
    return nullptr;
}

}  // namespace zkc::app
