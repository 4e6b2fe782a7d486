// Completion of a City box from the atlas: as the user types, the best towns
// are offered as "Madrid, Madrid, Spain — Europe/Madrid"; choosing one emits
// it whole.
#pragma once

#include <QCompleter>
#include <vector>

#include "places/atlas.h"

class QLineEdit;
class QStandardItemModel;

namespace zkc::app {

class PlaceCompleter : public QCompleter {
    Q_OBJECT

  public:
    explicit PlaceCompleter(QLineEdit* box);

    // Offers the towns that match the text (nothing for fewer than two
    // letters, which would match thousands).
    void Offer(const QString& text);

    // The offered town of a row of the popup.
    const places::City* CityAt(int row) const;

    // The line shown for a town.
    static QString Describe(const places::City& city);

  signals:
    void placeChosen(const zkc::places::City& city);

  private:
    QStandardItemModel* model_;
    std::vector<places::City> offered_;
};

}  // namespace zkc::app
