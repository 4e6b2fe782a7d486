#include "app/frm_main.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "app/app_style.h"
#include "app/clickable_label.h"
#include "app/emblem.h"
#include "app/enter_key.h"
#include "app/frm_about.h"
#include "app/frm_time_zone.h"
#include "app/frm_transits.h"
#include "app/input_page.h"
#include "app/page_frame.h"
#include "app/report_text_box.h"
#include "app/result_page.h"
#include "app/seams.h"
#include "app/twips.h"
#include "app/web_links.h"
#include "documents/core_text.h"
#include "kota/kota_chakra.h"
#include "places/page_zone.h"
#include "version/version.h"

namespace zkc::app {
namespace {

// The design, in twips: client area 8415 × 6060, and within it (left, top,
// width, height) the banner, the page frames, the text beside the input
// pages, the input pages within fraMain, and the promotional strip.
constexpr int kClientWidth = 8415;
constexpr int kClientHeight = 6060;
constexpr int kBanner[] = {1717, 0, 4980, 435};
constexpr int kIntroduction[] = {480, 960, 2025, 2835};
constexpr int kInputPage[] = {2880, 240, 5050, 4275};
constexpr int kBrandStrip[] = {30, 5200, 8350, 840};

QRect Place(const TwipsScale& scale, const int (&r)[4]) {
    return scale(r[0], r[1], r[2], r[3]);
}

ClickableLabel* WhiteLink(const QString& text, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    PaintBackground(label, kWindowGreen, Qt::white);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

FrmMain::FrmMain(Services services, QWidget* parent)
    : QMainWindow(parent), services_(services), recent_(services.settings) {
    setObjectName("frmMain");
    setWindowIcon(EmblemIcon());
    setFont(ApplicationFont());
    BuildMenus();
    BuildClientArea();
    ConnectSignals();
    Form_Load();
    RestorePages();
    SetCurrentFile(QString());
    PlaceOnScreen();
}

void FrmMain::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    mnuCalculate_ = file->addAction("&Calculate");
    mnuCalculate_->setObjectName("mnuCalculate");
    BuildFileMenu(file);

    QMenu* help = bar->addMenu("&Help");
    mnuOnline_ = help->addAction("&Online Help");
    mnuOnline_->setObjectName("mnuOnline");
    mnuOnline_->setShortcut(QKeySequence::HelpContents);
    mnuVisit_ = help->addAction("&Visit Us Online");
    mnuVisit_->setObjectName("mnuVisit");
    help->addSeparator();
    mnuUpdate_ = help->addAction("Check for Software &Update");
    mnuUpdate_->setObjectName("mnuUpdate");
    help->addSeparator();
    mnuAbout_ = help->addAction("&About Software");
    mnuAbout_->setObjectName("mnuAbout");

    mnuMakeMoney_ = bar->addAction("Make Money &Online");
    mnuMakeMoney_->setObjectName("mnuMakeMoney");
}

void FrmMain::BuildClientArea() {
    // The designed client area keeps its size and stands in the middle of
    // the window; a window larger than it shows the window green around it,
    // a smaller one scrolls.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("scrollArea");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    PaintBackground(scroll_, kWindowGreen, Qt::white);
    auto* canvas = new QWidget;
    canvas->setObjectName("canvas");
    PaintBackground(canvas, kWindowGreen, Qt::white);
    auto* centring = new QGridLayout(canvas);
    centring->setContentsMargins(0, 0, 0, 0);
    client_ = new QWidget(canvas);
    client_->setObjectName("clientArea");
    PaintBackground(client_, kWindowGreen, Qt::white);
    centring->addWidget(client_, 0, 0, Qt::AlignCenter);
    scroll_->setWidget(canvas);
    setCentralWidget(scroll_);

    lblBanner_ = WhiteLink("Click here to visit our online discussion board", client_);
    lblBanner_->setObjectName("lblBanner");
    QFont bannerFont = CaptionFont();
    lblBanner_->setFont(bannerFont);

    // The result page first, so that the input frame starts above it.
    fraResult_ = new ResultPage(client_);

    fraMain_ = new QFrame(client_);
    fraMain_->setObjectName("fraMain");
    fraMain_->setFrameShape(QFrame::StyledPanel);
    PaintBackground(fraMain_, kFrameGreen, Qt::black);
    auto* introduction = new QLabel(
        "Zorvik Kota Chakra is a Vedic Astrology based chart that gives you information about "
        "how illnesses, problems and disputes may affect you. Just enter your personal details "
        "and the details of the day you want the reading for to get started!",
        fraMain_);
    introduction->setObjectName("lblIntroduction");
    introduction->setWordWrap(true);
    introduction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    introduction->setFont(CaptionFont());
    QPalette introPalette = introduction->palette();
    introPalette.setColor(QPalette::WindowText, kWindowGreen);
    introduction->setPalette(introPalette);
    introduction_ = introduction;

    fraOracleDetails_ = new InputPage(PageKind::Oracle, fraMain_);
    fraDOBDetails_ = new InputPage(PageKind::Birth, fraMain_);
    enterOnBirth_ = new EnterKey(fraDOBDetails_);
    enterOnDay_ = new EnterKey(fraOracleDetails_);
    // Enter on a focused button presses that button, not the page's.
    for (InputPage* page : {fraDOBDetails_, fraOracleDetails_}) {
        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            button->setAutoDefault(true);
        }
    }
    digitOnlyBoxes_ = {fraDOBDetails_->txtLatD,     fraDOBDetails_->txtLatM,
                       fraDOBDetails_->txtLonD,     fraDOBDetails_->txtLonM,
                       fraDOBDetails_->txtZoneHour, fraDOBDetails_->txtZoneMinute};
    for (QLineEdit* box : digitOnlyBoxes_) {
        box->installEventFilter(this);
    }

