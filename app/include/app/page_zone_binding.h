// A page bound to a town's time zone: what the page shows for it at the
// page's date and time, kept apart from the widgets so that it can be read
// and tested on its own.
#pragma once

#include <QString>
#include <optional>

#include "input/page_input.h"
#include "places/atlas.h"
#include "places/zone_resolution.h"

namespace zkc::app {

class PageZoneBinding {
  public:
    bool IsBound() const { return zone_.has_value(); }
    const QString& Zone() const { return *zone_; }

    // Binds to the town's zone and keeps the town for the page's place.
    void Bind(const places::City& city);
    // Binds to a zone alone (a page restored from a chart file).
    void Bind(const QString& zone, std::optional<PageFields::AtlasPlace> place);
    void Unbind();

    // What the page shows for its date and time while bound.
    struct Shown {
        QString Line;                              // under the zone group
        std::optional<places::ZoneFields> Fields;  // the zone boxes; none for a skipped time
    };
    Shown ShownFor(const PageFields& page) const;

    // The binding written into the page's fields: zone and atlas entry.
    void WriteInto(PageFields& page) const;

  private:
    std::optional<QString> zone_;
    std::optional<PageFields::AtlasPlace> place_;
};

}  // namespace zkc::app
