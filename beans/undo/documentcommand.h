// The base of the commands that change the document. Each makes its change
// through the document and takes it back; the base has the view put back the
// tree's order as it was around the change (the tree sorts itself after a
// name is given in place), then select the object changed and fill its page.
#pragma once

#include <QUndoCommand>
#include <initializer_list>
#include <utility>

#include "beans/historyview.h"

class TJSBDocument;

// Every node with children: what sorting the tree can alter.
TTreeOrder WholeTreeOrder(const THistoryView& View);
// The objects' nodes and every node above them, the root always, with or
// without children: all that adding, deleting or changing one item can alter,
// and selecting its node, which expands the nodes above it.
TTreeOrder TreeOrderAround(const THistoryView& View, std::initializer_list<TObjectRef> Objects);

// What a command works with: the document it changes and the view that
// shows the change.
struct TCommandContext {
  TJSBDocument& Document;
  THistoryView& View;
};

class TDocumentCommand : public QUndoCommand {
 public:
  void undo() final;
  void redo() final;
  void KeepOrderBefore(TTreeOrder Before) { FBefore = std::move(Before); }

 protected:
  // Before is the tree's order before the change.
  TDocumentCommand(const TCommandContext& Context, TTreeOrder Before)
      : FDocument(Context.Document), FView(Context.View), FBefore(std::move(Before)) {}

  // Make the change and take it back; each answers the object to select.
  virtual TObjectRef Apply() = 0;
  virtual TObjectRef Revert() = 0;
  // True while QUndoStack::push runs the first redo: the user made the change
  // in a view that shows it already.
  bool Pushing() const { return !FPushed; }

  TJSBDocument& FDocument;
  THistoryView& FView;

 private:
  void Restore(const TTreeOrder& Order);
  // The document counts as changed (an undo never makes it unchanged) and
  // the view selects Object; after the push, its page is filled anew.
  void Done(TObjectRef Object);

  TTreeOrder FBefore, FAfter;
  bool FPushed = false;
};
