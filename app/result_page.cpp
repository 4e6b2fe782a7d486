#include "app/result_page.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/app_style.h"
#include "app/report_text_box.h"
#include "app/twips.h"
#include "documents/core_text.h"

namespace zkc::app {
namespace {

// The design in twips: the diagram's outer square, the report and "&Back".
constexpr int kDiagramLeft = 645;
constexpr int kDiagramTop = 150;
constexpr int kDiagramSide = 4350;
constexpr int kReport[] = {5640, 180, 2655, 3950};
constexpr int kBack[] = {5640, 4200, 2655, 375};
constexpr int kLabelWidth = 420;
constexpr int kLabelHeight = 270;

const QColor kInnermostGreen(0xF4, 0xFF, 0xE8);

// The outer square and the diagonals along which the runs enter; the three
// inner squares are frames laid over it.
class DiagramBackdrop : public QWidget {
  public:
    explicit DiagramBackdrop(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int s = width() - 1;
        const int in = s / 3;
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(0, 0, s, s);
        p.setPen(QPen(QColor(0x40, 0x80, 0x40), 1, Qt::DotLine));
        p.drawLine(0, 0, in, in);
        p.drawLine(s, 0, s - in, in);
        p.drawLine(0, s, in, s - in);
        p.drawLine(s, s, s - in, s - in);
    }
};

QString PlaceName(int place) {
    return QString("Place %1").arg(place);
}

QLabel* PlaceLabel(int place, QWidget* parent, bool innermost) {
    auto* label = new QLabel(QString::number(place), parent);
    label->setObjectName(QString("lblResult_%1").arg(place - 1));
    label->setAccessibleName(PlaceName(place));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(CaptionFont());
    // An opaque label keeps the diagonals from running through its number.
    PaintBackground(label, innermost ? kInnermostGreen : kFrameGreen,
                    innermost ? QColor(0x80, 0x00, 0x00) : QColor(Qt::black));
    return label;
}

}  // namespace

const int ResultPage::kOuterPlaces[3][8] = {
    {1, 7, 8, 14, 15, 21, 22, 28}, {2, 6, 9, 13, 16, 20, 23, 27}, {3, 5, 10, 12, 17, 19, 24, 26}};
const int ResultPage::kInnermostPlaces[4] = {4, 11, 18, 25};

ResultPage::ResultPage(QWidget* parent) : QFrame(parent) {
    setObjectName("fraResult");
    setFrameShape(QFrame::StyledPanel);
    PaintBackground(this, kFrameGreen, Qt::black);

    // Each of the three outer squares carries eight places; picTables 1 … 3
    // nest inside, and the innermost carries four.
    backdrop_ = new DiagramBackdrop(this);
    QWidget* holder = this;
    for (int square = 0; square < 3; ++square) {
        QList<QWidget*> labels;
        for (int spot = 0; spot < 8; ++spot) {
            labels << PlaceLabel(kOuterPlaces[square][spot], holder, false);
        }
        spotLabels_ << labels;
        auto* inner = new QFrame(holder);
        inner->setObjectName(QString("picTables_%1").arg(square + 1));
        inner->setFrameShape(QFrame::Box);
        squares_ << inner;
        holder = inner;
    }
    // The innermost square stands out; the others let the diagonals through.
    PaintBackground(squares_.last(), kInnermostGreen, Qt::black);
    QList<QWidget*> innermost;
    for (int place : kInnermostPlaces) {
        innermost << PlaceLabel(place, holder, true);
    }
    spotLabels_ << innermost;

    for (int place = 1; place <= kRingPlaces; ++place) {
        placeLabels_ << findChild<QLabel*>(QString("lblResult_%1").arg(place - 1));
    }
    setAccessibleName("Kota Chakra");
    backdrop_->setAccessibleName("Chakra diagram");

    RTBResult = new ReportTextBox(this);
    RTBResult->setObjectName("RTBResult");
    RTBResult->setAccessibleName("Reading");
    cmdBack = new QPushButton("&Back", this);
    cmdBack->setObjectName("cmdBack");
    cmdBack->setFont(CaptionFont());
    Arrange(TwipsScale());
}

void ResultPage::NamePlaces(const KotaRing& ring) {
    for (int place = 1; place <= kRingPlaces; ++place) {
        const KotaNakshatra k = ring.NakshatraAt(place);
        placeLabels_[place - 1]->setAccessibleName(
            PlaceName(place) + ", " + FromCore(KotaNakshatraNames[static_cast<std::size_t>(k)]));
    }
}

void ResultPage::Arrange(const TwipsScale& scale) {
    const int side = scale(kDiagramSide);
    const int band = side / 9;  // three bands a side leave the innermost square a third
    const QSize label(scale(kLabelWidth), scale(kLabelHeight));
    const auto put = [&](QWidget* w, QPoint centre) {
        w->setGeometry(QRect(centre - QPoint(label.width() / 2, label.height() / 2), label));
    };
    backdrop_->setGeometry(scale(kDiagramLeft), scale(kDiagramTop), side + 1, side + 1);

    // Spots of a square of side s, as label centres: top right, middle right,
    // bottom right, bottom middle, bottom left, middle left, top left, top middle.
    QPoint origin(scale(kDiagramLeft), scale(kDiagramTop));
    int s = side;
    for (int square = 0; square < 3; ++square) {
        const int near = band / 2;
        const int far = s - band / 2;
        const int mid = s / 2;
        const QPoint spots[8] = {{far, near}, {far, mid},  {far, far},   {mid, far},
                                 {near, far}, {near, mid}, {near, near}, {mid, near}};
        for (int spot = 0; spot < 8; ++spot) {
            put(spotLabels_[square][spot], origin + spots[spot]);
        }
        squares_[square]->setGeometry(origin.x() + band, origin.y() + band, s - 2 * band,
                                      s - 2 * band);
        origin = QPoint(0, 0);
        s -= 2 * band;
    }
    const int mid = s / 2;
    const int edge = band / 2;
    const QPoint innermost[4] = {{s - edge, mid}, {mid, s - edge}, {edge, mid}, {mid, edge}};
    for (int i = 0; i < 4; ++i) {
        put(spotLabels_[3][i], innermost[i]);
    }

    RTBResult->setGeometry(scale(kReport[0], kReport[1], kReport[2], kReport[3]));
    cmdBack->setGeometry(scale(kBack[0], kBack[1], kBack[2], kBack[3]));
}

}  // namespace zkc::app
