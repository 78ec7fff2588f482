#include "shell/qt/QSettingsStore.h"

namespace zelvo {

namespace {

// "Forms\Main" is a sub-section: QSettings separates levels with "/".
QString Path(std::string_view section, std::string_view key) {
  QString s = QString::fromStdString(std::string(section)).replace(QLatin1Char('\\'), QLatin1Char('/'));
  return s + QLatin1Char('/') + QString::fromStdString(std::string(key));
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QSettings::UserScope, QStringLiteral("Tervane Integrated Systems"),
                QStringLiteral("Zelvo Diagnostic")) {}

std::string QSettingsStore::ReadString(std::string_view section, std::string_view key, std::string_view def) {
  const QVariant v = settings_.value(Path(section, key));
  return v.isValid() ? v.toString().toStdString() : std::string(def);
}

int QSettingsStore::ReadInteger(std::string_view section, std::string_view key, int def) {
  const QVariant v = settings_.value(Path(section, key));
  bool ok = false;
  const int value = v.toInt(&ok);
  return v.isValid() && ok ? value : def;
}

bool QSettingsStore::ReadBool(std::string_view section, std::string_view key, bool def) {
  const QVariant v = settings_.value(Path(section, key));
  if (!v.isValid()) return def;
  const QString s = v.toString().trimmed().toLower();
  if (s == QLatin1String("true") || s == QLatin1String("1")) return true;
  if (s == QLatin1String("false") || s == QLatin1String("0")) return false;
  return def;  // unreadable: the default
}

void QSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  settings_.setValue(Path(section, key), QString::fromStdString(std::string(value)));
}

void QSettingsStore::WriteInteger(std::string_view section, std::string_view key, int value) {
  settings_.setValue(Path(section, key), value);
}

void QSettingsStore::WriteBool(std::string_view section, std::string_view key, bool value) {
  settings_.setValue(Path(section, key), value);
}

}  // namespace zelvo
