#include "gui/pattern_filter_proxy.h"

#include <QFileSystemModel>

PatternFilterProxy::PatternFilterProxy(QObject* parent) : QSortFilterProxyModel(parent) {}

void PatternFilterProxy::setPatterns(const QStringList& patterns) {
  patterns_.clear();
  for (const QString& pattern : patterns) {
    const QString wildcard = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
    patterns_.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard),
                                        QRegularExpression::CaseInsensitiveOption));
  }
  invalidateFilter();
}

bool PatternFilterProxy::matches(const QString& fileName) const {
  for (const QRegularExpression& pattern : patterns_)
    if (pattern.match(fileName).hasMatch()) return true;
  return false;
}

bool PatternFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
  if (!files || files->isDir(index)) return true;
  return matches(files->fileName(index));
}
