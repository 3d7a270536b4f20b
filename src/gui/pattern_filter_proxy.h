#pragma once

#include <QList>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStringList>

/// Lists the folders and the files whose names match one of a filter's
/// patterns, letter case ignored. "*.*" lists every file, names without a dot
/// ("Makefile") included, as it does on the system the patterns come from.
class PatternFilterProxy : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit PatternFilterProxy(QObject* parent = nullptr);

  /// The patterns files must match from now on.
  void setPatterns(const QStringList& patterns);
  /// Whether a file name matches the current patterns.
  bool matches(const QString& fileName) const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  QList<QRegularExpression> patterns_;
};
