#include "app/formatted_copy.h"

#include "gui/code_page.h"
#include "gui/pane.h"
#include "gui/pane_text.h"
#include "output/html_fragment.h"
#include "settings/rtf_text.h"
#include "settings/theme_store.h"
#include "settings/theme_tags.h"

#include <QMimeData>

QMimeData* formattedCopy(SettingsStore& store, const Pane& source) {
  const SettingsReadGroup reads(store);
  const std::vector<std::string> lines = source.lines();
  Theme theme;
  readTheme(store, theme, ThemeKeys::InCode);
  const std::string html = htmlFragment(lines, inlineStyleTagSet(theme));
  std::string plain = joinPaneLines(lines);
  if (!plain.empty()) plain.pop_back();
  // The engine passes every byte it does not test, so the whole fragment is
  // in the pane's code page, whose characters the clipboard takes.
  auto* data = new QMimeData;
  data->setHtml(decodeText(html, source.codePage()));
  data->setText(decodeText(plain, source.codePage()));
  data->setData(QString::fromLatin1(RtfMimeType),
                QByteArray::fromStdString(rtfText(lines, theme, source.codePage())));
  return data;
}
