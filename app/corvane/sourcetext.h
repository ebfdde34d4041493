// The source editor as the bean factory sees it: the constructor's text.
#pragma once

#include "beans/factoryviews.h"
#include "editor/ledit.h"

class TEditorSourceText : public TSourceText {
 public:
  explicit TEditorSourceText(TLEdit& Editor) : FEditor(Editor) {}
  QString Text() const override { return FEditor.Text(); }
  void SetText(const QString& Text) override { FEditor.SetText(Text); }
  void Clear() override { FEditor.Clear(); }
  void Show() override { FEditor.setVisible(true); }
  void Hide() override { FEditor.setVisible(false); }
  void NewDocument() override { FEditor.NewDocument(); }

 private:
  TLEdit& FEditor;
};
