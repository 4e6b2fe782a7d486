// RTBResult: the rich text box that shows the reading, and the report sink
// that writes into it.
#pragma once

#include <QTextCursor>
#include <QTextEdit>

#include "kota/report.h"

namespace zkc::app {

// Copies out of the report carry this format beside their text, so that the
// window can tell its own clipboard content from other programs'.
inline constexpr char kReportMimeFormat[] = "application/x-zorvik-kota-chakra-report";

class ReportTextBox : public QTextEdit {
    Q_OBJECT

  public:
    explicit ReportTextBox(QWidget* parent = nullptr);

    // Empties the system clipboard when what it holds came from this
    // program; another program's content is left alone.
    void EmptyClipboardIfOurs() const;

  signals:
    void mouseDown();
    void mouseUp();
    void mouseMoved();
    void clicked();

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
    mutable QString lastCopiedText_;  // the report's text as last copied out of it
};

// Writes a report's runs at the end of the box, all inside one edit block of
// its document (one undo step, one layout pass). "\r\n" becomes a paragraph
// break, so the box's plain text has one newline per line.
class RichTextReportSink : public ReportSink {
  public:
    explicit RichTextReportSink(QTextEdit& box) : box_(box) {}
    ~RichTextReportSink() override;

    void Clear() override;
    void AppendRun(std::string_view text, ReportColour colour, bool bold) override;

  private:
    QTextEdit& box_;
    QTextCursor cursor_;
};

}  // namespace zkc::app
