#pragma once

class QWidget;

namespace vornik {
class Application;
}

namespace vornik::gui {

// The "PDF417 Options" dialog (Preferences > PDF417 Advanced Options...),
// modal over PARENT: compaction mode, security level and overhead, row and
// column limits, truncation and the codeword listing of APP's job. True when
// the user pressed OK: the settings then hold the dialog's values and the
// configuration counts as changed if any differs. Cancel, Escape or the close
// box change nothing. Nothing is rebuilt; the next build uses the settings.
bool showPdfOptionsDialog(QWidget* parent, Application& app);

} // namespace vornik::gui
