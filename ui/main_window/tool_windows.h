// The holder of the main window's tool windows: the material editor, the coefficient
// window and the data sheet (made after the main window, or when first needed), the
// design search window and the help window (made when first shown).
#pragma once

#include <QString>
#include <functional>

class DesignSearchWindow;
class HelpWindow;
class QDialog;
class QWidget;
class Tprinform;

class ToolWindows {
  public:
    // owner: the main window, parent of the windows made here.
    explicit ToolWindows(QWidget* owner) : owner_(owner) {}

    // The tool windows created after the main window; the menu handlers show them.
    void set(QDialog* dataMake, QDialog* keisuuMake, QDialog* printPage);
    // Or a function that creates them (and calls set) when first needed.
    void setMaker(std::function<void()> make) { make_ = std::move(make); }
    // Runs the function given to setMaker, once.
    void Ensure();

    QDialog* dataMake() const { return dataMake_; }
    QDialog* keisuuMake() const { return keisuuMake_; }
    QDialog* printPage() const { return printPage_; }
    DesignSearchWindow* designSearch() const { return designSearch_; }

    void ShowDataMake();    // ツール → 材料編集
    void ShowKeisuuMake();  // ツール → 係数編集
    // ファイル → 要目表印刷: the data sheet page, shown when fill has filled it.
    void ShowPrintPage(const std::function<bool(Tprinform&)>& fill);
    // ツール → 設計探索: one window for the session, made by make the first time; it
    // keeps its inputs and results while hidden.
    void ShowDesignSearch(const std::function<DesignSearchWindow*()>& make);
    // The help page in a window of the program's own, for a desktop without a program
    // that opens it.
    void ShowHelp(const QString& path);

  private:
    QWidget* owner_;
    std::function<void()> make_;
    QDialog* dataMake_ = nullptr;
    QDialog* keisuuMake_ = nullptr;
    QDialog* printPage_ = nullptr;
    DesignSearchWindow* designSearch_ = nullptr;
    HelpWindow* help_ = nullptr;
};