    // The promotional strip: lblFullBrand lies over lblCobrand at the same
    // place and covers it.
    fraFullBrand_ = new QFrame(client_);
    fraFullBrand_->setObjectName("fraFullBrand");
    PaintBackground(fraFullBrand_, kWindowGreen, Qt::white);
    lblCobrand_ = WhiteLink(
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details. Click Here for more info on "
        "co-branding.",
        fraFullBrand_);
    lblCobrand_->setObjectName("lblCobrand");
    lblFullBrand_ = WhiteLink(
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.",
        fraFullBrand_);
    lblFullBrand_->setObjectName("lblFullBrand");
    lblFullBrand_->raise();
    // Nobody can see or click the covered label, so neither the keyboard nor
    // a screen reader is led to it.
    lblCobrand_->setFocusPolicy(Qt::NoFocus);
    lblCobrand_->hide();

    Arrange();
}

void FrmMain::Arrange() {
    // Grow the design until both input pages and the introduction fit.
    const QSize page = Place(TwipsScale(), kInputPage).size();
    double growth = 1.0;
    for (const InputPage* p : {fraDOBDetails_, fraOracleDetails_}) {
        const QSize needed = p->minimumSizeHint();
        growth = std::max({growth, double(needed.width()) / page.width(),
                           double(needed.height()) / page.height()});
    }
    const QRect intro = Place(TwipsScale(), kIntroduction);
    const int introHeight = introduction_->heightForWidth(intro.width());
    growth = std::max(growth, std::sqrt(double(introHeight) / intro.height()));
    const TwipsScale scale(growth);

    client_->setFixedSize(scale(kClientWidth), scale(kClientHeight));
    lblBanner_->setGeometry(Place(scale, kBanner));
    fraMain_->setGeometry(Place(scale, kPageFrameTwips));
    fraResult_->setGeometry(Place(scale, kPageFrameTwips));
    fraResult_->Arrange(scale);
    introduction_->setGeometry(Place(scale, kIntroduction));
    fraDOBDetails_->setGeometry(Place(scale, kInputPage));
    fraOracleDetails_->setGeometry(Place(scale, kInputPage));
    fraFullBrand_->setGeometry(Place(scale, kBrandStrip));
    const QRect strip = fraFullBrand_->rect().adjusted(4, 2, -4, -2);
    lblCobrand_->setGeometry(strip);
    lblFullBrand_->setGeometry(strip);
    client_->setAccessibleName(QString::fromUtf8(kProductName));
}

// At start the window is as large as its design, but never larger than the
// screen's free area, and stands in its middle.
void FrmMain::PlaceOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    // Room for the title bar and borders the window manager adds.
    constexpr int kTitleBar = 40;
    constexpr int kBorder = 4;
    const QRect free = screen->availableGeometry();
    // The scroll area's own size hint is capped; the design is what counts.
    QSize designed(client_->width(), client_->height() + menuBar()->sizeHint().height());
    if (designed.height() > free.height() - kTitleBar - kBorder) {
        // A window cut in height scrolls up and down; the bar needs room.
        designed.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    }
    const QSize size(std::min(designed.width(), free.width() - 2 * kBorder),
                     std::min(designed.height(), free.height() - kTitleBar - kBorder));
    resize(size);
    move(free.left() + (free.width() - size.width()) / 2,
         free.top() + (free.height() - size.height() - kTitleBar - kBorder) / 2 + kTitleBar);
}

