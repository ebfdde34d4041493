// The program's HTML help document: where it is, and the anchors inside it
// that the windows' help contexts lead to.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the guide is looked for, in order: the program folder followed
// directly by Docs/Corvane.html (with the platform's separator), joined as
// they stand, when the folder is not empty; the folder the installation puts
// it in, found from the folder that holds the program; and the source tree's
// docs folder, which a build run where it was made finds it in.
QStringList HelpDocumentPlaces(const QString& ProgramFolder, const QString& ExecutableFolder);
// The first of those places for ProgramDir and the running program that
// holds a file; the first place when none does.
QString HelpDocumentPath();
// The anchor for a help context number; empty for a context the document has
// no section for, which then opens at its beginning.
QString HelpContextAnchor(int Context);
// The document's address at the anchor (the whole document when it is empty).
QUrl HelpDocumentUrl(const QString& Path, const QString& Anchor = {});
