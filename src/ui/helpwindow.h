// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTextBrowser;

namespace peg {

//: The help page's file name: each language has its own page.
inline constexpr const char *HELP_FILE = QT_TRANSLATE_NOOP("Words", "pegit.html");

// The help, in a window of its own beside the board. It only reads the
// help file; the game never hears of it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Loads the help file from the working folder afresh and shows its
    // contents, at the top, whatever was read last time.
    void showContents();

    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

} // namespace peg