// Every signal of the window is connected here.
void FrmMain::ConnectSignals() {
    connect(fraDOBDetails_->cmdGo, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(fraOracleDetails_->cmdGo, &QPushButton::clicked, this,
            [this] { cmdCalculate_Click(); });
    connect(fraResult_->cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(fraDOBDetails_->lblTZHelp, &ClickableLabel::clicked, this,
            [this] { lblTZHelp_Click(); });
    connect(fraOracleDetails_->lblTZHelp, &ClickableLabel::clicked, this,
            [this] { lblTZHelpOracle_Click(); });
    connect(fraDOBDetails_->cmdBrowser, &QPushButton::clicked, this,
            [this] { cmdBrowser_Click(0); });
    connect(fraOracleDetails_->cmdBrowser, &QPushButton::clicked, this,
            [this] { cmdBrowser_Click(1); });

    connect(mnuCalculate_, &QAction::triggered, this, [this] { mnuCalculate_Click(); });
    connect(mnuNew_, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(mnuOpen_, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuRecent_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
    connect(mnuSave_, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuSaveAs_, &QAction::triggered, this, [this] { mnuSaveAs_Click(); });
    connect(mnuExport_, &QAction::triggered, this, [this] { mnuExport_Click(); });
    connect(mnuPrint_, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuQuit_, &QAction::triggered, this, [this] { mnuQuit_Click(); });
    connect(mnuSetDayToNow_, &QAction::triggered, this, [this] { mnuSetDayToNow_Click(); });
    for (InputPage* page : {fraDOBDetails_, fraOracleDetails_}) {
        connect(page, &InputPage::edited, this, [this] { setWindowModified(true); });
    }
    connect(mnuTransits_, &QAction::triggered, this, [this] { mnuTransits_Click(); });
    connect(mnuOnline_, &QAction::triggered, this, [this] { mnuOnline_Click(); });
    connect(mnuVisit_, &QAction::triggered, this, [this] { mnuVisit_Click(); });
    connect(mnuUpdate_, &QAction::triggered, this, [this] { mnuUpdate_Click(); });
    connect(mnuAbout_, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(mnuMakeMoney_, &QAction::triggered, this, [this] { mnuMakeMoney_Click(); });
    connect(lblBanner_, &ClickableLabel::clicked, this, [this] { lblBanner_Click(); });
    connect(lblFullBrand_, &ClickableLabel::clicked, this, [this] { lblFullBrand_Click(); });
    connect(lblCobrand_, &ClickableLabel::clicked, this, [this] { lblCobrand_Click(); });
    connect(enterOnBirth_, &EnterKey::pressed, this, [this] { cmdNext_Click(); });
    connect(enterOnDay_, &EnterKey::pressed, this, [this] { cmdCalculate_Click(); });

    ReportTextBox* report = fraResult_->RTBResult;
    connect(report, &QTextEdit::textChanged, this, [this] { RTBResult_Change(); });
    connect(report, &ReportTextBox::clicked, this, [this] { RTBResult_Click(); });
    connect(report, &ReportTextBox::mouseDown, this, [this] { RTBResult_MouseDown(); });
    connect(report, &ReportTextBox::mouseMoved, this, [this] { RTBResult_MouseMove(); });
    connect(report, &ReportTextBox::mouseUp, this, [this] { RTBResult_MouseUp(); });
}

void FrmMain::Form_Load() {
    fraDOBDetails_->FillLists();
    fraOracleDetails_->FillLists();
    ShowPage(fraDOBDetails_);
}

QWidget* FrmMain::FrontPage() const {
    // Among siblings the last child is drawn on top.
    const QObjectList& top = client_->children();
    if (top.indexOf(fraResult_) > top.indexOf(fraMain_)) {
        return fraResult_;
    }
    const QObjectList& pages = fraMain_->children();
    return pages.indexOf(fraOracleDetails_) > pages.indexOf(fraDOBDetails_)
               ? static_cast<QWidget*>(fraOracleDetails_)
               : static_cast<QWidget*>(fraDOBDetails_);
}

QWidget* FrmMain::FirstField(QWidget* page) const {
    if (page == fraDOBDetails_) {
        return fraDOBDetails_->txtName;
    }
    if (page == fraOracleDetails_) {
        return fraOracleDetails_->cboMonth;
    }
    return fraResult_->RTBResult;
}

// Brings a page to the front and hides the pages it covers; the focus goes
// to the page's first field.
void FrmMain::ShowPage(QWidget* page) {
    const bool result = page == fraResult_;
    fraResult_->setVisible(result);
    fraMain_->setVisible(!result);
    if (result) {
        fraResult_->raise();
    } else {
        fraMain_->raise();
        fraDOBDetails_->setVisible(page == fraDOBDetails_);
        fraOracleDetails_->setVisible(page == fraOracleDetails_);
        page->raise();
    }
    QWidget* first = FirstField(page);
    first->setFocus(Qt::OtherFocusReason);
    // On a screen too small for the window, the new page is shown from its
    // top, where its first field is.
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
    const QPoint at = first->mapTo(scroll_->widget(), QPoint(0, 0));
    scroll_->ensureVisible(at.x(), at.y(), 8, 8);
}

// ---- Pages ----------------------------------------------------------------

void FrmMain::cmdNext_Click() {
    if (!ValidateDOBDetails()) {
        return;
    }
    ShowPage(fraOracleDetails_);
}

// Both pages are checked on every calculation: page 1 may have been changed
// after "&Next" (File > "&Calculate" runs from any page, and "&Back" leads
// to it after a reading).
void FrmMain::cmdCalculate_Click() {
    if (!ComputeReading()) {
        return;
    }
    ShowPage(fraResult_);
}

bool FrmMain::ComputeReading() {
    // Both pages, birth first: page 1 may have changed since "&Next". A page
    // that fails comes to the front with its message and focus.
    if (!ValidateDOBDetails() || !ValidateOracleDetails()) {
        return false;
    }
    const std::optional<ChartInput> birth = MomentOf(*fraDOBDetails_);
    const std::optional<ChartInput> day = birth ? MomentOf(*fraOracleDetails_) : std::nullopt;
    if (!day) {
        return false;
    }
    charts_.Calculate(*birth, *day);
    Kota_Chakra();
    mnuTransits_->setEnabled(true);
    return true;
}

void FrmMain::cmdBack_Click() {
    ShowPage(fraDOBDetails_);
}

void FrmMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void FrmMain::mnuTransits_Click() {
    FrmTransits transits(charts_.BirthChart().Input, charts_.OracleChart().Input,
                         services_.messages, services_.files, this);
    transits.exec();
}

void FrmMain::Kota_Chakra() {
    RichTextReportSink sink(*fraResult_->RTBResult);
    const KotaReading reading = zkc::Kota_Chakra(charts_.BirthChart(), charts_.OracleChart(), sink);
    fraResult_->NamePlaces(reading.Ring);
    // The reading is read from its start, by eye and by a screen reader.
    fraResult_->RTBResult->moveCursor(QTextCursor::Start);
}

// ---- Checks -----------------------------------------------------------------

bool FrmMain::ValidateDOBDetails() {
    return Validate(*fraDOBDetails_);
}

bool FrmMain::ValidateOracleDetails() {
    return Validate(*fraOracleDetails_);
}

// A failed check shows its page, so that the message and the focus refer
// to fields the user can see.
bool FrmMain::Validate(InputPage& page) {
    const std::optional<CheckFailure> failure = CheckPage(page.Fields());
    if (!failure) {
        return true;
    }
    if (FrontPage() != &page) {
        ShowPage(&page);
    }
    ShowMessage(failure->Message, failure->Icon);
    if (QWidget* field = page.FieldWidget(failure->Focus)) {
        field->setFocus();
    }
    return false;
}

std::optional<ChartInput> FrmMain::MomentOf(InputPage& page) {
    auto moment = places::MomentOfPage(page.Fields());
    if (const auto* error = std::get_if<places::ZoneError>(&moment)) {
        // A time the bound zone's clocks skipped: the page's time must change.
        if (FrontPage() != &page) {
            ShowPage(&page);
        }
        services_.messages.Show(this, error->Message, MessageIcon::Stop);
        page.cboHH->setFocus();
        return std::nullopt;
    }
    return std::get<places::PageMoment>(moment).Input;
}

void FrmMain::ShowMessage(std::string_view text, MessageIcon icon) {
    services_.messages.Show(this, FromCore(text), icon);
}

// The six numeric boxes of page 1 take digits and backspace only. Keys that
// type no character (cursor keys, Delete, Tab, function keys, Ctrl and Meta
// chords such as Ctrl+V) pass by, and so does Enter, which acts as "&Next".
bool FrmMain::AcceptDigitKey(const QKeyEvent& key) {
    const int k = key.key();
    const bool chord = (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    if (key.text().isEmpty() || chord || k == Qt::Key_Delete || k == Qt::Key_Tab ||
        k == Qt::Key_Backtab || k == Qt::Key_Return || k == Qt::Key_Enter) {
        return true;
    }
    const char16_t code = key.text().at(0).unicode();
    if ((code >= u'0' && code <= u'9') || code == 8) {
        return true;
    }
    ShowMessage(messages::kOnlyNumbers, MessageIcon::Stop);
    return false;
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        digitOnlyBoxes_.contains(static_cast<QLineEdit*>(watched))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Alt with a letter that is no access key types nothing, though the
        // box would take the letter that comes with it. (Ctrl+Alt is AltGr
        // on some systems and types characters: the filter judges those.)
        const Qt::KeyboardModifiers chords =
            key->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
        if (chords == Qt::AltModifier) {
            return true;
        }
        return !AcceptDigitKey(*key);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Time zone picker -------------------------------------------------------

void FrmMain::lblTZHelp_Click() {
    OpenTimeZonePicker(false);
}

void FrmMain::lblTZHelpOracle_Click() {
    OpenTimeZonePicker(true);
}

void FrmMain::OpenTimeZonePicker(bool forOracle) {
    bTimeZoneForOracle = forOracle;
    FrmTimeZone picker(bTimeZoneForOracle,
                       {fraDOBDetails_->txtZoneHour, fraDOBDetails_->txtZoneMinute},
                       {fraOracleDetails_->txtZoneHour, fraOracleDetails_->txtZoneMinute}, this);
    if (picker.exec() == QDialog::Accepted) {
        // A zone chosen from the list replaces the town's zone.
        (forOracle ? fraOracleDetails_ : fraDOBDetails_)->Unbind();
    }
}

// ---- Links ----------------------------------------------------------------

void FrmMain::OpenWebPage(const QUrl& address) {
    services_.web.OpenWebPage(address);
}

void FrmMain::mnuOnline_Click() {
    OpenWebPage(WebAddress(WebPage::OnlineHelp));
}
void FrmMain::mnuVisit_Click() {
    OpenWebPage(WebAddress(WebPage::Home));
}
void FrmMain::mnuUpdate_Click() {
    OpenWebPage(WebAddress(WebPage::Download));
}
void FrmMain::mnuMakeMoney_Click() {
    OpenWebPage(WebAddress(WebPage::FullBrand));
}
void FrmMain::lblBanner_Click() {
    OpenWebPage(WebAddress(WebPage::Home));
}
void FrmMain::lblFullBrand_Click() {
    OpenWebPage(WebAddress(WebPage::FullBrand));
}
void FrmMain::lblCobrand_Click() {
    OpenWebPage(WebAddress(WebPage::CoBrand));
}

void FrmMain::mnuAbout_Click() {
    FrmAbout about(services_.web, this);
    about.exec();
}

void FrmMain::cmdBrowser_Click(int index) {
    FindLatLongOnline(index);
}

void FrmMain::FindLatLongOnline(int index) {
    InputPage* page = index == 0 ? fraDOBDetails_ : fraOracleDetails_;
    // Exactly empty only: a field of blanks counts as filled and goes to the
    // search as it was typed.
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{page->txtUserCity, "Please Enter City"},
                    {page->txtUserState, "Please Enter State"},
                    {page->txtUserCountry, "Please Enter Country"}};
    for (const auto& r : required) {
        if (r.box->text().isEmpty()) {
            ShowMessage(r.message, MessageIcon::Information);
            r.box->setFocus();
            return;
        }
    }
    const QString searchText = page->txtUserCity->text() + " " + page->txtUserState->text() + " " +
                               page->txtUserCountry->text() + " Latitude Longitude";
    services_.search.Search(searchText);
}

// ---- The report and the clipboard -------------------------------------------
// The reading is not to leave through the clipboard: whenever the report
// changes or the mouse works over it, clipboard content that came from this
// program is emptied. Other programs' content is left alone.

void FrmMain::RTBResult_Change() {
    fraResult_->RTBResult->EmptyClipboardIfOurs();
}
void FrmMain::RTBResult_Click() {
    fraResult_->RTBResult->EmptyClipboardIfOurs();
}
void FrmMain::RTBResult_MouseDown() {
    fraResult_->RTBResult->EmptyClipboardIfOurs();
}
void FrmMain::RTBResult_MouseMove() {
    fraResult_->RTBResult->EmptyClipboardIfOurs();
}
void FrmMain::RTBResult_MouseUp() {
    fraResult_->RTBResult->EmptyClipboardIfOurs();
}

}  // namespace zkc::app
