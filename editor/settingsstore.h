// Typed access to the settings store. Keys are written as registry paths
// ("Software\Brantwick Software\Corvane\Settings\Editor"); the per-user root
// is the user's settings, the machine root the system-wide ones, which the
// program only reads. Reading never creates a key, and a value that is
// missing, or stored as something that cannot be read as the kind asked
// for, yields the caller's default.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// A fixed underlying type, so that any integer is a value of it; every value
// but srLocalMachine stands for the user's settings.
enum TSettingsRoot : int { srCurrentUser = 0, srLocalMachine = 1 };

inline constexpr const char* EditorSettingsKey =
    "Software\\Brantwick Software\\Corvane\\Settings\\Editor";
inline constexpr const char* GeneralSettingsKey =
    "Software\\Brantwick Software\\Corvane\\Settings\\General";

// A currency amount, fixed to four decimal places.
struct TCurrency {
  int64_t TenThousandths = 0;
  friend bool operator==(TCurrency, TCurrency) = default;
};

int ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name, int Default);
double ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name, double Default);
bool ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name, bool Default);
QString ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                    const QString& Default);
QString ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                    const char* Default);
TCurrency ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                      TCurrency Default);
QDateTime ReadSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                      const QDateTime& Default);

void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, int Value);
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, double Value);
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, bool Value);
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                  const QString& Value);
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, const char* Value);
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name, TCurrency Value);
void WriteSetting(TSettingsRoot Root, const QString& Key, const QString& Name,
                  const QDateTime& Value);
