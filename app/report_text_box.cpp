#include "app/report_text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocumentFragment>

#include "documents/core_text.h"

namespace zkc::app {

void ReportTextBox::EmptyClipboardIfOurs() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && clipboard->ownsSelection()) {
        clipboard->clear(QClipboard::Selection);
    }
    const QMimeData* data = clipboard->mimeData();
    const bool deliberate =
        data && (data->hasFormat(QLatin1String(kDeliberateCopyFormat)) ||
                 (!deliberateCopyText_.isEmpty() && data->text() == deliberateCopyText_));
    if (deliberate) {
        return;
    }
    // Not every platform tells ownership or keeps a private format, so a
    // copy of the report is also recognised by its text.
    const bool ours = clipboard->ownsClipboard() ||
                      (data && (data->hasFormat(QLatin1String(kReportMimeFormat)) ||
                                (!lastCopiedText_.isEmpty() && data->text() == lastCopiedText_)));
    if (ours) {
        clipboard->clear();
    }
}

ReportTextBox::ReportTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    viewport()->setMouseTracking(true);  // moves over the report without a button held
}

QMimeData* ReportTextBox::createMimeDataFromSelection() const {
    QMimeData* data = QTextEdit::createMimeDataFromSelection();
    data->setData(QLatin1String(kReportMimeFormat), QByteArray("1"));
    lastCopiedText_ = data->text();
    return data;
}

void ReportTextBox::CopyReading() {
    QTextCursor selection = textCursor();
    if (!selection.hasSelection()) {
        selection.select(QTextCursor::Document);
    }
    auto* data = new QMimeData;
    data->setText(selection.selection().toPlainText());
    data->setHtml(selection.selection().toHtml());
    data->setData(QLatin1String(kReportMimeFormat), QByteArray("1"));
    data->setData(QLatin1String(kDeliberateCopyFormat), QByteArray("1"));
    deliberateCopyText_ = data->text();
    QGuiApplication::clipboard()->setMimeData(data);
}

void ReportTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyReading();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ReportTextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName("mnuReading");
    QAction* copy = menu.addAction(textCursor().hasSelection() ? "&Copy" : "&Copy Reading");
    copy->setObjectName("mnuCopyReading");
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!document()->isEmpty());
    QAction* all = menu.addAction("Select &All");
    all->setShortcut(QKeySequence::SelectAll);
    connect(copy, &QAction::triggered, this, [this] { CopyReading(); });
    connect(all, &QAction::triggered, this, &QTextEdit::selectAll);
    menu.exec(event->globalPos());
}

void ReportTextBox::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    pressed_ = true;
    emit mouseDown();
}

void ReportTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    emit mouseUp();
    if (pressed_ && viewport()->rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    pressed_ = false;
}

void ReportTextBox::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    emit mouseMoved();
}

RichTextReportSink::~RichTextReportSink() {
    if (!cursor_.isNull()) {
        cursor_.endEditBlock();
    }
}

void RichTextReportSink::Clear() {
    if (!cursor_.isNull()) {
        cursor_.endEditBlock();
    }
    box_.clear();
    cursor_ = QTextCursor(box_.document());
    cursor_.beginEditBlock();
}

void RichTextReportSink::AppendRun(std::string_view text, ReportColour colour, bool bold) {
    if (cursor_.isNull()) {
        cursor_ = QTextCursor(box_.document());
        cursor_.beginEditBlock();
    }
    QString piece = FromCore(text);
    piece.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextCharFormat format;
    format.setForeground(QColor(colour.Red, colour.Green, colour.Blue));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    cursor_.movePosition(QTextCursor::End);
    cursor_.insertText(piece, format);
}

}  // namespace zkc::app
