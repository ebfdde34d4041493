// What the window's tests look at and drive beyond the window's public face:
// its widgets, its document state and its controls by their designed names.
#pragma once

#include "app/corvane/mainform.h"

struct TMainFormTestAccess {
  explicit TMainFormTestAccess(TMainForm& Form)
      : CurrentFile(Form.CurrentFile),
        ConstructorSelectPending(Form.ConstructorSelectPending),
        HelpFile(Form.HelpFile),
        OpenDialogInitialDir(Form.OpenDialogInitialDir),
        PageControl(Form.PageControl),
        tsComponentView(Form.tsComponentView),
        tsConstructorView(Form.tsConstructorView),
        tvLiveBooks(Form.tvLiveBooks),
        sb97(Form.sb97),
        tbStandard(Form.tbStandard),
        ToolBar1(Form.ToolBar1),
        Factory(Form.Factory.get()),
        AttributePages(Form.AttributePages.get()),
        ilInfoView(Form.ilInfoView),
        tvLiveBooksImages(Form.tvLiveBooksImages),
        FForm(Form) {}

  // A menu item or tool button by its designed name; nullptr if none.
  QAction* Action(const QString& Name) const { return FForm.Action(Name); }
  QToolButton* Button(const QString& Name) const { return FForm.Button(Name); }

  const QString& CurrentFile;
  const bool& ConstructorSelectPending;
  const QString& HelpFile;
  const QString& OpenDialogInitialDir;
  TExtPageControl* const PageControl;
  QWidget* const tsComponentView;
  QWidget* const tsConstructorView;
  THETreeView* const tvLiveBooks;
  QStatusBar* const sb97;
  QToolBar* const tbStandard;
  QToolBar* const ToolBar1;
  TBeanFactory* const Factory;
  TAttributePages* const AttributePages;
  const TImageList& ilInfoView;
  const TImageList* const& tvLiveBooksImages;

 private:
  TMainForm& FForm;
};

// The window as its tests see it.
inline TMainFormTestAccess Peek(TMainForm& Form) {
  return TMainFormTestAccess(Form);
}
