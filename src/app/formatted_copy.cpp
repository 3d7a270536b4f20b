#include "app/formatted_copy.h"

#include "gui/pane.h"
#include "gui/pane_text.h"
#include "output/html_fragment.h"
#include "settings/inline_style_tags.h"

#include <QMimeData>

namespace {

QString unicodeOf(const std::string& bytes, bool utf8) {
  const auto size = static_cast<qsizetype>(bytes.size());
  return utf8 ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

}  // namespace

QMimeData* formattedCopy(SettingsStore& store, const Pane& source) {
  const std::vector<std::string> lines = source.lines();
  const std::string html = htmlFragment(lines, GetInlineStyleTags(store));
  std::string plain = joinPaneLines(lines);
  if (!plain.empty()) plain.pop_back();
  auto* data = new QMimeData;
  data->setHtml(unicodeOf(html, source.isUtf8()));
  data->setText(unicodeOf(plain, source.isUtf8()));
  return data;
}
