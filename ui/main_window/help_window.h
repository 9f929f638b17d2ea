// The help page shown in a window of the program's own, for a desktop that has no
// program to open it with.
#pragma once

#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page at path (a local HTML file); links within it stay in the window.
    void showPage(const QString& path);
    QTextBrowser* browser() const { return browser_; }

  protected:
    // Escape closes the window, as it closes the program's dialogs.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTextBrowser* browser_;
};
