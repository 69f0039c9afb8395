#pragma once

#include <QSize>

class QDialog;
class QScrollArea;

// Makes `area` (in a group box of `dialog`'s layout) as large as its contents, `whole`,
// as far as the dialog's screen has room for them with everything else the dialog shows,
// and the dialog the size that takes before it is first shown. What is left over scrolls.
void FitScrollAreaToScreen(QDialog* dialog, QScrollArea* area, QSize whole);
