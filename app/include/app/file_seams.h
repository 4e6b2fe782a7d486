// The window's contacts with files, printers, stored settings and the clock,
// as small interfaces that tests stand in for.
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace zkc::app {

// The file dialogs. Each returns the chosen path, or nothing when the user
// cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> ChartToOpen(QWidget* parent, const QString& folder) = 0;
    virtual std::optional<QString> ChartToSave(QWidget* parent, const QString& suggestedPath) = 0;
    // A PDF document or a PNG picture, told apart by the path's suffix.
    virtual std::optional<QString> ExportTo(QWidget* parent, const QString& suggestedPath) = 0;
    // A table as CSV.
    virtual std::optional<QString> TableTo(QWidget* parent, const QString& suggestedPath) = 0;
};

enum class UnsavedChanges { Save, Discard, Cancel };

// The question before unsaved changes would be lost.
class UnsavedQuestion {
  public:
    virtual ~UnsavedQuestion() = default;
    virtual UnsavedChanges Ask(QWidget* parent, const QString& fileName) = 0;
};

// A printer chosen in the print dialog. Print() returns false when the user
// cancelled; otherwise it hands the printer to draw on.
class Printing {
  public:
    virtual ~Printing() = default;
    virtual bool Print(QWidget* parent, const QString& documentName,
                       const std::function<void(QPagedPaintDevice&)>& draw) = 0;
};

// Values kept between runs.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QVariant Value(const QString& key) const = 0;
    virtual void SetValue(const QString& key, const QVariant& value) = 0;
};

// The present moment.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime NowUtc() const = 0;
};

// Production implementations on Qt.
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<QString> ChartToOpen(QWidget* parent, const QString& folder) override;
    std::optional<QString> ChartToSave(QWidget* parent, const QString& suggestedPath) override;
    std::optional<QString> ExportTo(QWidget* parent, const QString& suggestedPath) override;
    std::optional<QString> TableTo(QWidget* parent, const QString& suggestedPath) override;
};

class QtUnsavedQuestion : public UnsavedQuestion {
  public:
    UnsavedChanges Ask(QWidget* parent, const QString& fileName) override;
};

class QtPrinting : public Printing {
  public:
    bool Print(QWidget* parent, const QString& documentName,
               const std::function<void(QPagedPaintDevice&)>& draw) override;
};

// QSettings under the application id, as organisation and application.
class QtSettingsStore : public SettingsStore {
  public:
    QVariant Value(const QString& key) const override;
    void SetValue(const QString& key, const QVariant& value) override;
};

class SystemClock : public Clock {
  public:
    QDateTime NowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};

}  // namespace zkc::app
