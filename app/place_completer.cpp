#include "app/place_completer.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyle>
#include <algorithm>

namespace zkc::app {
namespace {

constexpr int kOffered = 10;
constexpr int kShortestQuery = 2;

}  // namespace

PlaceCompleter::PlaceCompleter(QLineEdit* box)
    : QCompleter(box), model_(new QStandardItemModel(this)) {
    setModel(model_);
    // The atlas has already chosen and ranked the rows; the completer only
    // shows them.
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setCaseSensitivity(Qt::CaseInsensitive);
    setMaxVisibleItems(kOffered);
    setWidget(box);
    popup()->setObjectName(box->objectName() + "Places");
    connect(this, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                // The popup's rows are the offered towns in order.
                if (const places::City* city = CityAt(index.row())) {
                    emit placeChosen(*city);
                }
            });
}

QString PlaceCompleter::Describe(const places::City& city) {
    QStringList parts = {city.Name};
    if (!city.State.isEmpty()) {
        parts << city.State;
    }
    parts << city.Country;
    return parts.join(", ") + QString::fromUtf8(" \u2014 ") + city.TimeZone;
}

void PlaceCompleter::Offer(const QString& text) {
    offered_ = text.trimmed().size() < kShortestQuery
                   ? std::vector<places::City>()
                   : places::Atlas::Shared().Find(text, kOffered);
    model_->clear();
    int widest = 0;
    for (const places::City& city : offered_) {
        const QString line = Describe(city);
        widest = std::max(widest, popup()->fontMetrics().horizontalAdvance(line));
        model_->appendRow(new QStandardItem(line));
    }
    if (offered_.empty()) {
        popup()->hide();
        return;
    }
    // Wide enough for whole lines, up to the screen's width: a town is told
    // apart by its state, country and zone at the end of its line.
    const int margins =
        4 * popup()->frameWidth() + popup()->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
    QRect room = widget()->rect();
    room.setWidth(std::max(room.width(), widest + margins));
    complete(room);
}

const places::City* PlaceCompleter::CityAt(int row) const {
    return row >= 0 && row < static_cast<int>(offered_.size())
               ? &offered_[static_cast<std::size_t>(row)]
               : nullptr;
}

}  // namespace zkc::app
