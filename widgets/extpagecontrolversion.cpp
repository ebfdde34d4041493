#include "widgets/extpagecontrolversion.h"

#include <QMessageBox>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>

#include <vector>
#endif

namespace {

bool UpdateRecommended = false;

struct TFileVersion {
  QString Path;
  std::uint32_t VersionMS;
};

#ifdef Q_OS_WIN
std::optional<TFileVersion> ReadCommonControlsVersion() {
  wchar_t Dir[MAX_PATH];
  const UINT Length = GetSystemDirectoryW(Dir, MAX_PATH);
  if (Length == 0 || Length >= MAX_PATH) return std::nullopt;
  const QString Path = QString::fromWCharArray(Dir, static_cast<int>(Length)) + "\\ComCtl32.DLL";
  const std::wstring File = Path.toStdWString();
  DWORD Handle = 0;
  const DWORD Size = GetFileVersionInfoSizeW(File.c_str(), &Handle);
  if (Size == 0) return std::nullopt;
  std::vector<char> Data(Size);
  if (!GetFileVersionInfoW(File.c_str(), 0, Size, Data.data())) return std::nullopt;
  VS_FIXEDFILEINFO* Info = nullptr;
  UINT InfoSize = 0;
  if (!VerQueryValueW(Data.data(), L"\\", reinterpret_cast<void**>(&Info), &InfoSize) || !Info ||
      InfoSize < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  return TFileVersion{Path, Info->dwFileVersionMS};
}
#else
std::optional<TFileVersion> ReadCommonControlsVersion() {
  return std::nullopt;
}
#endif

}  // namespace

bool CommonControlsTooOld(std::uint32_t FileVersionMS) {
  return FileVersionMS <= 0x00040030u;
}

QString CommonControlsMessage(const QString& Path) {
  return QString::fromLatin1(
             "Windows library Common Controls (file %1) is to old. To choose left, right or "
             "bottom tab positions in ExtPageControl you need a newer version.\n\nA new version "
             "of ComCtl32.DLL ships with Windows NT 4, Windows 97 and with Microsoft Internet "
             "Explorer 3. You can download MS IE from http://www.microsoft.com/ie/")
      .arg(Path);
}

bool CheckCommonControlsVersion() {
  const std::optional<TFileVersion> Version = ReadCommonControlsVersion();
  UpdateRecommended = Version && CommonControlsTooOld(Version->VersionMS);
  if (UpdateRecommended)
    QMessageBox::information(nullptr, QStringLiteral("Update of ComCtl32.DLL recommended"),
                             CommonControlsMessage(Version->Path));
  return UpdateRecommended;
}

bool CommonControlsUpdateRecommended() {
  return UpdateRecommended;
}
