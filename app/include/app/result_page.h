// The result page (fraResult): the fixed chakra diagram at the left, the
// reading in RTBResult at the right, "&Back" below it.
#pragma once

#include <QFrame>

#include "kota/kota_ring.h"

class QPushButton;

namespace zkc::app {

class ReportTextBox;
class TwipsScale;

class ResultPage : public QFrame {
    Q_OBJECT

  public:
    explicit ResultPage(QWidget* parent = nullptr);

    // Places the diagram, the report and the button for the window's scale.
    void Arrange(const TwipsScale& scale);

    // Names each place of the diagram for screen readers by its number and
    // the nakshatra the reading puts there ("Place 1, Abhijit").
    void NamePlaces(const KotaRing& ring);

    ReportTextBox* RTBResult = nullptr;
    QPushButton* cmdBack = nullptr;

    // The place (1 … 28) printed at each spot of the diagram: for the three
    // outer squares top right, middle right, bottom right, bottom middle,
    // bottom left, middle left, top left, top middle; for the innermost
    // right, bottom, left, top.
    static const int kOuterPlaces[3][8];
    static const int kInnermostPlaces[4];

  private:
    QWidget* backdrop_ = nullptr;
    QList<QFrame*> squares_;             // picTables 1 … 3
    QList<QList<QWidget*>> spotLabels_;  // per square (outer first), in spot order
    QList<QWidget*> placeLabels_;        // by place, 1 … 28 at 0 … 27
};

}  // namespace zkc::app
