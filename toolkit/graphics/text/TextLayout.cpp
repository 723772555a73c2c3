#include "toolkit/graphics/text/TextLayout.h"

#include <algorithm>
#include <string>

#include "toolkit/core/Utf8.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/CharClass.h"
#include "toolkit/graphics/text/GlyphSource.h"

namespace tk {
namespace {

constexpr int kTabStopChars = 8;

struct Item {
  char32_t Code = 0;
  bool Underlined = false;
};

bool IsLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }
// Where a line may break; the characters themselves are dropped at a break.
bool IsBreakingSpace(char32_t c) { return c == U' ' || c == U'\t'; }

std::u32string Decode(std::string_view text) {
  std::u32string codes;
  codes.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) codes.push_back(DecodeUtf8(text, pos));
  return codes;
}

// `&x` underlines x, `&&` stands for one `&`, a final `&` stands for nothing.
std::vector<Item> ResolvePrefixes(const std::u32string& codes, bool prefixes) {
  std::vector<Item> items;
  items.reserve(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (prefixes && codes[i] == U'&') {
      if (++i == codes.size()) break;
      items.push_back({codes[i], codes[i] != U'&'});
    } else {
      items.push_back({codes[i], false});
    }
  }
  return items;
}

struct Paragraph {
  std::size_t Begin, End;
};

// Hard breaks at CR, LF and CR LF. A break at the very end opens no further line, and a text
// that is not empty has at least one line even if nothing of it is drawable.
std::vector<Paragraph> SplitParagraphs(const std::vector<Item>& items, bool singleLine,
                                       bool textEmpty) {
  std::vector<Paragraph> paragraphs;
  std::size_t begin = 0;
  if (!singleLine) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (!IsLineBreak(items[i].Code)) continue;
      paragraphs.push_back({begin, i});
      if (items[i].Code == U'\r' && i + 1 < items.size() && items[i + 1].Code == U'\n') ++i;
      begin = i + 1;
    }
  }
  if (begin < items.size() || (paragraphs.empty() && !textEmpty))
    paragraphs.push_back({begin, items.size()});
  return paragraphs;
}

class LineBreaker {
 public:
  LineBreaker(const std::vector<Item>& items, unsigned format, int maxWidth, TTextMetrics& metrics)
      : FItems(items),
        FMetrics(metrics),
        FWrap((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)),
        FExpandTabs(format & DT_EXPANDTABS),
        FMaxWidth(maxWidth),
        FTabStop(std::max(1, kTabStopChars * metrics.AverageCharWidth())),
        FX(items.size()),
        FAdvance(items.size()) {}

  void Break(const Paragraph& p, std::vector<TTextLine>& lines) {
    std::size_t start = p.Begin;
    while (true) {
      const std::size_t next = BreakOneLine(start, p.End, lines);
      if (next == p.End) return;
      start = next;
    }
  }

 private:
  // Lays out one line from `start` and returns where the next one begins (`end` when the
  // paragraph is done).
  std::size_t BreakOneLine(std::size_t start, std::size_t end, std::vector<TTextLine>& lines) {
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t breakEnd = kNone, breakNext = kNone;
    int breakWidth = 0, x = 0;
    std::size_t j = start;
    while (j < end) {
      const char32_t code = FItems[j].Code;
      if (IsBreakingSpace(code)) {
        const std::size_t runStart = j;
        const int widthBefore = x;
        for (; j < end && IsBreakingSpace(FItems[j].Code); ++j) Place(j, x);
        if (runStart > start) breakEnd = runStart, breakNext = j, breakWidth = widthBefore;
        continue;
      }
      if (j > start && IsWideCharacter(code) && IsWideCharacter(FItems[j - 1].Code))
        breakEnd = j, breakNext = j, breakWidth = x;
      Place(j, x);
      // A word that does not fit moves to the next line; one that fits on no line stays whole.
      if (FWrap && x > FMaxWidth && breakEnd != kNone) {
        Emit(start, breakEnd, breakWidth, lines);
        return breakNext;
      }
      ++j;
    }
    Emit(start, end, x, lines);
    return end;
  }

  void Place(std::size_t i, int& x) {
    const char32_t code = FItems[i].Code;
    int advance = 0;
    if (code == U'\t') {
      if (FExpandTabs) advance = FTabStop - x % FTabStop;
    } else if (!IsControlCharacter(code)) {
      advance = FMetrics.Advance(code);
    }
    FX[i] = x;
    FAdvance[i] = advance;
    x += advance;
  }

  void Emit(std::size_t begin, std::size_t end, int width, std::vector<TTextLine>& lines) {
    TTextLine line;
    line.Width = width;
    for (std::size_t i = begin; i < end; ++i) {
      if (IsControlCharacter(FItems[i].Code)) continue;
      line.Glyphs.push_back({FItems[i].Code, FX[i], FAdvance[i], FItems[i].Underlined});
    }
    lines.push_back(std::move(line));
  }

  const std::vector<Item>& FItems;
  TTextMetrics& FMetrics;
  const bool FWrap;
  const bool FExpandTabs;
  const int FMaxWidth;
  const int FTabStop;
  std::vector<int> FX;  // pen position of each item on its line
  std::vector<int> FAdvance;
};

}  // namespace

TTextLayout LayoutText(std::string_view text, const TRect& rect, unsigned format,
                       TTextMetrics& metrics) {
  TTextLayout layout;
  layout.Ascent = metrics.Ascent();
  layout.LineHeight = metrics.LineHeight();
  layout.Clipped = !(format & DT_NOCLIP);
  layout.Clip = rect;

  const std::vector<Item> items = ResolvePrefixes(Decode(text), !(format & DT_NOPREFIX));
  const bool singleLine = format & DT_SINGLELINE;
  LineBreaker breaker(items, format, rect.Width(), metrics);
  for (const Paragraph& p : SplitParagraphs(items, singleLine, text.empty()))
    breaker.Break(p, layout.Lines);

  const int count = static_cast<int>(layout.Lines.size());
  const int lh = layout.LineHeight;
  // Vertical placement acts on a single line only.
  int top = rect.Top;
  if (singleLine && (format & DT_VCENTER)) top = rect.Top + (rect.Height() - lh) / 2;
  else if (singleLine && (format & DT_BOTTOM)) top = rect.Bottom - lh;

  int widest = 0;
  for (int i = 0; i < count; ++i) {
    TTextLine& line = layout.Lines[i];
    line.Top = top + i * lh;
    if (format & DT_CENTER) line.Left = rect.Left + (rect.Width() - line.Width) / 2;
    else if (format & DT_RIGHT) line.Left = rect.Right - line.Width;
    else line.Left = rect.Left;
    widest = std::max(widest, line.Width);
  }

  layout.Extent = rect;
  if (count > 0) layout.Extent.Right = rect.Left + widest;
  layout.Extent.Bottom = rect.Top + count * lh;
  if (count == 0) layout.Height = 0;
  else if (format & DT_CALCRECT) layout.Height = count * lh;
  else layout.Height = top - rect.Top + count * lh;
  return layout;
}

}  // namespace tk
