#include "gui/pane_edits.h"

#include <Qsci/qsciscintillabase.h>

PaneEdits::PaneEdits(QsciScintillaBase& pane) : QObject(&pane), pane_(pane) {
  connect(&pane, &QsciScintillaBase::SCN_MODIFIED, this,
          [this](int position, int type, const char*, int, int, int, int, int, int, int) {
            // The notices before an edit come whatever else the pane reports.
            if (type &
                (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE))
              beginEdit(position);
          });
}

void PaneEdits::settle() {
  if (!pending_) return;
  pending_ = false;
  emit edited(pendingLine_, lineCount() - lineCountBefore_);
}

void PaneEdits::beginEdit(long position) {
  settle();
  emit editing();
  pending_ = true;
  pendingLine_ = pane_.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, position);
  lineCountBefore_ = lineCount();
}

long PaneEdits::lineCount() const {
  return pane_.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
}
