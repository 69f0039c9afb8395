#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "DesignHistory.h"
#include "QtPrinters.h"

namespace {
using Merge = DesignHistory::Merge;
using Action = DesignHistory::Action;

// The history over a plain state, as the editor's hooks would keep it: no window at all.
struct Subject {
  DesignState state{};
  bool paused = false;
  int restores = 0;
  std::function<void()> onRestore;  // what the controls would do while a state goes back
  DesignHistory history{{[this] { return state; },
                         [this](const DesignState& s) {
                           state = s;
                           ++restores;
                           if (onRestore) onRestore();
                         },
                         [this] { return paused; }}};

  Subject() { history.reset(); }

  QStringList steps() const {
    QStringList names;
    for (int i = 0; i < history.stack().count(); ++i)
      names << history.stack().text(i);
    return names;
  }
};

TEST(DesignHistory, ActionsBecomeStepsByTheirNamesAndMerges) {
  struct Case {
    const char* rule;
    std::function<void(Subject&)> act;
    QStringList steps;
  };
  const Case cases[] = {
      {"an action with changes on both sides of a commit point is one step",
       [](Subject& s) {
         const Action width(s.history, "Width");
         s.state.design.record.ButtonWidth = 80;
         s.history.commit();  // the render
         s.state.design.record.ButtonHeight = 30;
       },
       {"Width"}},
      {"an action begun inside another before its first commit is that one's doing",
       [](Subject& s) {
         const Action browse(s.history, "Texture");
         s.state.design.record.TextureStretch = 1;
         const Action fill(s.history, "Fill type");
         s.state.design.record.FillKind = kTexture;
       },
       {"Texture"}},
      {"an action begun after the outer one's commit point is a step of its own",
       [](Subject& s) {
         const Action outer(s.history, "Width");
         s.state.design.record.ButtonWidth = 80;
         s.history.commit();
         const Action inner(s.history, "Height");
         s.state.design.record.ButtonHeight = 30;
       },
       {"Width", "Height"}},
      {"typing of one name merges until the focus leaves",
       [](Subject& s) {
         for (int size : {1, 12, 123}) {
           const Action typing(s.history, "Outline size", Merge::Typing);
           s.state.design.record.OutlineSize = size;
         }
         s.history.closeMerge();
         const Action typing(s.history, "Outline size", Merge::Typing);
         s.state.design.record.OutlineSize = 12;
       },
       {"Outline size", "Outline size"}},
      {"typing does not merge across another step",
       [](Subject& s) {
         for (const char* step : {"Caption", "Shape", "Caption"}) {
           const Action action(s.history, step,
                               QString(step) == "Caption" ? Merge::Typing : Merge::No);
           ++s.state.design.record.OutlineSize;
         }
       },
       {"Caption", "Shape", "Caption"}},
      {"steps of Merge::No never merge",
       [](Subject& s) {
         for (int size : {1, 2}) {
           const Action step(s.history, "Distortion");
           s.state.design.record.Distortion = static_cast<std::uint8_t>(size);
         }
       },
       {"Distortion", "Distortion"}},
      {"typed and typed back is no step",
       [](Subject& s) {
         for (int size : {15, s.state.design.record.OutlineSize}) {
           const Action typing(s.history, "Outline size", Merge::Typing);
           s.state.design.record.OutlineSize = size;
         }
       },
       {}},
      {"an action that changes nothing is no step",
       [](Subject& s) {
         const Action nothing(s.history, "Refresh");
         s.history.commit();
       },
       {}},
      {"a font change is a step",
       [](Subject& s) {
         const Action font(s.history, "Font");
         s.state.design.font.size = 20;
       },
       {"Font"}},
      {"another image with the same pixels is the same texture",
       [](Subject& s) {
         QImage first(4, 3, QImage::Format_RGB32);
         first.fill(Qt::red);
         s.state.texture = first;
         s.history.reset();
         const Action reload(s.history, "Texture");
         QImage again(4, 3, QImage::Format_RGB32);
         again.fill(Qt::red);
         s.state.texture = again;
       },
       {}},
      {"another caption slot is no step",
       [](Subject& s) {
         const Action look(s.history, "Caption slot");
         s.state.design.current = 3;
         s.state.design.captions.resize(4);  // empty ones opened on the way
         s.state.design.record.TextIndex = 3;
         s.state.design.record.LastTextIndex = 3;
       },
       {}},
      {"a name given to a caption is a step",
       [](Subject& s) {
         const Action name(s.history, "Caption name");
         s.state.design.captions[0].name = QStringLiteral("home");
       },
       {"Caption name"}},
      {"set choices changed are a step",
       [](Subject& s) {
         const Action choices(s.history, "Set choices");
         s.state.design.set.prefix = QStringLiteral("nav");
       },
       {"Set choices"}},
      {"a save, which changes the document only, is no step",
       [](Subject& s) {
         s.state.file = "nav.kq";
         s.state.saved.captions = {Caption{QStringLiteral("saved")}};
         s.history.commit();
       },
       {}},
      {"a document replaced is a step, also with the design unchanged",
       [](Subject& s) {
         {
           const Action replaced(s.history, "New");
           s.history.replacesDocument();
           s.state.file = "nav.kq";
         }
         const Action saved(s.history, "Save");
         s.state.file = "other.kq";
       },
       {"New"}},
      {"changes made while paused wait for the next commit outside it",
       [](Subject& s) {
         s.paused = true;
         {
           const Action synced(s.history, "Sync");
           s.state.design.record.BevelSize = 9;
         }
         EXPECT_TRUE(s.steps().isEmpty());
         s.paused = false;
         s.history.commit();
       },
       {"Change"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    Subject s;
    c.act(s);
    EXPECT_EQ(s.steps(), c.steps);
  }
}

TEST(DesignHistory, UndoAndRedoPutTheStatesBackAndRecordNothing) {
  Subject s;
  const DesignState start = s.state;
  {
    const Action width(s.history, "Width");
    s.state.design.record.ButtonWidth = 80;
  }
  const DesignState widened = s.state;
  {
    const Action font(s.history, "Font");
    s.state.design.font.name = "Liberation Serif";
  }
  const DesignState last = s.state;
  // Putting a state back fills the controls, whose handlers write and commit again (an
  // angle the box clamps); none of that is a step.
  s.onRestore = [&] {
    s.state.design.record.FillDirection = 90;
    s.history.commit();
  };
  int changes = 0;
  QObject::connect(&s.history, &DesignHistory::changed, [&] { ++changes; });

  s.history.undo();
  EXPECT_EQ(s.history.stack().index(), 1);
  s.state.design.record.FillDirection =
      start.design.record.FillDirection;  // as the editor puts it back
  EXPECT_EQ(s.state, widened);
  s.history.undo();
  s.state.design.record.FillDirection = start.design.record.FillDirection;
  EXPECT_EQ(s.state, start);
  s.history.undo();  // at the start: nothing
  EXPECT_EQ(s.restores, 2);
  s.history.redo();
  s.history.redo();
  s.history.redo();  // at the end: nothing
  s.state.design.record.FillDirection = start.design.record.FillDirection;
  EXPECT_EQ(s.state, last);
  EXPECT_EQ(s.restores, 4);
  EXPECT_EQ(s.steps(), QStringList({"Width", "Font"}));
  EXPECT_EQ(changes, 4);

  s.history.reset();
  EXPECT_TRUE(s.steps().isEmpty());
}

TEST(DesignHistory, UndoGoesToTheSlotOfTheChangeAndKeepsTheDocumentUnlessReplaced) {
  Subject s;
  s.state.file = "first.kq";
  s.history.reset();
  {
    const Action look(s.history, "Caption slot");
    s.state.design.current = 2;
    s.state.design.captions.resize(3);
  }
  {
    const Action typing(s.history, "Caption", Merge::Typing);
    s.state.design.captions[2].text = QStringLiteral("Contact");
  }
  s.state.design.current = 0;  // looked elsewhere
  s.state.file = "second.kq";  // and saved as
  s.history.commit();
  {
    const Action replaced(s.history, "New");
    s.history.replacesDocument();
    s.state.design = Design{};
    s.state.file.clear();
  }

  s.history.undo();  // New
  EXPECT_EQ(s.state.file, "second.kq");
  EXPECT_EQ(s.state.design.captions.value(2).text, "Contact");
  s.history.undo();  // the caption
  EXPECT_EQ(s.state.design.current, 2) << "where the change was made";
  EXPECT_TRUE(s.state.design.captions.value(2).text.isEmpty());
  EXPECT_EQ(s.state.file, "second.kq") << "the file saved to since stays";
  s.history.redo();
  s.history.redo();
  EXPECT_EQ(s.state.file, "");
}

}  // namespace
