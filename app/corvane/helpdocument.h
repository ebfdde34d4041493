// The program's HTML help document: where it is, and the anchors inside it
// that the windows' help contexts lead to.
#pragma once

#include <QString>
#include <QUrl>

// The program folder followed directly by the document's relative path
// (Docs/Corvane.html with the platform's separator), joined as they stand.
QString HelpDocumentPath();
// The anchor for a help context number; empty for a context the document has
// no section for, which then opens at its beginning.
QString HelpContextAnchor(int Context);
// The document's address at the anchor (the whole document when it is empty).
QUrl HelpDocumentUrl(const QString& Anchor = {});
