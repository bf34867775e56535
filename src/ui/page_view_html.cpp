// A game page made ready for the page view, measured as Qt parses it.
#include "ui/page_view_html.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "backends/qt_text.h"
#include "view/page_markup.h"

namespace ui {
namespace {

// Old browsers take an unquoted attribute up to the next blank or ">" (links
// such as href=Scp=sala&Prm=3) and colours without their "#"; Qt needs both.
QString quotedForQt(QString html) {
  static const QRegularExpression unquoted(QStringLiteral("\\b(href|src)=([^\\s\"'>]+)"));
  static const QRegularExpression bareColour(
      QStringLiteral("\\b(bgcolor|text|link|vlink|alink|color)=([0-9A-Fa-f]{6})\\b"));
  html.replace(unquoted, QStringLiteral("\\1=\"\\2\""));
  return html.replace(bareColour, QStringLiteral("\\1=#\\2"));
}

// What laying out the tables inside `frame` costs: their cells, doubled for each
// table around them. Past the bounds the count stops growing (kMaxPageLayoutCells + 1).
long tableCost(const QTextFrame* frame, int tablesAround) {
  long cost = 0;
  for (const QTextFrame* child : frame->childFrames()) {
    const auto* table = qobject_cast<const QTextTable*>(child);
    const int around = tablesAround + (table ? 1 : 0);
    if (around > view::kMaxTableDepth) return kMaxPageLayoutCells + 1;
    if (table) cost += (static_cast<long>(table->rows()) * table->columns()) << (around - 1);
    if (cost <= kMaxPageLayoutCells) cost += tableCost(child, around);
    if (cost > kMaxPageLayoutCells) return kMaxPageLayoutCells + 1;
  }
  return cost;
}

bool laysOutInReason(const QTextDocument& parsed) { return tableCost(parsed.rootFrame(), 0) <= kMaxPageLayoutCells; }

// The page without its tables: a row starts a line, a cell a word; the text stays.
QString withoutTables(QString html) {
  static const QRegularExpression row(QStringLiteral("<\\s*/?\\s*tr(?![a-z0-9])(\"[^\"]*\"|'[^']*'|[^'\"><])*>"),
                                      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression part(
      QStringLiteral("<\\s*/?\\s*(table|tbody|thead|tfoot|td|th|caption|colgroup|col)(?![a-z0-9])"
                     "(\"[^\"]*\"|'[^']*'|[^'\"><])*>"),
      QRegularExpression::CaseInsensitiveOption);
  html.replace(row, QStringLiteral("<br>"));
  return html.replace(part, QStringLiteral(" "));
}

}  // namespace

QString pageViewHtml(const std::string& cp1252Html) {
  const QString html = quotedForQt(backends::unicode(view::boundMarkupNesting(cp1252Html)));
  // Parsing is quick; it is the layout (not done here) that a page can make endless.
  QTextDocument parsed;
  parsed.setHtml(html);
  if (laysOutInReason(parsed)) return html;
  const QString flat = withoutTables(html);
  parsed.setHtml(flat);
  if (laysOutInReason(parsed)) return flat;
  return QStringLiteral("<pre>%1</pre>").arg(parsed.toPlainText().toHtmlEscaped());
}

}  // namespace ui
