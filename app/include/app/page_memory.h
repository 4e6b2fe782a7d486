// The window's memory between runs: both pages as they were left (complete
// or not), the recent chart files and the last folder.
#pragma once

#include <QStringList>
#include <QVariantMap>
#include <optional>

#include "app/file_seams.h"
#include "input/page_input.h"

namespace zkc::app {

// A page as stored values: every field as the page holds it, blank ones
// included, and its zone binding.
QVariantMap PageToVariant(const PageFields& page);
// Nothing when the stored value is not a page (an empty store: a first start).
std::optional<PageFields> PageFromVariant(const QVariant& value, bool hasName);

class RecentCharts {
  public:
    static constexpr int kKept = 8;

    explicit RecentCharts(SettingsStore& store) : store_(store) {}

    // Most recent first.
    QStringList Paths() const;
    // To the front; an older mention of the same file goes.
    void Add(const QString& path);
    void Remove(const QString& path);
    // Forgets the files that no longer exist and names them.
    QStringList DropMissing();

    QString LastFolder() const;
    void SetLastFolder(const QString& folder);

  private:
    void Store(const QStringList& paths);

    SettingsStore& store_;
};

}  // namespace zkc::app
