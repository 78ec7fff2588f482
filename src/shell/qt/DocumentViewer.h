#pragma once
// The program's documents (release notes, user manual) and a window that
// shows one of them.

#include <QDialog>
#include <QString>

class QCheckBox;
class QTextBrowser;

namespace zelvo {

class SettingsStore;

// The docs folder: $ZELVO_DOCS_DIR, or docs/ beside the program or up to
// two folders above it (the build tree), or the installed share folder.
QString DocumentsFolder();

// A window with a browser on one HTML document; links inside it work.
class TDocumentViewer : public QDialog {
  Q_OBJECT
 public:
  TDocumentViewer(const QString& title, const QString& file, QWidget* parent = nullptr);
  QTextBrowser* Browser;
};

// "What's New": the release notes, with the tick that shows them at start.
class TWhatsNewForm : public QDialog {
  Q_OBJECT
 public:
  TWhatsNewForm(SettingsStore& store, QWidget* parent = nullptr);
  void ShowNotes();
  QTextBrowser* Browser;
  QCheckBox* AutoShowCheckBox;

 protected:
  void done(int result) override;

 private:
  SettingsStore& store_;
};

}  // namespace zelvo
