#include "shell/qt/DocumentViewer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/ProgramSettings.h"
#include "shell/SettingsStore.h"
#include "zelvo/Version.h"

namespace zelvo {

QString DocumentsFolder() {
  const QString env = qEnvironmentVariable("ZELVO_DOCS_DIR");
  if (!env.isEmpty() && QFileInfo(env).isDir()) return env;
  const QDir app(QCoreApplication::applicationDirPath());
  for (const char* relative : {"docs", "../docs", "../../docs", "../share/zelvo-diagnostic/docs"}) {
    const QString candidate = app.absoluteFilePath(QString::fromLatin1(relative));
    if (QFileInfo::exists(candidate + QStringLiteral("/RELEASE_NOTES.html"))) return QDir::cleanPath(candidate);
  }
  return app.absoluteFilePath(QStringLiteral("docs"));
}

namespace {

QTextBrowser* MakeBrowser(const QString& file) {
  auto* browser = new QTextBrowser;
  browser->setOpenExternalLinks(true);
  browser->setSearchPaths({QFileInfo(file).absolutePath()});
  if (QFileInfo::exists(file))
    browser->setSource(QUrl::fromLocalFile(file));
  else
    browser->setPlainText(QStringLiteral("Document not found: ") + file);
  return browser;
}

}  // namespace

TDocumentViewer::TDocumentViewer(const QString& title, const QString& file, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(760, 560);
  Browser = MakeBrowser(file);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Browser);
  layout->addWidget(buttons);
}

TWhatsNewForm::TWhatsNewForm(SettingsStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName(QStringLiteral("WhatsNewForm"));
  setWindowTitle(QStringLiteral("What's New"));
  resize(640, 480);
  Browser = new QTextBrowser;
  Browser->setOpenExternalLinks(true);
  AutoShowCheckBox = new QCheckBox(QStringLiteral("Show at every start"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Browser);
  layout->addWidget(AutoShowCheckBox);
  layout->addWidget(buttons);
}

void TWhatsNewForm::ShowNotes() {
  const QString file = DocumentsFolder() + QStringLiteral("/RELEASE_NOTES.html");
  if (QFileInfo::exists(file))
    Browser->setSource(QUrl::fromLocalFile(file));
  else
    Browser->setPlainText(QStringLiteral("Release notes not found: ") + file);
  AutoShowCheckBox->setChecked(store_.ReadBool(kWhatsNewSection, "AutoShow", true));
  show();
  raise();
}

void TWhatsNewForm::done(int result) {
  // Seen: the notes of this version come back only while the tick is set.
  WhatsNewRemember(store_, kProgramVersion, AutoShowCheckBox->isChecked());
  QDialog::done(result);
}

}  // namespace zelvo
