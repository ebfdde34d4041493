#include "settingsstore.h"

#include <QSettings>
#include <cmath>
#include <memory>
#include <optional>

namespace {

constexpr const char* Organisation = "Brantwick Software";
constexpr const char* Application = "Corvane";

// The store for the root, and the group that stands for the key within it:
// the program's own prefix is the store itself, the rest becomes groups.
struct TStoreKey {
  std::unique_ptr<QSettings> Store;
  QString Group;
};

TStoreKey Open(TSettingsRoot Root, const QString& Key) {
  const auto Scope = Root == srLocalMachine ? QSettings::SystemScope : QSettings::UserScope;
  QString Group = Key;
  Group.replace('\\', '/');
  const QString Prefix = QString("Software/%1/%2/").arg(Organisation, Application);
  if (Group.startsWith(Prefix, Qt::CaseInsensitive)) Group.remove(0, Prefix.size());
  auto Store =
      std::make_unique<QSettings>(QSettings::NativeFormat, Scope, Organisation, Application);
  // The per-user root never shows the machine's values, as in the registry.
  Store->setFallbacksEnabled(false);
  return {std::move(Store), Group};
}

std::optional<QVariant> Read(TSettingsRoot Root, const QString& Key, const QString& Name) {
  const TStoreKey S = Open(Root, Key);
  const QString Path = S.Group.isEmpty() ? Name : S.Group + "/" + Name;
  if (!S.Store->contains(Path)) return std::nullopt;
  return S.Store->value(Path);
}

void Write(TSettingsRoot Root, const QString& Key, const QString& Name, const QVariant& Value) {
  const TStoreKey S = Open(Root, Key);
  S.Store->setValue(S.Group.isEmpty() ? Name : S.Group + "/" + Name, Value);
  S.Store->sync();
}

template <class T, class TConvert>
T ReadAs(TSettingsRoot Root, const QString& Key, const QString& Name, T Default, TConvert Convert) {
  const std::optional<QVariant> V = Read(Root, Key, Name);
  if (!V) return Default;
  bool Ok = false;
  const T Value = Convert(*V, Ok);
  return Ok ? Value : Default;
}

}  // namespace

int ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name, int Default) {
  return ReadAs(Root, Key, Name, Default, [](const QVariant& V, bool& Ok) { return V.toInt(&Ok); });
}

double ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name, double Default) {
  return ReadAs(Root, Key, Name, Default,
                [](const QVariant& V, bool& Ok) { return V.toDouble(&Ok); });
}

bool ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name, bool Default) {
  return ReadAs(Root, Key, Name, Default, [](const QVariant& V, bool& Ok) {
    const QString Text = V.toString().trimmed().toLower();
    if (Text == "true" || Text == "false") {
      Ok = true;
      return Text == "true";
    }
    return V.toInt(&Ok) != 0;
  });
}

QString ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                    const QString& Default) {
  return ReadAs(Root, Key, Name, Default, [](const QVariant& V, bool& Ok) {
    Ok = V.canConvert<QString>();
    return V.toString();
  });
}

QString ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                    const char* Default) {
  return ReadSetting(Root, Key, Name, QString::fromUtf8(Default));
}

TCurrency ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                      TCurrency Default) {
  return ReadAs(Root, Key, Name, Default, [](const QVariant& V, bool& Ok) {
    const double Amount = V.toDouble(&Ok);
    Ok = Ok && std::isfinite(Amount) && std::fabs(Amount) < 9.2e14;
    return TCurrency{Ok ? static_cast<int64_t>(std::llround(Amount * 10000)) : 0};
  });
}

QDateTime ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                      const QDateTime& Default) {
  return ReadAs(Root, Key, Name, Default, [](const QVariant& V, bool& Ok) {
    const QDateTime When = QDateTime::fromString(V.toString(), Qt::ISODateWithMs);
    Ok = When.isValid();
    return When;
  });
}

void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, int Value) {
  Write(Root, Key, Name, Value);
}
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, double Value) {
  Write(Root, Key, Name, Value);
}
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, bool Value) {
  Write(Root, Key, Name, Value);
}
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                  const QString& Value) {
  Write(Root, Key, Name, Value);
}
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, const char* Value) {
  Write(Root, Key, Name, QString::fromUtf8(Value));
}
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, TCurrency Value) {
  Write(Root, Key, Name,
        QString::number(static_cast<double>(Value.TenThousandths) / 10000, 'f', 4));
}
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                  const QDateTime& Value) {
  Write(Root, Key, Name, Value.toString(Qt::ISODateWithMs));
}
