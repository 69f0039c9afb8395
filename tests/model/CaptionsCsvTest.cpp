#include <gtest/gtest.h>

#include "CaptionsCsv.h"

namespace {

QByteArray Rows(int count) {
  QByteArray csv = "text\n";
  for (int i = 0; i < count; ++i)
    csv += "x\n";
  return csv;
}

TEST(CaptionsCsv, ReadsCaptionsOrNamesTheLineThatIsWrong) {
  struct Row {
    const char* what;
    QByteArray csv;
    QList<Caption> captions;  // when read
    const char* error;        // when refused
  } rows[] = {
      {"one column", "text\nHome\nAbout us\n", {{"Home"}, {"About us"}}, nullptr},
      {"all columns, a byte order mark, CR LF",
       "\xEF\xBB\xBFText,Name,LINK\r\nHome,home,/\r\n\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2,ru,/ru\r\n",
       {{"Home", "home", "/"}, {QString::fromUtf8("Глав"), "ru", "/ru"}},
       nullptr},
      {"columns in any order", "link,text\n/a,A\n", {{"A", "", "/a"}}, nullptr},
      {"line breaks inside quotes",
       "text,name\n\"Two\r\nlines\",two\n\"Lone\nLF\",lf\n\"Lone\rCR\",cr\n",
       {{"Two\nlines", "two"}, {"Lone\nLF", "lf"}, {"Lone\nCR", "cr"}},
       nullptr},
      {"quotes and commas",
       "text\n\"He said \"\"hi\"\", then left\"\n",
       {{"He said \"hi\", then left"}},
       nullptr},
      {"blanks are kept", "text\n  Home  \n", {{"  Home  "}}, nullptr},
      {"empty names are none", "text,name\nA,\nB,\n", {{"A"}, {"B"}}, nullptr},
      {"blank lines are skipped, no final line break", "text\n\n\nA\n\nB", {{"A"}, {"B"}}, nullptr},
      {"CR line ends", "text\rA\rB\r", {{"A"}, {"B"}}, nullptr},
      {"an empty caption", "text,name\n\"\",x\n", {{"", "x"}}, nullptr},
      {"the most captions", Rows(kMaxCaptions), QList<Caption>(kMaxCaptions, Caption{"x"}),
       nullptr},

      {"nothing", "", {}, "line 1: no header row"},
      {"only the header", "text\n", {}, "line 1: no captions below the header row"},
      {"no text column", "name\nhome\n", {}, "line 1: no \"text\" column in the header row"},
      {"another column",
       "text,colour\nA,red\n",
       {},
       "line 1: unknown column \"colour\" (the columns are text, name and link)"},
      {"a column twice", "text,Text\n", {}, "line 1: the column \"Text\" comes twice"},
      {"too few fields", "text,name\nA,a\nB\n", {}, "line 3: 1 fields; the header row has 2"},
      {"too many fields", "text\nA,B\n", {}, "line 2: 2 fields; the header row has 1"},
      {"quote in an unquoted field", "text\nA\"B\n", {}, "line 2: not CSV"},
      {"text after a closing quote", "text\nA\n\"B\"C\n", {}, "line 3: not CSV"},
      {"a quoted field not closed",
       "text\r\nA\r\n\"B\r\nC\r\n",
       {},
       "line 3: not CSV: a quoted field is not closed"},
      {"the same name, after a caption of two lines",
       "text,name\nA,x\n\"B\nb\",y\nC,x\n",
       {},
       "line 5: the name \"x\" is on line 2 too"},
      {"a name that is no file stem",
       "text,name\nA,..\n",
       {},
       "line 2: name: \"..\" names a folder, not a file"},
      {"a slash in a name",
       "text,name\nA,ok\n\"B\nC\",a/b\n",
       {},
       "line 3: name: a name cannot hold \"/\""},
      {"a control character in a name",
       "text,name\nA,\"a\tb\"\n",
       {},
       "line 2: name: a name cannot hold the control character U+0009"},
      {"not UTF-8", "text\nA\n\xFF\n", {}, "line 3: not UTF-8 text"},
      {"one caption too many", Rows(kMaxCaptions + 1), {}, "line 10002: more than 10000 captions"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const QList<Caption> before = {Caption{"untouched"}};
    QList<Caption> captions = before;
    QString error;
    const bool read = ReadCaptionsCsv(row.csv, &captions, &error);
    if (row.error) {
      EXPECT_FALSE(read);
      EXPECT_TRUE(error.startsWith(QString::fromUtf8(row.error))) << error.toStdString();
      EXPECT_EQ(captions, before);
    } else {
      EXPECT_TRUE(read) << error.toStdString();
      EXPECT_EQ(captions, row.captions);
    }
  }
}

}  // namespace
