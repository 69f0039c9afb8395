#include <gtest/gtest.h>

#include "CaptionList.h"
#include "QtPrinters.h"

inline void PrintTo(const Caption& c, std::ostream* os) {
  *os << '{' << c.text.toStdString() << '|' << c.name.toStdString() << '|' << c.link.toStdString()
      << '}';
}

namespace {

QList<Caption> texts(const QStringList& list) {
  QList<Caption> captions;
  for (const QString& text : list)
    captions << Caption{text};
  return captions;
}

TEST(CaptionList, TheListEndsWithTheCurrentCaptionOrTheLastOneNotEmpty) {
  const struct Case {
    const char* rule;
    QList<Caption> captions;
    int current;
    QList<Caption> kept;
    int keptCurrent;
  } cases[] = {
      {"a new caption is opened for the current one", texts({"a"}), 1, texts({"a", ""}), 1},
      {"and every caption up to it", texts({"a"}), 3, texts({"a", "", "", ""}), 3},
      {"empty ones after the current are dropped", texts({"a", "", ""}), 0, texts({"a"}), 0},
      {"empty ones before the last in use stay", texts({"a", "", "b"}), 0, texts({"a", "", "b"}),
       0},
      {"a caption with only a name is not empty",
       {Caption{"a"}, Caption{"", "home"}, Caption{}},
       0,
       {Caption{"a"}, Caption{"", "home"}},
       0},
      {"a caption with only a link is not empty",
       {Caption{"a"}, Caption{"", "", "/"}},
       0,
       {Caption{"a"}, Caption{"", "", "/"}},
       0},
      {"one caption always stays", texts({""}), 0, texts({""}), 0},
      {"a list emptied gets one caption", {}, 0, texts({""}), 0},
      {"a current below 0 is the first", texts({"a", ""}), -4, texts({"a"}), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    Design d;
    d.captions = c.captions;
    d.current = c.current;
    KeepCurrentCaption(d);
    EXPECT_EQ(d.captions, c.kept);
    EXPECT_EQ(d.current, c.keptCurrent);
  }
  Design far;
  far.current = kMaxCaptions + 5;
  KeepCurrentCaption(far);
  EXPECT_EQ(far.current, kMaxCaptions - 1) << "no further than a design holds";
  EXPECT_EQ(far.captions.size(), kMaxCaptions);
}

}  // namespace
