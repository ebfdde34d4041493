// Who the program is to the desktop: its names, version, desktop entry and
// icon.
#pragma once

#include <QIcon>

// The application's reverse-domain name: its desktop entry, metadata and icon
// are installed under it.
inline constexpr const char* DesktopFileName = "org.example.Corvane";

// Application and organisation name (which also place the settings), the
// organisation's domain, the version and the desktop entry. Needs no
// application object yet.
void SetApplicationIdentity();
// The installed theme icon when there is one, else the copies built into the
// program at every size.
QIcon ApplicationIcon();
