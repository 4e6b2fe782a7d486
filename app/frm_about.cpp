#include "app/frm_about.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_style.h"
#include "app/clickable_label.h"
#include "app/emblem.h"
#include "app/seams.h"
#include "app/web_links.h"
#include "version/version.h"

namespace zkc::app {
namespace {

ClickableLabel* Link(const QString& text, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    StyleAsLink(label);
    return label;
}

// A wrapped paragraph of the text column, tall enough for all its lines.
QLabel* Paragraph(const QString& text, int width, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFixedWidth(width);
    label->setMinimumHeight(label->heightForWidth(width));
    return label;
}

}  // namespace

FrmAbout::FrmAbout(WebOpener& web, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(QString::fromUtf8(kProductTitle));
    setModal(true);
    setFont(ApplicationFont());

    auto* picture = new QLabel(this);
    picture->setObjectName("picIcon");
    picture->setPixmap(EmblemPixmap(64, devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    // The text column: about 55 average characters wide in the dialog's font.
    const int column = fontMetrics().averageCharWidth() * 55;

    auto* title = new QLabel(QString::fromUtf8(kProductTitle), this);
    title->setObjectName("lblTitle");
    QFont titleFont = CaptionFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);

    auto* description = Paragraph(
        "Zorvik Kota Chakra is a Vedic Astrology based chart that gives you information about "
        "how illnesses, problems and disputes may affect you. This is based on the arrangement "
        "of the 28 nakshatras or constellations differentiated by their sensitivity and the "
        "presence of the different planets in these nakshatras and their effects on the life of "
        "an individual.",
        column, this);
    description->setObjectName("lblDescription");
    auto* offer = Paragraph(
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website.",
        column, this);
    offer->setObjectName("lblFullBrand");
    lblCoBrand = Link("Click here for more details.", this);
    lblCoBrand->setObjectName("lblCoBrand");
    lblHomePage = Link("Visit our home page and discussion board", this);
    lblHomePage->setObjectName("lblHomePage");
    auto* licence = Paragraph(
        "Free software under the GNU General Public License, version 3 or later. The atlas of "
        "towns is from GeoNames (geonames.org), under the Creative Commons Attribution 4.0 "
        "License.",
        column, this);
    licence->setObjectName("lblLicence");

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);  // Enter; Escape rejects the dialog, which also closes it
    cmdOK->setMinimumWidth(90);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(description);
    text->addSpacing(6);
    text->addWidget(offer);
    text->addWidget(lblCoBrand, 0, Qt::AlignLeft);
    text->addSpacing(6);
    text->addWidget(lblHomePage, 0, Qt::AlignLeft);
    text->addSpacing(6);
    text->addWidget(licence);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblCoBrand, &ClickableLabel::clicked, this,
            [&web] { web.OpenWebPage(WebAddress(WebPage::FullBrand)); });
    connect(lblHomePage, &ClickableLabel::clicked, this,
            [&web] { web.OpenWebPage(WebAddress(WebPage::Home)); });
}

}  // namespace zkc::app
