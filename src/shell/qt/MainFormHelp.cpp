// The Help menu and printing of the traffic lists.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "monitor/qt/MonitorMemo.h"
#include "shell/ApplicationSupport.h"
#include "shell/Caption.h"
#include "shell/qt/DocumentViewer.h"
#include "shell/qt/MainForm.h"
#include "shell/qt/QtHost.h"
#include "zelvo/Version.h"

namespace zelvo {

void TMainForm::HelpContentsItemClick() {
  auto* viewer = new TDocumentViewer(QStringLiteral("Zelvo Diagnostic Utility Help"),
                                     DocumentsFolder() + QStringLiteral("/manual/index.html"), this);
  viewer->setObjectName(QStringLiteral("HelpViewer"));
  viewer->show();
}

void TMainForm::HelpWhatsNewItemClick() { whatsNewForm_->ShowNotes(); }

void TMainForm::HelpAboutItemClick() {
  auto* about = new QDialog(this);
  about->setObjectName(QStringLiteral("AboutBox"));
  about->setAttribute(Qt::WA_DeleteOnClose);
  about->setWindowTitle(QStringLiteral("About"));
  auto* text = new QLabel(QStringLiteral("<h2>%1</h2><p>Version %2</p><p>Tervane Integrated Systems</p>")
                              .arg(QString::fromUtf8(kApplicationTitle.data(), kApplicationTitle.size()),
                                   QString::fromLatin1(kProgramVersion)));
  text->setObjectName(QStringLiteral("AboutText"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, about, &QDialog::accept);
  auto* layout = new QVBoxLayout(about);
  layout->addWidget(text);
  layout->addWidget(buttons);
  about->open();
}

void TMainForm::HelpApplicationSupportItemClick() {
  host_.Message(MsgIcon::Information, ApplicationSupportText(settings_.HexNumbers), MsgButtons::Ok);
}

namespace {

// The traffic lists as one document, each under its header, colours kept.
void AppendPane(QTextCursor& out, const QString& header, const QPlainTextEdit& pane) {
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  out.insertText(header, bold);
  out.insertBlock();
  QTextCursor all(pane.document());
  all.select(QTextCursor::Document);
  out.insertFragment(all.selection());
  out.insertBlock();
  out.insertBlock();
}

}  // namespace

void TMainForm::FilePrintItemClick() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  if (host_.TestMode()) {
    // No printer dialog in tests: the lists go to a PDF in the data folder.
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(QString::fromStdString(host_.DataFolder()) + QStringLiteral("/print.pdf"));
  } else {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) return;
  }
  QTextDocument document;
  document.setDefaultFont(TransmitMemo->font());
  QTextCursor out(&document);
  AppendPane(out, TransmitHeader->text(), *TransmitMemo);
  if (!settings_.CombineLists) AppendPane(out, ReceiveHeader->text(), *ReceiveMemo);
  document.print(printer_.get());
}

void TMainForm::FilePrintSetupItemClick() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  if (host_.TestMode()) return;
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.exec();
}

}  // namespace zelvo
