#include "app/page_memory.h"

#include <QDir>
#include <QFileInfo>

#include "documents/core_text.h"

namespace zkc::app {
namespace {

const QString kRecentKey = QStringLiteral("files/recent");
const QString kFolderKey = QStringLiteral("files/lastFolder");

}  // namespace

QVariantMap PageToVariant(const PageFields& page) {
    QVariantMap v;
    v["name"] = FromCore(page.Name);
    v["monthIndex"] = page.MonthIndex;
    v["dayIndex"] = page.DayIndex;
    v["year"] = page.Year;
    v["hour"] = page.Hour;
    v["minute"] = page.Minute;
    v["zoneHour"] = FromCore(page.ZoneHour);
    v["zoneMinute"] = FromCore(page.ZoneMinute);
    v["lonDegrees"] = FromCore(page.LonDegrees);
    v["lonMinutes"] = FromCore(page.LonMinutes);
    v["latDegrees"] = FromCore(page.LatDegrees);
    v["latMinutes"] = FromCore(page.LatMinutes);
    v["daylightSaving"] = page.IsDaylightSaving;
    v["east"] = page.IsEast;
    v["south"] = page.IsSouth;
    v["city"] = FromCore(page.City);
    v["state"] = FromCore(page.State);
    v["country"] = FromCore(page.Country);
    v["timeZone"] = FromCore(page.TimeZone);
    if (page.Place) {
        v["place"] = QStringList{FromCore(page.Place->Name), FromCore(page.Place->State),
                                 FromCore(page.Place->Country), FromCore(page.Place->CountryCode)};
    }
    return v;
}

std::optional<PageFields> PageFromVariant(const QVariant& value, bool hasName) {
    const QVariantMap v = value.toMap();
    if (v.isEmpty()) {
        return std::nullopt;
    }
    const auto text = [&v](const char* key) { return v.value(key).toString().toStdString(); };
    const auto number = [&v](const char* key, int fallback, int first, int last) {
        bool ok = false;
        const int n = v.value(key).toInt(&ok);
        return ok && n >= first && n <= last ? n : fallback;
    };
    PageFields page;
    page.HasName = hasName;
    page.Name = hasName ? text("name") : std::string();
    page.MonthIndex = number("monthIndex", 0, 0, 11);
    page.DayIndex = number("dayIndex", 0, 0, 30);
    page.Year = number("year", kListedYears.First, kListedYears.First, kListedYears.Last);
    page.Hour = number("hour", 0, kListedHours.First, kListedHours.Last);
    page.Minute = number("minute", 0, kListedMinutes.First, kListedMinutes.Last);
    page.ZoneHour = text("zoneHour");
    page.ZoneMinute = text("zoneMinute");
    page.LonDegrees = text("lonDegrees");
    page.LonMinutes = text("lonMinutes");
    page.LatDegrees = text("latDegrees");
    page.LatMinutes = text("latMinutes");
    page.IsDaylightSaving = v.value("daylightSaving").toBool();
    page.IsEast = v.value("east", true).toBool();
    page.IsSouth = v.value("south").toBool();
    page.City = text("city");
    page.State = text("state");
    page.Country = text("country");
    page.TimeZone = text("timeZone");
    const QStringList place = v.value("place").toStringList();
    if (place.size() == 4) {
        page.Place = PageFields::AtlasPlace{place[0].toStdString(), place[1].toStdString(),
                                            place[2].toStdString(), place[3].toStdString()};
    }
    return page;
}

QStringList RecentCharts::Paths() const {
    return store_.Value(kRecentKey).toStringList();
}

void RecentCharts::Store(const QStringList& paths) {
    store_.SetValue(kRecentKey, paths.mid(0, kKept));
}

void RecentCharts::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = Paths();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    Store(paths);
}

void RecentCharts::Remove(const QString& path) {
    QStringList paths = Paths();
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    Store(paths);
}

QStringList RecentCharts::DropMissing() {
    QStringList kept;
    QStringList dropped;
    for (const QString& path : Paths()) {
        (QFileInfo::exists(path) ? kept : dropped) << path;
    }
    if (!dropped.isEmpty()) {
        Store(kept);
    }
    return dropped;
}

QString RecentCharts::LastFolder() const {
    const QString folder = store_.Value(kFolderKey).toString();
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void RecentCharts::SetLastFolder(const QString& folder) {
    store_.SetValue(kFolderKey, folder);
}

}  // namespace zkc::app
