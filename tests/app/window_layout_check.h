#pragma once

#include <QFontInfo>
#include <QLabel>
#include <QList>
#include <QMetaType>
#include <QRect>
#include <QString>
#include <QTest>
#include <QWidget>

// Checks shared by the splash and About tests: an element's place and look.

/// One element of a fixed window layout; a label sizes itself, so its
/// expected size is empty and only its top left is checked.
struct ExpectedElement {
  QString name;
  QRect bounds;
  QString text;
  bool bold = false;
};
Q_DECLARE_METATYPE(ExpectedElement)

/// One data row per element, in the column "expected".
inline void addElementRows(const QList<ExpectedElement>& elements) {
  QTest::addColumn<ExpectedElement>("expected");
  for (const ExpectedElement& element : elements) {
    QTest::newRow(qPrintable(element.name)) << element;
  }
}

/// The element named expected.name under window stands where it should, with
/// its text in the windows' font.
inline void checkElement(const QWidget& window, const ExpectedElement& expected) {
  auto* element = window.findChild<QWidget*>(expected.name);
  QVERIFY2(element != nullptr, qPrintable(expected.name));
  QCOMPARE(element->pos(), expected.bounds.topLeft());
  if (!expected.bounds.size().isEmpty()) QCOMPARE(element->size(), expected.bounds.size());
  if (expected.text.isEmpty()) return;

  auto* label = qobject_cast<QLabel*>(element);
  QVERIFY(label != nullptr);
  QCOMPARE(label->text(), expected.text);
  QCOMPARE(label->size(), label->sizeHint());
  const QFontInfo font(label->font());
  QVERIFY2(font.family() == QStringLiteral("Arial") ||
               font.family() == QStringLiteral("Liberation Sans"),
           qPrintable(font.family()));
  QCOMPARE(font.pixelSize(), 11);
  QCOMPARE(font.bold(), expected.bold);
}

/// The middle of the window with its frame is the middle of the primary screen's desktop.
inline void checkCentred(const QWidget& window) {
  const QPoint middle = window.screen()->availableGeometry().center();
  QVERIFY(qAbs(window.frameGeometry().center().x() - middle.x()) <= 1);
  QVERIFY(qAbs(window.frameGeometry().center().y() - middle.y()) <= 1);
}
