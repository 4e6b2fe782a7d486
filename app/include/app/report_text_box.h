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
// A copy the user asked for (Ctrl+C, or Copy in the report's menu) carries
// this one too: it is the user's to paste, and the clipboard rule leaves it.
inline constexpr char kDeliberateCopyFormat[] = "application/x-zorvik-kota-chakra-copy";

class ReportTextBox : public QTextEdit {
    Q_OBJECT

  public:
    explicit ReportTextBox(QWidget* parent = nullptr);

    // Empties the system clipboard when what it holds came from this
    // program; another program's content, and a copy the user asked for,
    // are left alone. The selection of the X Window System goes too when it
    // is this program's.
    void EmptyClipboardIfOurs() const;

    // The selected text (all of it when nothing is selected) onto the
    // clipboard, as a copy the user asked for.
    void CopyReading();

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
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    bool pressed_ = false;
    mutable QString lastCopiedText_;  // the report's text as last copied out of it
    QString deliberateCopyText_;      // the text of the last copy the user asked for
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
