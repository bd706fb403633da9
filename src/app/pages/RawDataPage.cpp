#include "app/pages/RawDataPage.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/views/FixedPitchFont.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "report/ReportTexts.h"

namespace scrb {

namespace {

// The dump's columns only line up in a fixed-pitch font: Courier New where installed, otherwise
// another monospaced face.
QFont ReportFont() {
  return FixedPitchFont({"Courier New", "DejaVu Sans Mono", "Liberation Mono"});
}

// The report ends its lines with CR LF; the text box wants plain line feeds.
QString BoxText(const std::string& text) {
  QString boxText = QString::fromStdString(text);
  boxText.remove(QLatin1Char('\r'));
  return boxText;
}

}  // namespace

RawDataPage::RawDataPage(LogbookState& state, TimeWindow& time, QWidget* parent)
    : DivePage(state, time, parent) {
  rawText_ = new QPlainTextEdit(this);
  rawText_->setObjectName("RawDataText");
  rawText_->setReadOnly(true);
  // Read-only, but with a caret that the keyboard moves, as in a viewer.
  rawText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  rawText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  rawText_->setFont(ReportFont());
  rawText_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rawText_);
}

bool RawDataPage::eventFilter(QObject* watched, QEvent* event) {
  // The window's Page Up and Page Down step through the dives; while the text has the focus,
  // these keys and Home and End move through the text instead, as in any text viewer.
  if (watched == rawText_ && event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
        event->accept();
        return true;
      default:
        break;
    }
  }
  return DivePage::eventFilter(watched, event);
}

void RawDataPage::ShowDive(const DiveRecord* found) {
  if (found == nullptr) {
    rawText_->clear();
    return;
  }
  const DiveRecord& dive = *found;
  const auto profile = state_.Analysis().Profile(dive);

  const int caret = rawText_->textCursor().position();
  const int scroll = rawText_->verticalScrollBar()->value();
  // The dump shows the file as the command line's details do, byte for byte the same text in
  // every language: its field names are those of the file format.
  std::string text;
  {
    const EnglishTexts english;
    text = DetailsText(dive) + RawDumpText(dive, *profile);
  }
  rawText_->setPlainText(BoxText(text));
  if (rawText_->document()->characterCount() - 1 > caret) {
    QTextCursor cursor = rawText_->textCursor();
    cursor.setPosition(caret);
    rawText_->setTextCursor(cursor);
    // Keep the same lines in view, not merely the caret somewhere on screen.
    rawText_->verticalScrollBar()->setValue(scroll);
  }
}

}  // namespace scrb
